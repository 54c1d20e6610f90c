#pragma once
// State shared by every run of the solving aids on the user-interface thread.

#include <cstdint>

namespace sudoku {

struct RunState {
  // Set by RequestStop; every technique and the write path stop working once it is set.
  bool StopRequested = false;
  // The board being worked on is the one on screen. Clear during a hidden run, so that the
  // status line ignores last-action texts meanwhile.
  bool LiveBoard = true;
  // Stop the calculation after the first effective change.
  bool SingleStep = false;
  // Pacing of live changes in milliseconds; 0 means none.
  uint32_t StepDelay = 0;
  // Weighted changes of the latest solver run.
  int32_t TechniqueChanges = 0;
  // Weighted live changes of the current calculation.
  int32_t TotalChanges = 0;
  // A WaitInterruptible is in progress.
  bool Waiting = false;
};

}  // namespace sudoku
