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
    // The locked candidates: confined to a part, in two or more cells, and present where
    // they would be removed.
    LockedDigits locked;
    locked.Find(lines);
    bool any = false;
    for (int line = 0; line < 9; ++line) {
      for (int k = 0; k < 3; ++k) {
        for (int d = 1; d <= 9; ++d) {
          const int rowBlock = line / 3 * 3 + k, columnBlock = k * 3 + line / 3;
          const int inRow = blockLines[rowBlock * 54 + 27 + (line % 3) * 9 + d - 1];
          const int inColumn = blockLines[columnBlock * 54 + (line % 3) * 9 + d - 1];
          const int rowCount = counts[(9 + line) * 9 + d - 1];
          const int columnCount = counts[line * 9 + d - 1];
          auto bit = [d](DigitSet set) { return (set >> d) & 1; };
          ASSERT_EQ(bit(locked.rowInBlock[line * 3 + k]),
                    inRow > 1 && inRow == rowCount && counts[(18 + rowBlock) * 9 + d - 1] > inRow);
          ASSERT_EQ(bit(locked.columnInBlock[line * 3 + k]),
                    inColumn > 1 && inColumn == columnCount &&
                        counts[(18 + columnBlock) * 9 + d - 1] > inColumn);
          // The same parts seen from their blocks.
          ASSERT_EQ(bit(locked.blockInRow[line * 3 + k]),
                    inRow > 1 && inRow == counts[(18 + rowBlock) * 9 + d - 1] && rowCount > inRow);
          ASSERT_EQ(bit(locked.blockInColumn[line * 3 + k]),
                    inColumn > 1 && inColumn == counts[(18 + columnBlock) * 9 + d - 1] &&
                        columnCount > inColumn);
          any |= bit(locked.rowInBlock[line * 3 + k] | locked.columnInBlock[line * 3 + k] |
                     locked.blockInRow[line * 3 + k] | locked.blockInColumn[line * 3 + k]);
        }
      }
    }
    ASSERT_EQ(locked.any, any);

    // Redoing only the blocks whose cells changed gives the summary of the new cells.
    Cells changed = cells;
    unsigned blocks = 0;
    for (int n = 0; n < round % 5; ++n) {
      seed = seed * 134775813u + 1;
      const int cell = static_cast<int>((seed >> 8) % 81);
      changed[cell] = MaskDigits(seed >> 16);
      blocks |= 1u << BlockOf(cell);
    }
    lines.Rebuild(changed, blocks);
    LineSummary fresh;
    fresh.Build(changed);
    ASSERT_EQ(lines.group, fresh.group);
    ASSERT_EQ(lines.rowPart, fresh.rowPart);
    ASSERT_EQ(lines.columnPart, fresh.columnPart);
  }
}

}  // namespace
}  // namespace sudoku
