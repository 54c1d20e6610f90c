// The game: one copy per user, the main window with its skin, and the settings of the user.

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "settings/qt_settings_store.h"
#include "settings/settings.h"
#include "skin/builtin_skin.h"
#include "skin/program_icon.h"
#include "ui/file_commands.h"
#include "ui/hall_of_fame_dlg.h"
#include "ui/help_dlg.h"
#include "ui/main_form.h"
#include "ui/option_wnd.h"
#include "ui/print_dlg.h"
#include "ui/program_art.h"
#include "ui/single_instance.h"
#include "ui/state_wnd.h"

#include <memory>

namespace {

int signalPipe[2] = {-1, -1};

void OnTerminate(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(signalPipe[0], &byte, 1);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace sudoku;
  const QByteArray launchToken = LaunchToken();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Sudoku");
  QApplication::setOrganizationName("Quillbrook");
  QApplication::setApplicationVersion(SUDOKU_VERSION);
  // The desktop entry's name: desktops match the window to its menu entry and icon with it.
  QGuiApplication::setDesktopFileName(SUDOKU_APP_ID);

  SingleInstance instance;
  if (!instance.Acquire(launchToken)) {
    EndLaunchFeedback(launchToken);
    return 0;
  }

  // German numbers (decimal comma) in fields and German standard buttons and texts of Qt's own
  // dialogs.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::German), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&qtTexts);
  }
  UseProgramFonts();

  RegisterBuiltinSkin();
  QApplication::setWindowIcon(ProgramIcon());
  const std::unique_ptr<SettingsStore> store = OpenUserSettingsStore();
  Settings settings(*store);
  StartupSettings options = StartupSettings::Read(settings);

  // The windows, in this order: the main window, the options window, the status window.
  HallOfFameWindows hallOfFame(settings, nullptr);
  TSudokuMainForm form(settings, options, &hallOfFame);
  if (!form.SkinUsable()) return 1;
  hallOfFame.SetParent(&form);
  hallOfFame.onEntered = [&form] { form.RefreshHallOfFameCommand(); };
  form.onHallOfFame = [&] {
    hallOfFame.ShowHallOfFame(PuzzleIdOf(form.Game().CurrentBoard().Name()));
  };
  const QImage background = BackgroundTile();
  TOptionWnd optionWnd(form, settings, options, background);
  form.show();
  TStateWnd stateWnd(form, settings, options, background);
  optionWnd.SetStateWnd(&stateWnd);
  form.onOptions = [&] { optionWnd.ShowUnderButton(); };
  form.onSamples = [&] { form.ChooseSample(background); };
  form.onOpen = [&form] { OpenGameOrList(form); };
  form.onSave = [&form] { SaveGameOrList(form); };
  Printing printing(SUDOKU_VERSION, options.showInvNumBlock);
  form.onPrint = [&] { printing.PrintGame(&form, form.Game().CurrentBoard()); };
  form.onPrinterSetup = [&] { printing.PrinterSetup(&form); };
  form.onPrintList = [&](QWidget* parent, const std::vector<PrintListEntry>& entries) {
    printing.PrintList(parent, entries);
  };
  form.onHelp = [&](const QString& page) {
    ShowHelpPage(&form, page, options, background, form.Skin(), SUDOKU_VERSION);
  };
  form.onMoved = [&](const QPoint& topLeft) {
    if (options.dockingStateWnd) stateWnd.MoveDocked(topLeft);
  };
  form.onBringToFront = [&](bool front) { stateWnd.SetStayOnTop(front); };
  form.onMinimised = [&](bool minimised) { stateWnd.FollowMinimised(minimised); };
  // The status and options windows must not keep the program alive.
  form.onClosed = [] { QCoreApplication::quit(); };
  instance.onComeToFront = [&form](const QByteArray& token) {
    UseLaunchToken(token);
    form.BringToFront();
  };

  // A session that ends, or a kill, closes the window the ordinary way: the game is saved.
  std::unique_ptr<QSocketNotifier> terminate;
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
    terminate = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(terminate.get(), &QSocketNotifier::activated, &form, [&form] {
      char byte;
      [[maybe_unused]] const ssize_t got = read(signalPipe[1], &byte, 1);
      form.close();
    });
    std::signal(SIGTERM, OnTerminate);
    std::signal(SIGINT, OnTerminate);
    std::signal(SIGHUP, OnTerminate);
  }
  form.activateWindow();
  form.setFocus();
  return app.exec();
}
