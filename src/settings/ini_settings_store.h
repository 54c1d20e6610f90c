#pragma once
// The settings in an INI file as QSettings writes it on Unix (NativeFormat there), read once
// and kept in memory. QSettings rewrites its whole file on every sync and costs a large
// fraction of a second per write once thousands of own puzzles live in the same file; here a
// write costs one pass over the stored bytes. Keys, sections and the encoding of values are
// those of QSettings, so files written by either are read by the other.

#include <QDateTime>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace sudoku {

class IniSettingsStore : public SettingsStore {
 public:
  // The file `file`; `mainKey` is the group of the main key ("2.0").
  IniSettingsStore(QString file, std::string mainKey);
  // Writes what a batch left pending.
  ~IniSettingsStore() override;

  std::optional<int64_t> GetInt(std::string_view key, std::string_view name) override;
  std::optional<std::string> GetString(std::string_view key, std::string_view name) override;
  std::optional<std::vector<uint8_t>> GetBinary(std::string_view key,
                                                std::string_view name) override;
  bool KeyExists(std::string_view key) override;
  std::vector<std::string> ValueNames(std::string_view key) override;
  NamedStrings GetStrings(std::string_view key) override;
  void PutInt(std::string_view key, std::string_view name, int64_t value) override;
  void PutString(std::string_view key, std::string_view name, std::string_view value) override;
  void PutBinary(std::string_view key, std::string_view name,
                 const std::vector<uint8_t>& value) override;
  void DeleteValue(std::string_view key, std::string_view name) override;
  void DeleteKey(std::string_view key) override;
  bool EraseAll() override;
  void BeginBatch() override { ++batch_; }
  void EndBatch() override;

  const QString& FileName() const { return file_; }

 private:
  // Full key path ("2.0/Samples/Sudoku 1") -> the value's text as it stands in the file.
  using Values = std::map<std::string, std::string>;

  std::string Path(std::string_view key) const;
  std::string Path(std::string_view key, std::string_view name) const;
  const std::string* Find(std::string_view key, std::string_view name) const;
  void Put(std::string path, std::string text);
  // Removes the value at `path` and everything below it, as QSettings::remove does.
  void Remove(const std::string& path);
  void Written(std::string path);
  // Reads the file when it changed since it was last read or written.
  bool Reload();
  void Flush();

  QString file_;
  std::string mainKey_;
  Values values_;
  // Paths written since the last flush, to be laid over the file again when someone else
  // changed it meanwhile.
  std::vector<std::string> pending_;
  int batch_ = 0;
  qint64 size_ = -1;
  QDateTime modified_;
};

// The escapes of QSettings' INI format, exposed for the tests.
namespace ini {
// A value's text in the file: a string, an integer, or "@ByteArray(...)" for binary data.
std::string EncodeString(std::string_view text);
std::string EncodeInt(int64_t value);
std::string EncodeBinary(const std::vector<uint8_t>& bytes);
std::optional<std::string> DecodeString(std::string_view text);
std::optional<int64_t> DecodeInt(std::string_view text);
std::optional<std::vector<uint8_t>> DecodeBinary(std::string_view text);
// Parses a whole file into full key paths and value texts; later lines win.
std::map<std::string, std::string> Parse(std::string_view data);
// The file for these values, sections by the first part of each path.
std::string Write(const std::map<std::string, std::string>& values);
}  // namespace ini

}  // namespace sudoku
