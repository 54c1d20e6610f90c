#pragma once
// The 220-byte saved form of a game.

#include <array>
#include <cstdint>
#include <span>

#include "model/board.h"

namespace sudoku {

struct GameRecord {
  static constexpr size_t kSize = 220;
  static constexpr uint8_t kVersion = 2;

  uint8_t version = kVersion;
  BoardRecord board;
  int32_t cursor = -1;
  int32_t steps = 0;
  uint32_t timeMs = 0;  // whole seconds; 4294967000 for a game without time
  uint16_t flags = 0;

  std::array<uint8_t, kSize> ToBytes() const;
  // The board is made safe as any record from outside; the version is kept as read.
  static GameRecord FromBytes(std::span<const uint8_t, kSize> in);
};

}  // namespace sudoku
