// The game: one copy per user, the main window with its skin, and the settings of the user.

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "settings/qt_settings_store.h"
#include "settings/settings.h"
#include "skin/builtin_skin.h"
#include "ui/main_form.h"
#include "ui/single_instance.h"

int main(int argc, char** argv) {
  using namespace sudoku;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Sudoku");
  QApplication::setOrganizationName("Quillbrook");
  QApplication::setApplicationVersion(SUDOKU_VERSION);

  SingleInstance instance;
  if (!instance.Acquire()) return 0;

  // German standard buttons and texts of Qt's own dialogs.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::German), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&qtTexts);
  }
  QFont::insertSubstitutions("Arial Black", {"Lato Black", "Lato"});
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");

  RegisterBuiltinSkin();
  QtSettingsStore store;
  Settings settings(store);
  StartupSettings options = StartupSettings::Read(settings);

  TSudokuMainForm form(settings, options);
  if (!form.SkinUsable()) return 1;
  instance.onComeToFront = [&form] { form.BringToFront(); };
  form.show();
  form.setFocus();
  return app.exec();
}
