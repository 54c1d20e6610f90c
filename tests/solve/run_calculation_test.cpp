// The logical solver on hidden boards.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "model/geometry.h"
#include "model/tables.h"
#include "solve/solver.h"
#include "support/boards.h"
#include "support/fake_host.h"

namespace sudoku {
namespace {

using test::Puzzle;

// Consistent givens, no solution: the neighbouring-lines rule and the other techniques undo
// each other for ever.
constexpr std::string_view kLooping =
    "010000003500602010602034050005000040304900270029070001000000005000405006000009000";
// Unique solution (checked with qqwing), but beyond the five techniques.
constexpr std::string_view kNeedsGuessing =
    "400970000082004900079056000007610000000000600000085407005060712000001040000000005";

class RunCalculationTest : public ::testing::Test {
 protected:
  RunState state;
  Solver solver{state};
};

TEST_F(RunCalculationTest, SolvesFromTheGivens) {
  BoardRecord b = Puzzle(test::kEasyPuzzle);
  EXPECT_TRUE(solver.RunCalculation(b));
  EXPECT_TRUE(IsSolved(b.cells));
  for (int i = 0; i < 81; ++i) {
    if (test::kEasyPuzzle[i] != '0') {
      EXPECT_EQ(DigitChar(b.cells[i]), test::kEasyPuzzle[i]);
    }
  }
  EXPECT_EQ(state.TechniqueChanges, 329);
}

TEST_F(RunCalculationTest, EmptyAndFullBoards) {
  BoardRecord empty;
  EXPECT_FALSE(solver.RunCalculation(empty));
  for (DigitSet s : empty.cells) EXPECT_EQ(s, kAllDigits);
  EXPECT_EQ(state.TechniqueChanges, 1);

  BoardRecord full = Puzzle(test::kSolution);
  EXPECT_TRUE(solver.RunCalculation(full));
  EXPECT_EQ(state.TechniqueChanges, 0);

  // Without givens a hidden run refills every cell first and cannot solve anything.
  full.givens.Clear();
  EXPECT_FALSE(solver.RunCalculation(full));
  EXPECT_EQ(state.TechniqueChanges, 1);

  // All fixed, but a digit twice in a row.
  std::string doubled(test::kSolution);
  doubled[1] = doubled[0];
  BoardRecord twice = Puzzle(doubled);
  EXPECT_FALSE(solver.RunCalculation(twice));
}

TEST_F(RunCalculationTest, GuessingIsBeyondTheSolver) {
  BoardRecord b = Puzzle(kNeedsGuessing);
  EXPECT_FALSE(solver.RunCalculation(b));
  EXPECT_FALSE(IsSolved(b.cells));
}

TEST_F(RunCalculationTest, OtherCandidatesInOpenCellsDoNotMatter) {
  const BoardRecord bare = Puzzle(test::kEasyPuzzle);
  BoardRecord a = bare;
  ASSERT_TRUE(solver.RunCalculation(a));
  const int steps = state.TechniqueChanges;

  BoardRecord scribbled = bare;
  uint32_t seed = 7;
  for (int i = 0; i < 81; ++i) {
    seed = seed * 134775813u + 1;
    if (!scribbled.IsGiven(i)) scribbled.cells[i] = MaskDigits(seed >> 16);
  }
  EXPECT_TRUE(solver.RunCalculation(scribbled));
  EXPECT_EQ(scribbled.cells, a.cells);
  EXPECT_EQ(state.TechniqueChanges, steps);

  // Open cells that already hold all nine digits make the fill a no-op: one step less.
  BoardRecord full = bare;
  for (int i = 0; i < 81; ++i) {
    if (!full.IsGiven(i)) full.cells[i] = kAllDigits;
  }
  EXPECT_TRUE(solver.RunCalculation(full));
  EXPECT_EQ(state.TechniqueChanges, steps - 1);
}

TEST_F(RunCalculationTest, ARunStartsUnstopped) {
  solver.RequestStop();
  BoardRecord b = Puzzle(test::kEasyPuzzle);
  EXPECT_TRUE(solver.RunCalculation(b));
}

// Between passes a hidden run lets events through now and then; one of them may stop it.
TEST_F(RunCalculationTest, AnEventCanStopAHiddenRun) {
  test::FakePump pump;
  Solver hidden(state, &pump);
  pump.pending.push_back([&] { hidden.RequestStop(); });
  // Solved in 382 steps when not stopped, by more passes than the run waits between looks.
  BoardRecord b =
      Puzzle("007000800000108000140000032004905300370000098006307100460000013000603000002000500");
  EXPECT_FALSE(hidden.RunCalculation(b));
  EXPECT_EQ(pump.dispatched, 1);
  EXPECT_TRUE(state.StopRequested);  // the stop is the caller's to see
  int fixed = 0;
  for (DigitSet s : b.cells) fixed += IsFixed(s);
  EXPECT_GT(fixed, 28);  // stopped on the way, with the changes made so far
  EXPECT_LT(fixed, 81);
  EXPECT_GT(state.TechniqueChanges, 1);
  EXPECT_LT(state.TechniqueChanges, 382);
}

TEST_F(RunCalculationTest, ALoopingBoardEndsUnsolvedAtTheChangeLimit) {
  BoardRecord b = Puzzle(kLooping);
  ASSERT_TRUE(GivensConsistent(b));
  EXPECT_FALSE(solver.RunCalculation(b));
  // The fill, then the change that took the run's own count above 999.
  EXPECT_GE(state.TechniqueChanges, 1 + 1000);
  EXPECT_LE(state.TechniqueChanges, 1 + 999 + 9);
  EXPECT_FALSE(state.StopRequested);  // a calculation around the hidden run goes on
  EXPECT_EQ(state.TotalChanges, 0);
}

TEST_F(RunCalculationTest, ALoopingBoardAlsoEndsALiveRun) {
  test::FakeHost host;
  host.board = Puzzle(kLooping);
  host.calculating = false;  // not even the calculation's own limit applies
  Solver live(state, nullptr, &host);
  EXPECT_FALSE(live.RunCalculation(host.board));
  EXPECT_TRUE(state.StopRequested);  // a live run stops like any other stopped calculation
  EXPECT_GT(state.TechniqueChanges, 1 + 999);
}

TEST_F(RunCalculationTest, CheckedLoadingFromAString) {
  BoardRecord b;
  EXPECT_TRUE(LoadBoardFromString(b, test::kEasyPuzzle, true, solver));
  EXPECT_TRUE(IsSolved(b.cells));
  EXPECT_FALSE(LoadBoardFromString(b, kNeedsGuessing, true, solver));
  EXPECT_TRUE(LoadBoardFromString(b, kNeedsGuessing, false, solver));
  EXPECT_EQ(BoardToString(b), kNeedsGuessing);
  const BoardRecord before = b;
  EXPECT_FALSE(LoadBoardFromString(b, kNeedsGuessing.substr(1), true, solver));
  EXPECT_EQ(b, before);
}

// Puzzles from every benchmark set with the solver's result as recorded: guards the exact
// results and step counts through changes to the solver's speed.
TEST_F(RunCalculationTest, RecordedResults) {
  std::ifstream in(SUDOKU_TEST_DATA "/solve_recorded.txt");
  ASSERT_TRUE(in) << "missing recorded results";
  std::string puzzle, expected;
  int lines = 0;
  while (in >> puzzle && std::getline(in >> std::ws, expected)) {
    BoardRecord b;
    ASSERT_TRUE(LoadBoardFromString(b, puzzle));
    const bool solved = solver.RunCalculation(b);
    std::ostringstream got;
    got << (solved ? 1 : 0) << ' ' << state.TechniqueChanges << ' ';
    for (DigitSet s : b.cells) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "%03x", static_cast<unsigned>(s) & 0xFFF);
      got << hex;
    }
    EXPECT_EQ(got.str(), expected) << puzzle;
    ++lines;
  }
  EXPECT_GE(lines, 40);
}

}  // namespace
}  // namespace sudoku
