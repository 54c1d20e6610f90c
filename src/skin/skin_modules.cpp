#include "skin/skin_modules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <algorithm>

#include "base/texts.h"
#include "settings/settings.h"
#include "skin/resource_check.h"
#include "skin/skin_view.h"

namespace sudoku {
namespace {

constexpr const char* kModuleRoot = "/skinmodule";

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

SkinModule::SkinModule(QByteArray bytes) : bytes_(std::move(bytes)) {
  const auto* data = reinterpret_cast<const uchar*>(bytes_.constData());
  loaded_ = CheckResourceData({data, static_cast<size_t>(bytes_.size())}).empty() &&
            QResource::registerResource(data, kModuleRoot);
}

SkinModule::~SkinModule() {
  if (loaded_) {
    QResource::unregisterResource(reinterpret_cast<const uchar*>(bytes_.constData()), kModuleRoot);
  }
}

QByteArray SkinModule::ReadFile(const QString& path) {
  const qint64 limit = ResourceLimits{}.fileSize;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  // Read, not the size: a device or a growing file has none to trust.
  QByteArray bytes = file.read(limit + 1);
  return bytes.size() <= limit ? bytes : QByteArray();
}

QString SkinModule::Root() {
  return QString(":") + kModuleRoot + "/skin";
}

void TSkinList::Refresh(const QString& directory) {
  items_.clear();
  const QFileInfoList files = QDir(directory).entryInfoList(
      {"SdSkin*.rcc"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QFileInfo& file : files) {
    const SkinModule module(SkinModule::ReadFile(file.absoluteFilePath()));
    if (!module.Loaded()) continue;
    QFile name(SkinModule::Root() + "/string/100");
    if (!name.open(QIODevice::ReadOnly)) continue;
    items_.push_back(std::make_unique<TSkin>(
        TSkin{QString::fromUtf8(name.read(1024)).left(64), file.fileName()}));
  }
  std::stable_sort(items_.begin(), items_.end(), [](const auto& a, const auto& b) {
    return LessIgnoringCase(a->Name, b->Name);
  });
}

SkinLoad LoadSkin(SkinView& view, const QString& directory, const QString& fileName,
                  Settings& settings, const std::function<void(const QString&)>& showError) {
  SkinLoad result;
  QString used = fileName;
  try {
    if (fileName.isEmpty()) {
      view.ApplySkin(kBuiltinSkinRoot);
    } else {
      const QString path = QDir(directory).filePath(fileName);
      if (!QFileInfo(path).isFile()) throw TextError(533);
      // Until the module has been applied, the next start does not try it again: nothing in it
      // can then keep the program from starting.
      settings.WriteSettingString(setting::kLastSkinDLL, "");
      const SkinModule module(SkinModule::ReadFile(path));
      if (!module.Loaded()) throw TextError(534);
      view.ApplySkin(SkinModule::Root());
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
