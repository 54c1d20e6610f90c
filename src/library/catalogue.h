#pragma once
// The puzzle catalogue: the built-in puzzles followed by the player's own ones, which live in
// the settings' sub-key "Samples" as "Sudoku 1", "Sudoku 2", ... without gaps. Catalogue
// positions are 1-based and key the hall of fame, so deleting own puzzles renumbers the hall
// of fame and the running game with them.

#include <filesystem>
#include <string>
#include <vector>

#include "library/catalogue_port.h"
#include "settings/settings.h"

namespace sudoku {

// The value name of own puzzle n: "Sudoku n".
std::string SampleValueName(unsigned n);
// The puzzle number of a variant: 1-based catalogue position, transformation t and digit
// shift s, as "position.t+1.s+1".
std::string SampleNumber(int position, int t, int s);

class Catalogue {
 public:
  Catalogue(Settings& settings, CataloguePort& port);

  // The built-in puzzles, then the valid own puzzles up to the first missing number.
  void FillSampleList(std::vector<std::string>& list);
  // The number of built-in entries at the head of the list.
  int BuiltinCount() const { return builtinCount_; }

  // Adds the new, solvable puzzles of a list file (one per line, CR LF or LF) to the own
  // puzzles and tells how many through the port. Throws TextError(531) when the file cannot be
  // read; nothing is written then.
  void ImportSampleList(const std::filesystem::path& file);
  // The same for the list's text.
  void ImportSampleText(const std::string& content);

  // Writes the own part of the list back, so that the store holds exactly "Sudoku 1" to
  // "Sudoku K"; nothing once the settings have been erased.
  void StoreOwnSamples(const std::vector<std::string>& list);

  // Removes the selected own entries (0-based list indexes; built-in ones stay) and renumbers
  // the hall of fame and the running game. Returns the index to focus, -1 for an empty list.
  int DeleteOwnSamples(std::vector<std::string>& list, const std::vector<int>& selected,
                       int focused);
  // Removes all own entries and their hall-of-fame values; ends a running own puzzle. Returns
  // the index to focus.
  int ResetSamples(std::vector<std::string>& list, int focused);

 private:
  // The valid own puzzles in number order, and the first number without a value.
  std::vector<std::string> ReadOwnSamples(unsigned* firstMissing);
  bool HasValue(std::string_view key, const std::string& name);
  void RenumberHallOfFame(const std::vector<int>& deleted);

  Settings& settings_;
  CataloguePort& port_;
  int builtinCount_;
};

}  // namespace sudoku
