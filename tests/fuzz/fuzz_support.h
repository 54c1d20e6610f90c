#pragma once
// What the fuzz harnesses share: reading choices from the input, and a game controller with
// fakes all around that plays on whatever was loaded into it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/game_controller.h"
#include "library/catalogue_port.h"
#include "settings/memory_settings_store.h"
#include "support/fake_host.h"

// libFuzzer's entry point; the replay driver of the normal build calls it too.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace sudoku::fuzz {

// Takes numbers and byte runs from the front of the input; past its end everything is 0.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  size_t Left() const { return size_ - at_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t U16() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  uint32_t U32() { return U16() | static_cast<uint32_t>(U16()) << 16; }
  // Up to `count` bytes, fewer at the end.
  std::string_view Bytes(size_t count) {
    const size_t n = std::min(count, Left());
    const std::string_view run(reinterpret_cast<const char*>(data_ + at_), n);
    at_ += n;
    return run;
  }
  std::string_view Rest() { return Bytes(Left()); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// Shows nothing and agrees to every question: the harnesses look for crashes, not pictures.
class QuietView : public GameView {
 public:
  void RedrawCell(int) override {}
  void UpdateGroupIndicator(uint16_t, uint16_t, uint16_t) override {}
  void ShowClock(int64_t) override {}
  void ShowClockSeparators(bool) override {}
  void ShowCounter(int) override {}
  void SetBlinkTimer(bool) override {}
  void MemoryPointChanged(int, bool) override {}
  void ShowLastActionId(int) override {}
  void ShowErrorId(int) override {}
  void UpdateGameNumber() override {}
  void AnimateStarted(bool) override {}
  void AnimateRunning(bool) override {}
  void SetInputModeFrame(int) override {}
  void SetSmileyFrame(int) override {}
  void CommandStatesChanged() override {}
  bool AskYesNo(int) override { return true; }
  bool AskOkCancel(int) override { return true; }
};

class QuietCataloguePort : public CataloguePort {
 public:
  std::string CurrentPuzzleName() override { return "81.1.1"; }
  void SetListNumber(int) override {}
  void EmptyPlayground() override {}
  void ShowInformation(const std::string& text) override { shown = text; }
  std::string shown;
};

class NoHallOfFame : public HallOfFamePort {
 public:
  bool HasEntry(const std::string&) override { return false; }
  void GameWon(const std::string&, uint32_t, int) override {}
};

struct GameBench {
  QuietView view;
  test::FakePump pump;
  MemorySettingsStore store;
  Settings settings{store};
  StartupSettings options;
  NoHallOfFame hall;
  GameController game{view, pump, settings, options, &hall};

  GameBench() {
    game.SetFlag(gfReady, true);
    game.ResetGame();
  }

  // Up to 16 actions chosen by the input: the moves, undo and redo, memory points, the clock,
  // a solving step, and saving the game as a record and as a file.
  void Play(Input& in);
};

}  // namespace sudoku::fuzz
