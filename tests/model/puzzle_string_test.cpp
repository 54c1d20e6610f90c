#include <gtest/gtest.h>

#include "model/puzzle_string.h"
#include "support/boards.h"

namespace sudoku {
namespace {

using test::kEasyPuzzle;

TEST(PuzzleString, Validity) {
  EXPECT_TRUE(IsSudokuString(kEasyPuzzle));
  std::string s(kEasyPuzzle);
  s[0] = ' ';
  EXPECT_FALSE(IsSudokuString(s));
  EXPECT_EQ(CountFilled(s), CountFilled(kEasyPuzzle));  // the blank counts as empty
  EXPECT_FALSE(IsSudokuString(std::string(80, '0')));
  EXPECT_FALSE(IsSudokuString(std::string(82, '0')));
}

TEST(PuzzleString, CountingAndFirstGiven) {
  EXPECT_EQ(CountFilled(kEasyPuzzle), 28);
  EXPECT_EQ(FirstFilledPosition(kEasyPuzzle), 1);
  EXPECT_EQ(CountFilled(std::string(80, '1')), -1);
  EXPECT_EQ(CountFilled(std::string(81, '0')), 0);
  EXPECT_EQ(FirstFilledPosition(std::string(81, '0')), -1);
  std::string letters(81, '0');
  letters[7] = 'x';
  EXPECT_EQ(CountFilled(letters), 1);  // letters count as givens here
  EXPECT_EQ(FirstFilledPosition(letters), 7);
  std::string terminated(81, '0');
  terminated[3] = '\0';
  terminated[9] = '5';
  EXPECT_EQ(FirstFilledPosition(terminated), -1);
  EXPECT_EQ(CountFilled(terminated), -1);
  EXPECT_EQ(CountFilled(std::string(81, '0') + "999"), 0);  // only the first 81 count
}

TEST(PuzzleString, LoadingKeepsNameAndMarks) {
  BoardRecord b;
  b.SetName("7.1.1");
  b.marked.Add(4);
  b.cells[0] = 0x0202;
  EXPECT_FALSE(LoadBoardFromString(b, std::string(80, '1')));
  EXPECT_EQ(b.cells[0], 0x0202);  // untouched
  std::string s(81, '0');
  s[0] = '9';
  s[1] = 'a';
  s[2] = '.';
  ASSERT_TRUE(LoadBoardFromString(b, s));
  EXPECT_EQ(b.cells[0], DigitBit(9));
  EXPECT_EQ(b.cells[1], 0);
  EXPECT_EQ(b.cells[2], 0);
  EXPECT_TRUE(b.IsGiven(0));
  EXPECT_FALSE(b.IsGiven(1));
  EXPECT_EQ(b.Name(), "7.1.1");
  EXPECT_TRUE(b.marked.Contains(4));
  EXPECT_EQ(BoardToString(test::Puzzle(kEasyPuzzle)), kEasyPuzzle);
}

TEST(Transform, CellMovesOfTheEightVariants) {
  // One given 7 at row 0, column 1 (cell 1) shows where each transformation takes a cell.
  std::string p(81, '0');
  p[1] = '7';
  const int expected[8] = {
      1,          // unchanged
      1 * 9 + 8,  // quarter turn clockwise: (b, 8 - a)
      8 * 9 + 7,  // half turn
      7 * 9 + 0,  // quarter turn counter-clockwise: (8 - b, a)
      0 * 9 + 7,  // mirror left to right
      7 * 9 + 8,  // mirrored, then a quarter turn clockwise: (8 - b, 8 - a)
      8 * 9 + 1,  // mirror top to bottom
      1 * 9 + 0,  // mirror about the main diagonal
  };
  for (int t = 0; t < 8; ++t) {
    const std::string q = TransformSudoku(p, 0, t);
    EXPECT_EQ(q.find('7'), static_cast<size_t>(expected[t])) << "t=" << t;
    EXPECT_EQ(CountFilled(q), 1);
  }
  // t = 4 + k is the mirror image turned k quarter turns.
  const std::string whole(kEasyPuzzle);
  for (int k = 0; k < 4; ++k) {
    std::string turned = TransformSudoku(whole, 0, 4);
    for (int i = 0; i < k; ++i) turned = TransformSudoku(turned, 0, 1);
    EXPECT_EQ(turned, TransformSudoku(whole, 0, 4 + k)) << k;
  }
  EXPECT_EQ(TransformSudoku(TransformSudoku(whole, 0, 1), 0, 3), whole);
  EXPECT_EQ(TransformSudoku(whole.substr(1), 0, 0), "");
}

TEST(Transform, DigitShiftWrapsAround) {
  std::string p(81, '0');
  p[0] = '9';
  p[1] = '1';
  p[2] = '5';
  const std::string q = TransformSudoku(p, 3, 0);
  EXPECT_EQ(q.substr(0, 3), "348");
  EXPECT_EQ(TransformSudoku(p, -1, 0).substr(0, 3), "894");
  EXPECT_EQ(TransformSudoku(p, 9, 0), p);
  EXPECT_EQ(TransformSudoku(p, -270, 0), p);
  EXPECT_EQ(TransformSudoku(p, -1000, 0).substr(0, 3), TransformSudoku(p, 8, 0).substr(0, 3));
}

TEST(IsNewSudoku, FindsEveryVariant) {
  const std::vector<std::string> list = {std::string(test::kSolution.substr(0, 40)) +
                                             std::string(41, '0'),
                                         std::string(kEasyPuzzle)};
  int givens = 0;
  for (int t = 0; t < 8; ++t) {
    for (int s = 0; s < 9; ++s) {
      EXPECT_FALSE(IsNewSudoku(TransformSudoku(kEasyPuzzle, s, t), list, &givens));
      EXPECT_EQ(givens, 28);
    }
  }
  std::string other(kEasyPuzzle);
  std::swap(other[1], other[5]);  // moves a given: not a variant any more
  EXPECT_TRUE(IsNewSudoku(other, list, &givens));
  EXPECT_FALSE(IsNewSudoku(std::string(81, '0'), {}, &givens));
  EXPECT_EQ(givens, 0);
  EXPECT_FALSE(IsNewSudoku(test::kSolution, {}, &givens));
  EXPECT_EQ(givens, 81);
  EXPECT_TRUE(IsNewSudoku(kEasyPuzzle, {}, &givens));
}

}  // namespace
}  // namespace sudoku
