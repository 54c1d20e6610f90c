#include "settings/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "settings/ini_settings_store.h"

namespace sudoku {
namespace {

constexpr const char* kOrganisation = "Quillbrook";
constexpr const char* kApplication = "Sudoku";
constexpr const char* kMainKey = "2.0";

QString Path(std::string_view key) {
  QString path = kMainKey;
  if (!key.empty()) path += '/' + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  return path;
}

QString Path(std::string_view key, std::string_view name) {
  return Path(key) + '/' + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

bool IsBinary(const QVariant& v) {
  return v.typeId() == QMetaType::QByteArray;
}

}  // namespace

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::~QtSettingsStore() {
  if (settings_) settings_->sync();
}

QSettings& QtSettingsStore::Settings() {
  if (!settings_) {
    settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            kOrganisation, kApplication);
  }
  return *settings_;
}

// Each write is stored at once, a batch's writes together at its end.
void QtSettingsStore::Written() {
  if (batch_ > 0) {
    pending_ = true;
  } else {
    Settings().sync();
  }
}

void QtSettingsStore::EndBatch() {
  if (batch_ > 0 && --batch_ == 0 && pending_) {
    pending_ = false;
    Settings().sync();
  }
}

std::optional<int64_t> QtSettingsStore::GetInt(std::string_view key, std::string_view name) {
  const QVariant v = Settings().value(Path(key, name));
  if (!v.isValid() || IsBinary(v)) return std::nullopt;
  bool ok = false;
  const qlonglong value = v.toLongLong(&ok);
  if (!ok) return std::nullopt;
  return value;
}

std::optional<std::string> QtSettingsStore::GetString(std::string_view key, std::string_view name) {
  const QVariant v = Settings().value(Path(key, name));
  if (!v.isValid() || IsBinary(v) || !v.canConvert<QString>()) return std::nullopt;
  return v.toString().toStdString();
}

std::optional<std::vector<uint8_t>> QtSettingsStore::GetBinary(std::string_view key,
                                                               std::string_view name) {
  const QVariant v = Settings().value(Path(key, name));
  if (!IsBinary(v)) return std::nullopt;
  const QByteArray bytes = v.toByteArray();
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool QtSettingsStore::KeyExists(std::string_view key) {
  QSettings& s = Settings();
  s.beginGroup(Path(key));
  const bool exists = !s.childKeys().isEmpty() || !s.childGroups().isEmpty();
  s.endGroup();
  return exists;
}

std::vector<std::string> QtSettingsStore::ValueNames(std::string_view key) {
  QSettings& s = Settings();
  s.beginGroup(Path(key));
  std::vector<std::string> names;
  for (const QString& name : s.childKeys()) names.push_back(name.toStdString());
  s.endGroup();
  return names;
}

void QtSettingsStore::PutInt(std::string_view key, std::string_view name, int64_t value) {
  Settings().setValue(Path(key, name), static_cast<qlonglong>(value));
  Written();
}

void QtSettingsStore::PutString(std::string_view key, std::string_view name,
                                std::string_view value) {
  Settings().setValue(Path(key, name),
                      QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
  Written();
}

void QtSettingsStore::PutBinary(std::string_view key, std::string_view name,
                                const std::vector<uint8_t>& value) {
  Settings().setValue(Path(key, name), QByteArray(reinterpret_cast<const char*>(value.data()),
                                                  static_cast<qsizetype>(value.size())));
  Written();
}

void QtSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
  Settings().remove(Path(key, name));
  Written();
}

void QtSettingsStore::DeleteKey(std::string_view key) {
  Settings().remove(Path(key));
  Written();
}

bool QtSettingsStore::EraseAll() {
  QSettings& s = Settings();
  s.remove(kMainKey);
  s.sync();
  if (s.status() != QSettings::NoError || s.childGroups().contains(kMainKey)) return false;
  if (!s.allKeys().isEmpty()) return true;  // the application key keeps other values
  const QString file = s.fileName();
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

QString UserSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
         kOrganisation + '/' + kApplication + ".conf";
}

std::unique_ptr<SettingsStore> OpenUserSettingsStore() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  return std::make_unique<IniSettingsStore>(UserSettingsFile(), kMainKey);
#else
  return std::make_unique<QtSettingsStore>();
#endif
}

}  // namespace sudoku
