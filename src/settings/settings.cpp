#include "settings/settings.h"

#include <algorithm>
#include <cmath>

namespace sudoku {

int Settings::ReadSettingInt(std::string_view name, int def, int min, int max) {
  const auto value = store_.GetInt("", name);
  if (!value) return def;
  const int64_t clamped = std::min<int64_t>(std::max<int64_t>(*value, min), max);
  return static_cast<int>(clamped);
}

bool Settings::ReadSettingBool(std::string_view name, bool def) {
  return ReadSettingInt(name, def ? 1 : 0, 0, 1) != 0;
}

std::string Settings::ReadSettingString(std::string_view name, std::string_view def) {
  const auto value = store_.GetString("", name);
  return value ? *value : std::string(def);
}

bool Settings::ReadSettingBinary(std::string_view name, std::span<uint8_t> buffer,
                                 std::span<const uint8_t> defaults) {
  if (buffer.data() != defaults.data()) {
    std::copy_n(defaults.begin(), std::min(defaults.size(), buffer.size()), buffer.begin());
  }
  const auto value = store_.GetBinary("", name);
  if (!value || value->size() != buffer.size()) return false;
  std::copy(value->begin(), value->end(), buffer.begin());
  return true;
}

void Settings::WriteSettingInt(std::string_view name, int value) {
  if (!erased_) store_.PutInt("", name, value);
}

void Settings::WriteSettingBool(std::string_view name, bool value) {
  WriteSettingInt(name, value ? 1 : 0);
}

void Settings::WriteSettingString(std::string_view name, std::string_view text) {
  if (!erased_) store_.PutString("", name, text);
}

void Settings::WriteSettingBinary(std::string_view name, std::span<const uint8_t> data) {
  if (!erased_) store_.PutBinary("", name, std::vector<uint8_t>(data.begin(), data.end()));
}

void Settings::EraseAllSettings() {
  erased_ = true;
  store_.EraseAll();
}

StartupSettings StartupSettings::Read(Settings& s) {
  StartupSettings o;
  o.velocity = s.ReadSettingInt(setting::kVelocity, 1, 0, 25);
  o.warningLevel = s.ReadSettingInt(setting::kWarningLevel, 0, 0, 2);
  o.showStateWnd = s.ReadSettingBool(setting::kShowStateWnd, true);
  o.dockingStateWnd = s.ReadSettingBool(setting::kDockingStateWnd, true);
  o.rememberWndPos = s.ReadSettingBool(setting::kRememberWndPos, false);
  o.globalShowHint = s.ReadSettingBool(setting::kGlobalShowHint, true);
  o.offsStateWndX = s.ReadSettingInt(setting::kOffsStateWndX, 0, -2000, 2000);
  o.offsStateWndY = s.ReadSettingInt(setting::kOffsStateWndY, 0, -2000, 2000);
  o.offsStateWndStored = s.Store().GetInt("", setting::kOffsStateWndX).has_value() ||
                         s.Store().GetInt("", setting::kOffsStateWndY).has_value();
  o.showInvNumBlock = s.ReadSettingBool(setting::kShowInvNumBlock, true);
  return o;
}

uint32_t StepDelayForVelocity(int velocity) {
  if (velocity <= 0) return 0;
  velocity = std::min(velocity, 25);
  const double d = 4950.0 * std::pow(velocity - 1, 1.33) / std::pow(24.0, 1.33);
  return static_cast<uint32_t>(std::nearbyint(d)) + 50;  // the default mode rounds to even
}

}  // namespace sudoku
