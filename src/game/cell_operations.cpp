#include "game/cell_operations.h"

#include "game/game_controller.h"
#include "model/geometry.h"

namespace sudoku {

std::string CellClipboardText(DigitSet set) {
  std::string text;
  for (int d = 1; d <= 9; ++d) {
    if (!(set & DigitBit(d))) continue;
    if (!text.empty()) text += ',';
    text += static_cast<char>('0' + d);
  }
  return text;
}

DigitSet ParseCellClipboardText(std::string_view text) {
  // A "0" would be bit 0, which no cell may hold.
  DigitSet set = 0;
  for (char ch : text) {
    if (ch >= '1' && ch <= '9') set |= DigitBit(ch - '0');
  }
  return set;
}

void FillDirection(GameController& game, int tag) {
  const int cursor = game.CursorCell();
  if (cursor < 0 || cursor > 80 || tag < 0 || tag > 6) return;
  const int c = ColumnOf(cursor), r = RowOf(cursor);
  int c0 = c, c1 = c, r0 = r, r1 = r;
  switch (tag) {
    case 0: c1 = 8; break;
    case 1: r1 = 8; break;
    case 2: c0 = 0; break;
    case 3: r0 = 0; break;
    case 4: c0 = c / 3 * 3, c1 = c0 + 2, r0 = r / 3 * 3, r1 = r0 + 2; break;
    case 5: r0 = 0, r1 = 8; break;
    case 6: c0 = 0, c1 = 8; break;
  }
  const DigitSet set = game.CurrentBoard().cells[cursor];
  for (int row = r0; row <= r1; ++row) {
    for (int column = c0; column <= c1; ++column) {
      const int cell = CellAt(column, row);
      if (cell == cursor) continue;
      game.SelectCell(cell);
      if (!IsFixed(game.CurrentBoard().cells[cell]) && game.CheckMove(set, moSilent)) {
        game.ApplyPlayerChange(set);
      }
    }
  }
}

void MoveCursor(GameController& game, int dx, int dy) {
  if (!game.Has(gfLoaded)) return;
  const int cursor = game.CursorCell();
  if (cursor < 0 || cursor > 80) {
    game.SelectCell(0);
  } else {
    int c = ColumnOf(cursor) + dx, r = RowOf(cursor) + dy;
    if (c > 8) c = 0, r = r + 1 > 8 ? 0 : r + 1;
    if (c < 0) c = 8, r = r - 1 < 0 ? 8 : r - 1;
    if (r > 8) r = 0, c = c + 1 > 8 ? 0 : c + 1;
    if (r < 0) r = 8, c = c - 1 < 0 ? 8 : c - 1;
    game.SelectCell(r * 9 + c);
  }
  if (!game.Has(gfModeLocked)) game.SetInputMode(imSet);
}

void TypeDigit(GameController& game, int digit, bool shift, bool control) {
  if (shift) {
    game.SetDigit(digit);
  } else if (control) {
    if (game.Mode() == imRemove) {
      game.AddDigit(digit);
    } else {
      game.RemoveDigit(digit);
    }
  } else if (game.Mode() == imAdd) {
    game.AddDigit(digit);
  } else if (game.Mode() == imRemove) {
    game.RemoveDigit(digit);
  } else {
    game.SetDigit(digit);
  }
}

void ToggleInputMode(GameController& game, InputMode mode) {
  const bool locked = game.Has(gfModeLocked);
  if (game.Mode() == mode && !locked) {
    game.SetInputMode(mode + 2);  // locked
  } else if (game.Mode() == mode && locked) {
    game.SetInputMode(imSet);  // the lock stays
  } else {
    game.SetModeLocked(false);
    game.SetInputMode(mode);
  }
}

}  // namespace sudoku
