#include "settings/memory_settings_store.h"

namespace sudoku {

const MemorySettingsStore::Value* MemorySettingsStore::Find(std::string_view key,
                                                            std::string_view name) const {
  auto k = keys.find(std::string(key));
  if (k == keys.end()) return nullptr;
  auto v = k->second.find(std::string(name));
  return v == k->second.end() ? nullptr : &v->second;
}

std::optional<int64_t> MemorySettingsStore::GetInt(std::string_view key, std::string_view name) {
  const Value* v = Find(key, name);
  if (v && std::holds_alternative<int64_t>(*v)) return std::get<int64_t>(*v);
  return std::nullopt;
}

std::optional<std::string> MemorySettingsStore::GetString(std::string_view key,
                                                          std::string_view name) {
  const Value* v = Find(key, name);
  if (v && std::holds_alternative<std::string>(*v)) return std::get<std::string>(*v);
  return std::nullopt;
}

std::optional<std::vector<uint8_t>> MemorySettingsStore::GetBinary(std::string_view key,
                                                                   std::string_view name) {
  const Value* v = Find(key, name);
  if (v && std::holds_alternative<std::vector<uint8_t>>(*v)) {
    return std::get<std::vector<uint8_t>>(*v);
  }
  return std::nullopt;
}

bool MemorySettingsStore::KeyExists(std::string_view key) {
  return keys.count(std::string(key)) > 0;
}

std::vector<std::string> MemorySettingsStore::ValueNames(std::string_view key) {
  std::vector<std::string> names;
  auto k = keys.find(std::string(key));
  if (k != keys.end()) {
    for (const auto& [name, value] : k->second) names.push_back(name);
  }
  return names;
}

void MemorySettingsStore::PutInt(std::string_view key, std::string_view name, int64_t value) {
  keys[""];
  keys[std::string(key)][std::string(name)] = value;
  Written();
}

void MemorySettingsStore::PutString(std::string_view key, std::string_view name,
                                    std::string_view value) {
  keys[""];
  keys[std::string(key)][std::string(name)] = std::string(value);
  Written();
}

void MemorySettingsStore::PutBinary(std::string_view key, std::string_view name,
                                    const std::vector<uint8_t>& value) {
  keys[""];
  keys[std::string(key)][std::string(name)] = value;
  Written();
}

void MemorySettingsStore::DeleteValue(std::string_view key, std::string_view name) {
  auto k = keys.find(std::string(key));
  if (k != keys.end()) k->second.erase(std::string(name));
  Written();
}

void MemorySettingsStore::DeleteKey(std::string_view key) {
  if (key.empty()) {
    keys.clear();
  } else {
    keys.erase(std::string(key));
  }
  Written();
}

void MemorySettingsStore::Written() {
  if (batch_ > 0) {
    pending_ = true;
  } else {
    ++flushes;
  }
}

void MemorySettingsStore::EndBatch() {
  if (batch_ > 0 && --batch_ == 0 && pending_) {
    pending_ = false;
    ++flushes;
  }
}

bool MemorySettingsStore::EraseAll() {
  keys.clear();
  erased = true;
  return true;
}

}  // namespace sudoku
