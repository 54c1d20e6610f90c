#include "solve/group_tracker.h"

#include "model/geometry.h"

namespace sudoku {

void GroupTracker::Reset(const Cells& cells) {
  BuildGroupTable(cells, table_);
  counts_ = {};
  for (int i = 0; i < kCells; ++i) {
    const int d = SingleDigit(cells[i]);
    if (d < 1) continue;
    ++counts_[ColumnGroup(ColumnOf(i))][d];
    ++counts_[RowGroup(RowOf(i))][d];
    ++counts_[BlockGroup(BlockOf(i))][d];
  }
}

void GroupTracker::Refix(int cell, DigitSet before, DigitSet after) {
  const int groups[3] = {ColumnGroup(ColumnOf(cell)), RowGroup(RowOf(cell)),
                         BlockGroup(BlockOf(cell))};
  const int positions[3] = {RowOf(cell), ColumnOf(cell), PositionInBlock(cell)};
  for (int k = 0; k < 3; ++k) {
    GroupEntry& entry = table_[groups[k]];
    auto& counts = counts_[groups[k]];
    const auto bit = static_cast<uint16_t>(1u << positions[k]);
    if (before) {
      entry.positions &= static_cast<uint16_t>(~bit);
      const int d = SingleDigit(before);
      if (--counts[d] == 0) entry.digits &= static_cast<uint16_t>(~before);
    }
    if (after) {
      entry.positions |= bit;
      const int d = SingleDigit(after);
      if (counts[d]++ == 0) entry.digits |= after;
    }
  }
}

}  // namespace sudoku
