#pragma once
// What the solving aids need from the world around them: the event loop, and for runs on the
// visible board, the game.

#include <cstdint>

#include "model/board.h"

namespace sudoku {

class EventPump {
 public:
  virtual ~EventPump() = default;
  // Dispatches one pending event if there is one; returns whether it did.
  virtual bool DispatchPending() = 0;
  virtual void Sleep(unsigned ms) = 0;
  // Monotonic milliseconds.
  virtual uint64_t TickMs() = 0;
};

// The game as a live run sees it: the visible board and what one change does to it.
class SolverHost {
 public:
  virtual ~SolverHost() = default;
  virtual BoardRecord& Board() = 0;
  virtual int CursorCell() const = 0;
  virtual bool Calculating() const = 0;
  virtual void SelectCell(int cell) = 0;
  // Counts the steps of a change and stores its undo snapshot.
  virtual void RecordStep(int oldCount, int newCount) = 0;
  virtual void RedrawCell(int cell) = 0;
  // Puts all cells at once, redrawing the changed ones.
  virtual void PutCells(const Cells& cells, int cursor) = 0;
  virtual void ShowLastActionId(int id) = 0;
  virtual void SetInputMode(int mode) = 0;
};

}  // namespace sudoku
