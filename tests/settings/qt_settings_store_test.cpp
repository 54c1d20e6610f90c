// The platform store on a private configuration folder.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "settings/qt_settings_store.h"
#include "settings/settings.h"

namespace sudoku {
namespace {

class QtStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  }
  QString File() const { return dir.path() + "/Quillbrook/Sudoku.conf"; }

  QTemporaryDir dir;
  QtSettingsStore store;
};

TEST_F(QtStoreTest, ValuesKeepTheirTypes) {
  store.PutInt("", "Velocity", 12);
  store.PutString("", "LastSkinDLL", "SdSkinNacht.rcc");
  store.PutBinary("", "Memory", {0, 1, 2, 0, 255});
  EXPECT_EQ(store.GetInt("", "Velocity"), 12);
  EXPECT_EQ(store.GetString("", "LastSkinDLL"), "SdSkinNacht.rcc");
  EXPECT_EQ(store.GetBinary("", "Memory"), (std::vector<uint8_t>{0, 1, 2, 0, 255}));
  EXPECT_FALSE(store.GetBinary("", "Velocity"));
  EXPECT_FALSE(store.GetInt("", "Memory"));
  EXPECT_FALSE(store.GetInt("", "LastSkinDLL"));
  EXPECT_FALSE(store.GetInt("", "Missing"));
  EXPECT_TRUE(QFile::exists(File()));
}

TEST_F(QtStoreTest, SubKeysAreEnumerable) {
  EXPECT_FALSE(store.KeyExists("Samples"));
  store.PutString("Samples", "Sudoku 1", std::string(81, '1'));
  store.PutString("Samples", "Sudoku 2", std::string(81, '2'));
  store.PutBinary("Hall Of Fame", "12", std::vector<uint8_t>(240, 7));
  EXPECT_TRUE(store.KeyExists("Samples"));
  EXPECT_EQ(store.ValueNames("Samples"), (std::vector<std::string>{"Sudoku 1", "Sudoku 2"}));
  EXPECT_EQ(store.ValueNames("Hall Of Fame"), (std::vector<std::string>{"12"}));
  EXPECT_TRUE(store.ValueNames("").empty());  // the main key's own values only
  store.DeleteValue("Samples", "Sudoku 1");
  EXPECT_EQ(store.ValueNames("Samples"), (std::vector<std::string>{"Sudoku 2"}));
  store.DeleteKey("Samples");
  EXPECT_FALSE(store.KeyExists("Samples"));
  EXPECT_TRUE(store.KeyExists("Hall Of Fame"));
}

TEST_F(QtStoreTest, ErasingRemovesTheKeyAndTheEmptyMakerFolder) {
  Settings settings(store);
  settings.WriteSettingInt("Velocity", 3);
  store.PutString("Samples", "Sudoku 1", std::string(81, '1'));
  settings.EraseAllSettings();
  settings.WriteSettingInt("MainWndPosX", 5);  // after erasing: nothing comes back
  EXPECT_FALSE(QFile::exists(File()));
  EXPECT_FALSE(QDir(dir.path() + "/Quillbrook").exists());
}

TEST_F(QtStoreTest, ErasingKeepsWhatOtherProgramsOfTheMakerStored) {
  {
    QSettings other(QSettings::NativeFormat, QSettings::UserScope, "Quillbrook", "Mahjongg");
    other.setValue("x", 1);
  }
  store.PutInt("", "Velocity", 3);
  EXPECT_TRUE(store.EraseAll());
  EXPECT_FALSE(QFile::exists(File()));
  EXPECT_TRUE(QDir(dir.path() + "/Quillbrook").exists());
}

}  // namespace
}  // namespace sudoku
