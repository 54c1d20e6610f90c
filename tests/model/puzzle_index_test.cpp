// The canonical key against the variant test it replaces: the same answers over random
// puzzles, their variants, near misses and texts that are no puzzle strings.

#include "model/puzzle_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/puzzle_string.h"
#include "support/boards.h"

namespace sudoku {
namespace {

class RandomPuzzles {
 public:
  explicit RandomPuzzles(uint32_t seed) : random_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  // A grid with its digits relabelled at random, thinned to `givens` cells.
  std::string Puzzle(int givens) {
    std::array<char, 9> digits = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    std::shuffle(digits.begin(), digits.end(), random_);
    std::string p(test::kSolution);
    for (char& ch : p) ch = digits[static_cast<size_t>(ch - '1')];
    std::array<int, 81> cells;
    for (int i = 0; i < 81; ++i) cells[static_cast<size_t>(i)] = i;
    std::shuffle(cells.begin(), cells.end(), random_);
    for (int k = givens; k < 81; ++k) p[static_cast<size_t>(cells[static_cast<size_t>(k)])] = '0';
    return TransformSudoku(p, 0, Below(8));
  }
  // Few givens make many variants equal to each other: the hard cases.
  int Givens() { return Below(4) == 0 ? 1 + Below(4) : 1 + Below(81); }

 private:
  std::mt19937 random_;
};

// The list order rule of the editor: the first entry, the excepted one aside, with as many
// givens of which p is a variant.
int FirstVariant(const std::string& p, const std::vector<std::string>& list, int except) {
  const int g = CountFilled(p);
  if (g < 1) return -1;
  for (size_t i = 0; i < list.size(); ++i) {
    if (static_cast<int>(i) != except && CountFilled(list[i]) == g && IsVariantOf(p, list[i])) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

TEST(PuzzleIndex, AnswersAsTheVariantTestDoes) {
  RandomPuzzles random(20240611);
  std::vector<std::string> list;
  for (int i = 0; i < 150; ++i) {
    if (!list.empty() && random.Below(5) == 0) {
      // A variant of an earlier entry: the index must find the lower one.
      list.push_back(
          TransformSudoku(list[static_cast<size_t>(random.Below(static_cast<int>(list.size())))],
                          random.Below(9), random.Below(8)));
    } else {
      list.push_back(random.Puzzle(random.Givens()));
    }
  }
  // Texts that are no puzzle strings: compared one by one, letters and blanks included.
  std::string odd = list[3];
  odd[static_cast<size_t>(odd.find_first_not_of('0'))] = 'a';
  list.push_back(odd);
  list.push_back(std::string(81, ' '));
  list.push_back(list[4].substr(1));
  list.push_back(std::string(81, '0'));
  list.push_back(std::string(test::kSolution));

  PuzzleIndex index;
  for (size_t i = 0; i < list.size(); ++i) index.Add(list[i], static_cast<int>(i));

  std::vector<std::string> queries;
  for (int i = 0; i < 600; ++i) {
    const std::string& e = list[static_cast<size_t>(random.Below(static_cast<int>(list.size())))];
    std::string q = TransformSudoku(e, random.Below(19) - 9, random.Below(8));
    switch (random.Below(4)) {
      case 0:
        break;  // a variant
      case 1:
        q = random.Puzzle(random.Givens());
        break;
      case 2:  // one cell changed: a near miss, sometimes still a variant of another entry
        if (!q.empty())
          q[static_cast<size_t>(random.Below(81))] = static_cast<char>('0' + random.Below(10));
        break;
      case 3: {  // two digits swapped: no cyclic shift, yet equal for symmetric puzzles
        for (char& ch : q) ch = ch == '1' ? '2' : ch == '2' ? '1' : ch;
        break;
      }
    }
    queries.push_back(q);
  }
  std::string upper = odd;
  upper[upper.find('a')] = 'A';  // letter case is ignored
  queries.push_back(upper);
  queries.push_back(odd);
  queries.push_back(std::string(81, '0'));
  queries.push_back(std::string(test::kSolution));
  queries.push_back(TransformSudoku(test::kSolution, 4, 5));
  queries.push_back("");

  int variants = 0;
  for (const std::string& q : queries) {
    int givens = -2, expectedGivens = -2;
    const bool isNew = IsNewSudoku(q, list, &expectedGivens);
    EXPECT_EQ(index.IsNew(q, &givens), isNew) << q;
    EXPECT_EQ(givens, expectedGivens);
    variants += !isNew;
    const int first = FirstVariant(q, list, -1);
    EXPECT_EQ(index.FindVariant(q), first) << q;
    // The edited entry itself does not count: often the one that matched.
    const int except = random.Below(2) ? first : random.Below(static_cast<int>(list.size()));
    EXPECT_EQ(index.FindVariant(q, except), FirstVariant(q, list, except)) << q << " " << except;
  }
  // Both kinds are well represented.
  EXPECT_GT(variants, 150);
  EXPECT_GT(static_cast<int>(queries.size()) - variants, 150);
}

TEST(PuzzleIndex, KeysAreEqualExactlyForVariants) {
  const auto key = CanonicalKey(test::kEasyPuzzle);
  ASSERT_TRUE(key);
  for (int t = 0; t < 8; ++t) {
    for (int s = -9; s < 9; ++s)
      EXPECT_EQ(CanonicalKey(TransformSudoku(test::kEasyPuzzle, s, t)), key);
  }
  std::string other(test::kEasyPuzzle);
  std::swap(other[1], other[5]);
  EXPECT_NE(CanonicalKey(other), key);
  EXPECT_FALSE(CanonicalKey(std::string(test::kEasyPuzzle).substr(1)));
  EXPECT_FALSE(CanonicalKey(std::string(80, '0') + " "));
}

}  // namespace
}  // namespace sudoku
