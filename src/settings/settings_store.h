#pragma once
// The per-user key-value store behind the settings: a main key with named values and its
// sub-keys ("Samples", "Hall Of Fame"). Keys are given relative to the main key; "" is the main
// key itself.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sudoku {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Missing values, and values of another type, give nothing. Reads never create keys.
  virtual std::optional<int64_t> GetInt(std::string_view key, std::string_view name) = 0;
  virtual std::optional<std::string> GetString(std::string_view key, std::string_view name) = 0;
  virtual std::optional<std::vector<uint8_t>> GetBinary(std::string_view key,
                                                        std::string_view name) = 0;
  virtual bool KeyExists(std::string_view key) = 0;
  virtual std::vector<std::string> ValueNames(std::string_view key) = 0;
  // Every value of the key by name, with its text where it is a string: the own puzzles in
  // one pass. Stores that can, read them together.
  using NamedStrings = std::vector<std::pair<std::string, std::optional<std::string>>>;
  virtual NamedStrings GetStrings(std::string_view key) {
    NamedStrings values;
    for (std::string& name : ValueNames(key)) {
      std::optional<std::string> text = GetString(key, name);
      values.emplace_back(std::move(name), std::move(text));
    }
    return values;
  }

  // Writes create the key when needed.
  virtual void PutInt(std::string_view key, std::string_view name, int64_t value) = 0;
  virtual void PutString(std::string_view key, std::string_view name, std::string_view value) = 0;
  virtual void PutBinary(std::string_view key, std::string_view name,
                         const std::vector<uint8_t>& value) = 0;
  virtual void DeleteValue(std::string_view key, std::string_view name) = 0;
  // The key with all its values and sub-keys.
  virtual void DeleteKey(std::string_view key) = 0;

  // Deletes the main key, then each parent key of the maker's path that is left empty.
  // Returns whether the main key is gone.
  virtual bool EraseAll() = 0;

  // A write reaches the disk at once, except between BeginBatch and the matching EndBatch:
  // the writes in between reach it together at the end. Batches nest.
  virtual void BeginBatch() {}
  virtual void EndBatch() {}
};

// The writes of one bulk operation, stored together when it ends.
class SettingsBatch {
 public:
  explicit SettingsBatch(SettingsStore& store) : store_(store) { store_.BeginBatch(); }
  ~SettingsBatch() { store_.EndBatch(); }
  SettingsBatch(const SettingsBatch&) = delete;
  SettingsBatch& operator=(const SettingsBatch&) = delete;

 private:
  SettingsStore& store_;
};

}  // namespace sudoku
