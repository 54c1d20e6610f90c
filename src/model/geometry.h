#pragma once
// Index arithmetic of the 9x9 board. Cells are row-major (index = row * 9 + column); blocks are
// numbered row-major, and so are the positions of cells inside a block. The 27 groups are
// numbered as in the group tables: columns 0-8, rows 9-17, blocks 18-26.

#include <array>

namespace sudoku {

constexpr int kCells = 81;
constexpr int kGroups = 27;

constexpr int ColumnOf(int cell) { return cell % 9; }
constexpr int RowOf(int cell) { return cell / 9; }
constexpr int BlockOf(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }
constexpr int PositionInBlock(int cell) { return ((cell / 9) % 3) * 3 + cell % 3; }

constexpr int CellAt(int column, int row) { return column + row * 9; }
constexpr int BlockAt(int column, int row) { return (row / 3) * 3 + column / 3; }
constexpr int PositionAt(int column, int row) { return (row % 3) * 3 + column % 3; }
constexpr int CellAtRowColumn(int row, int column) { return CellAt(column, row); }
constexpr int BlockAtRowColumn(int row, int column) { return BlockAt(column, row); }
constexpr int PositionAtRowColumn(int row, int column) { return PositionAt(column, row); }

constexpr int CellOfBlock(int block, int position) {
  return (block / 3) * 27 + (block % 3) * 3 + (position / 3) * 9 + position % 3;
}

constexpr int ColumnGroup(int column) { return column; }
constexpr int RowGroup(int row) { return 9 + row; }
constexpr int BlockGroup(int block) { return 18 + block; }

// The cell at position p of group g: the row for a column, the column for a row, the position
// inside the block for a block.
constexpr int GroupCell(int group, int p) {
  if (group < 9) return CellAt(group, p);
  if (group < 18) return CellAt(p, group - 9);
  return CellOfBlock(group - 18, p);
}

struct GroupCellTable {
  std::array<std::array<int, 9>, kGroups> cells{};
  constexpr GroupCellTable() {
    for (int g = 0; g < kGroups; ++g) {
      for (int p = 0; p < 9; ++p) cells[g][p] = GroupCell(g, p);
    }
  }
};
inline constexpr GroupCellTable kGroupCells{};

}  // namespace sudoku
