#pragma once
// The 81-character puzzle string: '1'-'9' a given digit, '0' an empty cell.

#include <string>
#include <string_view>
#include <vector>

#include "model/board.h"

namespace sudoku {

// Exactly 81 characters, each '0' to '9'.
bool IsSudokuString(std::string_view text);

// False (record untouched) unless the text has 81 characters. Otherwise Givens is rebuilt and
// every cell becomes {d} for '1'-'9' or empty for any other character; Name and MarkedCells stay.
bool LoadBoardFromString(BoardRecord& record, std::string_view text);

// Index of the first character among the first 81 that is neither '0' nor blank; -1 when there
// is none or the text ends first.
int FirstFilledPosition(std::string_view text);
// Characters among the first 81 that are neither '0' nor blank; -1 when the text is shorter.
int CountFilled(std::string_view text);

// The variant of a puzzle: digits shifted cyclically by `shift` (9 wraps to 1), cells moved by
// transformation t (0 unchanged, 1-3 quarter turns clockwise, 4-7 the mirror image of 0-3).
// Empty when p is not 81 characters long.
std::string TransformSudoku(std::string_view p, int shift, int t);

// Whether entry e, turned by one of the eight transformations and shifted by the digit shift
// that maps its first given onto p's, equals p (letter case ignored).
bool IsVariantOf(std::string_view p, std::string_view e);

// True when p is a puzzle (1 to 80 givens) and no entry of the list is one of its variants.
// `givens` receives CountFilled(p).
bool IsNewSudoku(std::string_view p, const std::vector<std::string>& list, int* givens = nullptr);

}  // namespace sudoku
