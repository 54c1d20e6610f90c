// Typed settings over a store: defaults, ranges, exact binary lengths and the erase block.

#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"
#include "settings/settings.h"

namespace sudoku {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  MemorySettingsStore store;
  Settings settings{store};
};

TEST_F(SettingsTest, AnEmptyStoreGivesTheDefaults) {
  const StartupSettings o = StartupSettings::Read(settings);
  EXPECT_EQ(o.velocity, 1);
  EXPECT_EQ(o.warningLevel, 0);
  EXPECT_TRUE(o.showStateWnd);
  EXPECT_TRUE(o.dockingStateWnd);
  EXPECT_FALSE(o.rememberWndPos);
  EXPECT_TRUE(o.globalShowHint);
  EXPECT_TRUE(o.showInvNumBlock);
  EXPECT_EQ(o.offsStateWndX, 0);
  EXPECT_TRUE(store.keys.empty());  // reading creates nothing
  EXPECT_EQ(settings.ReadSettingInt("MainWndPosX", -77, 0, 100), -77);  // defaults unclamped
}

TEST_F(SettingsTest, StoredValuesAreClampedNotRejected) {
  store.PutInt("", "OffsStateWndX", 5000);
  store.PutInt("", "Velocity", -3);
  store.PutInt("", "ShowInvNumBlock", 7);
  store.PutInt("", "GlobalShowHint", -1);
  store.PutString("", "WarningLevel", "two");  // another type: the default
  const StartupSettings o = StartupSettings::Read(settings);
  EXPECT_EQ(o.offsStateWndX, 2000);
  EXPECT_EQ(o.velocity, 0);
  EXPECT_TRUE(o.showInvNumBlock);
  EXPECT_FALSE(o.globalShowHint);
  EXPECT_EQ(o.warningLevel, 0);
}

TEST_F(SettingsTest, BinaryValuesNeedTheirExactLength) {
  std::array<uint8_t, 4> buffer{};
  const std::array<uint8_t, 4> defaults{9, 9, 9, 9};
  store.PutBinary("", "Memory", {1, 2, 3});
  EXPECT_FALSE(settings.ReadSettingBinary("Memory", buffer, defaults));
  EXPECT_EQ(buffer, defaults);
  store.PutBinary("", "Memory", {1, 2, 3, 4, 5});
  EXPECT_FALSE(settings.ReadSettingBinary("Memory", buffer, defaults));
  store.PutInt("", "Memory", 5);
  EXPECT_FALSE(settings.ReadSettingBinary("Memory", buffer, defaults));
  settings.WriteSettingBinary("Memory", std::array<uint8_t, 4>{1, 2, 3, 4});
  EXPECT_TRUE(settings.ReadSettingBinary("Memory", buffer, defaults));
  EXPECT_EQ(buffer, (std::array<uint8_t, 4>{1, 2, 3, 4}));
  EXPECT_TRUE(settings.ReadSettingBinary("Memory", buffer, buffer));  // defaults in place
}

TEST_F(SettingsTest, NothingIsWrittenAfterErasing) {
  settings.WriteSettingInt("Velocity", 7);
  settings.WriteSettingString("LastSkinDLL", "SdSkinDark.rcc");
  store.PutString("Samples", "Sudoku 1", std::string(81, '0'));
  EXPECT_EQ(settings.ReadSettingString("LastSkinDLL", ""), "SdSkinDark.rcc");
  settings.EraseAllSettings();
  EXPECT_TRUE(settings.SettingsErased());
  EXPECT_TRUE(store.erased);
  EXPECT_FALSE(store.KeyExists("Samples"));
  settings.WriteSettingInt("MainWndPosX", 10);
  settings.WriteSettingBool("ShowStateWnd", false);
  settings.WriteSettingBinary("SaveLastGame", std::vector<uint8_t>(220));
  EXPECT_TRUE(store.keys.empty());
}

TEST(StepDelay, FromTheSpeedPosition) {
  EXPECT_EQ(StepDelayForVelocity(0), 0u);
  EXPECT_EQ(StepDelayForVelocity(1), 50u);
  EXPECT_EQ(StepDelayForVelocity(2), 122u);
  EXPECT_EQ(StepDelayForVelocity(13), 2019u);
  EXPECT_EQ(StepDelayForVelocity(25), 5000u);
  EXPECT_EQ(StepDelayForVelocity(99), 5000u);
}

}  // namespace
}  // namespace sudoku
