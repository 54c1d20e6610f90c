// Calculations on the visible board: one step, the automatic run and every way it stops.

#include "model/tables.h"
#include "support/game_fixture.h"

namespace sudoku {
namespace {

using test::GameTest;
using test::kEasyPuzzle;

constexpr std::string_view kLooping =
    "010000003500602010602034050005000040304900270029070001000000005000405006000009000";

int Differences(const Cells& a, const Cells& b) {
  int n = 0;
  for (int i = 0; i < 81; ++i) n += a[i] != b[i];
  return n;
}

TEST_F(GameTest, OneStepFillsFirstThenChangesOneCell) {
  Load();
  game->OneStep();
  EXPECT_EQ(game->History().Count(), 2);
  EXPECT_EQ(game->StepCount(), 1);
  EXPECT_EQ(game->CurrentBoard().cells[0], kAllDigits);
  EXPECT_TRUE(game->Has(gfAidsUsed | gfClockRunning));
  EXPECT_FALSE(game->Has(gfCalculating));
  EXPECT_EQ(game->Mode(), imRemove);  // go on by striking out digits
  EXPECT_TRUE(game->Has(gfModeLocked));
  const Cells before = game->CurrentBoard().cells;
  game->OneStep();
  EXPECT_EQ(Differences(before, game->CurrentBoard().cells), 1);
  EXPECT_EQ(game->History().Count(), 3);
  EXPECT_FALSE(game->Run().SingleStep);
}

TEST_F(GameTest, OneStepWithNothingToDoRecordsNothing) {
  // Beyond the techniques: the automatic run ends unsolved, and a step then finds nothing.
  Load("400970000082004900079056000007610000000000600000085407005060712000001040000000005");
  game->StartStop();
  EXPECT_FALSE(game->Has(gfSolved));
  const int count = game->History().Count();
  const int steps = game->StepCount();
  game->OneStep();
  EXPECT_EQ(game->History().Count(), count);
  EXPECT_EQ(game->StepCount(), steps);
}

TEST_F(GameTest, TheAutomaticRunSolvesButEarnsNoPlace) {
  Load();
  game->StartStop();
  EXPECT_TRUE(game->Has(gfSolved));
  EXPECT_FALSE(game->Has(gfCalculating | gfClockRunning));
  EXPECT_FALSE(view.running);
  EXPECT_TRUE(hall.wins.empty());
  EXPECT_EQ(BoardToString(game->CurrentBoard()), SolutionOf(kEasyPuzzle));
  // Every change is one snapshot: the steps of the history add up to the step count.
  EXPECT_EQ(game->History().At(game->History().Count() - 1).Steps, game->StepCount());
  EXPECT_GT(game->History().Count(), 50);
}

TEST_F(GameTest, TheSameCommandStopsARunAtOnce) {
  Load();
  game->SetStepDelay(5000);
  pump.timed.push_back({pump.now + 100, [&] { game->StartStop(); }});
  const uint64_t start = pump.now;
  game->StartStop();
  EXPECT_LT(pump.now - start, 200u);  // no waiting for the 5000 ms to run out
  EXPECT_FALSE(game->Has(gfCalculating));
  EXPECT_EQ(game->History().Count(), 3);  // the fill, and the change that was under way
}

TEST_F(GameTest, CommandsDuringARunAreRefused) {
  Load();
  game->SetStepDelay(400);
  const Cells* seen = nullptr;
  pump.timed.push_back({pump.now + 100, [&] {
                          game->RunTechnique(Technique::kAutoClean, 199);  // does nothing
                          game->OneStep();
                          game->SelectCell(10);
                          game->SetDigit(5);
                          seen = &game->CurrentBoard().cells;
                          game->StartStop();
                        }});
  game->StartStop();
  EXPECT_NE(seen, nullptr);
  EXPECT_EQ(view.LastError(), 537);
  EXPECT_EQ(game->History().Count(), 3);
}

TEST_F(GameTest, ALoopingBoardStopsAt999Changes) {
  Load(kLooping);
  game->StartStop();
  EXPECT_FALSE(game->Has(gfCalculating));
  EXPECT_FALSE(game->Has(gfSolved));
  EXPECT_GT(game->Run().TotalChanges, 999);
  EXPECT_LT(game->Run().TotalChanges, 999 + 10);
  // The solution was computed before: the hidden run's own limit let the calculation go on.
  EXPECT_GT(game->History().Count(), 100);
}

TEST_F(GameTest, AChosenPuzzleWaitsForTheRunToEnd) {
  Load();
  game->SetStepDelay(300);
  const std::string other = TransformSudoku(kEasyPuzzle, 4, 6);
  pump.timed.push_back({pump.now + 1000, [&] {
                          game->ChoosePuzzle(other, "1.7.5");
                          // Not yet: the calculation is still unwinding.
                          EXPECT_EQ(game->CurrentBoard().Name(), "1.1.1");
                        }});
  game->StartStop();
  EXPECT_EQ(view.questions, (std::vector<int>{1027}));  // the clock ran: asked, answered yes
  EXPECT_EQ(game->CurrentBoard().Name(), "1.7.5");
  EXPECT_EQ(BoardToString(game->CurrentBoard()), other);
  EXPECT_TRUE(game->Has(gfFresh));
  game->SetCalculating(true);  // starts the new game's clock
  game->SetCalculating(false);  // and does not start the chosen puzzle again
  EXPECT_FALSE(game->Has(gfFresh));
  EXPECT_EQ(game->History().Count(), 1);
}

TEST_F(GameTest, EmptyingTheBoardDuringARunLeavesItEmpty) {
  // Deferred as the command does it, or at once as any other path might: either way the step
  // that was waiting when the command came is not recorded on the emptied board.
  for (const bool deferred : {true, false}) {
    game->ResetGame();
    Load();
    game->SetStepDelay(300);
    pump.timed.push_back({pump.now + 1000, [&] {
                            ASSERT_TRUE(game->ConfirmAbortGame());
                            if (deferred) {
                              game->RunWhenIdle([&] { game->EmptyPlayground(); });
                            } else {
                              game->EmptyPlayground();
                            }
                          }});
    game->StartStop();
    EXPECT_FALSE(game->Has(gfLoaded)) << deferred;
    EXPECT_EQ(game->StepCount(), 0) << deferred;
    EXPECT_FALSE(game->Has(gfClockRunning)) << deferred;
    EXPECT_EQ(game->History().Count(), 0) << deferred;
    for (DigitSet set : game->CurrentBoard().cells) ASSERT_EQ(set, 0) << deferred;
  }
}

TEST_F(GameTest, TechniquesAreCalculationsAndFillsAreNot) {
  Load();
  game->FillCells(1);
  EXPECT_TRUE(game->Has(gfClockRunning));
  EXPECT_FALSE(game->Has(gfAidsUsed));
  EXPECT_EQ(game->StepCount(), 1);
  game->SelectCell(40);
  game->RunTechnique(Technique::kAutoClean, 4);  // the block of the selected cell
  EXPECT_TRUE(game->Has(gfAidsUsed));
  EXPECT_GT(game->StepCount(), 1);
  EXPECT_EQ(game->CursorCell() / 27, 1);  // the changes were in the middle band
  const int steps = game->StepCount();
  game->SelectCell(0);
  ASSERT_EQ(game->CurrentBoard().cells[0], kAllDigits);
  game->FillCells(2);  // the selected cell only, which holds all digits already
  EXPECT_EQ(game->StepCount(), steps);
  game->SelectCell(40);
  game->FillCells(2);
  EXPECT_EQ(game->CurrentBoard().cells[40], kAllDigits);
  EXPECT_EQ(game->StepCount(), steps + 1);
}

TEST_F(GameTest, StopByTheAbortQuestion) {
  Load();
  game->SetStepDelay(300);
  pump.timed.push_back({pump.now + 700, [&] { EXPECT_TRUE(game->ConfirmAbortGame()); }});
  game->StartStop();
  EXPECT_FALSE(game->Has(gfSolved));
  EXPECT_FALSE(game->Has(gfCalculating));
  EXPECT_LT(game->History().Count(), 10);
}

}  // namespace
}  // namespace sudoku
