// List files of own puzzles as the open command imports them into the catalogue.

#include <string>

#include "base/texts.h"
#include "fuzz/fuzz_support.h"
#include "library/catalogue.h"
#include "library/game_files.h"
#include "model/puzzle_string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  MemorySettingsStore store;
  Settings settings(store);
  fuzz::QuietCataloguePort port;
  Catalogue catalogue(settings, port);
  catalogue.ImportSampleText(std::string(reinterpret_cast<const char*>(data), size));
  // The export holds puzzle strings only, and importing it again adds nothing.
  const std::string exported = SampleListText(settings);
  if (exported.empty()) return 0;
  for (size_t line = 0; line < exported.size(); line += 83) {
    if (!IsSudokuString(std::string_view(exported).substr(line, 81)) ||
        exported.compare(line + 81, 2, "\r\n") != 0) {
      std::abort();
    }
  }
  port.shown.clear();
  catalogue.ImportSampleText(exported);
  if (port.shown != Text(1072)) std::abort();
  return 0;
}
