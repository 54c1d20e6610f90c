#include "settings/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace sudoku {
namespace {

constexpr const char* kOrganisation = "Quillbrook";
constexpr const char* kApplication = "Sudoku";
constexpr const char* kMainKey = "2.0";

// Each access opens the store afresh, as the settings are opened for one operation at a time;
// QSettings shares the underlying data inside the process.
QSettings Open() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
}

QString Path(std::string_view key) {
  QString path = kMainKey;
  if (!key.empty()) path += '/' + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  return path;
}

QString Path(std::string_view key, std::string_view name) {
  return Path(key) + '/' + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QVariant Read(std::string_view key, std::string_view name) {
  QSettings s = Open();
  return s.value(Path(key, name));
}

bool IsBinary(const QVariant& v) { return v.typeId() == QMetaType::QByteArray; }

}  // namespace

std::optional<int64_t> QtSettingsStore::GetInt(std::string_view key, std::string_view name) {
  const QVariant v = Read(key, name);
  if (!v.isValid() || IsBinary(v)) return std::nullopt;
  bool ok = false;
  const qlonglong value = v.toLongLong(&ok);
  if (!ok) return std::nullopt;
  return value;
}

std::optional<std::string> QtSettingsStore::GetString(std::string_view key,
                                                      std::string_view name) {
  const QVariant v = Read(key, name);
  if (!v.isValid() || IsBinary(v) || !v.canConvert<QString>()) return std::nullopt;
  return v.toString().toStdString();
}

std::optional<std::vector<uint8_t>> QtSettingsStore::GetBinary(std::string_view key,
                                                               std::string_view name) {
  const QVariant v = Read(key, name);
  if (!IsBinary(v)) return std::nullopt;
  const QByteArray bytes = v.toByteArray();
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool QtSettingsStore::KeyExists(std::string_view key) {
  QSettings s = Open();
  s.beginGroup(Path(key));
  return !s.childKeys().isEmpty() || !s.childGroups().isEmpty();
}

std::vector<std::string> QtSettingsStore::ValueNames(std::string_view key) {
  QSettings s = Open();
  s.beginGroup(Path(key));
  std::vector<std::string> names;
  for (const QString& name : s.childKeys()) names.push_back(name.toStdString());
  return names;
}

void QtSettingsStore::PutInt(std::string_view key, std::string_view name, int64_t value) {
  QSettings s = Open();
  s.setValue(Path(key, name), static_cast<qlonglong>(value));
}

void QtSettingsStore::PutString(std::string_view key, std::string_view name,
                                std::string_view value) {
  QSettings s = Open();
  s.setValue(Path(key, name),
             QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::PutBinary(std::string_view key, std::string_view name,
                                const std::vector<uint8_t>& value) {
  QSettings s = Open();
  s.setValue(Path(key, name), QByteArray(reinterpret_cast<const char*>(value.data()),
                                         static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
  QSettings s = Open();
  s.remove(Path(key, name));
}

void QtSettingsStore::DeleteKey(std::string_view key) {
  QSettings s = Open();
  s.remove(Path(key));
}

bool QtSettingsStore::EraseAll() {
  QString file;
  {
    QSettings s = Open();
    s.remove(kMainKey);
    s.sync();
    if (s.status() != QSettings::NoError || s.childGroups().contains(kMainKey)) return false;
    if (!s.allKeys().isEmpty()) return true;  // the application key keeps other values
    file = s.fileName();
  }
#ifdef Q_OS_WIN
  // The registry: drop "Sudoku", then "Quillbrook", each only when nothing is left in it.
  QSettings maker("HKEY_CURRENT_USER\\Software\\Quillbrook", QSettings::NativeFormat);
  maker.remove(kApplication);
  maker.sync();
  if (maker.allKeys().isEmpty()) {
    QSettings software("HKEY_CURRENT_USER\\Software", QSettings::NativeFormat);
    software.remove(kOrganisation);
  }
#else
  // A file per application inside a folder of the maker: drop the emptied file, then the
  // folder when nothing else of the maker is in it.
  if (QFile::exists(file) && QFile::remove(file)) {
    const QString folder = QFileInfo(file).absolutePath();
    if (QFileInfo(folder).fileName() == kOrganisation) QDir().rmdir(folder);
  }
#endif
  return true;
}

}  // namespace sudoku
