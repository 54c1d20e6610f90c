// The hall-of-fame tables: ranking, the stored bytes and what counts as no table.

#include <gtest/gtest.h>

#include "library/hall_of_fame.h"
#include "settings/memory_settings_store.h"

namespace sudoku {
namespace {

class HallOfFameTest : public ::testing::Test {
 protected:
  MemorySettingsStore store;
  Settings settings{store};
  HallOfFame hall{settings};

  std::vector<uint32_t> Times(const std::string& id) {
    std::vector<uint32_t> times;
    const HallOfFameTable table = hall.Read(id).value();
    for (const auto& place : table.places) times.push_back(place.timeMs);
    return times;
  }
};

TEST_F(HallOfFameTest, EqualTimesKeepTheEarlierEntryHigher) {
  hall.Enter("7", "Anna", 60000, 300);
  hall.Enter("7", "Bert", 90000, 310);
  hall.Enter("7", "Cleo", 90000, 320);
  EXPECT_EQ(hall.Enter("7", "Dora", 90000, 330), 3);
  EXPECT_EQ(hall.Enter("7", "Emil", 75000, 340), 1);
  const HallOfFameTable table = hall.Read("7").value();
  EXPECT_EQ(table.FilledPlaces(), 5);
  const char* names[] = {"Anna", "Emil", "Bert", "Cleo", "Dora"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table.places[static_cast<size_t>(i)].name, names[i]) << i;
  EXPECT_EQ(table.places[1].steps, 340u);
}

TEST_F(HallOfFameTest, AFullTableDropsItsTenthOrStaysAsItIs) {
  for (uint32_t i = 1; i <= 10; ++i) {
    hall.Enter("3", std::string(1, 'P').append(std::to_string(i)), i * 1000, i);
  }
  EXPECT_EQ(hall.Enter("3", "Slow", 50000, 1), -1);
  EXPECT_EQ(hall.Enter("3", "Tie", 10000, 1), -1);  // as fast as the tenth is not enough
  EXPECT_EQ(Times("3").back(), 10000u);
  EXPECT_EQ(hall.Enter("3", "Quick", 500, 1), 0);
  const std::vector<uint32_t> times = Times("3");
  EXPECT_EQ(times.front(), 500u);
  EXPECT_EQ(times.back(), 9000u);  // the former tenth dropped out
  EXPECT_EQ(hall.Read("3")->places[1].name, "P1");
}

TEST_F(HallOfFameTest, NamesAreCutAndTimesAreAtLeastOneMillisecond) {
  hall.Enter("12", "Abcdefghijklmnopqrst", 0, 5);
  const HallOfFameEntry first = hall.Read("12")->places[0];
  EXPECT_EQ(first.name, "Abcdefghijklmno");
  EXPECT_EQ(first.timeMs, 1u);  // a filled place is never mistaken for an empty one
}

TEST_F(HallOfFameTest, TheStoredFormIsTwentyFourBytesAPlace) {
  hall.Enter("1", "Zoë", 0x01020304, 0x0A0B);
  const std::vector<uint8_t> bytes = store.GetBinary(setting::kHallOfFameKey, "1").value();
  ASSERT_EQ(bytes.size(), 240u);
  EXPECT_EQ(bytes[0], 4);  // "Zoë" in UTF-8 is four bytes; the caller converts to cp1252
  EXPECT_EQ(bytes[16], 0x04);
  EXPECT_EQ(bytes[19], 0x01);
  EXPECT_EQ(bytes[20], 0x0B);
  EXPECT_EQ(bytes[21], 0x0A);
  for (size_t i = 24; i < 240; ++i) ASSERT_EQ(bytes[i], 0) << i;

  // A length byte above 15 from a foreign writer reads as 15 characters.
  std::vector<uint8_t> odd(240, 'x');
  odd[0] = 200;
  store.PutBinary(setting::kHallOfFameKey, "2", odd);
  EXPECT_EQ(hall.Read("2")->places[0].name.size(), 15u);
}

TEST_F(HallOfFameTest, PlacesAfterTheFirstEmptyOneCountAsEmpty) {
  HallOfFameTable table;
  table.places[0] = {"A", 1000, 1};
  table.places[2] = {"C", 3000, 3};  // behind a hole: not shown and overwritten
  EXPECT_EQ(table.FilledPlaces(), 1);
  EXPECT_EQ(table.PlaceFor(5000), 1);
}

TEST_F(HallOfFameTest, AWronglySizedValueIsNoTableButCanBeReplaced) {
  store.PutBinary(setting::kHallOfFameKey, "9", std::vector<uint8_t>(239, 1));
  EXPECT_TRUE(hall.HasEntry("9"));  // the command applies to any value of that name
  EXPECT_FALSE(hall.Read("9"));
  EXPECT_EQ(hall.Enter("9", "Neu", 42000, 7), 0);
  EXPECT_EQ(Times("9")[0], 42000u);
  EXPECT_EQ(Times("9")[1], 0u);
}

TEST_F(HallOfFameTest, NothingIsWrittenWithoutAnIdOrAfterTheSettingsWereErased) {
  EXPECT_FALSE(hall.HasEntry(""));
  EXPECT_EQ(hall.Enter("", "Anna", 1000, 1), -1);
  EXPECT_FALSE(store.KeyExists(setting::kHallOfFameKey));
  settings.BlockWrites();
  EXPECT_EQ(hall.Enter("4", "Anna", 1000, 1), -1);
  EXPECT_FALSE(hall.HasEntry("4"));
}

}  // namespace
}  // namespace sudoku
