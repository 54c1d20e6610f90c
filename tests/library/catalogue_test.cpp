// The catalogue against settings in memory: loading, importing list files, storing, deleting
// with the renumbering of the hall of fame and of the running game, and resetting.

#include "library/catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "base/texts.h"
#include "library/builtin_puzzles.h"
#include "model/puzzle_string.h"
#include "settings/memory_settings_store.h"
#include "support/boards.h"
#include "support/game_fixture.h"
#include "support/scratch_dir.h"

namespace sudoku {
namespace {

// New, solvable puzzles: no variants of the built-in ones or of each other.
constexpr std::string_view kNewA =
    "010700000650090000000006000800300090700050100060810200000900080000020045020000907";
constexpr std::string_view kNewB =
    "003004008008009005200500100316000000000010040700000030480090700090200000000005000";
constexpr std::string_view kNewC =
    "070008000000200009080009006100006300000000200200300005000000000051080790400090802";
// Consistent givens without a solution on which the techniques undo each other for ever.
constexpr std::string_view kLooping =
    "010000003500602010602034050005000040304900270029070001000000005000405006000009000";

constexpr const char* kSamples = "Samples";
constexpr const char* kHall = "Hall Of Fame";

class FakeCataloguePort : public CataloguePort {
 public:
  std::string name;
  std::vector<int> listNumbers;
  int emptied = 0;
  std::vector<std::string> messages;

  std::string CurrentPuzzleName() override { return name; }
  void SetListNumber(int n) override { listNumbers.push_back(n); }
  void EmptyPlayground() override { ++emptied; }
  void ShowInformation(const std::string& text) override { messages.push_back(text); }
};

class CatalogueTest : public ::testing::Test {
 protected:
  ~CatalogueTest() override {
    std::error_code error;
    std::filesystem::remove_all(dir_, error);
  }

  std::string Own(unsigned n) {
    return store.GetString(kSamples, SampleValueName(n)).value_or("<missing>");
  }
  void PutOwn(unsigned n, std::string_view text) {
    store.PutString(kSamples, SampleValueName(n), text);
  }
  std::vector<std::string> Load() {
    std::vector<std::string> list;
    catalogue.FillSampleList(list);
    return list;
  }
  std::filesystem::path WriteFile(const std::string& content) {
    std::filesystem::create_directories(dir_);
    const auto path = dir_ / ("list" + std::to_string(++files_) + ".txt");
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  MemorySettingsStore store;
  Settings settings{store};
  FakeCataloguePort port;
  Catalogue catalogue{settings, port};

 private:
  test::ScratchDir scratch_;
  std::filesystem::path dir_ = scratch_.Path();
  int files_ = 0;
};

TEST(CatalogueNames, ValueNamesAndPuzzleNumbers) {
  EXPECT_EQ(SampleValueName(1), "Sudoku 1");
  EXPECT_EQ(SampleValueName(3), "Sudoku 3");
  // The first entry, half-turned and shifted by 3.
  EXPECT_EQ(SampleNumber(1, 2, 3), "1.3.4");
  EXPECT_EQ(SampleNumber(12, 0, 0), "12.1.1");
  EXPECT_EQ(SampleNumber(84, 1, 4), "84.2.5");
}

TEST_F(CatalogueTest, LoadsTheBuiltinPuzzlesWithoutOwnKey) {
  const auto list = Load();
  ASSERT_EQ(list.size(), 80u);
  EXPECT_EQ(catalogue.BuiltinCount(), 80);
  EXPECT_EQ(list.front(), BuiltinPuzzleText(120));
  EXPECT_EQ(list.back(), BuiltinPuzzleText(199));
  EXPECT_FALSE(store.KeyExists(kSamples));  // reading creates nothing
}

TEST_F(CatalogueTest, OwnPuzzlesStopAtTheFirstGapAndSkipInvalidValues) {
  PutOwn(1, kNewA);
  PutOwn(3, kNewB);
  auto list = Load();
  ASSERT_EQ(list.size(), 81u);
  EXPECT_EQ(list[80], kNewA);

  // Invalid values are not shown, but their numbers still count.
  store.keys.clear();
  PutOwn(1, std::string(kNewA).substr(0, 80));
  PutOwn(2, std::string(kNewB).replace(5, 1, "x"));
  store.PutInt(kSamples, SampleValueName(3), 7);
  PutOwn(4, kNewC);
  list = Load();
  ASSERT_EQ(list.size(), 81u);
  EXPECT_EQ(list[80], kNewC);
  EXPECT_EQ(catalogue.BuiltinCount(), 80);
}

TEST_F(CatalogueTest, ImportWritesAfterTheFirstMissingNumber) {
  PutOwn(1, std::string(kNewA).substr(0, 80));  // invalid, but number 1 is taken
  PutOwn(3, "stale");
  catalogue.ImportSampleList(WriteFile(std::string(kNewB) + "\r\n" + std::string(kNewC)));
  EXPECT_EQ(Own(2), kNewB);
  EXPECT_EQ(Own(3), kNewC);
  EXPECT_EQ(port.messages,
            std::vector<std::string>{
                "Es wurden 2 neue Sudokus zur Liste der eigenen Sudokus hinzugefügt."});
}

TEST_F(CatalogueTest, ImportTakesOnlyNewSolvablePuzzleStrings) {
  PutOwn(1, kNewA);
  const std::string builtinVariant = TransformSudoku(BuiltinPuzzleText(120), 4, 1);
  std::string withLetter(kNewC);
  withLetter[withLetter.find('0')] = 'x';  // empty to the board parser, a given to the variant test
  const std::string lines[] = {
      builtinVariant,                      // a built-in puzzle turned, digits raised by 4
      TransformSudoku(kNewA, 2, 6),        // a variant of an own puzzle
      std::string(81, '0'),                // no givens
      std::string(test::kSolution),        // a full grid
      " " + std::string(kNewB).substr(1),  // leading blank: not a puzzle string
      std::string(kNewB) + " ",            // trailing blank
      withLetter,                          // solvable and new, but not a puzzle string
      std::string(kLooping),               // never solved
      std::string(kNewB),                  // taken
      TransformSudoku(kNewB, 0, 4),        // its mirror image in the same file
      std::string(kNewB),                  // and itself again
  };
  std::string file;
  for (const auto& line : lines) file += line + "\n";
  catalogue.ImportSampleList(WriteFile(file));

  EXPECT_EQ(Own(1), kNewA);
  EXPECT_EQ(Own(2), kNewB);
  EXPECT_EQ(store.ValueNames(kSamples).size(), 2u);
  EXPECT_EQ(port.messages,
            std::vector<std::string>{
                "Es wurde 1 neues Sudoku zur Liste der eigenen Sudokus hinzugefügt."});
  EXPECT_EQ(Load().size(), 82u);
}

TEST_F(CatalogueTest, ImportOfNothingNewSaysSo) {
  const std::string variant = TransformSudoku(BuiltinPuzzleText(150), 4, 1);
  catalogue.ImportSampleList(WriteFile(variant + "\r\n"));
  EXPECT_FALSE(store.KeyExists(kSamples));
  EXPECT_EQ(port.messages, std::vector<std::string>{Text(1072)});

  port.messages.clear();
  catalogue.ImportSampleList(WriteFile(""));
  EXPECT_EQ(port.messages, std::vector<std::string>{Text(1072)});
}

TEST_F(CatalogueTest, AnUnreadableFileWritesNothing) {
  PutOwn(1, kNewA);
  const auto before = store.keys;
  for (const auto& path : {WriteFile("") / "missing.txt", WriteFile("").parent_path()}) {
    try {
      catalogue.ImportSampleList(path);
      ADD_FAILURE() << "no error for " << path;
    } catch (const TextError& error) {
      EXPECT_EQ(error.id(), 531);
    }
  }
  EXPECT_EQ(store.keys, before);
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(CatalogueTest, NothingIsWrittenOnceTheSettingsAreErased) {
  settings.EraseAllSettings();
  auto list = Load();
  list.push_back(std::string(kNewA));
  catalogue.StoreOwnSamples(list);
  catalogue.ImportSampleList(WriteFile(std::string(kNewB) + "\n"));
  EXPECT_FALSE(store.KeyExists(kSamples));
}

TEST_F(CatalogueTest, StoreWritesExactlyTheOwnPuzzles) {
  PutOwn(1, kNewA);
  PutOwn(2, kNewB);
  PutOwn(3, kNewC);
  PutOwn(5, "orphan behind a gap");
  auto list = Load();
  list.erase(list.begin() + 80);  // drop own puzzle 1
  catalogue.StoreOwnSamples(list);
  EXPECT_EQ(Own(1), kNewB);
  EXPECT_EQ(Own(2), kNewC);
  EXPECT_EQ(Own(3), "<missing>");
  EXPECT_EQ(Own(5), "orphan behind a gap");  // beyond the first gap nothing is looked at

  list.resize(80);
  catalogue.StoreOwnSamples(list);
  EXPECT_FALSE(store.KeyExists(kSamples));
}

class CatalogueDeleteTest : public CatalogueTest {
 protected:
  // Built-ins 1-80, own puzzles 81-85.
  void SetUp() override {
    for (unsigned n = 1; n <= 5; ++n) PutOwn(n, kNewA);
    list = Load();
    // Deleting does not look at the texts: name them to follow them.
    for (int i = 80; i < 85; ++i) list[i] = "own " + std::to_string(i + 1);
    for (const char* name : {"12", "82", "83", "84", "85", "Zusatz", "084"}) {
      store.PutBinary(kHall, name, std::vector<uint8_t>(name, name + std::strlen(name)));
    }
  }
  std::string Hall(const std::string& name) {
    const auto value = store.GetBinary(kHall, name);
    return value ? std::string(value->begin(), value->end()) : "<missing>";
  }

  std::vector<std::string> list;
};

TEST_F(CatalogueDeleteTest, RenumbersTheHallOfFameAndTheRunningGame) {
  port.name = "84.2.5";
  const int focus = catalogue.DeleteOwnSamples(list, {81, 82}, 83);
  ASSERT_EQ(list.size(), 83u);
  EXPECT_EQ(list[81], "own 84");
  EXPECT_EQ(focus, 81);  // the focused entry keeps its focus
  EXPECT_EQ(port.listNumbers, std::vector<int>{82});
  // "82" and "83" are gone, "84" is "82" now and "85" is "83"; other names stay.
  EXPECT_EQ(Hall("82"), "84");
  EXPECT_EQ(Hall("83"), "85");
  EXPECT_EQ(Hall("84"), "<missing>");
  EXPECT_EQ(Hall("85"), "<missing>");
  EXPECT_EQ(Hall("12"), "12");
  EXPECT_EQ(Hall("Zusatz"), "Zusatz");
  EXPECT_EQ(Hall("084"), "084");
  EXPECT_EQ(store.ValueNames(kHall).size(), 5u);
}

TEST_F(CatalogueDeleteTest, DeletingTheRunningPuzzleEndsIt) {
  port.name = "84.2.5";
  catalogue.DeleteOwnSamples(list, {83}, 83);
  EXPECT_EQ(port.listNumbers, std::vector<int>{0});
  EXPECT_EQ(Hall("84"), "85");

  // A puzzle below the deleted ones keeps its number.
  port.listNumbers.clear();
  port.name = "12.1.1";
  catalogue.DeleteOwnSamples(list, {80}, 0);
  EXPECT_EQ(port.listNumbers, std::vector<int>{12});
}

TEST_F(CatalogueDeleteTest, BuiltinEntriesStayAndFocusFollows) {
  port.name = "";  // a game that is no catalogue puzzle is left alone
  int focus = catalogue.DeleteOwnSamples(list, {3, 79, 84}, 84);
  ASSERT_EQ(list.size(), 84u);
  EXPECT_EQ(list[3], BuiltinPuzzleText(123));
  EXPECT_EQ(focus, 83);  // the deleted last entry hands the focus to the new last one
  EXPECT_TRUE(port.listNumbers.empty());
  EXPECT_EQ(port.emptied, 0);

  focus = catalogue.DeleteOwnSamples(list, {80}, 80);
  EXPECT_EQ(list[80], "own 82");  // took the place of the focused deleted entry
  EXPECT_EQ(focus, 80);

  focus = catalogue.DeleteOwnSamples(list, {1, 2}, 2);  // built-ins only: nothing happens
  EXPECT_EQ(list.size(), 83u);
  EXPECT_EQ(focus, 2);
}

TEST_F(CatalogueDeleteTest, ResetKeepsBuiltinGamesAndTheirHallOfFame) {
  port.name = "12.3.4";
  const int focus = catalogue.ResetSamples(list, 84);
  EXPECT_EQ(list.size(), 80u);
  EXPECT_EQ(focus, 79);
  EXPECT_EQ(port.emptied, 0);
  EXPECT_EQ(Hall("12"), "12");
  EXPECT_EQ(Hall("82"), "<missing>");
  EXPECT_EQ(Hall("Zusatz"), "Zusatz");
  EXPECT_EQ(Hall("084"), "084");

  // An own puzzle ends; a hall of fame left empty goes with its key.
  store.DeleteValue(kHall, "12");
  store.DeleteValue(kHall, "Zusatz");
  store.DeleteValue(kHall, "084");
  store.PutBinary(kHall, "81", {1});
  port.name = "81.1.1";
  catalogue.ResetSamples(list, 3);
  EXPECT_EQ(port.emptied, 1);
  EXPECT_FALSE(store.KeyExists(kHall));
}

// The rules as they read, one deleted position after the other from the highest down, on a
// plain map of hall-of-fame names: the reference for the one-pass renumbering.
std::map<std::string, std::string> RenumberedOneByOne(std::map<std::string, std::string> hall,
                                                      const std::vector<int>& deletedHighFirst) {
  auto number = [](const std::string& name) {
    if (name.empty() || name[0] == '0' || name.find_first_not_of("0123456789") != name.npos) {
      return 0;
    }
    return std::stoi(name);
  };
  for (int d : deletedHighFirst) {
    std::map<std::string, std::string> next;
    for (const auto& [name, value] : hall) {
      const int n = number(name);
      if (n == d) continue;
      next[n > d ? std::to_string(n - 1) : name] = value;
    }
    hall = std::move(next);
  }
  return hall;
}

TEST_F(CatalogueTest, LargeListsAcrossTheTwoDigitBoundary) {
  // 3000 own puzzles (positions 81 to 3080); hall-of-fame entries around 99/100 and beyond.
  constexpr int kOwn = 3000;
  {
    SettingsBatch batch(store);
    for (int n = 1; n <= kOwn; ++n) PutOwn(static_cast<unsigned>(n), std::to_string(n + 80));
  }
  std::mt19937 random(11);
  std::map<std::string, std::string> hall;
  for (int n : {12, 98, 99, 100, 101, 102, 999, 1000, 1001, 3080})
    hall[std::to_string(n)] = "at " + std::to_string(n);
  for (int i = 0; i < 300; ++i) {
    const int n = 81 + static_cast<int>(random() % kOwn);
    hall[std::to_string(n)] = "at " + std::to_string(n);
  }
  hall["Zusatz"] = "kept";
  hall["0100"] = "kept too";
  for (const auto& [name, value] : hall) {
    store.PutBinary(kHall, name, std::vector<uint8_t>(value.begin(), value.end()));
  }
  // Own values are no puzzle strings here: name the list entries after their positions.
  std::vector<std::string> list(80, "builtin");
  for (int i = 81; i <= 80 + kOwn; ++i) list.push_back(std::to_string(i));
  std::vector<int> selected = {98, 99, 100};  // positions 99, 100 and 101, then above 110
  for (int i = 0; i < 1000; ++i) selected.push_back(110 + static_cast<int>(random() % (kOwn - 30)));
  std::vector<int> deleted;  // positions, highest first
  for (int i = static_cast<int>(list.size()) - 1; i >= 80; --i) {
    if (std::find(selected.begin(), selected.end(), i) != selected.end()) deleted.push_back(i + 1);
  }

  port.name = "102.3.4";
  const int flushes = store.flushes;
  catalogue.DeleteOwnSamples(list, selected, 0);
  EXPECT_EQ(store.flushes, flushes + 1);  // the whole renumbering in one write
  ASSERT_EQ(list.size(), 80 + kOwn - deleted.size());
  EXPECT_EQ(port.listNumbers, std::vector<int>{99});  // 102.3.4 lost the three below it
  std::map<std::string, std::string> stored;
  for (const std::string& name : store.ValueNames(kHall)) {
    const auto bytes = store.GetBinary(kHall, name);
    stored[name] = std::string(bytes->begin(), bytes->end());
  }
  EXPECT_EQ(stored, RenumberedOneByOne(hall, deleted));
  EXPECT_EQ(stored["98"], "at 98");
  EXPECT_EQ(stored["99"], "at 102");
  EXPECT_EQ(stored["0100"], "kept too");

  // Storing writes the renumbered own puzzles once and drops the numbers beyond them.
  catalogue.StoreOwnSamples(list);
  EXPECT_EQ(store.flushes, flushes + 2);
  const unsigned kept = static_cast<unsigned>(list.size() - 80);
  EXPECT_EQ(Own(19), list[98]);  // position 99
  EXPECT_EQ(Own(20), list[99]);  // position 100
  EXPECT_EQ(Own(kept), list.back());
  EXPECT_EQ(Own(kept + 1), "<missing>");
  EXPECT_EQ(store.ValueNames(kSamples).size(), kept);
}

TEST_F(CatalogueTest, StoringAndImportingWriteOnceAndOnlyWhatChanged) {
  for (unsigned n = 1; n <= 150; ++n) PutOwn(n, kNewA);
  auto list = Load();
  int flushes = store.flushes;
  catalogue.StoreOwnSamples(list);  // unchanged: nothing is written
  EXPECT_EQ(store.flushes, flushes);
  list[80 + 99] = std::string(kNewB);  // own puzzle 100
  catalogue.StoreOwnSamples(list);
  EXPECT_EQ(store.flushes, flushes + 1);
  EXPECT_EQ(Own(100), kNewB);
  EXPECT_EQ(Own(99), kNewA);

  flushes = store.flushes;
  catalogue.ImportSampleList(WriteFile(std::string(kNewC) + "\n" + std::string(kNewB) + "\n"));
  EXPECT_EQ(store.flushes, flushes + 1);
  EXPECT_EQ(Own(151), kNewC);
  EXPECT_EQ(Own(152), "<missing>");  // kNewB is own puzzle 100 already
}

TEST_F(CatalogueTest, ACancelledImportKeepsWhatWasTakenSoFar) {
  const std::vector<std::string> puzzles = {
      std::string(kNewA), std::string(kNewB), std::string(kNewC),
      TransformSudoku(BuiltinPuzzleText(130), 0, 7) /* known */};
  std::string file;
  for (int copy = 0; copy < 300; ++copy) file += puzzles[static_cast<size_t>(copy % 4)] + "\n";
  file += std::string(kNewA) + "\n";
  std::vector<size_t> seen;
  catalogue.ImportSampleList(WriteFile(file), [&seen](size_t checked, size_t lines) {
    seen.push_back(checked);
    EXPECT_EQ(lines, 301u);
    return checked < 256;  // cancelled at the second report
  });
  EXPECT_EQ(seen, (std::vector<size_t>{0, 256}));
  EXPECT_EQ(Own(3), kNewC);
  EXPECT_EQ(Own(4), "<missing>");
  EXPECT_EQ(port.messages.back(), FormatText(1074, 3));
}

// The port as the main window builds it around the game controller.
class GameCataloguePort : public CataloguePort {
 public:
  explicit GameCataloguePort(GameController& game) : game_(game) {}
  std::string CurrentPuzzleName() override { return game_.CurrentBoard().Name(); }
  void SetListNumber(int n) override { game_.SetListNumber(n); }
  void EmptyPlayground() override { game_.EmptyPlayground(); }
  void ShowInformation(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;

 private:
  GameController& game_;
};

class CatalogueGameTest : public test::GameTest {
 protected:
  CatalogueGameTest() {
    for (unsigned n = 1; n <= 5; ++n) store.PutString(kSamples, SampleValueName(n), "x");
    catalogue.FillSampleList(list);
    list.resize(85, "own");
  }
  GameCataloguePort port{*game};
  Catalogue catalogue{settings, port};
  std::vector<std::string> list;
};

TEST_F(CatalogueGameTest, TheRunningGameFollowsItsPuzzle) {
  Load(test::kEasyPuzzle, "84.2.5");
  catalogue.DeleteOwnSamples(list, {81, 82}, 0);
  EXPECT_EQ(game->CurrentBoard().Name(), "82.2.5");
  EXPECT_TRUE(game->Has(gfLoaded));

  catalogue.DeleteOwnSamples(list, {81}, 0);
  EXPECT_EQ(game->CurrentBoard().Name(), "");
  EXPECT_FALSE(game->Has(gfLoaded));
  EXPECT_EQ(CountFilled(BoardToString(game->CurrentBoard())), 0);
}

TEST_F(CatalogueGameTest, ResetEndsOnlyOwnPuzzles) {
  Load(test::kEasyPuzzle, "12.1.1");
  catalogue.ResetSamples(list, 0);
  EXPECT_EQ(game->CurrentBoard().Name(), "12.1.1");
  EXPECT_TRUE(game->Has(gfLoaded));

  list.resize(85, "own");
  Load(test::kEasyPuzzle, "83.1.1");
  catalogue.ResetSamples(list, 0);
  EXPECT_EQ(game->CurrentBoard().Name(), "");
  EXPECT_FALSE(game->Has(gfLoaded));
}

}  // namespace
}  // namespace sudoku
