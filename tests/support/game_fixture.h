#pragma once
// A game controller with fakes all around: a view, a clock that moves when told, settings in
// memory and a hall of fame that records wins.

#include <gtest/gtest.h>

#include <string>

#include "game/game_controller.h"
#include "model/puzzle_string.h"
#include "settings/memory_settings_store.h"
#include "support/boards.h"
#include "support/fake_host.h"
#include "support/fake_view.h"

namespace sudoku::test {

class GameTest : public ::testing::Test {
 protected:
  GameTest() { Start(); }

  void Start() {
    game = std::make_unique<GameController>(view, pump, settings, options, &hall);
    game->SetFlag(gfReady, true);
    game->ResetGame();
  }
  void Load(std::string_view puzzle = kEasyPuzzle, std::string_view name = "1.1.1") {
    game->LoadPuzzle(puzzle);
    game->SetPuzzleName(name);
  }
  // The puzzle's solution as the solver finds it.
  static std::string SolutionOf(std::string_view puzzle) {
    RunState state;
    Solver solver(state);
    BoardRecord b;
    LoadBoardFromString(b, puzzle);
    solver.RunCalculation(b);
    return BoardToString(b);
  }
  int FirstEmpty() const {
    for (int i = 0; i < 81; ++i) {
      if (game->CurrentBoard().cells[i] == 0) return i;
    }
    return -1;
  }
  void Advance(uint64_t ms) { pump.now += ms; }

  FakeView view;
  FakePump pump;
  MemorySettingsStore store;
  Settings settings{store};
  StartupSettings options;
  FakeHallOfFame hall;
  std::unique_ptr<GameController> game;
};

}  // namespace sudoku::test
