#include "model/puzzle_string.h"

#include <array>

namespace sudoku {
namespace {

bool IsBlank(char ch) { return ch == '0' || ch == ' '; }

// Target cell of each source cell for the eight transformations.
struct TransformTable {
  std::array<std::array<int, 81>, 8> target{};
  constexpr TransformTable() {
    for (int i = 0; i < 81; ++i) {
      const int a = i / 9, b = i % 9;
      const int rows[8] = {a, b, 8 - a, 8 - b, a, 8 - b, 8 - a, b};
      const int cols[8] = {b, 8 - a, 8 - b, a, 8 - b, 8 - a, b, a};
      for (int t = 0; t < 8; ++t) target[t][i] = rows[t] * 9 + cols[t];
    }
  }
};
constexpr TransformTable kTransforms{};

char ToLowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IsSudokuString(std::string_view text) {
  if (text.size() != 81) return false;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

bool LoadBoardFromString(BoardRecord& record, std::string_view text) {
  if (text.size() != 81) return false;
  record.givens.Clear();
  for (int i = 0; i < 81; ++i) {
    const char ch = text[i];
    if (ch >= '1' && ch <= '9') {
      record.cells[i] = DigitBit(ch - '0');
      record.givens.Add(i);
    } else {
      record.cells[i] = 0;
    }
  }
  return true;
}

int FirstFilledPosition(std::string_view text) {
  for (size_t i = 0; i < 81 && i < text.size(); ++i) {
    if (text[i] == '\0') return -1;
    if (!IsBlank(text[i])) return static_cast<int>(i);
  }
  return -1;
}

int CountFilled(std::string_view text) {
  int count = 0;
  for (size_t i = 0; i < 81; ++i) {
    if (i >= text.size() || text[i] == '\0') return -1;
    if (!IsBlank(text[i])) ++count;
  }
  return count;
}

std::string TransformSudoku(std::string_view p, int shift, int t) {
  if (p.size() != 81 || t < 0 || t > 7) return std::string();
  std::string r(81, '0');
  for (int i = 0; i < 81; ++i) {
    char c = p[i];
    if (c >= '1' && c <= '9') c = static_cast<char>('1' + ((shift + (c - '1')) % 9 + 9) % 9);
    r[kTransforms.target[t][i]] = c;
  }
  return r;
}

bool IsVariantOf(std::string_view p, std::string_view e) {
  const int f = FirstFilledPosition(p);
  if (f < 0) return false;
  for (int t = 0; t < 8; ++t) {
    std::string q = TransformSudoku(e, 0, t);
    if (FirstFilledPosition(q) != f) continue;
    q = TransformSudoku(e, p[static_cast<size_t>(f)] - q[static_cast<size_t>(f)], t);
    if (EqualIgnoringCase(q, p)) return true;
  }
  return false;
}

bool IsNewSudoku(std::string_view p, const std::vector<std::string>& list, int* givens) {
  const int g = CountFilled(p);
  if (givens) *givens = g;
  if (g < 1 || g > 80) return false;
  for (const std::string& e : list) {
    if (CountFilled(e) == g && IsVariantOf(p, e)) return false;
  }
  return true;
}

}  // namespace sudoku
