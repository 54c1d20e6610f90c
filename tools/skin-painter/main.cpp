// skin-painter: draws a skin and writes its resources, or previews of it.
//
//   skin-painter --style <standard|nacht> --out <dir>
//   skin-painter --style <standard|nacht> --preview <dir>

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "skin_art.h"
#include "skin_description.h"
#include "skin_files.h"

namespace {

int Usage() {
  std::fputs(
      "usage: skin-painter --style <standard|nacht> --out <dir>\n"
      "       skin-painter --style <standard|nacht> --preview <dir>\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Qt would take "--style" for itself, so the arguments are read before it sees them and
  // the application gets only the program name.
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  int qt_argc = 1;

  // Painting needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(qt_argc, argv);

  using namespace sudoku::skin_painter;
  QString style_name;
  QString out_dir;
  QString preview_dir;
  for (int i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (i + 1 >= args.size()) return Usage();
    if (arg == QLatin1String("--style")) {
      style_name = args[++i];
    } else if (arg == QLatin1String("--out")) {
      out_dir = args[++i];
    } else if (arg == QLatin1String("--preview")) {
      preview_dir = args[++i];
    } else {
      return Usage();
    }
  }
  Style style;
  if (!ParseStyle(style_name, &style) || (out_dir.isEmpty() == preview_dir.isEmpty())) {
    return Usage();
  }

  const SkinDescription skin = DescribeSkin(style);
  const SkinPictures pictures = PaintSkin(skin);
  QString error;
  const bool ok = out_dir.isEmpty() ? WriteSkinPreviews(skin, pictures, preview_dir, &error)
                                    : WriteSkinResources(skin, pictures, out_dir, &error);
  if (!ok) {
    std::fprintf(stderr, "skin-painter: %s\n", qPrintable(error));
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
