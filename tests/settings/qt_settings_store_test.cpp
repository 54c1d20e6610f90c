// The platform stores on a private configuration folder: the QSettings store, and the INI
// store that must read and write exactly what QSettings does.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <random>
#include <set>

#include "settings/ini_settings_store.h"
#include "settings/qt_settings_store.h"
#include "settings/settings.h"

namespace sudoku {
namespace {

enum class Kind { kQSettings, kIniFile };

class StoreTest : public ::testing::TestWithParam<Kind> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    if (GetParam() == Kind::kQSettings) {
      store = std::make_unique<QtSettingsStore>();
    } else {
      store = std::make_unique<IniSettingsStore>(File(), "2.0");
    }
  }
  QString File() const { return dir.path() + "/Quillbrook/Sudoku.conf"; }

  QTemporaryDir dir;
  std::unique_ptr<SettingsStore> store;
};

INSTANTIATE_TEST_SUITE_P(Stores, StoreTest, ::testing::Values(Kind::kQSettings, Kind::kIniFile));

TEST_P(StoreTest, ValuesKeepTheirTypes) {
  store->PutInt("", "Velocity", 12);
  store->PutString("", "LastSkinDLL", "SdSkinNacht.rcc");
  store->PutBinary("", "Memory", {0, 1, 2, 0, 255});
  EXPECT_EQ(store->GetInt("", "Velocity"), 12);
  EXPECT_EQ(store->GetString("", "LastSkinDLL"), "SdSkinNacht.rcc");
  EXPECT_EQ(store->GetBinary("", "Memory"), (std::vector<uint8_t>{0, 1, 2, 0, 255}));
  EXPECT_FALSE(store->GetBinary("", "Velocity"));
  EXPECT_FALSE(store->GetInt("", "Memory"));
  EXPECT_FALSE(store->GetInt("", "LastSkinDLL"));
  EXPECT_FALSE(store->GetInt("", "Missing"));
  EXPECT_TRUE(QFile::exists(File()));
}

TEST_P(StoreTest, SubKeysAreEnumerable) {
  EXPECT_FALSE(store->KeyExists("Samples"));
  store->PutString("Samples", "Sudoku 1", std::string(81, '1'));
  store->PutString("Samples", "Sudoku 2", std::string(81, '2'));
  store->PutBinary("Hall Of Fame", "12", std::vector<uint8_t>(240, 7));
  EXPECT_TRUE(store->KeyExists("Samples"));
  EXPECT_EQ(store->ValueNames("Samples"), (std::vector<std::string>{"Sudoku 1", "Sudoku 2"}));
  EXPECT_EQ(store->ValueNames("Hall Of Fame"), (std::vector<std::string>{"12"}));
  EXPECT_TRUE(store->ValueNames("").empty());  // the main key's own values only
  store->DeleteValue("Samples", "Sudoku 1");
  EXPECT_EQ(store->ValueNames("Samples"), (std::vector<std::string>{"Sudoku 2"}));
  store->DeleteKey("Samples");
  EXPECT_FALSE(store->KeyExists("Samples"));
  EXPECT_TRUE(store->KeyExists("Hall Of Fame"));
}

TEST_P(StoreTest, ErasingRemovesTheKeyAndTheEmptyMakerFolder) {
  Settings settings(*store);
  settings.WriteSettingInt("Velocity", 3);
  store->PutString("Samples", "Sudoku 1", std::string(81, '1'));
  settings.EraseAllSettings();
  settings.WriteSettingInt("MainWndPosX", 5);  // after erasing: nothing comes back
  EXPECT_FALSE(QFile::exists(File()));
  EXPECT_FALSE(QDir(dir.path() + "/Quillbrook").exists());
}

TEST_P(StoreTest, ErasingKeepsWhatOtherProgramsOfTheMakerStored) {
  {
    QSettings other(QSettings::NativeFormat, QSettings::UserScope, "Quillbrook", "Mahjongg");
    other.setValue("x", 1);
  }
  store->PutInt("", "Velocity", 3);
  EXPECT_TRUE(store->EraseAll());
  EXPECT_FALSE(QFile::exists(File()));
  EXPECT_TRUE(QDir(dir.path() + "/Quillbrook").exists());
}

// Random keys and values with every character the INI escapes care about.
class RandomValues {
 public:
  explicit RandomValues(uint32_t seed) : random_(seed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::string Name() {
    static const std::vector<std::string> pieces = {
        "a", "Z",  "0", "9", " ", "_", "-", ".",      "%",       "%20", "\\", ";",
        "=", "\"", "#", "[", "]", "ä", "€", "Sudoku", "General", "@",   ","};
    std::string name;
    for (int n = 1 + Below(4); n > 0; --n) name += pieces[static_cast<size_t>(Below(23))];
    return name;
  }
  std::string Text() {
    static const std::vector<std::string> pieces = {"a",
                                                    "1",
                                                    "f",
                                                    " ",
                                                    "  ",
                                                    "\t",
                                                    "\n",
                                                    "\r",
                                                    std::string(1, '\0'),
                                                    "\x01",
                                                    "\x1f",
                                                    "\x7f",
                                                    "\"",
                                                    "\\",
                                                    ",",
                                                    ";",
                                                    "=",
                                                    "@",
                                                    "@@",
                                                    "@ByteArray(x)",
                                                    "ä",
                                                    "€",
                                                    "𝄞",
                                                    "x",
                                                    "0123456789"};
    std::string text;
    for (int n = Below(6); n > 0; --n) text += pieces[static_cast<size_t>(Below(25))];
    return text;
  }
  std::vector<uint8_t> Bytes() {
    std::vector<uint8_t> bytes(static_cast<size_t>(Below(12)));
    for (uint8_t& b : bytes)
      b = static_cast<uint8_t>(Below(4) == 0 ? Below(256) : "0aF\0\\\"),"[Below(8)]);
    return bytes;
  }
  int64_t Int() {
    return Below(2) ? Below(2001) - 1000
                    : std::uniform_int_distribution<int64_t>(INT64_MIN, INT64_MAX)(random_);
  }

 private:
  std::mt19937 random_;
};

QString Q(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct Entry {
  std::string key, name;
  int kind;  // 0 integer, 1 string, 2 bytes
  int64_t number;
  std::string text;
  std::vector<uint8_t> bytes;
};

std::vector<Entry> RandomEntries(RandomValues& random, int count) {
  std::vector<Entry> entries;
  std::set<std::pair<std::string, std::string>> used;
  while (static_cast<int>(entries.size()) < count) {
    Entry e{random.Below(3) ? "" : random.Name(),
            random.Name(),
            random.Below(3),
            random.Int(),
            random.Text(),
            random.Bytes()};
    // Names are values, not groups: a value and a group of one name would hide each other.
    if (e.name.find('/') != std::string::npos || !used.insert({e.key, e.name}).second) continue;
    if (used.count({"", e.key}) || used.count({e.key + "/" + e.name, ""})) continue;
    entries.push_back(std::move(e));
  }
  return entries;
}

QString FullKey(const Entry& e) {
  return Q("2.0/" + (e.key.empty() ? "" : e.key + "/") + e.name);
}

QVariant AsQt(const Entry& e) {
  switch (e.kind) {
    case 0:
      return QVariant(static_cast<qlonglong>(e.number));
    case 1:
      return QVariant(Q(e.text));
    default:
      return QVariant(QByteArray(reinterpret_cast<const char*>(e.bytes.data()),
                                 static_cast<qsizetype>(e.bytes.size())));
  }
}

void Put(SettingsStore& store, const Entry& e) {
  switch (e.kind) {
    case 0:
      store.PutInt(e.key, e.name, e.number);
      break;
    case 1:
      store.PutString(e.key, e.name, e.text);
      break;
    default:
      store.PutBinary(e.key, e.name, e.bytes);
  }
}

void ExpectRead(SettingsStore& store, const Entry& e) {
  switch (e.kind) {
    case 0:
      EXPECT_EQ(store.GetInt(e.key, e.name), e.number) << e.name;
      break;
    case 1:
      EXPECT_EQ(store.GetString(e.key, e.name), e.text) << e.name;
      break;
    default:
      EXPECT_EQ(store.GetBinary(e.key, e.name), e.bytes) << e.name;
  }
  EXPECT_EQ(store.GetBinary(e.key, e.name).has_value(), e.kind == 2);
}

TEST(IniStore, ReadsAndWritesWhatQSettingsDoes) {
  QTemporaryDir dir;
  RandomValues random(7);
  for (int round = 0; round < 20; ++round) {
    const std::vector<Entry> entries = RandomEntries(random, 40);
    // Ours written, QSettings reading.
    const QString ours = dir.path() + "/ours" + QString::number(round) + ".conf";
    {
      IniSettingsStore store(ours, "2.0");
      SettingsBatch batch(store);
      for (const Entry& e : entries) Put(store, e);
    }
    {
      QSettings qt(ours, QSettings::IniFormat);
      EXPECT_EQ(qt.allKeys().size(), static_cast<qsizetype>(entries.size()));
      for (const Entry& e : entries) {
        const QVariant v = qt.value(FullKey(e));
        EXPECT_EQ(e.kind == 0 ? QVariant(v.toLongLong()) : v, AsQt(e)) << e.name << "=" << e.text;
      }
    }
    // QSettings written, ours reading; values of other types pass through a rewrite.
    const QString theirs = dir.path() + "/theirs" + QString::number(round) + ".conf";
    {
      QSettings qt(theirs, QSettings::IniFormat);
      for (const Entry& e : entries) qt.setValue(FullKey(e), AsQt(e));
      qt.setValue("2.0/Other/List", QStringList{"a, b", "c"});
      qt.setValue("2.0/Other/Rect", QRect(1, 2, 3, 4));
      qt.setValue("Top level", true);
    }
    {
      IniSettingsStore store(theirs, "2.0");
      for (const Entry& e : entries) ExpectRead(store, e);
      EXPECT_FALSE(store.GetString("Other", "Rect"));
      store.PutInt("", "Velocity", round);
    }
    QSettings qt(theirs + "", QSettings::IniFormat);
    EXPECT_EQ(qt.value("2.0/Other/List").toStringList(), (QStringList{"a, b", "c"}));
    EXPECT_EQ(qt.value("2.0/Other/Rect").toRect(), QRect(1, 2, 3, 4));
    EXPECT_EQ(qt.value("Top level").toBool(), true);
    EXPECT_EQ(qt.value("2.0/Velocity").toInt(), round);
  }
}

// A hand-edited file whose last value runs to its end (an open quote, a line continued by a
// backslash) must not swallow the values written after it when the file is rewritten.
TEST(IniStore, ValuesRunningToTheEndStayInTheirPlace) {
  QTemporaryDir dir;
  for (const char* last : {"A=\"open, \\\"quoted\n", "A=continued\\\n", "A=dangling\\"}) {
    const QString file = dir.path() + "/edited" + QString::number(last[2]) + ".conf";
    {
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(QByteArray("[2.0]\nZ=1\n") + last);
    }
    QString before;
    {
      QSettings qt(file, QSettings::IniFormat);
      before = qt.value("2.0/A").toString();
    }
    {
      IniSettingsStore store(file, "2.0");
      EXPECT_EQ(store.GetString("", "A"), before.toStdString()) << last;
      store.PutInt("", "Velocity", 3);  // rewrites the file with A before Z
    }
    QSettings qt(file, QSettings::IniFormat);
    EXPECT_EQ(qt.value("2.0/A").toString(), before) << last;
    EXPECT_EQ(qt.value("2.0/Z").toInt(), 1) << last;
    EXPECT_EQ(qt.value("2.0/Velocity").toInt(), 3) << last;
  }
}

TEST(IniStore, WritesAtOnceBatchesTogetherAndKeepsOthersChanges) {
  QTemporaryDir dir;
  const QString file = dir.path() + "/Quillbrook/Sudoku.conf";
  auto fileText = [&file] {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  {
    IniSettingsStore store(file, "2.0");
    store.PutInt("", "Velocity", 4);  // a single value: on disk at once
    EXPECT_TRUE(fileText().contains("Velocity=4"));
    {
      SettingsBatch batch(store);
      store.PutString("Samples", "Sudoku 1", std::string(81, '1'));
      store.PutString("Samples", "Sudoku 2", std::string(81, '2'));
      EXPECT_FALSE(fileText().contains("Sudoku"));
    }
    EXPECT_TRUE(fileText().contains("Samples\\Sudoku%202="));

    // Another program changes the file meanwhile: its value stays beside ours.
    QThread::msleep(20);
    {
      QSettings other(file, QSettings::IniFormat);
      other.setValue("2.0/WarningLevel", 2);
    }
    store.DeleteValue("Samples", "Sudoku 1");
  }
  IniSettingsStore next(file, "2.0");  // the next start
  EXPECT_EQ(next.GetInt("", "WarningLevel"), 2);
  EXPECT_EQ(next.GetInt("", "Velocity"), 4);
  EXPECT_EQ(next.ValueNames("Samples"), (std::vector<std::string>{"Sudoku 2"}));
}

}  // namespace
}  // namespace sudoku
