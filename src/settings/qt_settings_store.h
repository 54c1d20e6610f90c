#pragma once
// The per-user settings store of the platform: organisation "Quillbrook", application
// "Sudoku", main key "2.0". QtSettingsStore keeps one QSettings in its native format and user
// scope open for the whole run (the registry on Windows); where that format is an INI file
// (Unix without macOS) the program uses IniSettingsStore on the same file instead.

#include <QString>
#include <memory>

#include "settings/settings_store.h"

class QSettings;

namespace sudoku {

class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();
  ~QtSettingsStore() override;

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
  void BeginBatch() override { ++batch_; }
  void EndBatch() override;

 private:
  // Opened on first use, so that a path set for tests before then applies.
  QSettings& Settings();
  void Written();

  std::unique_ptr<QSettings> settings_;
  int batch_ = 0;
  bool pending_ = false;
};

// The INI file that QSettings uses for the store where its native format is one.
QString UserSettingsFile();

// The store the program runs with.
std::unique_ptr<SettingsStore> OpenUserSettingsStore();

}  // namespace sudoku
