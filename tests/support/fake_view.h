#pragma once
// A game view that remembers what the controller showed and answers its questions as told.

#include <map>
#include <string>
#include <vector>

#include "game/ports.h"

namespace sudoku::test {

class FakeView : public GameView {
 public:
  std::vector<int> errors;
  std::vector<int> actions;
  std::map<int, int> redraws;
  int64_t clock = -2;
  bool separators = true;
  int counter = -1;
  bool blinkTimer = false;
  uint16_t completeColumns = 0, completeRows = 0, completeBlocks = 0;
  std::map<int, bool> memoryDrawn;
  int gameNumberUpdates = 0;
  bool started = false;
  bool running = false;
  int inputFrame = -1;
  int smiley = -1;
  int commandChanges = 0;
  bool answer = true;
  std::vector<int> questions;

  void RedrawCell(int cell) override { ++redraws[cell]; }
  void UpdateGroupIndicator(uint16_t c, uint16_t r, uint16_t b) override {
    completeColumns = c, completeRows = r, completeBlocks = b;
  }
  void ShowClock(int64_t ms) override { clock = ms; }
  void ShowClockSeparators(bool shown) override { separators = shown; }
  void ShowCounter(int steps) override { counter = steps; }
  void SetBlinkTimer(bool on) override { blinkTimer = on; }
  void MemoryPointChanged(int slot, bool set) override { memoryDrawn[slot] = set; }
  void ShowLastActionId(int id) override { actions.push_back(id); }
  void ShowErrorId(int id) override { errors.push_back(id); }
  void UpdateGameNumber() override { ++gameNumberUpdates; }
  void AnimateStarted(bool on) override { started = on; }
  void AnimateRunning(bool on) override { running = on; }
  void SetInputModeFrame(int frame) override { inputFrame = frame; }
  void SetSmileyFrame(int frame) override { smiley = frame; }
  void CommandStatesChanged() override { ++commandChanges; }
  bool AskYesNo(int id) override {
    questions.push_back(id);
    return answer;
  }
  bool AskOkCancel(int id) override {
    questions.push_back(id);
    return answer;
  }

  int LastError() const { return errors.empty() ? 0 : errors.back(); }
  int LastAction() const { return actions.empty() ? 0 : actions.back(); }
};

class FakeHallOfFame : public HallOfFamePort {
 public:
  struct Win {
    std::string id;
    uint32_t time;
    int steps;
  };
  std::vector<Win> wins;
  std::vector<std::string> withEntries;
  bool HasEntry(const std::string& id) override {
    for (const auto& e : withEntries) {
      if (e == id) return true;
    }
    return false;
  }
  void GameWon(const std::string& id, uint32_t time, int steps) override {
    wins.push_back({id, time, steps});
  }
};

}  // namespace sudoku::test
