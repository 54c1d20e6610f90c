#include "solve/summaries.h"

#include "model/geometry.h"

namespace sudoku {
void LineSummary::Build(const Cells& cells) {
  // Three sets: the digits in any, and the digits in at least two of them.
  auto three = [](DigitSet a, DigitSet b, DigitSet c) {
    return Occurrence{static_cast<DigitSet>(a | b | c),
                      static_cast<DigitSet>((a & b) | (a & c) | (b & c))};
  };
  for (int b = 0; b < 9; ++b) {
    const DigitSet* at = cells.data() + CellOfBlock(b, 0);
    DigitSet s[3][3], o[3][3];
    for (int k = 0; k < 3; ++k) {
      for (int j = 0; j < 3; ++j) {
        s[k][j] = at[k * 9 + j];
        o[k][j] = OpenPart(s[k][j]);
      }
    }
    for (int k = 0; k < 3; ++k) {
      miniRow[b * 3 + k] = three(s[k][0], s[k][1], s[k][2]);
      miniColumn[b * 3 + k] = three(s[0][k], s[1][k], s[2][k]);
      openMiniRow[b * 3 + k] = o[k][0] | o[k][1] | o[k][2];
      openMiniColumn[b * 3 + k] = o[0][k] | o[1][k] | o[2][k];
    }
    Occurrence block = miniRow[b * 3];
    block.Add(miniRow[b * 3 + 1]);
    block.Add(miniRow[b * 3 + 2]);
    group[18 + b] = block;
    open[18 + b] = openMiniRow[b * 3] | openMiniRow[b * 3 + 1] | openMiniRow[b * 3 + 2];
  }
  for (int line = 0; line < 9; ++line) {
    const int first = line / 3 * 3, k = line % 3;
    Occurrence row = miniRow[first * 3 + k];
    row.Add(miniRow[(first + 1) * 3 + k]);
    row.Add(miniRow[(first + 2) * 3 + k]);
    group[9 + line] = row;
    open[9 + line] = openMiniRow[first * 3 + k] | openMiniRow[(first + 1) * 3 + k] |
                     openMiniRow[(first + 2) * 3 + k];
    const int stack = line / 3;
    Occurrence column = miniColumn[stack * 3 + k];
    column.Add(miniColumn[(stack + 3) * 3 + k]);
    column.Add(miniColumn[(stack + 6) * 3 + k]);
    group[line] = column;
    open[line] = openMiniColumn[stack * 3 + k] | openMiniColumn[(stack + 3) * 3 + k] |
                 openMiniColumn[(stack + 6) * 3 + k];
  }
}

}  // namespace sudoku
