#pragma once
// The 16-bit game state word.

#include <cstdint>

namespace sudoku {

enum GameFlag : uint16_t {
  gfReady = 1 << 0,         // the main window is built
  gfFresh = 1 << 1,         // loaded, the clock never started
  gfClockRunning = 1 << 2,
  gfCalculating = 1 << 3,
  gfNoUndo = 1 << 4,
  gfNoRedo = 1 << 5,
  gfHasMemory = 1 << 6,
  gfLoaded = 1 << 7,
  gfSolved = 1 << 8,
  gfUnrated = 1 << 9,       // no time and no ranking
  gfAidsUsed = 1 << 10,
  gfModeLocked = 1 << 11,
};

// What a typed digit does to the selected cell.
enum InputMode : int { imSet = 0, imAdd = 1, imRemove = 2 };

// The player's operations checked by CheckMove.
enum MoveOperation : int { moSet = 0, moAdd = 1, moRemove = 2, moInsert = 5, moSilent = 6 };

// The shown time of a game without time.
inline constexpr uint32_t kNoTime = 0xFFFFFFFFu;

}  // namespace sudoku
