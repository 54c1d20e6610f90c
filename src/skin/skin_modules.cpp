#include "skin/skin_modules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <algorithm>

#include "base/texts.h"
#include "settings/settings.h"
#include "skin/skin_view.h"

namespace sudoku {
namespace {

constexpr const char* kModuleRoot = "/skinmodule";

// A module's resources, registered for the lifetime of this object.
class Module {
 public:
  explicit Module(const QString& path) : path_(path) {
    loaded_ = QResource::registerResource(path_, kModuleRoot);
  }
  ~Module() {
    if (loaded_) QResource::unregisterResource(path_, kModuleRoot);
  }
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;
  bool Loaded() const { return loaded_; }
  static QString Root() { return QString(":") + kModuleRoot + "/skin"; }

 private:
  QString path_;
  bool loaded_ = false;
};

// Ordinal comparison ignoring ASCII letter case, as the list is sorted.
bool LessIgnoringCase(const QString& a, const QString& b) {
  const qsizetype n = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t x = a[i].unicode(), y = b[i].unicode();
    const char16_t lx = x >= 'A' && x <= 'Z' ? x + 32 : x, ly = y >= 'A' && y <= 'Z' ? y + 32 : y;
    if (lx != ly) return lx < ly;
  }
  return a.size() < b.size();
}

}  // namespace

void TSkinList::Refresh(const QStringList& directories) {
  items_.clear();
  QFileInfoList files;
  QStringList names;
  for (const QString& directory : directories) {
    for (const QFileInfo& file : QDir(directory).entryInfoList(
             {"SdSkin*.rcc"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
      if (names.contains(file.fileName())) continue;  // hidden by an earlier directory
      names << file.fileName();
      files << file;
    }
  }
  for (const QFileInfo& file : files) {
    Module module(file.absoluteFilePath());
    if (!module.Loaded()) continue;
    QFile name(Module::Root() + "/string/100");
    if (!name.open(QIODevice::ReadOnly)) continue;
    items_.push_back(std::make_unique<TSkin>(
        TSkin{QString::fromUtf8(name.readAll()).left(64), file.fileName()}));
  }
  std::stable_sort(items_.begin(), items_.end(), [](const auto& a, const auto& b) {
    return LessIgnoringCase(a->Name, b->Name);
  });
}

SkinLoad LoadSkin(SkinView& view, const QStringList& directories, const QString& fileName,
                  Settings& settings, const std::function<void(const QString&)>& showError) {
  SkinLoad result;
  QString used = fileName;
  try {
    if (fileName.isEmpty()) {
      view.ApplySkin(kBuiltinSkinRoot);
    } else {
      QString path;
      for (const QString& directory : directories) {
        path = QDir(directory).filePath(fileName);
        if (QFileInfo(path).isFile()) break;
        path.clear();
      }
      if (path.isEmpty()) throw TextError(533);
      Module module(path);
      if (!module.Loaded()) throw TextError(534);
      view.ApplySkin(Module::Root());
    }
  } catch (const TextError& e) {
    if (showError) showError(QString::fromStdString(Text(e.id())));
    result.ok = false;
    used.clear();
    try {
      view.ApplySkin(kBuiltinSkinRoot);
    } catch (const TextError&) {
      result.fatal = true;
    }
  }
  settings.WriteSettingString(setting::kLastSkinDLL, used.toStdString());
  return result;
}

}  // namespace sudoku
