#include "fuzz/fuzz_support.h"

#include <cstdlib>

#include "library/game_files.h"

namespace sudoku::fuzz {

void GameBench::Play(Input& in) {
  for (int action = 0; action < 16 && !in.Empty(); ++action) {
    const uint8_t what = in.Byte(), value = in.Byte();
    switch (what % 14) {
      case 0:
        game.SelectCell(value % 83 - 1);
        break;
      case 1:
        game.SetDigit(value % 11);
        break;
      case 2:
        game.AddDigit(value % 11);
        break;
      case 3:
        game.RemoveDigit(value % 11);
        break;
      case 4:
        game.InsertSet(static_cast<DigitSet>(value << 1 | value << 8));
        break;
      case 5:
        game.History().Undo();
        break;
      case 6:
        game.History().Redo();
        break;
      case 7:
        game.History().GoTo(value - 1);
        break;
      case 8:
        game.MemoryPointClick(value % 10);
        break;
      case 9:
        game.ClearMemoryPoints(value);
        break;
      case 10:
        pump.now += uint64_t{value} << (value % 24);
        game.ClockTick();
        break;
      case 11:
        game.OneStep();
        break;
      case 12:
        game.Restart();
        break;
      case 13: {
        // A saved record reads back as it was written.
        const auto record = game.FillGameRecord().ToBytes();
        if (GameRecord::FromBytes(record).ToBytes() != record) std::abort();
        GameFileBytes(game, value % 2 == 0);
        break;
      }
    }
  }
}

}  // namespace sudoku::fuzz
