// List files of own puzzles as the open command imports them into the catalogue.

#include <string>

#include "base/texts.h"
#include "fuzz/fuzz_support.h"
#include "library/catalogue.h"
#include "library/game_files.h"
#include "model/puzzle_string.h"

namespace {

// The import, its export and the import of the export, which must add nothing.
void ImportAndExport(sudoku::Catalogue& catalogue, sudoku::Settings& settings,
                     sudoku::fuzz::QuietCataloguePort& port, const std::string& list) {
  using namespace sudoku;
  catalogue.ImportSampleText(list);
  const std::string exported = SampleListText(settings);
  if (exported.empty()) return;
  for (size_t line = 0; line < exported.size(); line += 83) {
    if (!IsSudokuString(std::string_view(exported).substr(line, 81)) ||
        exported.compare(line + 81, 2, "\r\n") != 0) {
      std::abort();
    }
  }
  port.shown.clear();
  catalogue.ImportSampleText(exported);
  if (port.shown != Text(1072)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  // One catalogue for all inputs, over a store that each input leaves empty.
  static MemorySettingsStore store;
  static Settings settings(store);
  static fuzz::QuietCataloguePort port;
  static Catalogue catalogue(settings, port);
  ImportAndExport(catalogue, settings, port,
                  std::string(reinterpret_cast<const char*>(data), size));
  store.keys.clear();
  return 0;
}
