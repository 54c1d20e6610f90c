#pragma once
// Per-pass summaries of a board for the techniques, in bit-parallel form. They answer exactly
// the questions the count tables of tables.h answer ("a candidate of exactly one cell of the
// group", "confined to one line of a block, in more than one cell"), a digit set at a time.

#include <array>

#include "model/board.h"
#include "model/tables.h"

namespace sudoku {

// The digits that occur in at least one, and in at least two, of some cells' sets.
struct Occurrence {
  DigitSet once = 0;
  DigitSet twice = 0;
  // Of three sets.
  static Occurrence Of(DigitSet a, DigitSet b, DigitSet c) {
    return {static_cast<DigitSet>(a | b | c), static_cast<DigitSet>((a & b) | (c & (a | b)))};
  }
  // Of the cells of three disjoint parts.
  static Occurrence Of(const Occurrence& a, const Occurrence& b, const Occurrence& c) {
    return {static_cast<DigitSet>(a.once | b.once | c.once),
            static_cast<DigitSet>(a.twice | b.twice | c.twice | (a.once & b.once) |
                                  (c.once & (a.once | b.once)))};
  }
};

struct LineSummary {
  // Index block * 3 + k: the block's mini-row k (its cells in row block / 3 * 3 + k) and its
  // mini-column k (its cells in column block % 3 * 3 + k).
  std::array<Occurrence, 27> miniRow;
  std::array<Occurrence, 27> miniColumn;
  // Per group, indexed as the group tables: columns 0-8, rows 9-17, blocks 18-26.
  std::array<Occurrence, 27> group;

  void Build(const Cells& cells) {
    BuildBlocks(cells, 0x1FF);
    Combine();
  }
  // The mini-lines of the blocks in `blocks` (bit b for block b) afresh, then the groups from
  // all mini-lines: after changes inside some blocks only, the same as Build.
  void BuildBlocks(const Cells& cells, unsigned blocks);
  void Combine();

  // Digits that stand in two or more cells of the row's mini-row in block k of its band and
  // nowhere else in the row (and the same for a column and block k of its stack).
  DigitSet RowConfinedToBlock(int row, int k) const {
    const int first = row / 3 * 3, m = row % 3;
    return Confined(miniRow[(first + k) * 3 + m], miniRow[(first + (k + 1) % 3) * 3 + m],
                    miniRow[(first + (k + 2) % 3) * 3 + m]);
  }
  DigitSet ColumnConfinedToBlock(int column, int k) const {
    const int stack = column / 3, m = column % 3;
    return Confined(miniColumn[(k * 3 + stack) * 3 + m],
                    miniColumn[((k + 1) % 3 * 3 + stack) * 3 + m],
                    miniColumn[((k + 2) % 3 * 3 + stack) * 3 + m]);
  }
  // Of those, the digits that also stand in the block's other mini-rows: only they can be
  // removed there.
  DigitSet RowConfinedToBlockElsewhere(int row, int k) const {
    const int b = row / 3 * 3 + k, m = row % 3;
    return static_cast<DigitSet>(RowConfinedToBlock(row, k) & (miniRow[b * 3 + (m + 1) % 3].once |
                                                               miniRow[b * 3 + (m + 2) % 3].once));
  }
  DigitSet ColumnConfinedToBlockElsewhere(int column, int k) const {
    const int b = k * 3 + column / 3, m = column % 3;
    return static_cast<DigitSet>(
        ColumnConfinedToBlock(column, k) &
        (miniColumn[b * 3 + (m + 1) % 3].once | miniColumn[b * 3 + (m + 2) % 3].once));
  }
  // Digits of the block that stand in two or more cells of its mini-column (mini-row) k and
  // nowhere else in the block.
  DigitSet BlockConfinedToColumn(int block, int k) const {
    return Confined(miniColumn[block * 3 + k], miniColumn[block * 3 + (k + 1) % 3],
                    miniColumn[block * 3 + (k + 2) % 3]);
  }
  DigitSet BlockConfinedToRow(int block, int k) const {
    return Confined(miniRow[block * 3 + k], miniRow[block * 3 + (k + 1) % 3],
                    miniRow[block * 3 + (k + 2) % 3]);
  }
  // Of those, the digits that also stand in the line outside the block.
  DigitSet BlockConfinedToColumnElsewhere(int block, int k) const {
    const int band = block / 3, stack = block % 3;
    return static_cast<DigitSet>(BlockConfinedToColumn(block, k) &
                                 (miniColumn[((band + 1) % 3 * 3 + stack) * 3 + k].once |
                                  miniColumn[((band + 2) % 3 * 3 + stack) * 3 + k].once));
  }
  DigitSet BlockConfinedToRowElsewhere(int block, int k) const {
    const int first = block / 3 * 3, stack = block % 3;
    return static_cast<DigitSet>(BlockConfinedToRow(block, k) &
                                 (miniRow[(first + (stack + 1) % 3) * 3 + k].once |
                                  miniRow[(first + (stack + 2) % 3) * 3 + k].once));
  }

 private:
  static DigitSet Confined(const Occurrence& line, const Occurrence& a, const Occurrence& b) {
    return static_cast<DigitSet>(line.twice & ~(a.once | b.once));
  }
};

// Digits that are a candidate of exactly one cell of group g and not fixed in it.
inline DigitSet UniqueCandidates(const LineSummary& s, const GroupTable& groups, int g) {
  return static_cast<DigitSet>(s.group[g].once & ~s.group[g].twice & ~groups[g].digits);
}

}  // namespace sudoku
