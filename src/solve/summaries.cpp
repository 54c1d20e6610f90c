#include "solve/summaries.h"

#include "model/geometry.h"

namespace sudoku {

void LineSummary::Rebuild(const Cells& cells, unsigned blocks) {
  for (unsigned left = blocks; left; left &= left - 1) {
    const int b = __builtin_ctz(left), band = b / 3, stack = b % 3;
    const DigitSet* at = cells.data() + CellOfBlock(b, 0);
    for (int k = 0; k < 3; ++k) {
      rowPart[(band * 3 + k) * 3 + stack] = Occurrence::Of(at[k * 9], at[k * 9 + 1], at[k * 9 + 2]);
      columnPart[(stack * 3 + k) * 3 + band] = Occurrence::Of(at[k], at[9 + k], at[18 + k]);
    }
    group[BlockGroup(b)] = Occurrence::Of(rowPart[band * 9 + stack], rowPart[band * 9 + 3 + stack],
                                          rowPart[band * 9 + 6 + stack]);
  }
  // A line is its three parts.
  for (int i = 0; i < 3; ++i) {
    if (blocks & (7u << (i * 3))) {
      for (int row = i * 3; row < i * 3 + 3; ++row) {
        group[RowGroup(row)] =
            Occurrence::Of(rowPart[row * 3], rowPart[row * 3 + 1], rowPart[row * 3 + 2]);
      }
    }
    if (blocks & (0x49u << i)) {
      for (int column = i * 3; column < i * 3 + 3; ++column) {
        group[ColumnGroup(column)] = Occurrence::Of(
            columnPart[column * 3], columnPart[column * 3 + 1], columnPart[column * 3 + 2]);
      }
    }
  }
}

void LockedDigits::Find(const LineSummary& lines) {
  // The other two lines of a line's band or stack, and the other two of three parts.
  static constexpr int8_t kOther1[9] = {1, 2, 0, 4, 5, 3, 7, 8, 6};
  static constexpr int8_t kOther2[9] = {2, 0, 1, 5, 3, 4, 8, 6, 7};
  DigitSet all = 0;
  auto rules = [&](const std::array<Occurrence, 27>& parts, std::array<DigitSet, 27>& inBlock,
                   std::array<DigitSet, 27>& inLine) {
    for (int line = 0; line < 9; ++line) {
      for (int k = 0; k < 3; ++k) {
        const DigitSet twice = parts[line * 3 + k].twice;
        const DigitSet restOfLine =
            parts[line * 3 + kOther1[k]].once | parts[line * 3 + kOther2[k]].once;
        const DigitSet restOfBlock =
            parts[kOther1[line] * 3 + k].once | parts[kOther2[line] * 3 + k].once;
        inBlock[line * 3 + k] = static_cast<DigitSet>(twice & ~restOfLine & restOfBlock);
        inLine[line * 3 + k] = static_cast<DigitSet>(twice & ~restOfBlock & restOfLine);
        all |= inBlock[line * 3 + k] | inLine[line * 3 + k];
      }
    }
  };
  rules(lines.rowPart, rowInBlock, blockInRow);
  rules(lines.columnPart, columnInBlock, blockInColumn);
  any = all != 0;
}

}  // namespace sudoku
