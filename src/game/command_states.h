#pragma once
// Which commands the game state allows: the skin's nine buttons, the actions and the menu
// entries.

#include <array>
#include <cstdint>

#include "model/board.h"

namespace sudoku {

struct CommandStates {
  // Files, puzzles, start/stop, undo, redo, back to the start, memory, options, help.
  std::array<bool, 9> buttons{};
  bool memoryClearing = false;  // the entries that clear memory points
  bool aids = false;            // one step, the fills, the techniques
  bool memoryPoints = false;    // "Speicherpunkt setzen/abrufen"
  bool saveGame = false;
  bool copy = false;
  bool paste = false;
  bool fillDirection = false;   // "Felder ausfüllen nach" and its actions

  uint16_t ButtonBits() const;
};

CommandStates ComputeCommandStates(uint16_t flags, int cursor, const BoardRecord& board);

}  // namespace sudoku
