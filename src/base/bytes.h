#pragma once
// Little-endian reads and writes of the fixed records the game stores.

#include <cstddef>
#include <cstdint>
#include <span>

namespace sudoku {

inline uint16_t GetU16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
inline int16_t GetI16(std::span<const uint8_t> b, size_t at) {
  return static_cast<int16_t>(GetU16(b, at));
}
inline uint32_t GetU32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
         (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
inline int32_t GetI32(std::span<const uint8_t> b, size_t at) {
  return static_cast<int32_t>(GetU32(b, at));
}

inline void PutU16(std::span<uint8_t> b, size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void PutU32(std::span<uint8_t> b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void PutI32(std::span<uint8_t> b, size_t at, int32_t v) {
  PutU32(b, at, static_cast<uint32_t>(v));
}

}  // namespace sudoku
