#include "model/tables.h"

#include "model/geometry.h"

namespace sudoku {

void BuildGroupTable(const Cells& cells, GroupTable& table) {
  table = {};
  // Without branches: the solver builds this table on every pass, and whether a cell is fixed
  // is as good as random.
  int i = 0;
  for (int r = 0; r < 9; ++r) {
    GroupEntry& row = table[9 + r];
    for (int c = 0; c < 9; ++c, ++i) {
      const DigitSet single = FixedDigitBit(cells[i]);
      const auto fixed = static_cast<uint16_t>(single != 0);
      table[c].positions |= static_cast<uint16_t>(fixed << r);
      table[c].digits |= single;
      row.positions |= static_cast<uint16_t>(fixed << c);
      row.digits |= single;
      GroupEntry& block = table[18 + (r / 3) * 3 + c / 3];
      block.positions |= static_cast<uint16_t>(fixed << ((r % 3) * 3 + c % 3));
      block.digits |= single;
    }
  }
}

void BuildDigitCountTable(const Cells& cells, DigitCountTable& table) {
  table = {};
  for (int i = 0; i < kCells; ++i) {
    unsigned set = cells[i] & kAllDigits;
    uint8_t* column = table.data() + ColumnOf(i) * 9;
    uint8_t* row = table.data() + (9 + RowOf(i)) * 9;
    uint8_t* block = table.data() + (18 + BlockOf(i)) * 9;
    while (set) {
      const int d = __builtin_ctz(set) - 1;
      set &= set - 1;
      ++column[d];
      ++row[d];
      ++block[d];
    }
  }
}

void BuildBlockLineCountTable(const Cells& cells, BlockLineCountTable& table) {
  table = {};
  for (int i = 0; i < kCells; ++i) {
    unsigned set = cells[i] & kAllDigits;
    uint8_t* block = table.data() + BlockOf(i) * 54;
    uint8_t* column = block + (ColumnOf(i) % 3) * 9;
    uint8_t* row = block + 27 + (RowOf(i) % 3) * 9;
    while (set) {
      const int d = __builtin_ctz(set) - 1;
      set &= set - 1;
      ++column[d];
      ++row[d];
    }
  }
}

void BuildUniqueCandidateTable(const DigitCountTable& counts, const GroupTable& groups,
                               UniqueCandidateTable& table) {
  for (int g = 0; g < kGroups; ++g) {
    for (int d = 1; d <= 9; ++d) {
      const int k = g * 9 + d - 1;
      table[k] = counts[k] == 1 && !(groups[g].digits & DigitBit(d)) ? 1 : 0;
    }
  }
}

bool IsSolved(const Cells& cells) {
  GroupTable table;
  BuildGroupTable(cells, table);
  return table == kCompleteGroupTable;
}

}  // namespace sudoku
