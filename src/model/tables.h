#pragma once
// Per-group summaries of a board. Groups are indexed as in geometry.h: columns 0-8, rows 9-17,
// blocks 18-26.

#include <array>
#include <cstdint>

#include "model/board.h"

namespace sudoku {

struct GroupEntry {
  uint16_t positions = 0;  // bit p: the cell at position p of the group is fixed
  uint16_t digits = 0;     // bit d: digit d is fixed in the group
  bool operator==(const GroupEntry&) const = default;
};
using GroupTable = std::array<GroupEntry, 27>;

// byte group * 9 + (d - 1): cells of the group holding candidate d (fixed cells included).
using DigitCountTable = std::array<uint8_t, 243>;
// byte block * 54 + c * 9 + (d - 1): cells of the block's mini-column c holding d;
// byte block * 54 + 27 + r * 9 + (d - 1): the same for mini-row r.
using BlockLineCountTable = std::array<uint8_t, 486>;
// Laid out like DigitCountTable: 1 where d is a candidate of exactly one cell of the group and
// not yet fixed there.
using UniqueCandidateTable = std::array<uint8_t, 243>;

struct CompleteTable {
  GroupTable table;
  constexpr CompleteTable() : table() {
    for (auto& e : table) e = {0x01FF, 0x03FE};
  }
};
inline constexpr GroupTable kCompleteGroupTable = CompleteTable().table;

void BuildGroupTable(const Cells& cells, GroupTable& table);
void BuildDigitCountTable(const Cells& cells, DigitCountTable& table);
void BuildBlockLineCountTable(const Cells& cells, BlockLineCountTable& table);
// Reduces a DigitCountTable with the GroupTable of the same board.
void BuildUniqueCandidateTable(const DigitCountTable& counts, const GroupTable& groups,
                               UniqueCandidateTable& table);

// Every group has its nine cells fixed and holds every digit once.
bool IsSolved(const Cells& cells);

}  // namespace sudoku
