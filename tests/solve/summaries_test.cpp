// The solver's bit-parallel summaries answer what the count tables answer.

#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/tables.h"
#include "solve/summaries.h"

namespace sudoku {
namespace {

Cells RandomCells(uint32_t& seed, int fixedPercent) {
  Cells cells{};
  for (DigitSet& s : cells) {
    seed = seed * 134775813u + 1;
    if (static_cast<int>(seed >> 25) % 100 < fixedPercent) {
      s = DigitBit(1 + static_cast<int>((seed >> 8) % 9));
    } else {
      s = MaskDigits(seed >> 13);
    }
  }
  return cells;
}

TEST(LineSummary, AgreesWithTheCountTables) {
  uint32_t seed = 12345;
  for (int round = 0; round < 300; ++round) {
    const Cells cells = RandomCells(seed, round % 90);
    LineSummary lines;
    lines.Build(cells);
    DigitCountTable counts;
    BlockLineCountTable blockLines;
    GroupTable groups;
    UniqueCandidateTable unique;
    BuildDigitCountTable(cells, counts);
    BuildBlockLineCountTable(cells, blockLines);
    BuildGroupTable(cells, groups);
    BuildUniqueCandidateTable(counts, groups, unique);
    for (int g = 0; g < 27; ++g) {
      for (int d = 1; d <= 9; ++d) {
        const int n = counts[g * 9 + d - 1];
        ASSERT_EQ((lines.group[g].once >> d) & 1, n >= 1 ? 1 : 0);
        ASSERT_EQ((lines.group[g].twice >> d) & 1, n >= 2 ? 1 : 0);
        ASSERT_EQ((UniqueCandidates(lines, groups, g) >> d) & 1, unique[g * 9 + d - 1]);
      }
    }
    for (int line = 0; line < 9; ++line) {
      for (int k = 0; k < 3; ++k) {
        for (int d = 1; d <= 9; ++d) {
          const int rowBlock = line / 3 * 3 + k, columnBlock = k * 3 + line / 3;
          const int inRow = blockLines[rowBlock * 54 + 27 + (line % 3) * 9 + d - 1];
          const int inColumn = blockLines[columnBlock * 54 + (line % 3) * 9 + d - 1];
          const int rowCount = counts[(9 + line) * 9 + d - 1];
          const int columnCount = counts[line * 9 + d - 1];
          ASSERT_EQ((lines.RowConfinedToBlock(line, k) >> d) & 1, inRow > 1 && inRow == rowCount);
          ASSERT_EQ((lines.ColumnConfinedToBlock(line, k) >> d) & 1,
                    inColumn > 1 && inColumn == columnCount);
          const int b = line, blockCount = counts[(18 + b) * 9 + d - 1];
          const int miniColumn = blockLines[b * 54 + k * 9 + d - 1];
          const int miniRow = blockLines[b * 54 + 27 + k * 9 + d - 1];
          ASSERT_EQ((lines.BlockConfinedToColumn(b, k) >> d) & 1,
                    miniColumn > 1 && miniColumn == blockCount);
          ASSERT_EQ((lines.BlockConfinedToRow(b, k) >> d) & 1,
                    miniRow > 1 && miniRow == blockCount);
        }
      }
    }
  }
}

}  // namespace
}  // namespace sudoku
