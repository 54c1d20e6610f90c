#pragma once
// The hall of fame of each catalogue entry: the ten fastest solutions, stored as one 240-byte
// value per puzzle id in the settings' sub-key "Hall Of Fame".

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "settings/settings.h"

namespace sudoku {

struct HallOfFameEntry {
  std::string name;  // Windows-1252, at most 15 characters
  uint32_t timeMs = 0;  // 0: an empty place
  uint32_t steps = 0;
};

struct HallOfFameTable {
  static constexpr size_t kSize = 240;
  std::array<HallOfFameEntry, 10> places;

  std::array<uint8_t, kSize> ToBytes() const;
  static HallOfFameTable FromBytes(std::span<const uint8_t, kSize> bytes);

  // The place (0-9) a new time takes: before the first slower one or at the first empty one
  // (equal times keep the earlier entry higher); -1 when all ten are as fast or faster.
  int PlaceFor(uint32_t timeMs) const;
  // Moves the places from `place` on down by one (the tenth drops out) and fills it.
  void Insert(int place, const std::string& name, uint32_t timeMs, uint32_t steps);
  // Every place from the first empty one on, shown empty.
  int FilledPlaces() const;
};

class HallOfFame {
 public:
  explicit HallOfFame(Settings& settings) : settings_(settings) {}

  // A value with the puzzle's id exists (of any length).
  bool HasEntry(const std::string& id);
  // The puzzle's table; nothing when there is no value of exactly 240 bytes.
  std::optional<HallOfFameTable> Read(const std::string& id);
  // Ranks a solved game by its time (at least 1 ms); the table is written back also when the
  // time earns no place. Returns the place taken, or -1.
  int Enter(const std::string& id, const std::string& name, uint32_t timeMs, uint32_t steps);

 private:
  Settings& settings_;
};

}  // namespace sudoku
