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
  bool operator==(const Occurrence&) const = default;
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
  // A line's part in one block, index line * 3 + k: row r's cells in block r / 3 * 3 + k,
  // column c's cells in block k * 3 + c / 3. Each line's three parts lie together.
  std::array<Occurrence, 27> rowPart;
  std::array<Occurrence, 27> columnPart;
  // Per group, indexed as the group tables: columns 0-8, rows 9-17, blocks 18-26.
  std::array<Occurrence, 27> group;

  void Build(const Cells& cells) { Rebuild(cells, 0x1FF); }
  // After changes to cells of the blocks in `blocks` (bit b for block b) only: the same as
  // Build, but only the parts in those blocks and the groups through them are redone.
  void Rebuild(const Cells& cells, unsigned blocks);
};

// What SeekUnmistakableValuesIn3x3Group can remove, from one summary: a digit that stands in
// two or more cells of a line's part in a block and in no other part of the line leaves the
// block's other lines; one that stands in no other line's part of the block leaves the line
// outside the block. Only digits that stand where they would be removed are kept.
struct LockedDigits {
  // Index line * 3 + k, for the line's part in block k of its band (stack).
  std::array<DigitSet, 27> rowInBlock;     // leave the block's other rows
  std::array<DigitSet, 27> columnInBlock;  // leave the block's other columns
  std::array<DigitSet, 27> blockInRow;     // leave the row outside the block
  std::array<DigitSet, 27> blockInColumn;  // leave the column outside the block
  // Whether there is anything to remove at all.
  bool any = false;

  void Find(const LineSummary& lines);
};

// Digits that are a candidate of exactly one cell of group g and not fixed in it.
inline DigitSet UniqueCandidates(const LineSummary& s, const GroupTable& groups, int g) {
  return static_cast<DigitSet>(s.group[g].once & ~s.group[g].twice & ~groups[g].digits);
}

}  // namespace sudoku
