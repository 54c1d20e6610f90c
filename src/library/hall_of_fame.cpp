#include "library/hall_of_fame.h"

#include <algorithm>

#include "base/bytes.h"

namespace sudoku {

std::array<uint8_t, HallOfFameTable::kSize> HallOfFameTable::ToBytes() const {
  std::array<uint8_t, kSize> out{};
  for (size_t i = 0; i < places.size(); ++i) {
    const size_t at = i * 24;
    const size_t length = std::min<size_t>(places[i].name.size(), 15);
    out[at] = static_cast<uint8_t>(length);
    std::copy_n(places[i].name.begin(), length, out.begin() + static_cast<long>(at + 1));
    PutU32(out, at + 16, places[i].timeMs);
    PutU32(out, at + 20, places[i].steps);
  }
  return out;
}

HallOfFameTable HallOfFameTable::FromBytes(std::span<const uint8_t, kSize> bytes) {
  HallOfFameTable t;
  for (size_t i = 0; i < t.places.size(); ++i) {
    const size_t at = i * 24;
    const size_t length = std::min<size_t>(bytes[at], 15);  // a longer length byte is clamped
    t.places[i].name.assign(reinterpret_cast<const char*>(bytes.data() + at + 1), length);
    t.places[i].timeMs = GetU32(bytes, at + 16);
    t.places[i].steps = GetU32(bytes, at + 20);
  }
  return t;
}

int HallOfFameTable::FilledPlaces() const {
  int n = 0;
  while (n < 10 && places[static_cast<size_t>(n)].timeMs != 0) ++n;
  return n;
}

int HallOfFameTable::PlaceFor(uint32_t timeMs) const {
  for (int i = 0; i < 10; ++i) {
    const uint32_t t = places[static_cast<size_t>(i)].timeMs;
    if (t == 0 || t > timeMs) return i;
  }
  return -1;
}

void HallOfFameTable::Insert(int place, const std::string& name, uint32_t timeMs,
                             uint32_t steps) {
  if (place < 0 || place > 9) return;
  for (int i = 9; i > place; --i) places[static_cast<size_t>(i)] = places[static_cast<size_t>(i - 1)];
  places[static_cast<size_t>(place)] = {name.substr(0, 15), std::max<uint32_t>(timeMs, 1), steps};
}

bool HallOfFame::HasEntry(const std::string& id) {
  if (id.empty()) return false;
  SettingsStore& store = settings_.Store();
  if (!store.KeyExists(setting::kHallOfFameKey)) return false;
  const auto names = store.ValueNames(setting::kHallOfFameKey);
  return std::find(names.begin(), names.end(), id) != names.end();
}

std::optional<HallOfFameTable> HallOfFame::Read(const std::string& id) {
  const auto bytes = settings_.Store().GetBinary(setting::kHallOfFameKey, id);
  if (!bytes || bytes->size() != HallOfFameTable::kSize) return std::nullopt;
  return HallOfFameTable::FromBytes(std::span<const uint8_t, HallOfFameTable::kSize>(
      bytes->data(), HallOfFameTable::kSize));
}

int HallOfFame::Enter(const std::string& id, const std::string& name, uint32_t timeMs,
                      uint32_t steps) {
  if (id.empty() || settings_.SettingsErased()) return -1;
  HallOfFameTable table = Read(id).value_or(HallOfFameTable{});
  timeMs = std::max<uint32_t>(timeMs, 1);
  const int place = table.PlaceFor(timeMs);
  table.Insert(place, name, timeMs, steps);
  const auto bytes = table.ToBytes();
  settings_.Store().PutBinary(setting::kHallOfFameKey, id,
                              std::vector<uint8_t>(bytes.begin(), bytes.end()));
  return place;
}

}  // namespace sudoku
