#include "game/command_states.h"

#include "game/game_flags.h"

namespace sudoku {

uint16_t CommandStates::ButtonBits() const {
  uint16_t bits = 0;
  for (int i = 0; i < 9; ++i) bits |= static_cast<uint16_t>(buttons[i] << i);
  return bits;
}

CommandStates ComputeCommandStates(uint16_t f, int cursor, const BoardRecord& board) {
  CommandStates s;
  const bool readyLoadedIdle = (f & (gfReady | gfLoaded | gfCalculating)) == (gfReady | gfLoaded);
  s.buttons = {true, true, false, false, false, false, true, true, true};
  s.buttons[2] = (f & 0x181) == 0x81;
  s.buttons[3] = (f & 0x99) == 0x81;
  s.buttons[4] = (f & 0xA9) == 0x81;
  s.buttons[5] = readyLoadedIdle && (s.buttons[3] || s.buttons[4]);
  s.memoryClearing = (f & 0x41) == 0x41;
  s.aids = (f & 0x189) == 0x81;
  s.memoryPoints = !(f & gfCalculating);
  s.saveGame = (f & (gfReady | gfLoaded)) == (gfReady | gfLoaded);
  const bool selected = cursor >= 0 && cursor < 81;
  const bool empty = !selected || board.cells[cursor] == 0;
  s.copy = readyLoadedIdle && selected && !empty;
  s.paste = readyLoadedIdle && !(f & gfSolved) && selected && !board.IsGiven(cursor);
  s.fillDirection = s.paste && !empty;
  return s;
}

}  // namespace sudoku
