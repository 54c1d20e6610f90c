// The skin harnesses draw with Qt Gui: a headless application, quiet about the broken
// pictures it is given.

#include <QGuiApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Qt would read the fuzzer's options as its own: it gets the program name only.
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  new QGuiApplication(argc, argv);
  return 0;
}
