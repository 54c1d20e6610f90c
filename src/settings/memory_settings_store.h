#pragma once
// A settings store in memory, for tests and for running without a per-user store.

#include <map>
#include <string>
#include <variant>

#include "settings/settings_store.h"

namespace sudoku {

class MemorySettingsStore : public SettingsStore {
 public:
  using Value = std::variant<int64_t, std::string, std::vector<uint8_t>>;

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

  // Keys that exist, even without values (a written-then-emptied key stays until deleted).
  std::map<std::string, std::map<std::string, Value>> keys;
  // Whether another program of the same maker keeps values beside ours.
  bool makerHasOtherKeys = false;
  bool erased = false;
  // How often the store would have reached the disk: once per write outside a batch, once
  // per batch that wrote anything.
  int flushes = 0;

 private:
  const Value* Find(std::string_view key, std::string_view name) const;
  void Written();

  int batch_ = 0;
  bool pending_ = false;
};

}  // namespace sudoku
