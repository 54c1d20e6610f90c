// Test main for the windows: a headless application with a private runtime folder, a small
// stand-in for the built-in skin, and a watch on dialogs that nobody answers.

#include <gtest/gtest.h>

#include <QApplication>
#include <QResource>
#include <QTemporaryDir>
#include <cstdlib>

#include "skin/synthetic_skin.h"
#include "support/message_box.h"

int main(int argc, char** argv) {
  // Discovery runs the binary at build time, outside CTest's environment.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir runtime;
  setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryDir skin;
  sudoku::test::SyntheticSkin builtin;
  builtin.name = "Standard";
  if (!builtin.WriteModule(skin.path(), skin.path() + "/builtin.rcc", SUDOKU_RCC) ||
      !QResource::registerResource(skin.path() + "/builtin.rcc", "/")) {
    return 2;
  }
  sudoku::test::FailUnansweredDialogs();
  return RUN_ALL_TESTS();
}
