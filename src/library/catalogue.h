#pragma once
// The puzzle catalogue: the built-in puzzles followed by the player's own ones, which live in
// the settings' sub-key "Samples" as "Sudoku 1", "Sudoku 2", ... without gaps. Catalogue
// positions are 1-based and key the hall of fame, so deleting own puzzles renumbers the hall
// of fame and the running game with them.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "library/catalogue_port.h"
#include "settings/settings.h"

namespace sudoku {

// The value name of own puzzle n: "Sudoku n".
std::string SampleValueName(unsigned n);
// The n of SampleValueName(n); 0 for any other name.
unsigned SampleValueNumber(std::string_view name);
// The puzzle number of a variant: 1-based catalogue position, transformation t and digit
// shift s, as "position.t+1.s+1".
std::string SampleNumber(int position, int t, int s);

// The valid own puzzles in number order, up to the first missing number, which `firstMissing`
// receives.
std::vector<std::string> ReadOwnSamples(SettingsStore& store, unsigned* firstMissing = nullptr);

class Catalogue {
 public:
  Catalogue(Settings& settings, CataloguePort& port);

  // The built-in puzzles, then the valid own puzzles up to the first missing number.
  void FillSampleList(std::vector<std::string>& list);
  // The number of built-in entries at the head of the list.
  int BuiltinCount() const { return builtinCount_; }

  // Told how many of the file's lines have been checked so far; false stops the import, which
  // then keeps the puzzles taken up to there.
  using ImportProgress = std::function<bool(size_t checked, size_t lines)>;

  // Adds the new, solvable puzzles of a list file (one per line, CR LF or LF) to the own
  // puzzles, in one write, and tells how many through the port. Throws TextError(531) when the
  // file cannot be read; nothing is written then.
  void ImportSampleList(const std::filesystem::path& file, const ImportProgress& progress = {});
  // The same for the list's text.
  void ImportSampleText(const std::string& content, const ImportProgress& progress = {});

  // Writes the own part of the list back, so that the store holds exactly "Sudoku 1" to
  // "Sudoku K": in one write, and only the values that differ; nothing once the settings have
  // been erased.
  void StoreOwnSamples(const std::vector<std::string>& list);

  // Removes the selected own entries (0-based list indexes; built-in ones stay) and renumbers
  // the hall of fame and the running game. Returns the index to focus, -1 for an empty list.
  int DeleteOwnSamples(std::vector<std::string>& list, const std::vector<int>& selected,
                       int focused);
  // Removes all own entries and their hall-of-fame values; ends a running own puzzle. Returns
  // the index to focus.
  int ResetSamples(std::vector<std::string>& list, int focused);

 private:
  void RenumberHallOfFame(const std::vector<int>& deleted);

  Settings& settings_;
  CataloguePort& port_;
  int builtinCount_;
};

}  // namespace sudoku
