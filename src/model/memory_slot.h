#pragma once
// The stored form of the nine memory points.

#include <array>
#include <cstdint>
#include <span>

#include "model/board.h"

namespace sudoku {

struct MemorySlot {
  static constexpr size_t kSize = 208;

  BoardRecord board;
  int32_t cursor = 0;
  int32_t steps = 0;

  // A slot without givens (an all-zero one included) holds no memory point.
  bool Empty() const { return board.givens.Empty(); }

  void WriteTo(std::span<uint8_t, kSize> out) const;
  static MemorySlot FromBytes(std::span<const uint8_t, kSize> in);
};

constexpr size_t kMemoryBlockSize = 9 * MemorySlot::kSize;  // 1872
using MemorySlots = std::array<MemorySlot, 9>;

std::array<uint8_t, kMemoryBlockSize> MemoryBlockToBytes(const MemorySlots& slots);
MemorySlots MemoryBlockFromBytes(std::span<const uint8_t, kMemoryBlockSize> in);

}  // namespace sudoku
