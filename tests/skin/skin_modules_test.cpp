// Skin modules in the skin directories: the list and loading with every fallback.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QTemporaryDir>

#include "base/texts.h"
#include "settings/memory_settings_store.h"
#include "settings/settings.h"
#include "skin/skin_directories.h"
#include "skin/skin_modules.h"
#include "skin/skin_view.h"
#include "skin/synthetic_skin.h"

namespace sudoku {
namespace {

using test::SyntheticSkin;

class SkinModulesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // A stand-in for the built-in skin, under the same resource root.
    static QTemporaryDir work;
    SyntheticSkin builtin;
    builtin.name = "Eingebaut";
    ASSERT_TRUE(builtin.WriteModule(work.path(), work.path() + "/builtin.rcc", SUDOKU_RCC));
    ASSERT_TRUE(QResource::registerResource(work.path() + "/builtin.rcc", "/"));
  }
  QString Module(const SyntheticSkin& skin, const QString& file) {
    const QString work = temp.path() + "/work-" + file;
    EXPECT_TRUE(skin.WriteModule(work, dir.path() + "/" + file, SUDOKU_RCC));
    return file;
  }
  SkinLoad Load(const QString& file) {
    errors.clear();
    return LoadSkin(view, {dir.path()}, file, settings, [&](const QString& e) { errors << e; });
  }
  std::string Stored() { return store.GetString("", "LastSkinDLL").value_or("<none>"); }

  QTemporaryDir temp, dir;
  MemorySettingsStore store;
  Settings settings{store};
  SkinView view;
  QStringList errors;
};

TEST_F(SkinModulesTest, TheListIsSortedAndLeavesOutWhatCannotBeRead) {
  TSkinList list;
  list.Refresh({dir.path()});
  EXPECT_EQ(list.Count(), 0);
  SyntheticSkin a, b, c;
  a.name = "nacht";
  b.name = "Aurora";
  c.name = "Nacht";
  Module(a, "SdSkinA.rcc");
  Module(b, "SdSkinB.rcc");
  Module(c, "SdSkinC.rcc");
  SyntheticSkin longName;
  longName.name = QString(70, 'x');
  Module(longName, "SdSkinLong.rcc");
  SyntheticSkin::File(dir.path() + "/SdSkinBroken.rcc", "not a resource file");
  SyntheticSkin::File(dir.path() + "/Other.rcc", "");
  list.Refresh({dir.path()});
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.At(0).Name, "Aurora");
  EXPECT_EQ(list.At(1).Name.toLower(), "nacht");
  EXPECT_EQ(list.At(2).Name.toLower(), "nacht");
  EXPECT_EQ(list.At(3).Name.size(), 64);
  EXPECT_EQ(list.At(0).FileName, "SdSkinB.rcc");
  // Nothing stays registered after reading the names.
  EXPECT_FALSE(QFile::exists(":/skinmodule/skin/string/100"));
}

TEST_F(SkinModulesTest, AnEarlierDirectoryHidesAModuleOfTheSameFileName) {
  QTemporaryDir user;
  SyntheticSkin mine, installed, other;
  mine.name = "Meins";
  installed.name = "Installiert";
  other.name = "Anders";
  ASSERT_TRUE(
      mine.WriteModule(temp.path() + "/mine", user.path() + "/SdSkinNacht.rcc", SUDOKU_RCC));
  Module(installed, "SdSkinNacht.rcc");
  Module(other, "SdSkinAnders.rcc");
  // The same directory spelled twice counts once.
  const QStringList dirs = UniqueDirectories({user.path(), dir.path(), dir.path() + "/./"});
  ASSERT_EQ(dirs.size(), 2);
  TSkinList list;
  list.Refresh(dirs);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.At(0).Name, "Anders");
  EXPECT_EQ(list.At(1).Name, "Meins");
  EXPECT_TRUE(LoadSkin(view, dirs, "SdSkinNacht.rcc", settings, nullptr).ok);
  EXPECT_EQ(view.SkinName(), "Meins");
  EXPECT_TRUE(LoadSkin(view, dirs, "SdSkinAnders.rcc", settings, nullptr).ok);
  EXPECT_EQ(view.SkinName(), "Anders");
  EXPECT_EQ(SkinDirectories().value(0),
            QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

TEST_F(SkinModulesTest, LoadingAModuleAndEveryFallback) {
  SyntheticSkin good;
  good.name = "Gut";
  Module(good, "SdSkinGut.rcc");
  EXPECT_TRUE(Load("SdSkinGut.rcc").ok);
  EXPECT_EQ(view.SkinName(), "Gut");
  EXPECT_EQ(Stored(), "SdSkinGut.rcc");
  EXPECT_TRUE(errors.isEmpty());
  EXPECT_FALSE(QFile::exists(":/skinmodule/skin/string/100"));  // unloaded again

  SkinLoad r = Load("SdSkinWeg.rcc");
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.fatal);
  EXPECT_EQ(errors, QStringList{QString::fromStdString(Text(533))});
  EXPECT_EQ(view.SkinName(), "Eingebaut");
  EXPECT_EQ(Stored(), "");

  SyntheticSkin::File(dir.path() + "/SdSkinKaputt.rcc", "garbage");
  EXPECT_FALSE(Load("SdSkinKaputt.rcc").ok);
  EXPECT_EQ(errors, QStringList{QString::fromStdString(Text(534))});

  SyntheticSkin noTable;
  noTable.dropTable = 104;
  Module(noTable, "SdSkinOhneTabelle.rcc");
  EXPECT_FALSE(Load("SdSkinOhneTabelle.rcc").ok);
  EXPECT_EQ(errors, QStringList{QString::fromStdString(Text(513))});

  SyntheticSkin noPicture;
  noPicture.dropBitmap = 101;
  Module(noPicture, "SdSkinOhneBild.rcc");
  EXPECT_FALSE(Load("SdSkinOhneBild.rcc").ok);
  EXPECT_EQ(errors, QStringList{QString::fromStdString(Text(512))});
  EXPECT_EQ(view.SkinName(), "Eingebaut");

  EXPECT_TRUE(Load("").ok);
  EXPECT_EQ(Stored(), "");
  settings.EraseAllSettings();
  Load("SdSkinGut.rcc");
  EXPECT_EQ(Stored(), "<none>");  // nothing written after erasing
}

}  // namespace
}  // namespace sudoku
