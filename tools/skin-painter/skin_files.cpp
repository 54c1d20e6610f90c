#include "skin_files.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

#include "skin_preview.h"
#include "skin_tables.h"

namespace sudoku::skin_painter {
namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool WritePng(const QString& path, const QImage& image, QString* error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    *error = QStringLiteral("cannot encode %1").arg(path);
    return false;
  }
  return WriteBytes(path, bytes, error);
}

QString StyleName(Style style) {
  return style == Style::kStandard ? QStringLiteral("standard") : QStringLiteral("nacht");
}

}  // namespace

bool WriteSkinResources(const SkinDescription& skin, const SkinPictures& pictures,
                        const QString& dir, QString* error) {
  QDir root(dir);
  for (const char* sub : {"string", "bitmap", "rcdata"}) {
    if (!root.mkpath(QString::fromLatin1(sub))) {
      *error = QStringLiteral("cannot create %1/%2").arg(dir, QString::fromLatin1(sub));
      return false;
    }
  }
  // Resource path (under /skin) -> file written here.
  struct Entry {
    QString alias;
    QString file;
  };
  QList<Entry> entries;
  auto add = [&](const QString& alias, const QString& file, const QByteArray& bytes) {
    entries.append({alias, file});
    return WriteBytes(root.filePath(file), bytes, error);
  };
  auto add_png = [&](const QString& alias, const QString& file, const QImage& image) {
    entries.append({alias, file});
    return WritePng(root.filePath(file), image, error);
  };

  bool ok = add("string/100", "string/100.txt", skin.name.toUtf8()) &&
            add("string/101", "string/101.txt", skin.copyright.toUtf8()) &&
            add_png("bitmap/100", "bitmap/100.png", pictures.normal) &&
            add_png("bitmap/101", "bitmap/101.png", pictures.extended) &&
            add_png("bitmap/102", "bitmap/102.png", pictures.mask) &&
            add_png("bitmap/100@2x", "bitmap/100@2x.png", pictures.normal_double) &&
            add_png("bitmap/101@2x", "bitmap/101@2x.png", pictures.extended_double) &&
            add("rcdata/100", "rcdata/100.bin", AreaIdTable(skin)) &&
            add("rcdata/101", "rcdata/101.bin", AreaRectTable(skin)) &&
            add("rcdata/102", "rcdata/102.bin", CellTextTable(skin)) &&
            add("rcdata/103", "rcdata/103.bin", DisplayTable(skin)) &&
            add("rcdata/104", "rcdata/104.bin", IndicatorTable(skin)) &&
            add("rcdata/105", "rcdata/105.bin", OutlineTable(skin));
  if (!ok) return false;

  // Pictures are PNG already and the tables tiny: store everything uncompressed.
  QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/skin\">\n";
  for (const Entry& e : entries) {
    qrc += "  <file alias=\"" + e.alias.toUtf8() + "\" compression-algorithm=\"none\">" +
           e.file.toUtf8() + "</file>\n";
  }
  qrc += "</qresource>\n</RCC>\n";
  return WriteBytes(root.filePath("skin.qrc"), qrc, error);
}

bool WriteSkinPreviews(const SkinDescription& skin, const SkinPictures& pictures,
                       const QString& dir, QString* error) {
  if (!QDir().mkpath(dir)) {
    *error = QStringLiteral("cannot create %1").arg(dir);
    return false;
  }
  const QString stem = QDir(dir).filePath(StyleName(skin.style));
  return WritePng(stem + "-normal.png", pictures.normal, error) &&
         WritePng(stem + "-extended.png", pictures.extended, error) &&
         WritePng(stem + "-mask.png", MaskPreview(skin, pictures), error) &&
         WritePng(stem + "-outline.png", OutlinePreview(skin, pictures), error) &&
         WritePng(stem + "-game.png", SampleGame(skin, pictures), error);
}

}  // namespace sudoku::skin_painter
