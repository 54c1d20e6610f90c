#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/tables.h"
#include "support/boards.h"

namespace sudoku {
namespace {

using test::Puzzle;
using test::Set;

TEST(DigitSet, SingleDigitAndFriends) {
  EXPECT_EQ(SingleDigit(0), -1);
  EXPECT_EQ(SingleDigit(Set({5})), 5);
  EXPECT_EQ(SingleDigit(Set({5, 7})), -1);
  EXPECT_EQ(SingleDigit(1), 0);  // bit 0 alone
  EXPECT_EQ(SingleDigit(kAllDigits), -1);
  EXPECT_EQ(DigitChar(Set({9})), '9');
  EXPECT_EQ(DigitChar(Set({5, 7})), '0');
  EXPECT_EQ(DigitChar(1), '0');
  EXPECT_EQ(CountDigits(kAllDigits), 9);
  EXPECT_EQ(CountDigits(0xFC01), 0);  // bits outside 1-9 never count
  EXPECT_EQ(NthDigit(Set({2, 4, 9}), 1), 2);
  EXPECT_EQ(NthDigit(Set({2, 4, 9}), 3), 9);
  EXPECT_EQ(NthDigit(Set({2, 4, 9}), 4), 0);
  std::array<int, 9> counters{};
  AddDigitCounts(counters, Set({1, 9}));
  AddDigitCounts(counters, Set({9}));
  EXPECT_EQ(counters[0], 1);
  EXPECT_EQ(counters[8], 2);
  EXPECT_EQ(MaskDigits(0xFFFF), kAllDigits);
}

TEST(CellSet, MembershipStaysInsideTheBoard) {
  CellSet s;
  s.Add(0);
  s.Add(80);
  s.Add(81);  // ignored
  EXPECT_TRUE(s.Contains(0));
  EXPECT_TRUE(s.Contains(80));
  for (int i = 81; i <= 90; ++i) EXPECT_FALSE(s.Contains(i));
  EXPECT_FALSE(s.Contains(-1));
  EXPECT_EQ(s.bytes[10], 0x01);
  s.bytes[10] = 0xFF;
  EXPECT_FALSE(s.Contains(87));
  s.Normalise();
  EXPECT_EQ(s.bytes[10], 0x01);
  s.Remove(0);
  s.Remove(80);
  EXPECT_TRUE(s.Empty());
}

TEST(Geometry, IndexArithmeticAgrees) {
  for (int i = 0; i < 81; ++i) {
    const int r = RowOf(i), c = ColumnOf(i);
    EXPECT_EQ(CellAt(c, r), i);
    EXPECT_EQ(CellAtRowColumn(r, c), i);
    EXPECT_EQ(BlockOf(i), (r / 3) * 3 + c / 3);
    EXPECT_EQ(BlockAt(c, r), BlockOf(i));
    EXPECT_EQ(BlockAtRowColumn(r, c), BlockOf(i));
    EXPECT_EQ(PositionAt(c, r), PositionInBlock(i));
    EXPECT_EQ(PositionAtRowColumn(r, c), PositionInBlock(i));
    EXPECT_EQ(CellOfBlock(BlockOf(i), PositionInBlock(i)), i);
    EXPECT_EQ(kGroupCells.cells[ColumnGroup(c)][r], i);
    EXPECT_EQ(kGroupCells.cells[RowGroup(r)][c], i);
    EXPECT_EQ(kGroupCells.cells[BlockGroup(BlockOf(i))][PositionInBlock(i)], i);
  }
  EXPECT_EQ(CellOfBlock(8, 8), 80);
  EXPECT_EQ(CellOfBlock(4, 0), 30);
}

TEST(BoardRecord, ByteLayoutIsExact) {
  BoardRecord b = Puzzle(test::kEasyPuzzle);
  b.SetName("12.3.4");
  b.cells[0] = Set({1, 9});  // 0x0202
  b.marked.Add(80);
  const auto bytes = b.ToBytes();
  ASSERT_EQ(bytes.size(), 200u);
  EXPECT_EQ(bytes[0], 6);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 7), "12.3.4");
  EXPECT_EQ(bytes[16], 0x02);
  EXPECT_EQ(bytes[17], 0x02);
  EXPECT_EQ(bytes[18], 0x10);  // cell 1 holds the given 4
  EXPECT_EQ(bytes[19], 0x00);
  EXPECT_EQ(bytes[178], 0x22);  // givens: cells 1 and 5 of the first eight
  EXPECT_EQ(bytes[199], 0x01);  // marked: cell 80
  EXPECT_EQ(BoardRecord::FromBytes(bytes), b);
}

TEST(BoardRecord, RecordsFromOutsideAreMadeSafe) {
  std::array<uint8_t, 200> bytes{};
  bytes[0] = 40;  // name length beyond the field
  for (int i = 1; i < 16; ++i) bytes[i] = 'a';
  bytes[16] = 0xFF;  // cell 0 with stray bits
  bytes[17] = 0xFF;
  bytes[188] = 0xFF;  // givens bits 80-87
  const BoardRecord b = BoardRecord::FromBytes(bytes);
  EXPECT_EQ(b.Name(), std::string(15, 'a'));
  EXPECT_EQ(b.cells[0], kAllDigits);
  EXPECT_TRUE(b.IsGiven(80));
  EXPECT_EQ(b.givens.bytes[10], 0x01);
  BoardRecord named;
  named.SetName("a name that is far too long");
  EXPECT_EQ(named.Name(), "a name that is ");
}

TEST(BoardRecord, NamesAndListNumbers) {
  EXPECT_EQ(ListNumber("12.3"), 12);
  EXPECT_EQ(ListNumber("12.3.4"), 12);
  EXPECT_EQ(ListNumber("ab.3"), 0);
  EXPECT_EQ(ListNumber("12"), 0);
  EXPECT_EQ(ListNumber(""), 0);
  EXPECT_EQ(ListNumber(".1.1"), 0);
  EXPECT_EQ(ListNumber("99999999999.1"), 0);
  EXPECT_EQ(PuzzleIdOf("12"), "12");
  EXPECT_EQ(PuzzleIdOf("12.3.4"), "12");
  EXPECT_EQ(PuzzleIdOf(""), "");
}

TEST(GroupTable, FixedCellsOnly) {
  BoardRecord b;
  b.cells[CellAt(2, 4)] = Set({5});
  b.cells[CellAt(3, 4)] = Set({5, 7});
  GroupTable t;
  BuildGroupTable(b.cells, t);
  EXPECT_EQ(t[2].positions, 1u << 4);
  EXPECT_EQ(t[2].digits, Set({5}));
  EXPECT_EQ(t[9 + 4].positions, 1u << 2);
  EXPECT_EQ(t[18 + 3].positions, 1u << 5);  // block 3, row 1 of it, column 2 of it
  EXPECT_EQ(t[3].positions, 0u);            // {5,7} is not fixed
  EXPECT_EQ(BoardToString(b)[CellAt(2, 4)], '5');
  EXPECT_EQ(BoardToString(b)[CellAt(3, 4)], '0');
}

TEST(GroupTable, SolvedTest) {
  BoardRecord b = Puzzle(test::kSolution);
  EXPECT_TRUE(IsSolved(b.cells));
  b.cells[1] = b.cells[0];  // every cell fixed, but 5 twice in row 0
  EXPECT_FALSE(IsSolved(b.cells));
  b = Puzzle(test::kSolution);
  b.cells[40] = Set({1, 5});
  EXPECT_FALSE(IsSolved(b.cells));
  EXPECT_EQ(kCompleteGroupTable[26], (GroupEntry{0x01FF, 0x03FE}));
}

TEST(CountTables, CountCandidatesPerGroupAndBlockLine) {
  BoardRecord b;
  b.cells[CellAt(0, 0)] = Set({1, 2});
  b.cells[CellAt(1, 0)] = Set({1});
  b.cells[CellAt(0, 2)] = Set({1, 9});
  b.cells[CellAt(8, 8)] = Set({9});
  DigitCountTable counts;
  BuildDigitCountTable(b.cells, counts);
  EXPECT_EQ(counts[0 * 9 + 0], 2);         // column 0, digit 1
  EXPECT_EQ(counts[(9 + 0) * 9 + 0], 2);   // row 0, digit 1
  EXPECT_EQ(counts[(18 + 0) * 9 + 0], 3);  // block 0, digit 1
  EXPECT_EQ(counts[(18 + 8) * 9 + 8], 1);  // block 8, digit 9
  BlockLineCountTable lines;
  BuildBlockLineCountTable(b.cells, lines);
  EXPECT_EQ(lines[0 * 54 + 0 * 9 + 0], 2);       // block 0, mini-column 0, digit 1
  EXPECT_EQ(lines[0 * 54 + 1 * 9 + 0], 1);       // mini-column 1
  EXPECT_EQ(lines[0 * 54 + 27 + 0 * 9 + 0], 2);  // mini-row 0
  EXPECT_EQ(lines[0 * 54 + 27 + 2 * 9 + 8], 1);  // mini-row 2, digit 9
  EXPECT_EQ(lines[8 * 54 + 2 * 9 + 8], 1);
  GroupTable groups;
  BuildGroupTable(b.cells, groups);
  UniqueCandidateTable unique;
  BuildUniqueCandidateTable(counts, groups, unique);
  EXPECT_EQ(unique[(9 + 0) * 9 + 1], 1);   // 2 only once in row 0
  EXPECT_EQ(unique[(9 + 0) * 9 + 0], 0);   // 1 twice in row 0
  EXPECT_EQ(unique[(18 + 8) * 9 + 8], 0);  // 9 once in block 8 but already fixed there
}

TEST(GivensConsistent, OnlyGivensCount) {
  EXPECT_TRUE(GivensConsistent(Puzzle(test::kEasyPuzzle)));
  BoardRecord b = Puzzle(test::kEasyPuzzle);
  b.cells[0] = Set({4});  // a player's 4 beside the given 4 of row 0 is not a given
  EXPECT_TRUE(GivensConsistent(b));
  b.givens.Add(0);
  EXPECT_FALSE(GivensConsistent(b));
  EXPECT_FALSE(GivensConsistent(Puzzle("5........"
                                       "........."
                                       "........."
                                       "........."
                                       "........."
                                       "........."
                                       "........."
                                       "........."
                                       "5........")));  // column
  EXPECT_FALSE(GivensConsistent(Puzzle("5........"
                                       "..5......"
                                       "........."
                                       "........."
                                       "........."
                                       "........."
                                       "........."
                                       "........."
                                       ".........")));  // block
  EXPECT_TRUE(GivensConsistent(BoardRecord{}));
}

}  // namespace
}  // namespace sudoku
