// Test main for the windows: a headless application with a private runtime folder and a small
// stand-in for the built-in skin.

#include <gtest/gtest.h>

#include <QApplication>
#include <QResource>
#include <QTemporaryDir>
#include <cstdlib>

#include "skin/synthetic_skin.h"

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
  return RUN_ALL_TESTS();
}
