// Game files, the text forms of the board and the list of own puzzles.

#include "library/game_files.h"

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>

#include "base/texts.h"
#include "library/catalogue.h"
#include "support/game_fixture.h"
#include "support/scratch_dir.h"

namespace sudoku {
namespace {

using test::kEasyPuzzle;
using test::Set;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text number of what the call throws, 0 when it does not.
template <typename F>
int ErrorOf(F&& call) {
  try {
    call();
  } catch (const TextError& e) {
    return e.id();
  }
  return 0;
}

class FileTest : public test::GameTest {
 protected:
  std::filesystem::path Write(const std::string& name, const std::string& content) {
    std::filesystem::create_directories(dir_);
    std::ofstream(dir_ / name, std::ios::binary) << content;
    return dir_ / name;
  }
  // Saves the game and returns the file's bytes.
  std::string Save(bool wholeGame) {
    std::filesystem::create_directories(dir_);
    SaveGameFile(dir_ / "game.sud", *game, wholeGame);
    return ReadAll(dir_ / "game.sud");
  }
  void Play(int moves) {
    Load();
    for (int i = 0; i < moves; ++i) {
      game->SelectCell(FirstEmpty());
      game->AddDigit(1 + i % 9);
      game->AddDigit(1 + (i + 4) % 9);
      Advance(1700);
      game->ClockTick();
    }
  }
  // The game as a file would hold it, history included.
  std::string State() { return GameFileBytes(*game, true); }

  test::ScratchDir scratch_;
  std::filesystem::path dir_ = scratch_.Path();
};

TEST_F(FileTest, WholeGameKeepsItsHistoryAndPosition) {
  Play(4);
  game->History().Undo();
  const std::string bytes = Save(true);
  EXPECT_EQ(bytes.substr(0, 4), "SUD0");
  EXPECT_EQ(bytes.size(), 232u + 170u * static_cast<size_t>(game->History().Count()));
  const std::string before = State();
  const int index = game->History().Index();

  Start();
  LoadGameFile(dir_ / "game.sud", *game);
  EXPECT_EQ(State(), before);  // board, cursor, steps, time, history and its position
  EXPECT_FALSE(game->Has(gfNoUndo) || game->Has(gfNoRedo));
  // Recording is on again: a move cuts the redo part off and is appended.
  game->SelectCell(FirstEmpty());
  game->AddDigit(3);
  EXPECT_EQ(game->History().Count(), index + 2);
}

TEST_F(FileTest, CurrentStateRestoresBoardStepsAndTimeToTheSecond) {
  Play(3);
  game->SelectCell(40);
  const std::string bytes = Save(false);
  ASSERT_EQ(bytes.size(), 224u);
  EXPECT_EQ(bytes.substr(0, 4), "SUD1");
  const GameRecord before = game->FillGameRecord();
  EXPECT_EQ(before.timeMs, 5000u);  // 5.1 s played

  Start();
  LoadGameFile(dir_ / "game.sud", *game);
  EXPECT_EQ(game->FillGameRecord().ToBytes(), before.ToBytes());
  EXPECT_TRUE(game->Has(gfClockRunning));
  EXPECT_EQ(game->History().Count(), 2);  // the start position and the loaded one

  // A puzzle without moves loads with one snapshot and the clock stopped.
  Start();
  Load();
  Save(false);
  Start();
  LoadGameFile(dir_ / "game.sud", *game);
  EXPECT_EQ(game->History().Count(), 1);
  EXPECT_FALSE(game->Has(gfClockRunning));
}

TEST_F(FileTest, DamagedFilesAreRefusedBeforeTheGameIsTouched) {
  Play(2);
  std::string record = Save(false);
  const std::string before = State();
  auto load = [&](const std::filesystem::path& path) {
    return ErrorOf([&] { LoadGameFile(path, *game); });
  };
  EXPECT_EQ(load(dir_ / "missing.sud"), 531);
  EXPECT_EQ(load(dir_), 531);
  EXPECT_EQ(load(Write("short.sud", "SUD")), 529);
  EXPECT_EQ(load(Write("magic.sud", "SUD2" + record.substr(4))), 529);
  EXPECT_EQ(load(Write("record.sud", record.substr(0, 100))), 530);
  record[4] = 1;  // a record of an older version
  EXPECT_EQ(load(Write("version.sud", record)), 535);
  EXPECT_EQ(State(), before);
}

TEST_F(FileTest, AShortHistoryKeepsTheLoadedStateAndTheSnapshotsRead) {
  Play(3);
  std::string bytes = Save(true);
  const BoardRecord board = game->CurrentBoard();
  bytes.resize(232 + 170 * 2 + 85);  // two whole snapshots and half of the third

  Start();
  EXPECT_EQ(ErrorOf([&] { LoadGameFile(Write("short.sud", bytes), *game); }), 531);
  EXPECT_EQ(game->CurrentBoard(), board);
  EXPECT_EQ(game->History().Count(), 2);
  EXPECT_TRUE(game->History().UndoRecording);

  // A count far beyond the file ends the same way, without reserving room for it.
  bytes.replace(224, 4, "\xFF\xFF\xFF\xFF");
  Start();
  EXPECT_EQ(ErrorOf([&] { LoadGameFile(Write("huge.sud", bytes), *game); }), 531);
  EXPECT_EQ(game->History().Count(), 2);
}

// A board with a given 7, an empty cell, the candidates 1 5 9 and a placed 3.
BoardRecord SmallBoard() {
  BoardRecord b = test::Puzzle("7" + std::string(80, '.'));
  b.cells[2] = Set({1, 5, 9});
  b.cells[9] = Set({3});
  return b;
}

TEST(BoardTexts, CellTablesAndTheTextLine) {
  std::string rest;
  for (int row = 2; row < 9; ++row) rest += ",,,,,,,,\r\n";
  EXPECT_EQ(CellTableText(SmallBoard(), ','), "[7],,1 5 9,,,,,,\r\n3,,,,,,,,\r\n" + rest);
  EXPECT_EQ(TextLine(SmallBoard()), "700000000300000000" + std::string(63, '0'));
  // A first cell that is empty starts the table with the separator; a given that is not one
  // digit is an error.
  BoardRecord b = SmallBoard();
  b.givens.Remove(0);
  b.cells[0] = 0;
  EXPECT_EQ(CellTableText(b, '\t').substr(0, 8), "\t\t1 5 9\t");
  b.givens.Add(0);
  b.cells[0] = Set({2, 4});
  EXPECT_EQ(CellTableText(b, '\t').substr(0, 4), "Err\t");

  BoardRecord full;
  full.cells.fill(kAllDigits);
  EXPECT_EQ(CellTableText(full, '\t').size(), 1467u);
}

TEST(BoardTexts, FormattedTextDrawsCandidatesAndStarsAroundGivens) {
  std::string expected =
      "* * *           1\r\n"
      "* 7 *             5\r\n"
      "* * *               9\r\n"
      "\r\n"
      "    3\r\n"
      "\r\n"
      "\r\n"
      "\r\n";
  for (int row = 2; row < 9; ++row) {
    expected += "\r\n\r\n\r\n";
    if (row < 8) expected += row % 3 == 2 ? "\r\n\r\n" : "\r\n";
  }
  EXPECT_EQ(FormattedText(SmallBoard()), expected);

  // The last cell of a row: block column 2, column 2 in the block starts at 68.
  BoardRecord b;
  b.cells[8] = Set({3, 7});
  EXPECT_EQ(FormattedText(b).substr(0, 79), std::string(72, ' ') + "3\r\n\r\n  ");
}

TEST_F(FileTest, SampleListHoldsTheValidOwnPuzzlesUpToTheFirstGap) {
  const auto path = Write("list.txt", "old content");
  ExportSampleList(path, settings);
  EXPECT_EQ(ReadAll(path), "");  // no own puzzles: an empty file

  const std::string a(kEasyPuzzle), b = TransformSudoku(kEasyPuzzle, 1, 2);
  store.PutString(setting::kSamplesKey, SampleValueName(1), a);
  store.PutString(setting::kSamplesKey, SampleValueName(2), a.substr(0, 80));
  store.PutString(setting::kSamplesKey, SampleValueName(3), b);
  store.PutString(setting::kSamplesKey, SampleValueName(5), a);
  ExportSampleList(path, settings);
  EXPECT_EQ(ReadAll(path), a + "\r\n" + b + "\r\n");
}

TEST_F(FileTest, AFailedWriteLeavesTheOldFile) {
  const auto path = Write("keep.txt", "old");
  EXPECT_EQ(ErrorOf([&] { WriteFileReplacing(dir_ / "no" / "such.txt", "x"); }), 532);
  EXPECT_EQ(ErrorOf([&] { WriteFileReplacing(dir_, "x"); }), 532);

  // A disk that fills up: the file size limit stops the write half way.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 64;
  setrlimit(RLIMIT_FSIZE, &small);
  const int error = ErrorOf([&] { WriteFileReplacing(path, std::string(4096, 'n')); });
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(error, 532);
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);  // no leftovers

  // A replaced file keeps its permissions; a read-only one is not replaced.
  using std::filesystem::perms;
  const perms mode = perms::owner_read | perms::owner_write | perms::group_read;
  std::filesystem::permissions(path, mode);
  WriteFileReplacing(path, "new");
  EXPECT_EQ(ReadAll(path), "new");
  EXPECT_EQ(std::filesystem::status(path).permissions(), mode);
  std::filesystem::permissions(path, perms::owner_read);
  EXPECT_EQ(ErrorOf([&] { WriteFileReplacing(path, "newer"); }), 532);
  EXPECT_EQ(ReadAll(path), "new");
}

}  // namespace
}  // namespace sudoku
