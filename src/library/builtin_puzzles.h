#pragma once
// The puzzles the program ships with, numbered like string-table entries from 120 on. Their
// order is part of the program: catalogue positions, and with them the hall of fame, follow it.

#include <string_view>

namespace sudoku {

inline constexpr int kFirstBuiltinPuzzleId = 120;
inline constexpr int kBuiltinPuzzleCount = 80;

// The puzzle string with this id; empty for an id outside the table, so that a scan from
// kFirstBuiltinPuzzleId upwards ends at the first empty text.
std::string_view BuiltinPuzzleText(int id);

}  // namespace sudoku
