// Skin modules beside the program: the list and loading with every fallback.

#include <gtest/gtest.h>

#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <functional>
#include <random>

#include "base/texts.h"
#include "settings/memory_settings_store.h"
#include "settings/settings.h"
#include "skin/resource_check.h"
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
    return LoadSkin(view, dir.path(), file, settings, [&](const QString& e) { errors << e; });
  }
  std::string Stored() { return store.GetString("", "LastSkinDLL").value_or("<none>"); }
  QByteArray Bytes(const QString& file) {
    QFile f(dir.path() + "/" + file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }
  static std::string Check(const QByteArray& b) {
    return CheckResourceData(
        {reinterpret_cast<const uint8_t*>(b.constData()), static_cast<size_t>(b.size())});
  }

  QTemporaryDir temp, dir;
  MemorySettingsStore store;
  Settings settings{store};
  SkinView view;
  QStringList errors;
};

TEST_F(SkinModulesTest, TheListIsSortedAndLeavesOutWhatCannotBeRead) {
  TSkinList list;
  list.Refresh(dir.path());
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
  list.Refresh(dir.path());
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.At(0).Name, "Aurora");
  EXPECT_EQ(list.At(1).Name.toLower(), "nacht");
  EXPECT_EQ(list.At(2).Name.toLower(), "nacht");
  EXPECT_EQ(list.At(3).Name.size(), 64);
  EXPECT_EQ(list.At(0).FileName, "SdSkinB.rcc");
  // Nothing stays registered after reading the names.
  EXPECT_FALSE(QFile::exists(":/skinmodule/skin/string/100"));
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

// The big-endian words of a binary resource file.
uint32_t Be32(const QByteArray& b, qsizetype at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
  return v;
}
void SetBe32(QByteArray& b, qsizetype at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (24 - 8 * i));
}

TEST_F(SkinModulesTest, EveryFormatRccWritesIsAcceptedAndDamageAnywhereIsRejected) {
  const QStringList formats[] = {
      {"--format-version", "1", "--no-compress"},
      {"--format-version", "2", "--compress-algo", "zlib", "--threshold", "0"},
      {"--format-version", "3", "--compress-algo", "zstd", "--threshold", "0"}};
  QByteArray zlib;
  for (const QStringList& format : formats) {
    SyntheticSkin skin;
    skin.rccOptions = format;
    Module(skin, "SdSkinFormat.rcc");
    EXPECT_EQ(Check(Bytes("SdSkinFormat.rcc")), "") << format.join(' ').toStdString();
    EXPECT_TRUE(Load("SdSkinFormat.rcc").ok) << format.join(' ').toStdString();
    if (format.contains("zlib")) zlib = Bytes("SdSkinFormat.rcc");
  }
  QFile night(SUDOKU_NIGHT_SKIN);
  ASSERT_TRUE(night.open(QIODevice::ReadOnly));
  EXPECT_EQ(Check(night.readAll()), "");

  // Hand-made damage in the places Qt trusts (version 2: nodes of 22 bytes).
  const qsizetype tree = Be32(zlib, 8), data = Be32(zlib, 12);
  auto node = [&](int n) { return tree + 22 * n; };
  int file = 1;  // the first compressed file node
  while ((static_cast<uint8_t>(zlib[node(file) + 5]) & 3) != 1) ++file;
  const qsizetype payload = data + Be32(zlib, node(file) + 10);
  const std::pair<const char*, std::function<void(QByteArray&)>> damages[] = {
      {"version", [](QByteArray& b) { SetBe32(b, 4, 4); }},
      {"tree beyond the end",
       [](QByteArray& b) { SetBe32(b, 8, static_cast<uint32_t>(b.size())); }},
      {"children beyond the tree", [&](QByteArray& b) { SetBe32(b, node(0) + 10, 5000); }},
      {"a directory that holds itself", [&](QByteArray& b) { SetBe32(b, node(1) + 10, 1); }},
      {"a negative child count", [&](QByteArray& b) { SetBe32(b, node(1) + 6, 0xFFFFFFFE); }},
      {"a name before the names", [&](QByteArray& b) { SetBe32(b, node(1), 0xFFFFFFF0); }},
      {"data beyond the end", [&](QByteArray& b) { SetBe32(b, node(file) + 10, 0x7FFFFFF0); }},
      {"a payload longer than the file", [&](QByteArray& b) { SetBe32(b, payload, 0x7FFFFFFF); }},
      {"more inflated bytes declared than there are",
       [&](QByteArray& b) { SetBe32(b, payload + 4, Be32(b, payload + 4) + 1); }},
      {"a huge inflated size", [&](QByteArray& b) { SetBe32(b, payload + 4, 0xFFFFFFF0); }},
      {"cut short", [](QByteArray& b) { b.chop(1); }},
  };
  for (const auto& [what, damage] : damages) {
    QByteArray damaged = zlib;
    damage(damaged);
    EXPECT_NE(Check(damaged), "") << what;
  }
}

TEST_F(SkinModulesTest, DamagedModulesNeverCrashTheListOrTheLoading) {
  std::mt19937 random(20);
  auto below = [&](qsizetype n) {
    return static_cast<qsizetype>(random() % static_cast<uint32_t>(std::max<qsizetype>(n, 1)));
  };
  for (const char* algorithm : {"none", "zlib", "zstd"}) {
    SyntheticSkin skin;
    skin.rccOptions = QStringList{"--compress-algo", algorithm, "--threshold", "0"};
    Module(skin, "SdSkinGood.rcc");
    const QByteArray good = Bytes("SdSkinGood.rcc");
    QFile::remove(dir.path() + "/SdSkinGood.rcc");
    // The pictures' bytes come first; the names and the tree, which Qt trusts, last.
    const qsizetype structure = Be32(good, 16);
    for (int round = 0; round < 60; ++round) {
      QByteArray damaged = good;
      if (round % 3 == 0) {
        for (int n = 1 + round % 4; n > 0; --n) {
          const qsizetype at = n % 2 ? structure + below(good.size() - structure) : below(24);
          damaged[at] = static_cast<char>(random());
        }
      } else if (round % 3 == 1) {
        damaged.truncate(below(good.size()));
      } else {
        const qsizetype length = 1 + below(64), from = below(good.size() - length);
        const qsizetype to = structure + below(good.size() - structure - length);
        damaged.replace(to, length, good.mid(from, length));
      }
      SyntheticSkin::File(dir.path() + "/SdSkinDamaged.rcc", damaged);
      TSkinList list;
      list.Refresh(dir.path());
      const SkinLoad r = Load("SdSkinDamaged.rcc");
      if (!r.ok) {
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(QStringList({Text(512).c_str(), Text(513).c_str(), Text(515).c_str(),
                                 Text(534).c_str()})
                        .contains(errors[0]));
        EXPECT_EQ(Stored(), "");
        EXPECT_EQ(view.SkinName(), "Eingebaut");
      }
    }
  }
}

}  // namespace
}  // namespace sudoku
