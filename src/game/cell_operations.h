#pragma once
// Moving whole candidate sets between cells: the clipboard text of a cell, filling a cell's set
// into its row, column or block, and the cursor keys.

#include <optional>
#include <string>
#include <string_view>

#include "game/game_flags.h"
#include "model/digit_set.h"

namespace sudoku {

class GameController;

// "1,4,9" for {1, 4, 9}; empty for an empty set.
std::string CellClipboardText(DigitSet set);
// Every digit 1-9 of the text; other characters (also "0") are skipped.
DigitSet ParseCellClipboardText(std::string_view text);

// Fills the selected cell's set into the open cells to the right (tag 0), below (1), to the
// left (2), above (3), of its block (4), column (5) or row (6); each is one checked change.
void FillDirection(GameController& game, int tag);

// The cursor keys: moves with wrap-around from row end to the next row's start.
void MoveCursor(GameController& game, int dx, int dy);

// A typed digit: Shift sets, Control inverts add and remove, otherwise the input mode decides.
void TypeDigit(GameController& game, int digit, bool shift, bool control);
// "+" (mode imAdd) and "-" (imRemove): the unlocked mode, then locked, then back to setting.
void ToggleInputMode(GameController& game, InputMode mode);

}  // namespace sudoku
