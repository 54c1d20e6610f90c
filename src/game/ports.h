#pragma once
// What the game controller shows, asks and hands on: implemented by the main window, and by
// fakes in tests.

#include <cstdint>
#include <string>

#include "model/tables.h"

namespace sudoku {

class GameView {
 public:
  virtual ~GameView() = default;

  // Board and displays.
  virtual void RedrawCell(int cell) = 0;
  // Sets of complete columns, rows and blocks (bit i for group i).
  virtual void UpdateGroupIndicator(uint16_t columns, uint16_t rows, uint16_t blocks) = 0;
  // Milliseconds, or -1 for a game without time.
  virtual void ShowClock(int64_t ms) = 0;
  virtual void ShowClockSeparators(bool shown) = 0;
  virtual void ShowCounter(int steps) = 0;
  // The half-second clock tick; the view calls GameController::ClockTick while it runs.
  virtual void SetBlinkTimer(bool on) = 0;
  virtual void MemoryPointChanged(int slot, bool set) = 0;

  // The status window's lines and pictures.
  virtual void ShowLastActionId(int id) = 0;
  // The error line, followed by a beep.
  virtual void ShowErrorId(int id) = 0;
  virtual void UpdateGameNumber() = 0;
  virtual void AnimateStarted(bool on) = 0;
  virtual void AnimateRunning(bool on) = 0;
  virtual void SetInputModeFrame(int frame) = 0;
  virtual void SetSmileyFrame(int frame) = 0;

  // The game state, the selected cell or the hall-of-fame entry changed what commands allow.
  virtual void CommandStatesChanged() = 0;

  // Questions: Yes/No and a warning with OK/Cancel.
  virtual bool AskYesNo(int textId) = 0;
  virtual bool AskOkCancel(int textId) = 0;
};

// The hall of fame, as the game sees it.
class HallOfFamePort {
 public:
  virtual ~HallOfFamePort() = default;
  virtual bool HasEntry(const std::string& puzzleId) = 0;
  // A rated game ended solved: the puzzle id (empty for a puzzle without a number), the time
  // (ms) and the steps it took.
  virtual void GameWon(const std::string& puzzleId, uint32_t timeMs, int steps) = 0;
};

}  // namespace sudoku
