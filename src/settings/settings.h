#pragma once
// The program's settings: typed reads with defaults and ranges, writes that stop for good once
// all settings have been erased, and the block of options read once at start.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace sudoku {

// Value names of the main key, and its two sub-keys.
namespace setting {
inline constexpr const char* kVelocity = "Velocity";
inline constexpr const char* kWarningLevel = "WarningLevel";
inline constexpr const char* kShowStateWnd = "ShowStateWnd";
inline constexpr const char* kDockingStateWnd = "DockingStateWnd";
inline constexpr const char* kRememberWndPos = "RememberWndPos";
inline constexpr const char* kGlobalShowHint = "GlobalShowHint";
inline constexpr const char* kOffsStateWndX = "OffsStateWndX";
inline constexpr const char* kOffsStateWndY = "OffsStateWndY";
inline constexpr const char* kShowInvNumBlock = "ShowInvNumBlock";
inline constexpr const char* kStateWndPosX = "StateWndPosX";
inline constexpr const char* kStateWndPosY = "StateWndPosY";
inline constexpr const char* kMainWndPosX = "MainWndPosX";
inline constexpr const char* kMainWndPosY = "MainWndPosY";
inline constexpr const char* kMemory = "Memory";
inline constexpr const char* kSaveLastGame = "SaveLastGame";
inline constexpr const char* kLastSkinDLL = "LastSkinDLL";
inline constexpr const char* kLastAutoMode = "LastAutoMode";
inline constexpr const char* kSamplesKey = "Samples";
inline constexpr const char* kHallOfFameKey = "Hall Of Fame";
}  // namespace setting

class Settings {
 public:
  explicit Settings(SettingsStore& store) : store_(store) {}

  // The stored integer clamped to [min, max] (raised first, then lowered); the default,
  // unclamped, when there is none.
  int ReadSettingInt(std::string_view name, int def, int min, int max);
  // Any stored value above 0 is true.
  bool ReadSettingBool(std::string_view name, bool def);
  std::string ReadSettingString(std::string_view name, std::string_view def);
  // Fills `buffer` with the defaults, then with the stored value when it exists as binary data
  // of exactly the buffer's size; returns whether it did.
  bool ReadSettingBinary(std::string_view name, std::span<uint8_t> buffer,
                         std::span<const uint8_t> defaults);

  void WriteSettingInt(std::string_view name, int value);
  void WriteSettingBool(std::string_view name, bool value);
  void WriteSettingString(std::string_view name, std::string_view text);
  void WriteSettingBinary(std::string_view name, std::span<const uint8_t> data);

  // Once set, nothing is written any more for the rest of the run.
  bool SettingsErased() const { return erased_; }
  void BlockWrites() { erased_ = true; }
  // Blocks all writes, then deletes the settings key and the maker's keys left empty.
  void EraseAllSettings();

  SettingsStore& Store() { return store_; }

 private:
  SettingsStore& store_;
  bool erased_ = false;
};

// The options read once at start, before any window exists; the options window changes them
// and writes each change at once.
struct StartupSettings {
  int velocity = 1;
  int warningLevel = 0;
  bool showStateWnd = true;
  bool dockingStateWnd = true;
  bool rememberWndPos = false;
  bool globalShowHint = true;
  int offsStateWndX = 0;
  int offsStateWndY = 0;
  // Whether an offset was stored: without one the status window docks under the main window.
  bool offsStateWndStored = false;
  bool showInvNumBlock = true;

  static StartupSettings Read(Settings& settings);
};

// Pacing of the automatic run for a speed position 0-25: none at 0, 50 ms at 1 rising to
// 5000 ms at 25 (halves rounded to even).
uint32_t StepDelayForVelocity(int velocity);

}  // namespace sudoku
