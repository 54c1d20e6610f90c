// The five techniques and the fill on a hidden board.

#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/tables.h"
#include "solve/solver.h"
#include "support/boards.h"
#include "support/fake_host.h"

namespace sudoku {
namespace {

using test::Puzzle;
using test::Set;

class TechniqueTest : public ::testing::Test {
 protected:
  TechniqueTest() { solver.Attach(board); }
  DigitSet& At(int column, int row) { return board.cells[CellAt(column, row)]; }

  RunState state;
  Solver solver{state};
  BoardRecord board;
};

TEST_F(TechniqueTest, NothingToDoOnAFullConsistentBoard) {
  board = Puzzle(test::kSolution);
  board.givens.Clear();
  const BoardRecord before = board;
  for (int scope : {199, 71, 1, 2, 4}) {
    EXPECT_FALSE(solver.AutoClean(scope));
    EXPECT_FALSE(solver.SeekUniqueValues(scope));
    EXPECT_FALSE(solver.SeekUnmistakableValuesIn3x3Group(scope));
    EXPECT_FALSE(solver.SameNumSetInDiffFields(scope));
  }
  EXPECT_FALSE(solver.BenachbarteSpaltenZeilenDesBlocks());
  EXPECT_FALSE(solver.Fill1To9(0));
  EXPECT_EQ(board, before);
  EXPECT_EQ(state.TechniqueChanges, 0);
}

TEST_F(TechniqueTest, AutoCleanRemovesFixedDigitsButNeverTouchesGivens) {
  board = Puzzle("5........"
                 "........."
                 "........."
                 "........."
                 "........."
                 "........."
                 "........."
                 "........."
                 ".........");
  At(4, 0) = Set({1, 5, 9});
  At(8, 0) = Set({5});  // a second fixed 5 in the row keeps its digit
  EXPECT_TRUE(solver.AutoClean(65));
  EXPECT_EQ(At(4, 0), Set({1, 9}));
  EXPECT_EQ(At(0, 0), Set({5}));
  EXPECT_EQ(At(8, 0), Set({5}));
  EXPECT_EQ(state.TechniqueChanges, 1);  // {1,5,9} -> {1,9}: weight |3 - 2|
}

TEST_F(TechniqueTest, RepeatOnlyWithAllGroups) {
  // Row 0: {1}, {1,2}, {2,3}. The first pass fixes 2; only a second pass fixes 3.
  At(0, 0) = Set({1});
  At(1, 0) = Set({1, 2});
  At(2, 0) = Set({2, 3});
  const BoardRecord start = board;
  EXPECT_TRUE(solver.AutoClean(65 | 128));  // 193: bit 7 dropped, one pass
  EXPECT_EQ(At(1, 0), Set({2}));
  EXPECT_EQ(At(2, 0), Set({2, 3}));
  board = start;
  EXPECT_TRUE(solver.AutoClean(199));
  EXPECT_EQ(At(2, 0), Set({3}));
}

TEST_F(TechniqueTest, TablesAreBuiltOncePerPass) {
  // The row fixes cell (1,0) to 2, but the column pass still works from the table built before
  // the rows, so (1,1) keeps its 2 until the next pass.
  At(0, 0) = Set({1});
  At(1, 0) = Set({1, 2});
  At(1, 1) = Set({2, 3});
  EXPECT_TRUE(solver.AutoClean(1 | 2 | 64));
  EXPECT_EQ(At(1, 0), Set({2}));
  EXPECT_EQ(At(1, 1), Set({2, 3}));
  EXPECT_TRUE(solver.AutoClean(1 | 2 | 64));
  EXPECT_EQ(At(1, 1), Set({3}));
}

TEST_F(TechniqueTest, CurrentGroupNeedsASelectedCell) {
  At(0, 0) = Set({1});
  At(5, 0) = Set({1, 2});
  EXPECT_FALSE(solver.AutoClean(1));  // no host, so no selected cell
  EXPECT_EQ(At(5, 0), Set({1, 2}));
}

TEST_F(TechniqueTest, SeekUniqueValues) {
  board.cells.fill(Set({1, 2, 3, 4, 5, 6, 8, 9}));
  At(4, 3) = Set({1, 2, 3, 7, 8});  // the only 7 of row 3 (and of its column and block)
  EXPECT_TRUE(solver.SeekUniqueValues(65));
  EXPECT_EQ(At(4, 3), Set({7}));
  EXPECT_EQ(state.TechniqueChanges, 1);

  board.cells.fill(Set({1, 2}));
  At(2, 5) = Set({7});  // 7 occurs once but is already fixed
  EXPECT_FALSE(solver.SeekUniqueValues(199));
}

TEST_F(TechniqueTest, SeekUnmistakableValuesIn3x3Group) {
  board.cells.fill(Set({1, 2}));
  // In row 0 the digit 5 stands only in block 0 (two cells): it leaves block 0's other rows.
  At(0, 0) = Set({5, 6});
  At(2, 0) = Set({5, 6});
  At(1, 1) = Set({5, 8});
  At(0, 2) = Set({5, 9});
  At(4, 4) = Set({5, 9});  // far away, untouched
  EXPECT_TRUE(solver.SeekUnmistakableValuesIn3x3Group(65));
  EXPECT_EQ(At(1, 1), Set({8}));
  EXPECT_EQ(At(0, 2), Set({9}));
  EXPECT_EQ(At(0, 0), Set({5, 6}));
  EXPECT_EQ(At(4, 4), Set({5, 9}));

  // A digit that is a candidate of one cell of a row only does not fire the row rule.
  board.cells.fill(Set({1, 2}));
  At(0, 0) = Set({5, 6});
  At(1, 1) = Set({5, 8});
  EXPECT_FALSE(solver.SeekUnmistakableValuesIn3x3Group(65));
}

TEST_F(TechniqueTest, SeekUnmistakableValuesFromABlock) {
  board.cells.fill(Set({1, 2}));
  // In block 4 the digit 7 sits only in its mini-column 1 (column 4): it leaves column 4
  // outside the block; in its mini-row 2 (row 5) the same for the row.
  At(4, 3) = Set({7, 3});
  At(4, 4) = Set({7, 3});
  At(4, 0) = Set({7, 8});
  At(4, 8) = Set({7, 8});
  At(0, 3) = Set({7, 8});  // same row, but the rule is on the column
  EXPECT_TRUE(solver.SeekUnmistakableValuesIn3x3Group(68));
  EXPECT_EQ(At(4, 0), Set({8}));
  EXPECT_EQ(At(4, 8), Set({8}));
  EXPECT_EQ(At(0, 3), Set({7, 8}));
}

TEST_F(TechniqueTest, SameNumSetInDiffFields) {
  board.cells.fill(kAllDigits);
  At(3, 0) = Set({4, 8});
  At(3, 6) = Set({4, 8});
  EXPECT_TRUE(solver.SameNumSetInDiffFields(66));
  for (int row = 0; row < 9; ++row) {
    if (row == 0 || row == 6) {
      EXPECT_EQ(At(3, row), Set({4, 8}));
    } else {
      EXPECT_EQ(At(3, row), static_cast<DigitSet>(kAllDigits & ~Set({4, 8})));
    }
  }
  board.cells.fill(kAllDigits);
  At(3, 0) = Set({4, 8});
  At(3, 6) = Set({4, 8});
  At(3, 7) = Set({4, 8});  // three cells, two digits
  EXPECT_FALSE(solver.SameNumSetInDiffFields(66));

  board.cells.fill(kAllDigits);
  At(0, 0) = Set({1, 2});
  At(1, 0) = Set({2, 3});
  At(2, 0) = Set({1, 3});  // no two identical sets
  EXPECT_FALSE(solver.SameNumSetInDiffFields(65));
}

TEST_F(TechniqueTest, NeighbouringLinesForceADigit) {
  board.cells.fill(Set({5, 6}));
  // 3 is fixed in rows 0 and 1 outside block 0, and row 2's other cells of the block are fixed.
  At(4, 0) = Set({3});
  At(7, 1) = Set({3});
  At(1, 2) = Set({1});
  At(2, 2) = Set({2});
  EXPECT_TRUE(solver.BenachbarteSpaltenZeilenDesBlocks());
  EXPECT_EQ(At(0, 2), Set({3}));  // set although 3 was no candidate
}

TEST_F(TechniqueTest, NeighbouringColumnsWhenTheRowTestDoesNotForce) {
  board.cells.fill(Set({5, 6}));
  // Row test for (0,2): rows 0 and 1 share the fixed 3, but row 2's neighbours are open.
  At(4, 0) = Set({3});
  At(7, 1) = Set({3});
  // Column test: columns 1 and 2 share the fixed 4 outside block 0, and rows 0 and 1 of
  // column 0 are fixed.
  At(1, 4) = Set({4});
  At(2, 7) = Set({4});
  At(0, 0) = Set({1});
  At(0, 1) = Set({2});
  EXPECT_TRUE(solver.BenachbarteSpaltenZeilenDesBlocks());
  EXPECT_EQ(At(0, 2), Set({4}));
}

TEST_F(TechniqueTest, Fill1To9) {
  board = Puzzle(test::kEasyPuzzle);
  board.cells[0] = Set({1, 2});
  EXPECT_TRUE(solver.Fill1To9(0));
  EXPECT_EQ(board.cells[0], Set({1, 2}));  // only empty cells
  EXPECT_EQ(board.cells[2], kAllDigits);
  EXPECT_EQ(board.cells[1], Set({4}));  // given
  EXPECT_EQ(state.TechniqueChanges, 1);
  EXPECT_FALSE(solver.Fill1To9(0));  // nothing empty any more
  EXPECT_EQ(state.TechniqueChanges, 1);
  EXPECT_TRUE(solver.Fill1To9(1));
  EXPECT_EQ(board.cells[0], kAllDigits);
  EXPECT_FALSE(solver.Fill1To9(2));  // no selected cell without a host
  EXPECT_FALSE(solver.Fill1To9(7));
}

TEST_F(TechniqueTest, WeightsAndGivensOfTheWritePath) {
  board = Puzzle(test::kEasyPuzzle);
  board.cells[0] = kAllDigits;
  solver.TechniqueChangeCell(0, Set({1, 2, 3}));  // 9 -> 3: weight 6
  EXPECT_EQ(state.TechniqueChanges, 6);
  solver.TechniqueChangeCell(0, Set({2}));  // a fixed digit weighs 1
  EXPECT_EQ(state.TechniqueChanges, 7);
  solver.TechniqueChangeCell(0, Set({2}));  // no change
  solver.TechniqueChangeCell(1, Set({5}));  // a given never changes
  EXPECT_EQ(board.cells[1], Set({4}));
  EXPECT_EQ(state.TechniqueChanges, 7);
  EXPECT_EQ(state.TotalChanges, 0);  // hidden changes are not part of a calculation
  solver.RequestStop();
  solver.TechniqueChangeCell(0, Set({3}));
  EXPECT_EQ(board.cells[0], Set({2}));
}

}  // namespace
}  // namespace sudoku
