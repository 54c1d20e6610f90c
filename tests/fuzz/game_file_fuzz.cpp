// Game files ("SUD0" with the undo history, "SUD1" the current state) as the open command
// reads them; the game is then played on, with the file's last bytes choosing the actions.

#include <sstream>

#include "base/texts.h"
#include "fuzz/fuzz_support.h"
#include "library/game_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  fuzz::GameBench bench;
  std::istringstream file(std::string(reinterpret_cast<const char*>(data), size), std::ios::binary);
  try {
    LoadGameStream(file, bench.game);
  } catch (const TextError&) {
  }
  const size_t tail = std::min<size_t>(size, 32);
  fuzz::Input actions(data + size - tail, tail);
  bench.Play(actions);
  return 0;
}
