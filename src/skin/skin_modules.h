#pragma once
// Skin modules: resource files "SdSkin*.rcc" beside the program, listed by their names, and
// loading the chosen skin with the built-in one as the fallback.

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sudoku {

class Settings;
class SkinView;

// One available skin module.
struct TSkin {
  QString Name;      // at most 64 characters
  QString FileName;  // without directory
};

class TSkinList {
 public:
  // The modules in `directory`, sorted by name ignoring letter case; unreadable ones are left
  // out.
  void Refresh(const QString& directory);
  const std::vector<std::unique_ptr<TSkin>>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const TSkin& At(int i) const { return *items_[static_cast<size_t>(i)]; }

 private:
  std::vector<std::unique_ptr<TSkin>> items_;
};

// A skin module's resources: the file's bytes are checked whole (Qt's resource reader trusts
// them) and, when sound, registered from this copy under Root() while the object lives.
class SkinModule {
 public:
  explicit SkinModule(QByteArray bytes);
  ~SkinModule();
  SkinModule(const SkinModule&) = delete;
  SkinModule& operator=(const SkinModule&) = delete;
  // At most the size a module may have; empty when the file cannot be read or is larger.
  static QByteArray ReadFile(const QString& path);
  bool Loaded() const { return loaded_; }
  static QString Root();

 private:
  QByteArray bytes_;
  bool loaded_ = false;
};

// Where the built-in skin's resources are.
inline constexpr const char* kBuiltinSkinRoot = ":/skin";

struct SkinLoad {
  bool ok = true;      // the named skin is in use
  bool fatal = false;  // not even the built-in skin could be applied
};

// Makes the named module (empty: the built-in skin) the skin of `view`. When that fails, shows
// the failure's text, applies the built-in skin and reports false. In every case the name in
// use (empty after a fallback) is written to "LastSkinDLL".
SkinLoad LoadSkin(SkinView& view, const QString& directory, const QString& fileName,
                  Settings& settings, const std::function<void(const QString&)>& showError);

}  // namespace sudoku
