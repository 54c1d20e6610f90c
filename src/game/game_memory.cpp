// The nine memory points.

#include "game/game_controller.h"

namespace sudoku {

void GameController::MemoryPointClick(int slot) {
  if (slot < 0 || slot > 8) return;
  if (memory_[slot].Empty()) {
    SetMemoryPoint(slot);
  } else {
    RecallMemoryPoint(slot);
  }
}

void GameController::SetMemoryPoint(int slot) {
  if (slot < 0 || slot > 8) return;
  if (Has(gfFresh) || steps_ == 0) return ShowError(524);
  if (Has(gfCalculating)) return ShowError(525);
  for (const MemorySlot& stored : memory_) {
    if (stored.board == board_) return ShowError(526);
  }
  memory_[slot] = MemorySlot{board_, cursor_, steps_};
  SetFlag(gfHasMemory, true);
  view_.MemoryPointChanged(slot, true);
  WriteMemory();
  undo_.MemoryLinks[slot] = undo_.Index();
}

void GameController::RecallMemoryPoint(int slot) {
  if (slot < 0 || slot > 8) return;
  if (Has(gfCalculating)) return ShowError(537);
  const MemorySlot stored = memory_[slot];
  if (stored.Empty()) return;
  if (undo_.MemoryLinks[slot] != -1) {
    undo_.GoTo(undo_.MemoryLinks[slot]);  // inside this game's history: stays rated
    return;
  }
  // Outside the history: a new game without time and ranking.
  if (!Has(gfUnrated) && Has(gfClockRunning) && !view_.AskOkCancel(1070)) return;
  ResetGame();
  undo_.UndoRecording = true;
  board_.givens = stored.board.givens;
  board_.marked = stored.board.marked;
  SetPuzzleName(stored.board.Name());
  for (int i = 0; i < 81; ++i) {
    if (board_.IsGiven(i)) board_.cells[i] = stored.board.cells[i];
  }
  SelectCell(0);
  steps_ = 0;
  RecordStep(0, 0);
  SetStepCount(stored.steps);
  PutCells(stored.board.cells, stored.cursor, true);
  RecordStep(0, 0);
  SetFlag(gfLoaded, true);
  SetFlag(gfUnrated, true);
  SetFlag(gfAidsUsed, false);
  SetShownTime(kNoTime);
}

void GameController::ClearMemoryPoints(int tag) {
  int first, last;
  if (tag == 0) {
    first = 0, last = 8;
  } else if (tag >= 1 && tag <= 9) {
    first = last = tag - 1;
  } else if (tag >= 65 && tag <= 73) {
    first = 0, last = tag - 65;
  } else if (tag >= 129 && tag <= 137) {
    first = tag - 129, last = 8;
  } else {
    return;
  }
  for (int slot = first; slot <= last; ++slot) {
    memory_[slot] = MemorySlot{};
    view_.MemoryPointChanged(slot, false);
  }
  bool any = false;
  for (const MemorySlot& stored : memory_) any |= !stored.Empty();
  SetFlag(gfHasMemory, any);
  WriteMemory();
}

void GameController::LoadMemoryPoints() {
  std::array<uint8_t, kMemoryBlockSize> bytes{};
  settings_.ReadSettingBinary(setting::kMemory, bytes, bytes);
  memory_ = MemoryBlockFromBytes(bytes);
  bool any = false;
  for (int slot = 0; slot < 9; ++slot) {
    view_.MemoryPointChanged(slot, !memory_[slot].Empty());
    any |= !memory_[slot].Empty();
  }
  SetFlag(gfHasMemory, any);
}

void GameController::WriteMemory() {
  settings_.WriteSettingBinary(setting::kMemory, MemoryBlockToBytes(memory_));
}

}  // namespace sudoku
