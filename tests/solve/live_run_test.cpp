// The live branch: pacing order, single step, stops and the change limits.

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <numeric>

#include "model/geometry.h"
#include "solve/generator.h"
#include "solve/solver.h"
#include "support/boards.h"
#include "support/fake_host.h"

namespace sudoku {
namespace {

using test::FakeHost;
using test::FakePump;
using test::Set;

class LiveRunTest : public ::testing::Test {
 protected:
  LiveRunTest() {
    host.pump = &pump;
    host.board = test::Puzzle(test::kEasyPuzzle);
  }
  // Cell 0 holds {1,2}; AutoClean on its row (given 4 and 7 there) is one harmless change
  // when {4,1,2} is put in it.
  void PrepareOneChange() {
    host.board.cells[0] = Set({1, 2, 4});
    host.cursor = 0;
  }

  RunState state;
  FakePump pump;
  FakeHost host;
  Solver solver{state, &pump, &host};
};

TEST_F(LiveRunTest, PacedChangeShowsTheOldContentFirst) {
  PrepareOneChange();
  host.cursor = 40;
  state.StepDelay = 60;
  EXPECT_TRUE(solver.AutoClean(1 | 64));
  // 60 ms: 80 ms before the new content, nothing afterwards.
  ASSERT_EQ(host.log.size(), 3u);
  EXPECT_EQ(host.log[0], "select 0 shows " + std::to_string(Set({1, 2, 4})) + " @1000");
  EXPECT_EQ(host.log[1], "record 3->2 @1080");
  EXPECT_EQ(host.log[2], "redraw 0 shows " + std::to_string(Set({1, 2})) + " @1080");
  EXPECT_EQ(pump.now, 1080u);
  EXPECT_EQ(host.steps, 1);
  EXPECT_EQ(state.TotalChanges, 1);
}

TEST_F(LiveRunTest, SlowChangeWaitsBeforeAndAfter) {
  PrepareOneChange();
  state.StepDelay = 5000;
  solver.AutoClean(1 | 64);
  EXPECT_EQ(host.log[1], "record 3->2 @3550");
  EXPECT_EQ(pump.now, 6000u);
}

TEST_F(LiveRunTest, UnpacedChangeSelectsWithoutWaiting) {
  PrepareOneChange();
  host.cursor = 40;
  state.StepDelay = 0;
  solver.AutoClean(1 | 64);
  EXPECT_EQ(host.log[0], "select 0 shows " + std::to_string(Set({1, 2})) + " @1000");
  EXPECT_EQ(pump.now, 1000u);
}

TEST_F(LiveRunTest, SingleStepShowsTheOldContentForTheWholeDelayThenStops) {
  host.board.cells.fill(0);
  host.board.givens.Clear();
  host.board.cells[0] = Set({1});
  host.board.cells[1] = Set({1, 2});
  host.board.cells[2] = Set({1, 3});
  host.cursor = 0;
  state.StepDelay = 200;
  state.SingleStep = true;
  solver.AutoClean(1);
  EXPECT_EQ(host.snapshots, 1);  // exactly one change
  EXPECT_EQ(host.board.cells[2], Set({1, 3}));
  EXPECT_EQ(host.log[1], "record 2->1 @1200");
  EXPECT_EQ(pump.now, 1200u);
  EXPECT_TRUE(state.StopRequested);
  EXPECT_FALSE(state.SingleStep);
}

TEST_F(LiveRunTest, StopDuringAWaitEndsItAtOnce) {
  PrepareOneChange();
  state.StepDelay = 5000;
  pump.timed.push_back({1100, [&] { solver.RequestStop(); }});
  solver.AutoClean(1 | 64);
  EXPECT_LT(pump.now, 1110u);
  EXPECT_EQ(host.snapshots, 1);  // the change in progress is still recorded
  EXPECT_FALSE(state.Waiting);
}

TEST_F(LiveRunTest, WaitsDoNotNest) {
  pump.pending.push_back([&] {
    const uint64_t before = pump.now;
    solver.WaitInterruptible(500);  // returns at once inside a wait
    EXPECT_EQ(pump.now, before);
  });
  solver.WaitInterruptible(100);
  EXPECT_EQ(pump.now, 1100u);
  EXPECT_EQ(pump.dispatched, 1);
}

TEST_F(LiveRunTest, TotalChangesStopACalculationAbove999) {
  PrepareOneChange();
  state.TotalChanges = 999;
  host.calculating = false;
  solver.AutoClean(1 | 64);
  EXPECT_FALSE(state.StopRequested);
  PrepareOneChange();
  host.calculating = true;
  solver.AutoClean(1 | 64);
  EXPECT_TRUE(state.StopRequested);
  EXPECT_EQ(host.snapshots, 2);  // the change that crossed the limit still counts
}

TEST_F(LiveRunTest, StatusTextsPerVisitedGroupInRowColumnBlockOrder) {
  host.board.cells.fill(kAllDigits);
  host.board.givens.Clear();
  solver.AutoClean(4 | 2 | 1 | 64);
  ASSERT_EQ(host.texts.size(), 27u);
  EXPECT_EQ(host.texts[0], 1040);
  EXPECT_EQ(host.texts[9], 1041);
  EXPECT_EQ(host.texts[18], 1042);
  host.texts.clear();
  host.cursor = 40;
  solver.SameNumSetInDiffFields(4 | 1);
  EXPECT_EQ(host.texts, (std::vector<int>{1031, 1033}));
}

TEST_F(LiveRunTest, CurrentRowOnlyAroundTheCursor) {
  host.board.cells.fill(0);
  host.board.givens.Clear();
  host.board.cells[CellAt(0, 4)] = Set({1});
  host.board.cells[CellAt(5, 4)] = Set({1, 2});
  host.board.cells[CellAt(0, 5)] = Set({1, 2});
  host.cursor = CellAt(3, 4);
  solver.AutoClean(1);
  EXPECT_EQ(host.board.cells[CellAt(5, 4)], Set({2}));
  EXPECT_EQ(host.board.cells[CellAt(0, 5)], Set({1, 2}));  // column 0 is not in scope
  host.cursor = -1;
  host.board.cells[CellAt(5, 4)] = Set({1, 2});
  EXPECT_FALSE(solver.AutoClean(1 | 2 | 4));
}

TEST_F(LiveRunTest, Fill1To9IsOneStepAndSwitchesToRemoving) {
  host.cursor = 5;
  EXPECT_TRUE(solver.Fill1To9(0));
  EXPECT_EQ(host.texts, (std::vector<int>{1043}));
  EXPECT_EQ(host.log, (std::vector<std::string>{"put @1000", "record 0->1 @1000", "mode 4"}));
  EXPECT_EQ(host.board.cells[0], kAllDigits);
  host.log.clear();
  EXPECT_FALSE(solver.Fill1To9(0));  // no empty cell: no step, no snapshot
  EXPECT_TRUE(host.log.empty());
  host.board.cells[0] = Set({3});
  host.cursor = 0;
  EXPECT_TRUE(solver.Fill1To9(2));
  EXPECT_EQ(host.log, (std::vector<std::string>{"put @1000", "record 0->1 @1000"}));
  host.cursor = 1;  // a given
  EXPECT_FALSE(solver.Fill1To9(2));
  state.SingleStep = true;
  host.board.cells[2] = 0;
  EXPECT_TRUE(solver.Fill1To9(0));
  EXPECT_TRUE(state.StopRequested);
}

TEST_F(LiveRunTest, HiddenRunFromAHostedSolverLeavesTheGameAlone) {
  const BoardRecord visible = host.board;
  BoardRecord scratch = test::Puzzle(test::kEasyPuzzle);
  state.StepDelay = 1000;
  EXPECT_TRUE(solver.RunCalculation(scratch));
  EXPECT_EQ(host.board, visible);
  EXPECT_TRUE(host.log.empty());
  EXPECT_TRUE(host.texts.empty());
  EXPECT_EQ(pump.now, 1000u);  // no pacing
  EXPECT_TRUE(state.LiveBoard);
  EXPECT_EQ(state.TotalChanges, 0);
}

TEST_F(LiveRunTest, LiveRunCountsLikeAHiddenRun) {
  BoardRecord scratch = host.board;
  RunState hiddenState;
  Solver hidden(hiddenState);
  ASSERT_TRUE(hidden.RunCalculation(scratch));
  EXPECT_TRUE(solver.RunCalculation(host.board));
  EXPECT_EQ(host.board.cells, scratch.cells);
  EXPECT_EQ(state.TechniqueChanges, hiddenState.TechniqueChanges);
  EXPECT_EQ(state.TotalChanges, state.TechniqueChanges - 1);  // the fill is no technique change
  EXPECT_EQ(host.steps, state.TechniqueChanges);
  EXPECT_TRUE(state.LiveBoard);
}

// A live run goes through the general techniques, a hidden one through the hidden chain, which
// keeps tables of its own and hands boards without a solution back. Both must come to the same
// end by the same steps on every kind of board: recorded puzzles of all difficulties, prefixes
// of generated grids as the generator tries them (solved or stuck), and such prefixes with one
// given wrong.
TEST(LiveAndHidden, SameResultsOnEveryKindOfBoard) {
  std::vector<BoardRecord> boards;
  std::ifstream in(SUDOKU_TEST_DATA "/solve_recorded.txt");
  std::string puzzle, rest;
  while (in >> puzzle && std::getline(in, rest)) boards.push_back(test::Puzzle(puzzle));
  ASSERT_GT(boards.size(), 40u);
  boards.push_back(test::Puzzle(  // looping: ends at the change limit
      "010000003500602010602034050005000040304900270029070001000000005000405006000009000"));
  boards.push_back(test::Puzzle(  // givens in conflict
      "550000003500602010602034050005000040304900270029070001000000005000405006000009000"));
  PuzzleGenerator generator;
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    BoardRecord grid;
    ASSERT_TRUE(generator.GenerateFullGrid(grid, seed));
    for (int n = 18; n <= 46; n += 4) {
      std::array<int, 81> order;
      std::iota(order.begin(), order.end(), 0);
      BoardRecord prefix;
      for (int i = 0; i < n; ++i) {
        std::swap(order[i], order[i + generator.Random().Below(81u - i)]);
        prefix.cells[order[i]] = grid.cells[order[i]];
        prefix.givens.Add(order[i]);
      }
      boards.push_back(prefix);
      prefix.cells[order[0]] = DigitBit(SingleDigit(grid.cells[order[0]]) % 9 + 1);
      boards.push_back(prefix);
    }
  }
  int solved = 0;
  for (const BoardRecord& board : boards) {
    RunState liveState, hiddenState;
    FakeHost host;
    host.calculating = false;
    host.board = board;
    BoardRecord scratch = board;
    Solver live(liveState, nullptr, &host), hidden(hiddenState);
    const bool result = live.RunCalculation(host.board);
    EXPECT_EQ(hidden.RunCalculation(scratch), result) << BoardToString(board);
    EXPECT_EQ(scratch.cells, host.board.cells) << BoardToString(board);
    EXPECT_EQ(hiddenState.TechniqueChanges, liveState.TechniqueChanges) << BoardToString(board);
    solved += result;
  }
  // Both endings are well represented.
  EXPECT_GT(solved, 40);
  EXPECT_LT(solved, static_cast<int>(boards.size()) - 40);
}

// The chain restarts with the neighbouring-lines rule as soon as any technique changed
// something, and otherwise goes on in its fixed order. Each technique's status texts show
// its passes: more than one pass means it changed something.
TEST_F(LiveRunTest, ChainOrderSeenThroughTheStatusTexts) {
  solver.RunCalculation(host.board);
  auto technique = [](int id) {
    if (id == 1043) return 'F';
    if (id == 1061) return 'B';
    if (id >= 1040 && id <= 1042) return 'A';
    if (id >= 1037 && id <= 1039) return 'U';
    if (id >= 1034 && id <= 1036) return 'M';
    if (id >= 1031 && id <= 1033) return 'S';
    return '?';
  };
  struct Run {
    char kind;
    int texts;
  };
  std::vector<Run> runs;
  for (int id : host.texts) {
    const char k = technique(id);
    if (!runs.empty() && runs.back().kind == k) {
      ++runs.back().texts;
    } else {
      runs.push_back({k, 1});
    }
  }
  ASSERT_GE(runs.size(), 3u);
  EXPECT_EQ(runs[0].kind, 'F');
  EXPECT_EQ(runs[1].kind, 'B');
  // Restarts of the neighbouring-lines rule join its run, which always ends with a pass that
  // changed nothing.
  const std::string order = "BAUMS";
  for (size_t i = 1; i + 1 < runs.size(); ++i) {
    const int passes = runs[i].kind == 'B' ? 1 : runs[i].texts / 27;
    const char next = runs[i + 1].kind;
    if (passes > 1) {
      EXPECT_EQ(next, 'B') << "after run " << i << " of " << runs[i].kind;
    } else {
      EXPECT_EQ(next, order[order.find(runs[i].kind) + 1]) << "after run " << i;
    }
  }
  EXPECT_EQ(runs.back().kind, 'S');
  EXPECT_EQ(runs.back().texts, 27);
  int changedRuns = 0;
  for (const Run& r : runs) changedRuns += r.kind != 'B' && r.texts > 27;
  EXPECT_GT(changedRuns, 0);
}

TEST_F(LiveRunTest, OneLiveStepFromTheChain) {
  // The single step of the game: with empty cells the first step is the fill.
  state.SingleStep = true;
  solver.RunCalculation(host.board);
  EXPECT_EQ(host.snapshots, 1);
  EXPECT_EQ(host.board.cells[0], kAllDigits);
  state.SingleStep = true;
  solver.RunCalculation(host.board);
  EXPECT_EQ(host.snapshots, 2);
  int changed = 0;
  for (int i = 0; i < 81; ++i)
    changed += host.board.cells[i] != kAllDigits && !host.board.IsGiven(i);
  EXPECT_EQ(changed, 1);
}

}  // namespace
}  // namespace sudoku
