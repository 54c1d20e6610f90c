#pragma once
// A cell's candidate set: bit d (1 to 9) set means digit d is possible.

#include <array>
#include <cstdint>

namespace sudoku {

using DigitSet = uint16_t;

constexpr DigitSet kAllDigits = 0x03FE;

constexpr DigitSet DigitBit(int d) { return static_cast<DigitSet>(1u << d); }

// Clears bit 0 and bits 10-15, for sets that come from outside the program.
constexpr DigitSet MaskDigits(unsigned value) { return static_cast<DigitSet>(value & kAllDigits); }

constexpr int CountDigits(DigitSet set) { return __builtin_popcount(set & kAllDigits); }

// d when the set is exactly {d}; -1 for the empty set and for two or more digits. Bit 0 alone,
// which no operation produces, gives 0.
constexpr int SingleDigit(DigitSet set) {
  if (set == 1) return 0;
  set &= kAllDigits;
  if (set == 0 || (set & (set - 1)) != 0) return -1;
  return __builtin_ctz(set);
}

constexpr bool IsFixed(DigitSet set) { return SingleDigit(set) > 0; }

constexpr char DigitChar(DigitSet set) {
  const int d = SingleDigit(set);
  return d > 0 ? static_cast<char>('0' + d) : '0';
}

// The n-th digit in ascending order (n from 1), or 0 when the set has fewer than n digits.
constexpr int NthDigit(DigitSet set, int n) {
  for (int d = 1; d <= 9; ++d) {
    if ((set & DigitBit(d)) && --n == 0) return d;
  }
  return 0;
}

inline void AddDigitCounts(std::array<int, 9>& counters, DigitSet set) {
  for (int d = 1; d <= 9; ++d) {
    if (set & DigitBit(d)) ++counters[d - 1];
  }
}

}  // namespace sudoku
