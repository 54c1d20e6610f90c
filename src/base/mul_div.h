#pragma once
// Scaling of integer layouts: multiply, then divide, rounding to the nearest with halves away
// from zero, without overflow on the way.

#include <cstdint>
#include <cstdlib>

namespace sudoku {

// -1 for a zero denominator.
inline int MulDiv(int value, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const int64_t product = static_cast<int64_t>(value) * numerator;
  const int64_t half = std::llabs(denominator) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const int64_t magnitude = (std::llabs(product) + half) / std::llabs(denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace sudoku
