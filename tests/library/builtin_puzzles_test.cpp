// The compiled table of built-in puzzles: what the catalogue, the hall of fame and the player
// rely on.

#include "library/builtin_puzzles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/puzzle_string.h"
#include "model/tables.h"
#include "solve/solver.h"

namespace sudoku {
namespace {

TEST(BuiltinPuzzles, TheTableEndsWhereTheScanStops) {
  EXPECT_TRUE(BuiltinPuzzleText(kFirstBuiltinPuzzleId - 1).empty());
  EXPECT_TRUE(BuiltinPuzzleText(kFirstBuiltinPuzzleId + kBuiltinPuzzleCount).empty());
  EXPECT_TRUE(BuiltinPuzzleText(-1).empty());
  EXPECT_EQ(BuiltinPuzzleText(120),
            "040007000006900400002006075790300020003000600010005034180700200004009800000400090");
  EXPECT_EQ(BuiltinPuzzleText(121),
            "060100743039600050800050010050000201006010007008000000000003900040280500000009000");
  EXPECT_EQ(BuiltinPuzzleText(199),
            "000207000036040700700000800100008000073000520000900004009000008007050360000601000");
}

TEST(BuiltinPuzzles, EveryPuzzleIsNewSolvableAndInOrderOfDifficulty) {
  RunState state;
  Solver solver(state);
  std::vector<std::string> before;
  int previousSteps = 0;
  for (int id = 120; id <= 199; ++id) {
    SCOPED_TRACE(id);
    const std::string text(BuiltinPuzzleText(id));
    ASSERT_TRUE(IsSudokuString(text));
    int givens = 0;
    EXPECT_TRUE(IsNewSudoku(text, before, &givens));
    EXPECT_GE(givens, 22);
    EXPECT_LE(givens, 29);

    BoardRecord board;
    ASSERT_TRUE(LoadBoardFromString(board, text, true, solver));
    EXPECT_TRUE(IsSolved(board.cells));
    // Easy ones first; the first two and the last one have their places for other reasons.
    if (id >= 123 && id <= 198) {
      EXPECT_GE(state.TechniqueChanges, previousSteps);
    }
    previousSteps = state.TechniqueChanges;
    before.push_back(text);
  }
}

}  // namespace
}  // namespace sudoku
