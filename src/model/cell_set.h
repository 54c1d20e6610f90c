#pragma once
// A set of cell indices in 11 bytes: cell i is bit (i mod 8) of byte (i div 8).

#include <array>
#include <cstdint>

namespace sudoku {

struct CellSet {
  std::array<uint8_t, 11> bytes{};

  bool Contains(int cell) const {
    return cell >= 0 && cell < 81 && (bytes[cell >> 3] >> (cell & 7)) & 1;
  }
  void Add(int cell) {
    if (cell >= 0 && cell < 81) bytes[cell >> 3] |= static_cast<uint8_t>(1u << (cell & 7));
  }
  void Remove(int cell) {
    if (cell >= 0 && cell < 81) bytes[cell >> 3] &= static_cast<uint8_t>(~(1u << (cell & 7)));
  }
  void Clear() { bytes.fill(0); }
  bool Empty() const {
    for (uint8_t b : bytes) {
      if (b) return false;
    }
    return true;
  }
  // Drops bits 81 to 87, which a stored set must never carry.
  void Normalise() { bytes[10] &= 0x01; }

  bool operator==(const CellSet&) const = default;
};

}  // namespace sudoku
