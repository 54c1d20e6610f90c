// The stored last game ("SaveLastGame", 220 bytes) and the memory points ("Memory", 1872
// bytes) as the program reads them at start, then played on.
//
// Input: one byte saying which values exist (bit 0 the game, bit 1 the memory points, bit 2
// load the record as a whole game instead), the record, the memory block, then the actions.

#include <array>
#include <vector>

#include "base/texts.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  fuzz::Input in(data, size);
  const uint8_t present = in.Byte();
  const std::string_view record = in.Bytes(GameRecord::kSize);
  const std::string_view memory = in.Bytes(kMemoryBlockSize);
  fuzz::GameBench bench;
  if (present & 1) {
    bench.store.PutBinary("", setting::kSaveLastGame, {record.begin(), record.end()});
  }
  if (present & 2) bench.store.PutBinary("", setting::kMemory, {memory.begin(), memory.end()});

  // As the main window starts: the memory points, then the last game if its givens agree.
  bench.game.LoadMemoryPoints();
  std::array<uint8_t, GameRecord::kSize> bytes{};
  if (bench.settings.ReadSettingBinary(setting::kSaveLastGame, bytes, bytes)) {
    const GameRecord r = GameRecord::FromBytes(bytes);
    if (GivensConsistent(r.board)) {
      try {
        bench.game.LoadGameRecord(r, !(present & 4));
      } catch (const TextError&) {
      }
    }
  }
  bench.Play(in);
  return 0;
}
