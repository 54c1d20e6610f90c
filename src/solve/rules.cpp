#include "solve/rules.h"

namespace sudoku {
namespace {

// Three digit sets side by side in the 16-bit lanes of one word, so that one test covers the
// three blocks of a band (stack).
constexpr uint64_t kLanes = 0x0000'0001'0001'0001;
constexpr uint64_t kGuards = kLanes << 15;

// The guard bit of each lane whose set holds exactly one digit: x & (x - 1) is empty there
// (the guard keeps the borrow of an empty lane inside it) and x is not.
uint64_t SingleLanes(uint64_t x) {
  const uint64_t multi = x & ((x | kGuards) - kLanes);
  // Adding 0x7FFF sets the guard bit of every lane that is not 0 (sets stay below 0x400).
  return (x + kGuards - kLanes) & ~(multi + kGuards - kLanes) & kGuards;
}

}  // namespace

void NeighbourForced::Find(const GroupTable& groups) {
  cells[0] = cells[1] = 0;
  auto digits = [&](int g) -> uint32_t { return groups[g].digits; };
  // The other two lines of a line's band or stack.
  static constexpr int8_t kOther1[9] = {1, 2, 0, 4, 5, 3, 7, 8, 6};
  static constexpr int8_t kOther2[9] = {2, 0, 1, 5, 3, 4, 8, 6, 7};
  // Digit d is forced into position `at` of a line when each of the two other lines of its
  // band (stack) either holds d already or has its cell at that position fixed. For the three
  // lines from group `first` on, whose cells at `at` are fixed as the bits of `fixed` say (the
  // line across them has them side by side): bit j set when line j is forced.
  auto forced = [&](int first, unsigned fixed, int d) {
    unsigned done = fixed & 7;
    for (int j = 0; j < 3; ++j) done |= ((groups[first + j].digits >> d) & 1u) << j;
    // Bit j of entry `done`: both other lines of the three are done.
    static constexpr uint8_t kBothOthers[8] = {0, 0, 0, 4, 0, 2, 1, 7};
    return kBothOthers[done];
  };
  auto mark = [this](int cell, int d) {
    cells[cell >> 6] |= uint64_t{1} << (cell & 63);
    digit[cell] = static_cast<int8_t>(d);
  };
  // The digits fixed in both other lines and not in the block, for the three blocks of the
  // line's band (stack) at once; calls f(k, d) for each block k where that is one digit d.
  auto single = [](uint32_t pair, uint64_t blocks, auto f) {
    const uint64_t left = pair * kLanes & ~blocks;
    for (uint64_t lanes = SingleLanes(left); lanes; lanes &= lanes - 1) {
      const int k = __builtin_ctzll(lanes) / 16;
      f(k, __builtin_ctzll(left >> (16 * k)));
    }
  };
  // The row test first: the column test only decides cells the row test does not set.
  for (int band = 0; band < 3; ++band) {
    const uint64_t blocks = digits(BlockGroup(band * 3)) |
                            uint64_t{digits(BlockGroup(band * 3 + 1))} << 16 |
                            uint64_t{digits(BlockGroup(band * 3 + 2))} << 32;
    for (int row = band * 3; row < band * 3 + 3; ++row) {
      const uint32_t pair = digits(RowGroup(kOther1[row])) & digits(RowGroup(kOther2[row]));
      single(pair, blocks, [&](int stack, int d) {
        for (unsigned at =
                 forced(ColumnGroup(stack * 3), groups[RowGroup(row)].positions >> (stack * 3), d);
             at; at &= at - 1) {
          mark(CellAt(stack * 3 + __builtin_ctz(at), row), d);
        }
      });
    }
  }
  for (int stack = 0; stack < 3; ++stack) {
    const uint64_t blocks = digits(BlockGroup(stack)) |
                            uint64_t{digits(BlockGroup(stack + 3))} << 16 |
                            uint64_t{digits(BlockGroup(stack + 6))} << 32;
    for (int column = stack * 3; column < stack * 3 + 3; ++column) {
      const uint32_t pair =
          digits(ColumnGroup(kOther1[column])) & digits(ColumnGroup(kOther2[column]));
      single(pair, blocks, [&](int band, int d) {
        for (unsigned at =
                 forced(RowGroup(band * 3), groups[ColumnGroup(column)].positions >> (band * 3), d);
             at; at &= at - 1) {
          const int cell = CellAt(column, band * 3 + __builtin_ctz(at));
          if (!((cells[cell >> 6] >> (cell & 63)) & 1)) mark(cell, d);
        }
      });
    }
  }
}

}  // namespace sudoku
