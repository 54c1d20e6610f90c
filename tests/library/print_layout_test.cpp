// Where printed boards go and what they show; the print options' rules.

#include <gtest/gtest.h>

#include "library/print_layout.h"
#include "support/boards.h"

namespace sudoku {
namespace {

using test::kEasyPuzzle;

bool Solved(const BoardRecord& board) {
  for (DigitSet set : board.cells) {
    if (CountDigits(set) != 1) return false;
  }
  return true;
}

TEST(PrintOptions, OnePageForBothRaisesOnePerPageAndGivesItBack) {
  PrintOptions o;
  o.ChooseMode(kPrintBothOnOnePage);
  EXPECT_EQ(o.perPage, 2);
  EXPECT_FALSE(o.OnePerPageEnabled());
  o.ChooseMode(kPrintSolution);
  EXPECT_EQ(o.perPage, 1);
  EXPECT_TRUE(o.OnePerPageEnabled());

  // A count the user chose stays.
  o.ChoosePerPage(4);
  o.ChooseMode(kPrintBothOnOnePage);
  o.ChooseMode(kPrintPuzzle);
  EXPECT_EQ(o.perPage, 4);
  o.ChoosePerPage(1);
  o.ChooseMode(kPrintBothOnOnePage);
  o.ChoosePerPage(2);  // chosen while raised: no longer the mode's doing
  o.ChooseMode(kPrintPuzzle);
  EXPECT_EQ(o.perPage, 2);
}

TEST(PrintOptions, GivensOnlyNeedsEntriesAndAPuzzleToPrint) {
  PrintOptions o;
  EXPECT_FALSE(o.GivensOnlyEnabled());
  o.boardHasEntries = true;
  EXPECT_TRUE(o.GivensOnlyEnabled());
  o.ChooseMode(kPrintSolution);
  EXPECT_FALSE(o.GivensOnlyEnabled());
}

TEST(PrintLayout, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(7, 90, 100), 6);
  EXPECT_EQ(MulDiv(4961, 90, 100), 4465);  // 4464.9
  EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);  // no overflow on the way
}

class GamePrint : public ::testing::Test {
 protected:
  BoardRecord board = test::Puzzle(kEasyPuzzle);
  PrintOptions options;
  void SetUp() override {
    board.SetName("12.3.4");
    board.cells[0] = test::Set({5, 9});  // a player's candidates
    options.boardHasEntries = BoardHasEntries(board);
  }
};

TEST_F(GamePrint, OneBoardCentredInNineTenthsOfTheShorterSide) {
  const auto boards = PlanGamePrint(board, options, 4960, 7016);
  ASSERT_EQ(boards.size(), 1u);
  EXPECT_EQ(boards[0].size, 4464);
  EXPECT_EQ(boards[0].left, 248);
  EXPECT_EQ(boards[0].top, 1276);
  EXPECT_EQ(boards[0].board.Name(), "12.3.4");
}

TEST_F(GamePrint, PlayerEntriesOnlyWhenAskedFor) {
  ASSERT_TRUE(options.boardHasEntries);
  EXPECT_EQ(PlanGamePrint(board, options, 1000, 1000)[0].board.cells[0], 0);
  options.givensOnly = false;
  EXPECT_EQ(PlanGamePrint(board, options, 1000, 1000)[0].board.cells[0], test::Set({5, 9}));
  options.ChooseMode(kPrintSolution);
  const BoardRecord solution = PlanGamePrint(board, options, 1000, 1000)[0].board;
  EXPECT_TRUE(Solved(solution));
  EXPECT_EQ(solution.givens, board.givens);
}

TEST_F(GamePrint, PuzzleAndSolutionSideBySideOrOneAboveTheOther) {
  options.givensOnly = false;
  options.ChooseMode(kPrintBothOnOnePage);
  const auto landscape = PlanGamePrint(board, options, 3000, 2000);
  ASSERT_EQ(landscape.size(), 2u);
  EXPECT_EQ(landscape[0].size, 1200);  // 40 % of the width is less than 90 % of the height
  EXPECT_EQ(landscape[0].left, 150);
  EXPECT_EQ(landscape[0].top, 400);
  EXPECT_EQ(landscape[1].left, 1650);
  EXPECT_EQ(landscape[1].top, 400);
  EXPECT_EQ(landscape[0].board.cells[0], test::Set({5, 9}));
  EXPECT_FALSE(Solved(landscape[0].board));
  EXPECT_TRUE(Solved(landscape[1].board));
  EXPECT_EQ(landscape[0].page, landscape[1].page);

  const auto portrait = PlanGamePrint(board, options, 2000, 3000);
  EXPECT_EQ(portrait[0].top, 150);
  EXPECT_EQ(portrait[1].top, 1650);
  EXPECT_EQ(portrait[1].left, 400);

  options.ChooseMode(kPrintBothOnTwoPages);
  const auto pages = PlanGamePrint(board, options, 2000, 3000);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1].page, 1);
  EXPECT_EQ(pages[1].left, pages[0].left);
  EXPECT_EQ(pages[1].top, pages[0].top);
}

class ListPrint : public ::testing::Test {
 protected:
  std::vector<PrintListEntry> entries;
  PrintOptions options;
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      entries.push_back({TransformSudoku(kEasyPuzzle, i, 0), "1." + std::to_string(i + 1) + ".1"});
    }
  }
};

TEST_F(ListPrint, SolutionsOnPagesOfTheirOwn) {
  options.ChoosePerPage(2);
  options.ChooseMode(kPrintBothOnTwoPages);
  const auto boards = PlanListPrint(entries, options, 2000, 3000);
  ASSERT_EQ(boards.size(), 6u);
  const int pages[] = {0, 0, 1, 2, 2, 3};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(boards[i].page, pages[i]) << i;
    EXPECT_EQ(Solved(boards[i].board), i >= 3) << i;
    EXPECT_EQ(boards[i].board.Name(), entries[i % 3].number);
  }
  // Portrait halves: upper and lower.
  EXPECT_EQ(boards[0].size, 1350);
  EXPECT_EQ(boards[0].top, 75);
  EXPECT_EQ(boards[1].top, 1575);
  EXPECT_EQ(boards[2].top, 75);
}

TEST_F(ListPrint, PuzzleBeforeSolutionFourToAPage) {
  options.ChoosePerPage(4);
  options.ChooseMode(kPrintBothOnOnePage);
  entries.insert(entries.begin() + 1, {"123", "broken"});  // no puzzle string: left out
  const auto boards = PlanListPrint(entries, options, 2000, 2000);
  ASSERT_EQ(boards.size(), 6u);
  const int lefts[] = {50, 1050, 50, 1050, 50, 1050};
  const int tops[] = {50, 50, 1050, 1050, 50, 50};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(boards[i].page, i < 4 ? 0 : 1) << i;
    EXPECT_EQ(Solved(boards[i].board), i % 2 == 1) << i;
    EXPECT_EQ(boards[i].left, lefts[i]) << i;
    EXPECT_EQ(boards[i].top, tops[i]) << i;
  }
  EXPECT_EQ(boards[2].board.Name(), "1.2.1");
}

TEST_F(ListPrint, OnlyTheSolutionsOnePerPage) {
  options.ChooseMode(kPrintSolution);
  const auto boards = PlanListPrint(entries, options, 1000, 1000);
  ASSERT_EQ(boards.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(boards[i].page, static_cast<int>(i));
    EXPECT_TRUE(Solved(boards[i].board));
    EXPECT_EQ(boards[i].size, 900);
  }
}

}  // namespace
}  // namespace sudoku
