#include "model/puzzle_index.h"

#include <algorithm>
#include <cstring>

#include "model/puzzle_string.h"

namespace sudoku {
namespace {

// For each transformation, the source cell that lands on each target cell.
struct SourceTable {
  std::array<std::array<uint8_t, 81>, 8> source{};
  SourceTable() {
    for (int i = 0; i < 81; ++i) {
      // Mark source cell i with a single given and see where each transformation puts it.
      std::string marked(81, '0');
      marked[static_cast<size_t>(i)] = '1';
      for (int t = 0; t < 8; ++t) {
        const std::string moved = TransformSudoku(marked, 0, t);
        source[static_cast<size_t>(t)][moved.find('1')] = static_cast<uint8_t>(i);
      }
    }
  }
};

const SourceTable& Sources() {
  static const SourceTable table;
  return table;
}

}  // namespace

std::optional<PuzzleKey> CanonicalKey(std::string_view p) {
  if (!IsSudokuString(p)) return std::nullopt;
  // For one transformation the smallest of the nine shifts turns its first given into 1: the
  // cells before it are 0 in every shift. The key is the smallest of these eight strings; a
  // transformation is dropped at its first cell above the best so far.
  static constexpr auto kShifted = [] {
    // kShifted[f][d]: digit d shifted so that digit f becomes 1.
    std::array<std::array<uint8_t, 10>, 10> table{};
    for (int f = 1; f <= 9; ++f) {
      for (int d = 1; d <= 9; ++d) table[f][d] = static_cast<uint8_t>((d - f + 9) % 9 + 1);
    }
    return table;
  }();
  const auto& sources = Sources().source;
  std::array<uint8_t, 81> best{};
  for (size_t t = 0; t < 8; ++t) {
    const auto& source = sources[t];
    const uint8_t* shifted = nullptr;
    bool below = t == 0;  // already smaller than the best: the rest is copied
    size_t i = 0;
    for (; i < 81; ++i) {
      const int d = p[source[i]] - '0';
      if (d != 0 && !shifted) shifted = kShifted[static_cast<size_t>(d)].data();
      const uint8_t c = d == 0 ? 0 : shifted[d];
      if (!below) {
        if (c > best[i]) break;
        if (c < best[i]) below = true;
      }
      best[i] = c;
    }
  }
  PuzzleKey key{};
  for (size_t i = 0; i < 81; ++i) {
    key[i / 2] = static_cast<uint8_t>(key[i / 2] | (i % 2 ? best[i] : best[i] << 4));
  }
  return key;
}

size_t PuzzleKeyHash::operator()(const PuzzleKey& key) const noexcept {
  // FNV-1a over the packed digits.
  uint64_t h = 14695981039346656037ull;
  for (uint8_t byte : key) h = (h ^ byte) * 1099511628211ull;
  return static_cast<size_t>(h ^ (h >> 32));
}

void PuzzleIndex::Clear() {
  keys_.clear();
  others_.clear();
}

void PuzzleIndex::Add(std::string_view e, int index) {
  if (const auto key = CanonicalKey(e)) {
    Indexes& at = keys_[*key];
    if (at.first < 0) {
      at.first = index;
    } else if (at.second < 0) {
      at.second = index;
    }
  } else {
    others_.emplace_back(std::string(e), index);
  }
}

int PuzzleIndex::FindVariant(std::string_view p, int except) const {
  const int g = CountFilled(p);
  if (g < 1) return -1;  // nothing is a variant of an empty board
  int found = -1;
  // A variant of a puzzle string is a puzzle string: p matches a key or nothing there.
  if (const auto key = CanonicalKey(p)) {
    if (const auto at = keys_.find(*key); at != keys_.end()) {
      found = at->second.first != except ? at->second.first : at->second.second;
    }
  }
  for (const auto& [e, index] : others_) {
    if (index == except || (found >= 0 && index > found)) continue;
    if (CountFilled(e) == g && IsVariantOf(p, e)) found = index;
  }
  return found;
}

bool PuzzleIndex::IsNew(std::string_view p, int* givens) const {
  const int g = CountFilled(p);
  if (givens) *givens = g;
  if (g < 1 || g > 80) return false;
  return FindVariant(p) < 0;
}

}  // namespace sudoku
