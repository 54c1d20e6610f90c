#pragma once
// The rules of the techniques on one group, written once for both solvers that apply them: the
// techniques of the visible board and menus (solver.cpp) and the hidden chain (hidden_chain.cpp).
// Each rule reads the cells it is given live and reports its changes through a callback; the
// caller owns the write path and the tables of the pass.

#include <array>
#include <cstdint>

#include "model/board.h"
#include "model/geometry.h"
#include "model/tables.h"
#include "solve/summaries.h"

namespace sudoku {

// SeekUniqueValues on group g: each digit of `unique` goes to the first cell of the group that
// still holds it; set(cell, d).
template <class Set>
void SetUniqueValues(const Cells& cells, int g, DigitSet unique, Set set) {
  for (unsigned left = unique & kAllDigits; left; left &= left - 1) {
    const int d = __builtin_ctz(left);
    for (int p = 0; p < 9; ++p) {
      const int cell = kGroupCells.cells[g][p];
      if (cells[cell] & DigitBit(d)) {
        set(cell, d);
        break;
      }
    }
  }
}

// SeekUnmistakableValuesIn3x3Group on group g from the summary of the pass: remove(cell, d) for
// every cell that loses a digit, digit by digit in ascending order.
template <class Remove>
void RemoveLockedCandidates(const LockedDigits& locked, int g, Remove remove) {
  if (g >= 9 && g < 18) {
    // A digit of a row confined to one block, in more than one cell, leaves the block's other
    // rows.
    const int r = g - 9;
    const DigitSet* fire = &locked.rowInBlock[r * 3];
    if (!(fire[0] | fire[1] | fire[2])) return;
    for (int d = 1; d <= 9; ++d) {
      for (int k = 0; k < 3; ++k) {
        if (!(fire[k] & DigitBit(d))) continue;
        const int b = r / 3 * 3 + k;
        for (int p = 0; p < 9; ++p) {
          const int cell = CellOfBlock(b, p);
          if (RowOf(cell) != r) remove(cell, d);
        }
      }
    }
  } else if (g < 9) {
    const int c = g;
    const DigitSet* fire = &locked.columnInBlock[c * 3];
    if (!(fire[0] | fire[1] | fire[2])) return;
    for (int d = 1; d <= 9; ++d) {
      for (int k = 0; k < 3; ++k) {
        if (!(fire[k] & DigitBit(d))) continue;
        const int b = k * 3 + c / 3;
        for (int p = 0; p < 9; ++p) {
          const int cell = CellOfBlock(b, p);
          if (ColumnOf(cell) != c) remove(cell, d);
        }
      }
    }
  } else {
    // A digit of a block confined to one of its lines, in more than one cell, leaves that line
    // outside the block.
    const int b = g - 18, band = b / 3, stack = b % 3;
    DigitSet columns[3], rows[3];
    DigitSet any = 0;
    for (int k = 0; k < 3; ++k) {
      columns[k] = locked.blockInColumn[(stack * 3 + k) * 3 + band];
      rows[k] = locked.blockInRow[(band * 3 + k) * 3 + stack];
      any |= columns[k] | rows[k];
    }
    if (!any) return;
    for (int d = 1; d <= 9; ++d) {
      for (int k = 0; k < 3; ++k) {
        if (columns[k] & DigitBit(d)) {
          const int column = stack * 3 + k;
          for (int row = 0; row < 9; ++row) {
            if (row / 3 != band) remove(CellAt(column, row), d);
          }
        }
        if (rows[k] & DigitBit(d)) {
          const int row = band * 3 + k;
          for (int column = 0; column < 9; ++column) {
            if (column / 3 != stack) remove(CellAt(column, row), d);
          }
        }
      }
    }
  }
}

// SameNumSetInDiffFields on group g, reading the cells live: remove(cell, set) for every cell
// whose set differs from a set that x cells of the group hold, x being its number of digits.
template <class Remove>
void RemoveSameSets(const Cells& cells, int g, Remove remove) {
  const auto& group = kGroupCells.cells[g];
  // Cells change only when the rule fires, so nothing happens unless it fires for some cell
  // on the group as it is. That is counted first for all cells at once, without branches (in
  // sixteen lanes, of which the last seven are filler; the compiler makes vector code of it).
  uint16_t set[16], same[16] = {};
  for (int p = 0; p < 16; ++p) set[p] = p < 9 ? cells[group[p]] : 0;
  for (int q = 0; q < 9; ++q) {
    for (int p = 0; p < 16; ++p) same[p] = static_cast<uint16_t>(same[p] + (set[p] == set[q]));
  }
  bool fires = false;
  for (int p = 0; p < 9; ++p) {
    const int x = CountDigits(set[p]);
    fires |= (x >= 2) & (same[p] == x);
  }
  if (!fires) return;
  for (int p = 0; p < 9; ++p) {
    const DigitSet m = cells[group[p]];
    const int x = CountDigits(m);
    if (x < 2) continue;
    int count = 0;
    for (int q = 0; q < 9; ++q) count += cells[group[q]] == m;
    if (count != x) continue;
    for (int q = 0; q < 9; ++q) {
      if (cells[group[q]] != m) remove(group[q], m);
    }
  }
}

// The cells that BenachbarteSpaltenZeilenDesBlocks sets, worked out from the fixed cells alone.
struct NeighbourForced {
  // Bit i of word i / 64: cell i is forced (if it is not fixed when the rule comes to it).
  uint64_t cells[2] = {0, 0};
  // The digit of each forced cell: the row test's, else the column test's. Only those entries
  // are written.
  std::array<int8_t, 81> digit;

  void Find(const GroupTable& groups);
};

// The weight of one change of a cell's set from kOld to kNew digits: a fixed digit weighs 1,
// any other change the number of digits gained or lost.
constexpr int ChangeWeight(int kOld, int kNew) {
  return kNew == 1 ? 1 : kOld > kNew ? kOld - kNew : kNew - kOld;
}

}  // namespace sudoku
