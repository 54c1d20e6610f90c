#pragma once
// A cell's candidate set: bit d (1 to 9) set means digit d is possible.

#include <array>
#include <cstdint>

namespace sudoku {

using DigitSet = uint16_t;

constexpr DigitSet kAllDigits = 0x03FE;

constexpr DigitSet DigitBit(int d) {
  return static_cast<DigitSet>(1u << d);
}

// Clears bit 0 and bits 10-15, for sets that come from outside the program.
constexpr DigitSet MaskDigits(unsigned value) {
  return static_cast<DigitSet>(value & kAllDigits);
}

namespace detail {
// Count and single digit of every 10-bit set: the solver asks these millions of times, and a
// table beats bit tricks on CPUs without a population-count instruction.
struct DigitTables {
  int8_t count[1024]{};
  int8_t single[1024]{};
  uint16_t fixed[1024]{};  // the set when it is one digit, else 0
  constexpr DigitTables() {
    for (int s = 0; s < 1024; ++s) {
      int n = 0, last = 0;
      for (int d = 1; d <= 9; ++d) {
        if (s & (1 << d)) ++n, last = d;
      }
      const auto digits = static_cast<uint16_t>(s & 0x03FE);
      count[s] = static_cast<int8_t>(n);
      single[s] = static_cast<int8_t>(n == 1 ? last : -1);
      fixed[s] = n == 1 ? digits : 0;
    }
    single[1] = 0;
  }
};
inline constexpr DigitTables kDigitTables{};
}  // namespace detail

constexpr int CountDigits(DigitSet set) {
  return detail::kDigitTables.count[set & kAllDigits];
}

// d when the set is exactly {d}; -1 for the empty set and for two or more digits. Bit 0 alone,
// which no operation produces, gives 0.
constexpr int SingleDigit(DigitSet set) {
  return set == 1 ? 0 : detail::kDigitTables.single[set & kAllDigits];
}

constexpr bool IsFixed(DigitSet set) {
  return SingleDigit(set) > 0;
}

// The set itself when it is a fixed digit, else 0. A table lookup keeps the building of the
// group table free of unpredictable branches.
constexpr DigitSet FixedDigitBit(DigitSet set) {
  return detail::kDigitTables.fixed[set & 0x3FF];
}

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
