// The saved form of a game: its bytes, filling it and rebuilding a game from it.

#include "base/texts.h"
#include "support/game_fixture.h"

namespace sudoku {
namespace {

using test::GameTest;
using test::kEasyPuzzle;

TEST(GameRecordBytes, LayoutIsExact) {
  GameRecord r;
  r.board = test::Puzzle(kEasyPuzzle);
  r.board.SetName("3.1.1");
  r.cursor = -1;
  r.steps = 0x01020304;
  r.timeMs = 4294967000u;
  r.flags = 0x0786;
  const auto bytes = r.ToBytes();
  ASSERT_EQ(bytes.size(), 220u);
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(bytes[1], 5);  // the name's length byte
  EXPECT_EQ(bytes[2], '3');
  EXPECT_EQ(bytes[201] | bytes[202] | bytes[203] | bytes[218] | bytes[219], 0);
  EXPECT_EQ(bytes[204], 0xFF);
  EXPECT_EQ(bytes[208], 0x04);
  EXPECT_EQ(bytes[211], 0x01);
  EXPECT_EQ(bytes[212], 4294967000u & 0xFF);
  EXPECT_EQ(bytes[216], 0x86);
  EXPECT_EQ(bytes[217], 0x07);
  const GameRecord back = GameRecord::FromBytes(bytes);
  EXPECT_EQ(back.board, r.board);
  EXPECT_EQ(back.ToBytes(), bytes);
}

class RecordTest : public GameTest {
 protected:
  void Play(int moves, uint64_t msEach = 0) {
    Load();
    for (int i = 0; i < moves; ++i) {
      game->SelectCell(FirstEmpty());
      game->SetDigit(1 + i % 9);
      Advance(msEach);
    }
  }
};

TEST_F(RecordTest, AnotherVersionIsRefusedBeforeAnythingChanges) {
  Play(3);
  GameRecord r = game->FillGameRecord();
  r.version = 1;
  const BoardRecord before = game->CurrentBoard();
  try {
    game->LoadGameRecord(r, true);
    FAIL();
  } catch (const TextError& e) {
    EXPECT_EQ(e.id(), 535);
  }
  EXPECT_EQ(game->CurrentBoard(), before);
  EXPECT_TRUE(game->Has(gfClockRunning));
}

TEST_F(RecordTest, AFreshGameStaysFresh) {
  Load();
  const GameRecord r = game->FillGameRecord();
  game->ResetGame();
  game->LoadGameRecord(r, true);
  EXPECT_TRUE(game->Has(gfFresh | gfLoaded));
  EXPECT_FALSE(game->Has(gfClockRunning));
  EXPECT_EQ(game->History().Count(), 1);
  EXPECT_EQ(view.clock, 0);
  EXPECT_EQ(game->CurrentBoard().Name(), "1.1.1");
}

TEST_F(RecordTest, AStartedGameRunsOnFromItsTime) {
  Play(4, 1300);  // 3 * 1300 ms between the first and the last move, then 1300 more
  game->ClockTick();
  const GameRecord r = game->FillGameRecord();
  EXPECT_EQ(r.timeMs, 5000u);  // rounded down to whole seconds
  EXPECT_EQ(r.steps, 4);
  const BoardRecord board = game->CurrentBoard();
  Start();
  game->LoadGameRecord(GameRecord::FromBytes(r.ToBytes()), true);
  EXPECT_EQ(game->CurrentBoard(), board);
  EXPECT_EQ(game->CursorCell(), r.cursor);
  EXPECT_EQ(game->StepCount(), 4);
  EXPECT_EQ(game->History().Count(), 2);  // the givens alone, then the loaded position
  EXPECT_TRUE(game->Has(gfClockRunning));
  EXPECT_FALSE(game->Has(gfFresh));
  EXPECT_EQ(BoardToString(game->SolutionBoard()), SolutionOf(kEasyPuzzle));
  EXPECT_EQ(view.clock, 5000);
  Advance(2000);
  game->ClockTick();
  EXPECT_EQ(view.clock, 7000);
  game->History().Undo();
  EXPECT_EQ(BoardToString(game->CurrentBoard()), kEasyPuzzle);
}

TEST_F(RecordTest, GamesWithoutTime) {
  Play(2);
  game->SetFlag(gfUnrated, true);
  const GameRecord r = game->FillGameRecord();
  EXPECT_EQ(r.timeMs, 4294967000u);
  Start();
  game->LoadGameRecord(r, true);
  EXPECT_TRUE(game->Has(gfUnrated));
  EXPECT_EQ(view.clock, -1);

  // A solved game comes back without time as well.
  GameRecord solved = r;
  solved.flags = static_cast<uint16_t>((r.flags & ~gfUnrated) | gfSolved);
  solved.timeMs = 60000;
  game->LoadGameRecord(solved, true);
  EXPECT_TRUE(game->Has(gfUnrated));
  EXPECT_EQ(view.clock, -1);
}

TEST_F(RecordTest, NoStepsMeansAFreshRatedGame) {
  Load();
  GameRecord r = game->FillGameRecord();
  r.flags |= gfUnrated | gfAidsUsed | gfClockRunning;
  r.timeMs = 99000;
  Start();
  game->LoadGameRecord(r, true);
  EXPECT_FALSE(game->Has(gfUnrated | gfAidsUsed | gfClockRunning));
  EXPECT_TRUE(game->Has(gfFresh));
  EXPECT_EQ(view.clock, 0);
}

TEST_F(RecordTest, AWholeGameFromAFileKeepsItsClockRunning) {
  Play(3, 1000);
  game->ClockTick();
  const GameRecord r = game->FillGameRecord();
  EXPECT_EQ(r.timeMs, 3000u);
  Start();
  game->LoadGameRecord(r, false);  // the file's history would follow
  EXPECT_EQ(game->History().Count(), 0);
  EXPECT_TRUE(game->Has(gfClockRunning));
  EXPECT_TRUE(view.blinkTimer);
  Advance(3000);
  game->ClockTick();
  EXPECT_EQ(view.clock, r.timeMs + 3000);
  // Played to the end, it ends like any game.
  game->History().UndoRecording = true;
  const std::string solution = SolutionOf(kEasyPuzzle);
  for (int i = 0; i < 81; ++i) {
    if (kEasyPuzzle[i] != '0') continue;
    game->SelectCell(i);
    game->SetDigit(solution[i] - '0');
  }
  ASSERT_EQ(hall.wins.size(), 1u);
  EXPECT_GE(hall.wins[0].time, r.timeMs + 3000);
}

TEST_F(RecordTest, RecordsFromOutsideAreLoadedSafely) {
  Load();
  GameRecord r = game->FillGameRecord();
  auto bytes = r.ToBytes();
  bytes[204] = 0x7F;  // cursor far outside
  bytes[1] = 99;      // name length beyond the field
  bytes[1 + 16 + 2 * 2 + 1] = 0xFC;  // cell 2 with stray bits
  bytes[1 + 188] = 0xFE;             // givens bits 81-87
  Start();
  game->LoadGameRecord(GameRecord::FromBytes(bytes), true);
  EXPECT_EQ(game->CursorCell(), -1);
  EXPECT_EQ(game->CurrentBoard().Name().size(), 15u);
  EXPECT_EQ(game->CurrentBoard().cells[2] & ~kAllDigits, 0);

  // Counts and times at the end of their range go on without wrapping round.
  GameRecord extreme = r;
  extreme.steps = INT32_MAX;
  extreme.timeMs = kNoTime - 1000;
  extreme.flags = gfLoaded | gfClockRunning;
  game->LoadGameRecord(extreme, true);
  game->SelectCell(FirstEmpty());
  game->SetDigit(1);
  EXPECT_EQ(game->StepCount(), INT32_MAX);
  Advance(5000);
  game->ClockTick();
  EXPECT_GT(game->FillGameRecord().timeMs, 4000000000u);
  extreme.steps = -7;
  game->LoadGameRecord(extreme, true);
  EXPECT_EQ(game->StepCount(), 0);

  GameRecord empty = r;
  empty.board.givens.Clear();
  empty.flags |= gfLoaded;
  game->LoadGameRecord(empty, true);
  EXPECT_FALSE(game->Has(gfLoaded));  // no givens, no puzzle
}

}  // namespace
}  // namespace sudoku
