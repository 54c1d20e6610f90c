#pragma once
// The per-user settings store of the platform: QSettings in its native format and user scope
// (an INI file under the user's configuration directory on Linux, the registry on Windows),
// organisation "Quillbrook", application "Sudoku", main key "2.0".

#include "settings/settings_store.h"

namespace sudoku {

class QtSettingsStore : public SettingsStore {
 public:
  std::optional<int64_t> GetInt(std::string_view key, std::string_view name) override;
  std::optional<std::string> GetString(std::string_view key, std::string_view name) override;
  std::optional<std::vector<uint8_t>> GetBinary(std::string_view key,
                                                std::string_view name) override;
  bool KeyExists(std::string_view key) override;
  std::vector<std::string> ValueNames(std::string_view key) override;
  void PutInt(std::string_view key, std::string_view name, int64_t value) override;
  void PutString(std::string_view key, std::string_view name, std::string_view value) override;
  void PutBinary(std::string_view key, std::string_view name,
                 const std::vector<uint8_t>& value) override;
  void DeleteValue(std::string_view key, std::string_view name) override;
  void DeleteKey(std::string_view key) override;
  bool EraseAll() override;
};

}  // namespace sudoku
