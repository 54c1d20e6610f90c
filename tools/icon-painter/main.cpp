// icon-painter: writes the program's icon as a hicolor theme tree.
//
//   icon-painter --name <icon name> --out <dir>
//
// gives <dir>/<n>x<n>/apps/<icon name>.png for every installed size and
// <dir>/scalable/apps/<icon name>.svg.

#include <QDir>
#include <QGuiApplication>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>

#include "skin/program_icon.h"

int main(int argc, char** argv) {
  QString name, out;
  for (int i = 1; i + 1 < argc; i += 2) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == "--name") name = QString::fromLocal8Bit(argv[i + 1]);
    if (arg == "--out") out = QString::fromLocal8Bit(argv[i + 1]);
  }
  if (name.isEmpty() || out.isEmpty()) {
    std::fputs("usage: icon-painter --name <icon name> --out <dir>\n", stderr);
    return 2;
  }
  // The digits need fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);

  auto fail = [](const QString& what) {
    std::fprintf(stderr, "icon-painter: cannot write %s\n", qPrintable(what));
    return EXIT_FAILURE;
  };
  for (int size : sudoku::kProgramIconSizes) {
    const QString dir = QString("%1/%2x%2/apps").arg(out).arg(size);
    const QString file = dir + "/" + name + ".png";
    if (!QDir().mkpath(dir) || !sudoku::ProgramIconImage(size).save(file, "PNG")) {
      return fail(file);
    }
  }
  const QString dir = out + "/scalable/apps";
  const QString file = dir + "/" + name + ".svg";
  if (!QDir().mkpath(dir)) return fail(file);
  constexpr int kSvgSize = 128;
  QSvgGenerator svg;
  svg.setFileName(file);
  svg.setSize(QSize(kSvgSize, kSvgSize));
  svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
  svg.setTitle("Sudoku");
  QPainter p;
  if (!p.begin(&svg)) return fail(file);
  sudoku::DrawProgramIcon(p, QRectF(0, 0, kSvgSize, kSvgSize));
  if (!p.end()) return fail(file);
  return EXIT_SUCCESS;
}
