#pragma once
// The group table of a board kept up to date change by change, so that a hidden run does not
// rebuild it on every pass.

#include <array>
#include <cstdint>

#include "model/tables.h"

namespace sudoku {

class GroupTracker {
 public:
  void Reset(const Cells& cells);
  // Cell `cell` went from `oldSet` to `newSet`.
  void Change(int cell, DigitSet oldSet, DigitSet newSet) {
    const DigitSet before = FixedDigitBit(oldSet), after = FixedDigitBit(newSet);
    if (before != after) Refix(cell, before, after);
  }
  const GroupTable& Table() const { return table_; }

 private:
  void Refix(int cell, DigitSet before, DigitSet after);

  GroupTable table_{};
  // Per group, how many fixed cells hold each digit: boards may hold a digit twice.
  std::array<std::array<uint8_t, 10>, 27> counts_{};
};

}  // namespace sudoku
