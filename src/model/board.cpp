#include "model/board.h"

#include <algorithm>

#include "base/bytes.h"
#include "model/geometry.h"

namespace sudoku {

std::string BoardRecord::Name() const {
  const size_t len = std::min<size_t>(name[0], 15);
  return std::string(reinterpret_cast<const char*>(name.data() + 1), len);
}

void BoardRecord::SetName(std::string_view text) {
  name.fill(0);
  const size_t len = std::min<size_t>(text.size(), 15);
  name[0] = static_cast<uint8_t>(len);
  std::copy_n(text.begin(), len, name.begin() + 1);
}

void BoardRecord::WriteTo(std::span<uint8_t, kSize> out) const {
  std::copy(name.begin(), name.end(), out.begin());
  for (int i = 0; i < 81; ++i) PutU16(out, 16 + 2 * i, cells[i]);
  std::copy(givens.bytes.begin(), givens.bytes.end(), out.begin() + 178);
  std::copy(marked.bytes.begin(), marked.bytes.end(), out.begin() + 189);
}

std::array<uint8_t, BoardRecord::kSize> BoardRecord::ToBytes() const {
  std::array<uint8_t, kSize> out{};
  WriteTo(out);
  return out;
}

BoardRecord BoardRecord::FromBytes(std::span<const uint8_t, kSize> in) {
  BoardRecord b;
  std::copy_n(in.begin(), 16, b.name.begin());
  if (b.name[0] > 15) b.name[0] = 15;
  for (int i = 0; i < 81; ++i) b.cells[i] = MaskDigits(GetU16(in, 16 + 2 * i));
  std::copy_n(in.begin() + 178, 11, b.givens.bytes.begin());
  std::copy_n(in.begin() + 189, 11, b.marked.bytes.begin());
  b.givens.Normalise();
  b.marked.Normalise();
  return b;
}

void ClearNonGivens(BoardRecord& board) {
  for (int i = 0; i < kCells; ++i) {
    if (!board.IsGiven(i)) board.cells[i] = 0;
  }
}

bool GivensConsistent(const BoardRecord& board) {
  BoardRecord copy = board;
  ClearNonGivens(copy);
  for (int g = 0; g < kGroups; ++g) {
    DigitSet seen = 0;
    for (int p = 0; p < 9; ++p) {
      const DigitSet s = copy.cells[kGroupCells.cells[g][p]];
      if (s & seen) return false;
      seen |= s;
    }
  }
  return true;
}

std::string BoardToString(const BoardRecord& board) {
  std::string out(81, '0');
  for (int i = 0; i < kCells; ++i) out[i] = DigitChar(board.cells[i]);
  return out;
}

std::string PuzzleIdOf(std::string_view name) {
  return std::string(name.substr(0, name.find('.')));
}

int ListNumber(std::string_view name) {
  const size_t dot = name.find('.');
  if (dot == std::string_view::npos || dot == 0) return 0;
  long value = 0;
  for (char ch : name.substr(0, dot)) {
    if (ch < '0' || ch > '9') return 0;
    value = value * 10 + (ch - '0');
    if (value > 0x7FFFFFFF) return 0;
  }
  return static_cast<int>(value);
}

}  // namespace sudoku
