#include "library/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "base/texts.h"
#include "library/builtin_puzzles.h"
#include "model/board.h"
#include "model/puzzle_index.h"
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
std::vector<std::string_view> SplitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string_view line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The values of the own-puzzle key by number, up to the first missing number (exclusive);
// entry 0 is unused. A value that is no string is there, without a text.
std::vector<std::optional<std::string>*> OwnValuesByNumber(SettingsStore::NamedStrings& values) {
  // Numbers beyond the count of values can never be reached without a gap.
  std::vector<std::optional<std::string>*> byNumber(values.size() + 1, nullptr);
  for (auto& [name, text] : values) {
    const unsigned n = SampleValueNumber(name);
    if (n > 0 && n < byNumber.size()) byNumber[n] = &text;
  }
  size_t end = 1;
  while (end < byNumber.size() && byNumber[end]) ++end;
  byNumber.resize(end);
  return byNumber;
}

}  // namespace

std::string SampleValueName(unsigned n) {
  return FormatText(1071, n);
}

unsigned SampleValueNumber(std::string_view name) {
  static const std::string prefix = [] {
    std::string zero = SampleValueName(0);
    zero.pop_back();
    return zero;
  }();
  if (!name.starts_with(prefix)) return 0;
  const std::string_view digits = name.substr(prefix.size());
  if (digits.empty() || digits.size() > 9 || digits[0] == '0') return 0;
  unsigned n = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return 0;
    n = n * 10 + static_cast<unsigned>(ch - '0');
  }
  return n;
}

std::string SampleNumber(int position, int t, int s) {
  char text[40];
  std::snprintf(text, sizeof text, "%d.%d.%d", position, t + 1, s + 1);
  return text;
}

std::vector<std::string> ReadOwnSamples(SettingsStore& store, unsigned* firstMissing) {
  SettingsStore::NamedStrings values = store.GetStrings(kSamples);
  const auto byNumber = OwnValuesByNumber(values);
  std::vector<std::string> own;
  own.reserve(byNumber.size());
  for (size_t n = 1; n < byNumber.size(); ++n) {
    // An invalid value is passed over but still takes its number.
    std::optional<std::string>& text = *byNumber[n];
    if (text && IsSudokuString(*text)) own.push_back(std::move(*text));
  }
  if (firstMissing) *firstMissing = static_cast<unsigned>(byNumber.size());
  return own;
}

Catalogue::Catalogue(Settings& settings, CataloguePort& port)
    : settings_(settings), port_(port), builtinCount_(static_cast<int>(BuiltinSamples().size())) {}

void Catalogue::FillSampleList(std::vector<std::string>& list) {
  list = BuiltinSamples();
  builtinCount_ = static_cast<int>(list.size());
  if (!settings_.Store().KeyExists(kSamples)) return;
  std::vector<std::string> own = ReadOwnSamples(settings_.Store());
  list.reserve(list.size() + own.size());
  for (std::string& text : own) list.push_back(std::move(text));
}

void Catalogue::ImportSampleList(const std::filesystem::path& file,
                                 const ImportProgress& progress) {
  // The store is written only after the whole file has been read.
  ImportSampleText(ReadWholeFile(file), progress);
}

void Catalogue::ImportSampleText(const std::string& content, const ImportProgress& progress) {
  const std::vector<std::string_view> lines = SplitLines(content);
  if (settings_.SettingsErased()) return;

  SettingsStore& store = settings_.Store();
  PuzzleIndex known;
  int index = 0;
  for (const std::string& text : BuiltinSamples()) known.Add(text, index++);
  unsigned next = 1;
  for (const std::string& text : ReadOwnSamples(store, &next)) known.Add(text, index++);

  RunState state;
  Solver solver(state);
  std::vector<std::string_view> added;
  bool cancelled = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (progress && i % 256 == 0 && !progress(i, lines.size())) {
      cancelled = true;
      break;
    }
    const std::string_view line = lines[i];
    // A line with other characters than digits could pass the variant test and the solver,
    // and then be skipped by the catalogue for ever: only puzzle strings are taken.
    if (!IsSudokuString(line) || !known.IsNew(line)) continue;
    BoardRecord scratch;
    if (!LoadBoardFromString(scratch, line, true, solver)) continue;
    known.Add(line, index++);
    added.push_back(line);
  }
  if (progress && !cancelled) progress(lines.size(), lines.size());

  if (added.empty()) {
    port_.ShowInformation(Text(1072));
    return;
  }
  {
    SettingsBatch batch(store);
    for (size_t j = 0; j < added.size(); ++j) {
      store.PutString(kSamples, SampleValueName(next + static_cast<unsigned>(j)), added[j]);
    }
  }
  const int count = static_cast<int>(added.size());
  port_.ShowInformation(FormatText(count == 1 ? 1073 : 1074, count));
}

void Catalogue::StoreOwnSamples(const std::vector<std::string>& list) {
  if (settings_.SettingsErased()) return;
  SettingsStore& store = settings_.Store();
  const size_t builtin = static_cast<size_t>(builtinCount_);
  if (list.size() <= builtin) {
    if (store.KeyExists(kSamples)) store.DeleteKey(kSamples);
    return;
  }
  SettingsBatch batch(store);
  SettingsStore::NamedStrings values = store.GetStrings(kSamples);
  const auto byNumber = OwnValuesByNumber(values);
  size_t k = 1;
  for (size_t i = builtin; i < list.size(); ++i, ++k) {
    if (k < byNumber.size() && *byNumber[k] == list[i]) continue;
    store.PutString(kSamples, SampleValueName(static_cast<unsigned>(k)), list[i]);
  }
  for (; k < byNumber.size(); ++k) {
    store.DeleteValue(kSamples, SampleValueName(static_cast<unsigned>(k)));
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
    if (i < c) --c;
    deleted.push_back(i + 1);
  }
  // One pass over the list, however many entries go.
  size_t kept = static_cast<size_t>(std::max(builtinCount_, 0));
  for (size_t i = kept; i < list.size(); ++i) {
    if (marked[i]) continue;
    if (kept != i) list[kept] = std::move(list[i]);
    ++kept;
  }
  list.resize(std::min(kept, list.size()));
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
  // Deleting d and moving every entry above it down by one, for each d from the highest down,
  // leaves entry n at n minus the number of deleted positions below it.
  const std::vector<int> ascending(deleted.rbegin(), deleted.rend());
  SettingsBatch batch(store);
  std::vector<std::pair<int, std::string>> moved;
  for (const std::string& name : store.ValueNames(kHallOfFame)) {
    const int number = NumericName(name);
    if (number == 0) continue;
    const auto at = std::lower_bound(ascending.begin(), ascending.end(), number);
    if (at != ascending.end() && *at == number) {
      store.DeleteValue(kHallOfFame, name);
    } else if (at != ascending.begin()) {
      moved.emplace_back(number, name);
    }
  }
  // Lowest first, so that every new name is free by then.
  std::sort(moved.begin(), moved.end());
  for (const auto& [number, name] : moved) {
    const auto below =
        std::lower_bound(ascending.begin(), ascending.end(), number) - ascending.begin();
    RenameValue(store, kHallOfFame, name, std::to_string(number - below));
  }
}

int Catalogue::ResetSamples(std::vector<std::string>& list, int focused) {
  if (list.size() > static_cast<size_t>(builtinCount_)) list.resize(builtinCount_);
  int c = focused;
  if (c >= static_cast<int>(list.size())) c = static_cast<int>(list.size()) - 1;

  SettingsStore& store = settings_.Store();
  if (!settings_.SettingsErased() && store.KeyExists(kHallOfFame)) {
    SettingsBatch batch(store);
    for (const std::string& name : store.ValueNames(kHallOfFame)) {
      if (NumericName(name) > builtinCount_) store.DeleteValue(kHallOfFame, name);
    }
    if (store.ValueNames(kHallOfFame).empty()) store.DeleteKey(kHallOfFame);
  }

  if (ListNumber(port_.CurrentPuzzleName()) > builtinCount_) port_.EmptyPlayground();
  return c;
}

}  // namespace sudoku
