#include "solve/summaries.h"

#include "model/geometry.h"

namespace sudoku {

void LineSummary::BuildBlocks(const Cells& cells, unsigned blocks) {
  for (; blocks; blocks &= blocks - 1) {
    const int b = __builtin_ctz(blocks);
    const DigitSet* at = cells.data() + CellOfBlock(b, 0);
    for (int k = 0; k < 3; ++k) {
      miniRow[b * 3 + k] = Occurrence::Of(at[k * 9], at[k * 9 + 1], at[k * 9 + 2]);
      miniColumn[b * 3 + k] = Occurrence::Of(at[k], at[9 + k], at[18 + k]);
    }
  }
}

void LineSummary::Combine() {
  for (int b = 0; b < 9; ++b) {
    group[18 + b] = Occurrence::Of(miniRow[b * 3], miniRow[b * 3 + 1], miniRow[b * 3 + 2]);
  }
  // Line k of band (stack) i is mini-line k of its three blocks.
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 3; ++k) {
      group[9 + i * 3 + k] = Occurrence::Of(miniRow[(i * 3) * 3 + k], miniRow[(i * 3 + 1) * 3 + k],
                                            miniRow[(i * 3 + 2) * 3 + k]);
      group[i * 3 + k] = Occurrence::Of(miniColumn[i * 3 + k], miniColumn[(i + 3) * 3 + k],
                                        miniColumn[(i + 6) * 3 + k]);
    }
  }
}

}  // namespace sudoku
