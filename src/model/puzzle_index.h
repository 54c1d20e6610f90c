#pragma once
// Puzzle identity up to the 72 variants. Two puzzle strings are variants of each other exactly
// when their canonical keys are equal, so a hash set of keys answers the duplicate test in
// constant time however many puzzles are known.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace sudoku {

// The smallest of the 72 variant strings, packed two digits to a byte.
using PuzzleKey = std::array<uint8_t, 41>;

// The key of a puzzle string (81 characters '0'-'9'); nothing for any other text.
std::optional<PuzzleKey> CanonicalKey(std::string_view p);

struct PuzzleKeyHash {
  size_t operator()(const PuzzleKey& key) const noexcept;
};

// The known puzzles with their list indexes, for the duplicate test of IsNewSudoku and of the
// editor. Entries that are no puzzle strings are kept aside and compared one by one, so the
// answers are those of IsVariantOf for any text.
class PuzzleIndex {
 public:
  void Clear();
  void Reserve(size_t count) { keys_.reserve(count); }
  // Adds entry e at list index `index` (indexes are added in ascending order).
  void Add(std::string_view e, int index);

  // The lowest index, other than `except`, of an entry of which p is a variant (IsVariantOf with
  // as many givens); -1 when there is none.
  int FindVariant(std::string_view p, int except = -1) const;
  // IsNewSudoku over the entries added: p has 1 to 80 givens and is no variant of any entry.
  bool IsNew(std::string_view p, int* givens = nullptr) const;

 private:
  // The two lowest indexes with a key: enough to skip one excepted entry.
  struct Indexes {
    int first = -1;
    int second = -1;
  };
  std::unordered_map<PuzzleKey, Indexes, PuzzleKeyHash> keys_;
  std::vector<std::pair<std::string, int>> others_;
};

}  // namespace sudoku
