#include "model/memory_slot.h"

#include "base/bytes.h"

namespace sudoku {

void MemorySlot::WriteTo(std::span<uint8_t, kSize> out) const {
  board.WriteTo(out.first<BoardRecord::kSize>());
  PutI32(out, 200, cursor);
  PutI32(out, 204, steps);
}

MemorySlot MemorySlot::FromBytes(std::span<const uint8_t, kSize> in) {
  MemorySlot slot;
  slot.board = BoardRecord::FromBytes(in.first<BoardRecord::kSize>());
  slot.cursor = GetI32(in, 200);
  slot.steps = GetI32(in, 204);
  return slot;
}

std::array<uint8_t, kMemoryBlockSize> MemoryBlockToBytes(const MemorySlots& slots) {
  std::array<uint8_t, kMemoryBlockSize> out{};
  for (size_t i = 0; i < 9; ++i) {
    slots[i].WriteTo(std::span<uint8_t, MemorySlot::kSize>(out.data() + i * MemorySlot::kSize,
                                                           MemorySlot::kSize));
  }
  return out;
}

MemorySlots MemoryBlockFromBytes(std::span<const uint8_t, kMemoryBlockSize> in) {
  MemorySlots slots;
  for (size_t i = 0; i < 9; ++i) {
    slots[i] = MemorySlot::FromBytes(std::span<const uint8_t, MemorySlot::kSize>(
        in.data() + i * MemorySlot::kSize, MemorySlot::kSize));
  }
  return slots;
}

}  // namespace sudoku
