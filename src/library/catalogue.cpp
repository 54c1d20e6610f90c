#include "library/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>

#include "base/texts.h"
#include "library/builtin_puzzles.h"
#include "model/board.h"
#include "model/puzzle_string.h"
#include "solve/solver.h"

namespace sudoku {
namespace {

constexpr const char* kSamples = setting::kSamplesKey;
constexpr const char* kHallOfFame = setting::kHallOfFameKey;

std::vector<std::string> BuiltinSamples() {
  std::vector<std::string> list;
  for (int id = kFirstBuiltinPuzzleId;; ++id) {
    const std::string_view text = BuiltinPuzzleText(id);
    if (text.empty()) break;
    if (IsSudokuString(text)) list.emplace_back(text);
  }
  return list;
}

// Hall-of-fame value names as the program writes them: a decimal number without sign or
// leading zero. Anything else is not ours to renumber.
int NumericName(const std::string& name) {
  if (name.empty() || name.size() > 9 || name[0] == '0') return 0;
  int n = 0;
  for (char ch : name) {
    if (ch < '0' || ch > '9') return 0;
    n = n * 10 + (ch - '0');
  }
  return n;
}

void RenameValue(SettingsStore& store, std::string_view key, const std::string& from,
                 const std::string& to) {
  if (auto binary = store.GetBinary(key, from)) {
    store.PutBinary(key, to, *binary);
  } else if (auto text = store.GetString(key, from)) {
    store.PutString(key, to, *text);
  } else if (auto number = store.GetInt(key, from)) {
    store.PutInt(key, to, *number);
  }
  store.DeleteValue(key, from);
}

// The whole file, or TextError(531) when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) throw TextError(531);
  std::ifstream in(file, std::ios::binary);
  if (!in) throw TextError(531);
  std::string content;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<size_t>(in.gcount()));
    if (!in) break;
  }
  if (in.bad()) throw TextError(531);
  return content;
}

// Lines end in LF or CR LF; nothing else is trimmed.
std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string SampleValueName(unsigned n) {
  return FormatText(1071, n);
}

std::string SampleNumber(int position, int t, int s) {
  char text[40];
  std::snprintf(text, sizeof text, "%d.%d.%d", position, t + 1, s + 1);
  return text;
}

Catalogue::Catalogue(Settings& settings, CataloguePort& port)
    : settings_(settings), port_(port), builtinCount_(static_cast<int>(BuiltinSamples().size())) {}

std::vector<std::string> Catalogue::ReadOwnSamples(unsigned* firstMissing) {
  std::vector<std::string> own;
  SettingsStore& store = settings_.Store();
  const std::vector<std::string> names = store.ValueNames(kSamples);
  const std::set<std::string> present(names.begin(), names.end());
  unsigned n = 1;
  for (;; ++n) {
    const std::string name = SampleValueName(n);
    if (!present.contains(name)) break;
    // An invalid value is passed over but still takes its number.
    std::optional<std::string> text = store.GetString(kSamples, name);
    if (text && IsSudokuString(*text)) own.push_back(std::move(*text));
  }
  if (firstMissing) *firstMissing = n;
  return own;
}

void Catalogue::FillSampleList(std::vector<std::string>& list) {
  list = BuiltinSamples();
  builtinCount_ = static_cast<int>(list.size());
  if (!settings_.Store().KeyExists(kSamples)) return;
  for (std::string& text : ReadOwnSamples(nullptr)) list.push_back(std::move(text));
}

void Catalogue::ImportSampleList(const std::filesystem::path& file) {
  // The store is written only after the whole file has been read.
  ImportSampleText(ReadWholeFile(file));
}

void Catalogue::ImportSampleText(const std::string& content) {
  const std::vector<std::string> lines = SplitLines(content);
  if (settings_.SettingsErased()) return;

  std::vector<std::string> known = BuiltinSamples();
  unsigned next = 1;
  for (std::string& text : ReadOwnSamples(&next)) known.push_back(std::move(text));

  RunState state;
  Solver solver(state);
  std::vector<std::string> added;
  for (const std::string& line : lines) {
    // A line with other characters than digits could pass the variant test and the solver,
    // and then be skipped by the catalogue for ever: only puzzle strings are taken.
    if (!IsSudokuString(line) || !IsNewSudoku(line, known)) continue;
    BoardRecord scratch;
    if (!LoadBoardFromString(scratch, line, true, solver)) continue;
    known.push_back(line);
    added.push_back(line);
  }

  if (added.empty()) {
    port_.ShowInformation(Text(1072));
    return;
  }
  SettingsStore& store = settings_.Store();
  for (size_t j = 0; j < added.size(); ++j) {
    store.PutString(kSamples, SampleValueName(next + static_cast<unsigned>(j)), added[j]);
  }
  const int count = static_cast<int>(added.size());
  port_.ShowInformation(FormatText(count == 1 ? 1073 : 1074, count));
}

void Catalogue::StoreOwnSamples(const std::vector<std::string>& list) {
  if (settings_.SettingsErased()) return;
  SettingsStore& store = settings_.Store();
  const size_t builtin = static_cast<size_t>(builtinCount_);
  if (list.size() <= builtin) {
    store.DeleteKey(kSamples);
    return;
  }
  unsigned k = 1;
  for (size_t i = builtin; i < list.size(); ++i, ++k) {
    store.PutString(kSamples, SampleValueName(k), list[i]);
  }
  const std::vector<std::string> names = store.ValueNames(kSamples);
  const std::set<std::string> present(names.begin(), names.end());
  for (;; ++k) {
    const std::string name = SampleValueName(k);
    if (!present.contains(name)) break;
    store.DeleteValue(kSamples, name);
  }
}

int Catalogue::DeleteOwnSamples(std::vector<std::string>& list, const std::vector<int>& selected,
                                int focused) {
  std::vector<bool> marked(list.size(), false);
  for (int index : selected) {
    if (index >= 0 && static_cast<size_t>(index) < list.size()) marked[index] = true;
  }
  std::vector<int> deleted;  // 1-based positions, highest first
  int c = focused;
  for (int i = static_cast<int>(list.size()) - 1; i >= builtinCount_; --i) {
    if (!marked[static_cast<size_t>(i)]) continue;
    list.erase(list.begin() + i);
    if (i < c) --c;
    deleted.push_back(i + 1);
  }
  if (c >= static_cast<int>(list.size())) c = static_cast<int>(list.size()) - 1;
  if (deleted.empty()) return c;

  // The hall of fame first, so that the refresh after the new puzzle number sees it renumbered.
  RenumberHallOfFame(deleted);

  // A game without a list number is no catalogue puzzle: deleting entries leaves it alone.
  int n = ListNumber(port_.CurrentPuzzleName());
  if (n != 0) {
    for (int position : deleted) {
      if (position < n) {
        --n;
      } else if (position == n) {
        n = 0;
        break;
      }
    }
    port_.SetListNumber(n);
  }
  return c;
}

void Catalogue::RenumberHallOfFame(const std::vector<int>& deleted) {
  if (settings_.SettingsErased()) return;
  SettingsStore& store = settings_.Store();
  if (!store.KeyExists(kHallOfFame)) return;
  for (int d : deleted) {  // highest first: every remaining entry keeps its puzzle
    std::vector<std::pair<int, std::string>> above;
    for (const std::string& name : store.ValueNames(kHallOfFame)) {
      const int number = NumericName(name);
      if (number == d) {
        store.DeleteValue(kHallOfFame, name);
      } else if (number > d) {
        above.emplace_back(number, name);
      }
    }
    // Lowest first, so that every new name has just been freed.
    std::sort(above.begin(), above.end());
    for (const auto& [number, name] : above) {
      RenameValue(store, kHallOfFame, name, std::to_string(number - 1));
    }
  }
}

int Catalogue::ResetSamples(std::vector<std::string>& list, int focused) {
  if (list.size() > static_cast<size_t>(builtinCount_)) list.resize(builtinCount_);
  int c = focused;
  if (c >= static_cast<int>(list.size())) c = static_cast<int>(list.size()) - 1;

  SettingsStore& store = settings_.Store();
  if (!settings_.SettingsErased() && store.KeyExists(kHallOfFame)) {
    for (const std::string& name : store.ValueNames(kHallOfFame)) {
      if (NumericName(name) > builtinCount_) store.DeleteValue(kHallOfFame, name);
    }
    if (store.ValueNames(kHallOfFame).empty()) store.DeleteKey(kHallOfFame);
  }

  if (ListNumber(port_.CurrentPuzzleName()) > builtinCount_) port_.EmptyPlayground();
  return c;
}

}  // namespace sudoku
