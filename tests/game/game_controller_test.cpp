// Playing through the game controller: loading, moves and their checks, steps, the clock, the
// solved board and the end of the game.

#include "game/time_format.h"
#include "model/geometry.h"
#include "support/game_fixture.h"

namespace sudoku {
namespace {

using test::GameTest;
using test::kEasyPuzzle;
using test::Set;

TEST_F(GameTest, ALoadedPuzzleWaitsForTheFirstMove) {
  EXPECT_EQ(view.LastAction(), 1057);
  Load();
  const BoardRecord& b = game->CurrentBoard();
  EXPECT_EQ(BoardToString(b), kEasyPuzzle);
  EXPECT_TRUE(b.IsGiven(1));
  EXPECT_EQ(game->CursorCell(), 0);
  EXPECT_EQ(game->History().Count(), 1);
  EXPECT_TRUE(game->Has(gfLoaded | gfFresh));
  EXPECT_FALSE(game->Has(gfClockRunning));
  EXPECT_TRUE(game->Has(gfNoUndo));
  EXPECT_TRUE(game->Has(gfNoRedo));
  EXPECT_EQ(view.clock, 0);
  EXPECT_EQ(view.counter, 0);
  EXPECT_EQ(b.Name(), "1.1.1");
  game->LoadPuzzle(kEasyPuzzle.substr(1));  // not a puzzle: ignored
  EXPECT_EQ(game->CurrentBoard().Name(), "1.1.1");
}

TEST_F(GameTest, MovesNeedAPuzzleAnOpenCellAndNoSolvedBoard) {
  game->SetDigit(5);
  EXPECT_EQ(view.LastError(), 523);
  Load();
  game->SelectCell(1);  // a given
  game->SetDigit(5);
  EXPECT_EQ(view.LastError(), 522);
  EXPECT_EQ(game->StepCount(), 0);
  game->SetDigit(0);  // not a digit
  game->AddDigit(10);
  EXPECT_EQ(view.errors.size(), 2u);
}

TEST_F(GameTest, StepsCountTheDigitsThatCame) {
  Load();
  const int cell = FirstEmpty();
  game->SelectCell(cell);
  game->SetDigit(1);  // empty -> {1}: 1
  EXPECT_EQ(game->StepCount(), 1);
  EXPECT_EQ(game->Mode(), imAdd);  // the next digits add
  game->AddDigit(2);  // {1} -> {1,2}: 1
  game->AddDigit(3);
  EXPECT_EQ(game->CurrentBoard().cells[cell], Set({1, 2, 3}));
  EXPECT_TRUE(game->CurrentBoard().marked.Contains(cell));
  EXPECT_EQ(game->StepCount(), 3);
  game->SetDigit(6);  // {1,2,3} -> {6}: a single digit counts 1
  EXPECT_FALSE(game->CurrentBoard().marked.Contains(cell));
  game->SetDigit(8);  // fixed -> another fixed: 0
  EXPECT_EQ(game->StepCount(), 4);
  game->InsertSet(kAllDigits);  // {8} -> nine digits: 8
  EXPECT_EQ(game->StepCount(), 12);
  game->ClearCell();  // nine -> none: 9
  EXPECT_EQ(game->StepCount(), 21);
  EXPECT_EQ(view.counter, 21);
  EXPECT_EQ(game->History().Count(), 1 + 7);
  EXPECT_EQ(view.LastAction(), 1060);
}

TEST_F(GameTest, WarningLevelOneRefusesObviousErrors) {
  options.warningLevel = 1;
  game->ResetGame();
  EXPECT_EQ(view.smiley, 1);
  Load();
  // Row 0 holds the given 4 (cell 1) and 7 (cell 5).
  game->SelectCell(0);
  game->SetDigit(4);
  EXPECT_EQ(view.LastError(), 519);
  EXPECT_TRUE(game->Has(gfAidsUsed));  // the first checked change marks the game as aided
  EXPECT_EQ(view.smiley, 2);
  game->SetDigit(2);  // the given 2 of block 0
  EXPECT_EQ(view.LastError(), 519);
  game->SetDigit(3);
  EXPECT_EQ(game->CurrentBoard().cells[0], Set({3}));
  const size_t errors = view.errors.size();
  game->SetDigit(3);  // the same digit again: no change, no message
  EXPECT_EQ(view.errors.size(), errors);
  game->RemoveDigit(3);  // the only digit
  EXPECT_EQ(view.LastError(), 522);
  game->InsertSet(Set({3, 7}));  // 3 is there already, 7 is fixed in the row
  EXPECT_EQ(view.LastError(), 520);
  game->InsertSet(Set({3, 5}));
  EXPECT_EQ(game->CurrentBoard().cells[0], Set({3, 5}));
  game->ResetGame();
  EXPECT_EQ(view.smiley, 1);
  EXPECT_FALSE(game->Has(gfAidsUsed));
}

TEST_F(GameTest, WarningLevelTwoKnowsTheSolution) {
  options.warningLevel = 2;
  Load();
  const std::string solution = SolutionOf(kEasyPuzzle);
  const int cell = FirstEmpty();
  const int right = solution[cell] - '0', wrong = right % 9 + 1;
  game->SelectCell(cell);
  game->SetDigit(wrong);  // even the first move, before the clock starts, is judged
  EXPECT_EQ(view.LastError(), 521);
  EXPECT_TRUE(game->Has(gfFresh));
  game->SetDigit(right);
  game->SetDigit(wrong);
  EXPECT_EQ(view.LastError(), 521);
  game->AddDigit(wrong);
  EXPECT_EQ(view.LastError(), 521);
  EXPECT_EQ(game->CurrentBoard().cells[cell], DigitBit(right));
  game->InsertSet(Set({right, wrong}));  // inserting is not judged against the solution
  game->RemoveDigit(right);
  EXPECT_EQ(game->CurrentBoard().cells[cell], DigitBit(wrong));
}

TEST_F(GameTest, TheClockStartsWithTheFirstChangeFromTheBoardBeforeIt) {
  Load();
  const std::string solution = SolutionOf(kEasyPuzzle);
  const int cell = FirstEmpty();
  const int wrong = (solution[cell] - '0') % 9 + 1;
  game->SelectCell(cell);
  EXPECT_FALSE(view.blinkTimer);
  game->SetDigit(wrong);
  EXPECT_TRUE(game->Has(gfClockRunning));
  EXPECT_FALSE(game->Has(gfFresh));
  EXPECT_TRUE(view.blinkTimer);
  EXPECT_TRUE(view.started);
  EXPECT_EQ(BoardToString(game->SolutionBoard()), solution);  // not spoilt by the wrong digit
  Advance(1500);
  game->ClockTick();
  EXPECT_EQ(view.clock, 1000);
  EXPECT_FALSE(view.separators);
  Advance(500);
  game->ClockTick();
  EXPECT_EQ(view.clock, 2000);
  EXPECT_TRUE(view.separators);
}

TEST_F(GameTest, SolvingTheBoardEndsARatedGame) {
  Load(kEasyPuzzle, "12.3.4");
  const std::string solution = SolutionOf(kEasyPuzzle);
  int moves = 0;
  for (int i = 0; i < 81; ++i) {
    if (kEasyPuzzle[i] != '0') continue;
    game->SelectCell(i);
    game->SetDigit(solution[i] - '0');
    ++moves;
    Advance(1000);
  }
  EXPECT_TRUE(game->Has(gfSolved));
  EXPECT_FALSE(game->Has(gfClockRunning));
  EXPECT_FALSE(view.blinkTimer);
  ASSERT_EQ(hall.wins.size(), 1u);
  EXPECT_EQ(hall.wins[0].id, "12");
  EXPECT_EQ(hall.wins[0].steps, moves);
  EXPECT_EQ(hall.wins[0].time, static_cast<uint32_t>((moves - 1) * 1000));  // exact, from move 1
  EXPECT_EQ(view.completeRows, 0x1FF);
  game->SelectCell(0);
  game->SetDigit(1);
  EXPECT_EQ(view.LastError(), 518);
}

TEST_F(GameTest, OnlyLoadedSolvedUnaidedGamesCount) {
  const std::string solution = SolutionOf(kEasyPuzzle);
  auto solve = [&] {
    for (int i = 0; i < 81; ++i) {
      if (kEasyPuzzle[i] != '0') continue;
      game->SelectCell(i);
      game->SetDigit(solution[i] - '0');
    }
    EXPECT_TRUE(game->Has(gfSolved));
  };
  options.warningLevel = 1;  // warnings mark the game as aided
  game->ResetGame();
  Load();
  solve();
  options.warningLevel = 0;
  game->ResetGame();
  Load(kEasyPuzzle, "");  // an own puzzle without a number: won, but it has no ranking
  solve();
  ASSERT_EQ(hall.wins.size(), 1u);
  EXPECT_EQ(hall.wins[0].id, "");
  hall.wins.clear();
  game->ResetGame();
  Load();
  game->RunTechnique(Technique::kAutoClean, 199);  // an aid
  solve();
  EXPECT_TRUE(hall.wins.empty());
  game->ResetGame();
  Load();
  game->FillCells(0);  // filling in all digits is no aid
  solve();
  EXPECT_EQ(hall.wins.size(), 1u);
}

TEST_F(GameTest, UndoRedoAndBackToTheStart) {
  Load();
  const int cell = FirstEmpty();
  game->SelectCell(cell);
  for (int d : {1, 2, 3}) game->SetDigit(d);
  game->History().Undo();
  game->History().Undo();
  EXPECT_EQ(game->History().Index(), 1);
  EXPECT_FALSE(game->Has(gfNoRedo));
  EXPECT_EQ(game->CurrentBoard().cells[cell], Set({1}));
  EXPECT_EQ(game->StepCount(), 1);
  game->SetDigit(5);
  EXPECT_EQ(game->History().Count(), 3);
  EXPECT_TRUE(game->Has(gfNoRedo));
  view.actions.clear();
  game->History().GoTo(1);
  game->History().Undo();
  EXPECT_EQ(view.actions, (std::vector<int>{1062, 1064}));
  EXPECT_EQ(game->CurrentBoard().cells[cell], 0);
  EXPECT_EQ(game->StepCount(), 0);

  // Back to the start: after moves, the first snapshot; right after loading, a fresh restart.
  game->History().Redo();
  game->Restart();
  EXPECT_EQ(game->History().Index(), 0);
  EXPECT_EQ(view.LastAction(), 1064);
  EXPECT_TRUE(game->Has(gfClockRunning));  // the same game goes on
  game->Restart();
  EXPECT_TRUE(game->Has(gfFresh));
  EXPECT_FALSE(game->Has(gfClockRunning));
  EXPECT_EQ(game->History().Count(), 1);
  EXPECT_EQ(game->CurrentBoard().Name(), "1.1.1");
  EXPECT_EQ(BoardToString(game->CurrentBoard()), kEasyPuzzle);
}

TEST_F(GameTest, CompleteGroupsShowAddedDigitsAsDecided) {
  Load();
  const std::string solution = SolutionOf(kEasyPuzzle);
  // Fill row 0 by adding digits: each cell is marked until the row is complete.
  std::vector<int> open;
  for (int c = 0; c < 9; ++c) {
    if (kEasyPuzzle[c] == '0') open.push_back(c);
  }
  for (int c : open) {
    game->SelectCell(c);
    game->AddDigit(solution[c] - '0');
  }
  EXPECT_EQ(view.completeRows & 1, 1);
  for (int c : open) EXPECT_FALSE(game->CurrentBoard().marked.Contains(c));
}

TEST_F(GameTest, SelectingRedrawsTheOldAndTheNewCell) {
  Load();
  view.redraws.clear();
  game->SelectCell(40);
  game->SelectCell(40);
  EXPECT_EQ(view.redraws, (std::map<int, int>{{0, 1}, {40, 1}}));
  game->SelectCell(200);  // outside: no cell
  EXPECT_EQ(game->CursorCell(), -1);
}

TEST_F(GameTest, ChoosingAnotherPuzzleAsksWhileTheClockRuns) {
  Load();
  game->SelectCell(FirstEmpty());
  game->SetDigit(1);
  const std::string other = TransformSudoku(kEasyPuzzle, 1, 2);
  view.answer = false;
  game->ChoosePuzzle(other, "1.3.2");
  EXPECT_EQ(view.questions, (std::vector<int>{1027}));
  EXPECT_EQ(game->CurrentBoard().Name(), "1.1.1");
  view.answer = true;
  game->ChoosePuzzle(other, "1.3.2");
  EXPECT_EQ(BoardToString(game->CurrentBoard()), other);
  EXPECT_EQ(game->CurrentBoard().Name(), "1.3.2");
  EXPECT_TRUE(game->Has(gfFresh));
  view.questions.clear();
  game->ChoosePuzzle(kEasyPuzzle, "1.1.1");  // the clock does not run: no question
  EXPECT_TRUE(view.questions.empty());
}

TEST_F(GameTest, RenumberingTheRunningPuzzle) {
  Load(kEasyPuzzle, "84.2.5");
  game->SetListNumber(82);
  EXPECT_EQ(game->CurrentBoard().Name(), "82.2.5");
  EXPECT_TRUE(game->Has(gfLoaded));
  game->SetListNumber(0);
  EXPECT_EQ(game->CurrentBoard().Name(), "");
  EXPECT_FALSE(game->Has(gfLoaded));
  EXPECT_TRUE(game->CurrentBoard().givens.Empty());
  Load(kEasyPuzzle, "own");
  game->SetListNumber(3);  // a name without a point: the board is emptied
  EXPECT_FALSE(game->Has(gfLoaded));
}

TEST_F(GameTest, HallOfFameCommandFollowsThePuzzle) {
  hall.withEntries = {"7"};
  Load(kEasyPuzzle, "7.2.1");
  EXPECT_TRUE(game->HallOfFameAvailable());
  game->SetPuzzleName("8.1.1");
  EXPECT_FALSE(game->HallOfFameAvailable());
  game->SetPuzzleName("");
  EXPECT_FALSE(game->HallOfFameAvailable());
}

TEST_F(GameTest, InputModeAndItsPicture) {
  Load();
  game->SetInputMode(3);  // add, locked
  EXPECT_TRUE(game->Has(gfModeLocked));
  EXPECT_EQ(view.inputFrame, 3);
  game->SetInputMode(0);  // set mode, the lock stays
  EXPECT_EQ(view.inputFrame, 0);
  game->SetInputMode(2);
  EXPECT_EQ(view.inputFrame, 4);
  game->SetModifiers(false, true);  // Control inverts remove into add
  EXPECT_EQ(view.inputFrame, 1);
  game->SetInputMode(1);
  EXPECT_EQ(view.inputFrame, 2);
  game->SetModifiers(true, false);  // Shift sets
  EXPECT_EQ(view.inputFrame, 0);
  game->SetModifiers(false, false);
  game->SetModeLocked(false);
  EXPECT_EQ(view.inputFrame, 1);
  game->SelectCell(FirstEmpty());
  game->SetInputMode(4);
  game->SetDigit(3);  // a locked mode stays after a change
  EXPECT_EQ(game->Mode(), imRemove);
}

TEST(FormatTime, RoundsToTenthsAndCapsAtTenHours) {
  EXPECT_EQ(FormatTime(0), "0:00:00.0");
  EXPECT_EQ(FormatTime(1950), "0:00:02.0");
  EXPECT_EQ(FormatTime(1949), "0:00:01.9");
  EXPECT_EQ(FormatTime(3599999), "1:00:00.0");
  EXPECT_EQ(FormatTime(40000000), "9:59:59.9");
  EXPECT_EQ(FormatTime(kNoTime), "-:--:--.-");
}

}  // namespace
}  // namespace sudoku
