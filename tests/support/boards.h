#pragma once
// Small helpers to write boards in tests.

#include <string>
#include <string_view>

#include "model/board.h"
#include "model/puzzle_string.h"

namespace sudoku::test {

// Rows of nine characters joined; '.' and '0' are empty cells, '1'-'9' givens.
inline BoardRecord Puzzle(std::string_view text) {
  std::string s(text);
  for (char& ch : s) {
    if (ch == '.') ch = '0';
  }
  BoardRecord b;
  LoadBoardFromString(b, s);
  return b;
}

inline DigitSet Set(std::initializer_list<int> digits) {
  DigitSet s = 0;
  for (int d : digits) s |= DigitBit(d);
  return s;
}

// A valid solution grid.
inline constexpr std::string_view kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// A puzzle with 27 givens that the solver finishes.
inline constexpr std::string_view kEasyPuzzle =
    "040007000006900400002006075790300020003000600010005034180700200004009800000400090";

}  // namespace sudoku::test
