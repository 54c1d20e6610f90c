#pragma once
// The 200-byte board record: name, 81 candidate sets, givens and marked cells.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/cell_set.h"
#include "model/digit_set.h"

namespace sudoku {

using Cells = std::array<DigitSet, 81>;

struct BoardRecord {
  static constexpr size_t kSize = 200;

  // Short string: length byte, then up to 15 Windows-1252 characters. Kept byte for byte so that
  // stored records compare and round-trip exactly.
  std::array<uint8_t, 16> name{};
  Cells cells{};
  CellSet givens;
  CellSet marked;

  std::string Name() const;
  // At most 15 characters are kept.
  void SetName(std::string_view text);

  bool IsGiven(int cell) const { return givens.Contains(cell); }

  // Exact little-endian layout: name 0-15, cells 16-177, givens 178-188, marked 189-199.
  void WriteTo(std::span<uint8_t, kSize> out) const;
  std::array<uint8_t, kSize> ToBytes() const;
  // Records from outside are made safe: stray digit bits masked, a name length above 15 read
  // as 15, cell bits 81-87 dropped.
  static BoardRecord FromBytes(std::span<const uint8_t, kSize> in);

  bool operator==(const BoardRecord&) const = default;
};

// Every cell not in Givens becomes empty.
void ClearNonGivens(BoardRecord& board);

// No digit occurs twice among the givens of any column, row or block.
bool GivensConsistent(const BoardRecord& board);

// For each cell its digit when fixed, '0' otherwise.
std::string BoardToString(const BoardRecord& board);

// The name up to its first point (the whole name without one): the hall-of-fame key.
std::string PuzzleIdOf(std::string_view name);
// The part before the first point as a decimal number; 0 without a point or when not a number.
int ListNumber(std::string_view name);

}  // namespace sudoku
