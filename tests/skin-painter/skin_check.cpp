#include "skin_check.h"

#include <QFile>

namespace sudoku::skin_check {
namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

int Word(const QByteArray& b, int at) {
  return static_cast<int16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}

std::vector<QRect> Rects(const QByteArray& b, int first, int count) {
  std::vector<QRect> out;
  for (int i = 0; i < count && first + 8 * (i + 1) <= b.size(); ++i) {
    const int at = first + 8 * i;
    out.emplace_back(Word(b, at), Word(b, at + 2), Word(b, at + 4), Word(b, at + 6));
  }
  return out;
}

}  // namespace

QRegion LoadedSkin::Outline() const {
  QRegion region;
  for (const QPolygon& poly : polygons) region += QRegion(poly, Qt::WindingFill);
  return polygons.empty() ? QRegion(normal.rect()) : region;
}

QRect LoadedSkin::IndicatorFrame() const {
  QRect frame;
  for (int i = 0; i < 27 && i < static_cast<int>(marks.size()); ++i) frame |= marks[i];
  return frame;
}

LoadedSkin LoadSkin(const QString& root, const QString& label) {
  LoadedSkin s;
  s.label = label;
  s.name = Read(root + "/string/100");
  s.copyright = Read(root + "/string/101");
  s.normal.load(root + "/bitmap/100");
  s.extended.load(root + "/bitmap/101");
  s.mask.load(root + "/bitmap/102");
  s.normal = s.normal.convertToFormat(QImage::Format_RGB32);
  s.extended = s.extended.convertToFormat(QImage::Format_RGB32);
  s.mask = s.mask.convertToFormat(QImage::Format_RGB32);
  s.normal_double.load(root + "/bitmap/100@2x");
  s.extended_double.load(root + "/bitmap/101@2x");
  s.ids_raw = Read(root + "/rcdata/100");
  s.areas_raw = Read(root + "/rcdata/101");
  s.text_raw = Read(root + "/rcdata/102");
  s.display_raw = Read(root + "/rcdata/103");
  s.indicator_raw = Read(root + "/rcdata/104");
  s.outline_raw = Read(root + "/rcdata/105");

  for (int at = 0; at + 2 <= s.ids_raw.size(); at += 2) {
    s.ids.push_back(static_cast<uint16_t>(Word(s.ids_raw, at)));
  }
  s.areas = Rects(s.areas_raw, 0, 129);
  s.text_rects = Rects(s.text_raw, 0, 81);
  s.display_slots = Rects(s.display_raw, 0, 12);
  s.glyphs = Rects(s.display_raw, 96, 14);
  if (s.display_raw.size() >= 228) {
    for (int i = 0; i < 5; ++i) {
      const int at = 208 + 4 * i;
      s.colours[i] =
          qRgb(static_cast<uint8_t>(s.display_raw[at]), static_cast<uint8_t>(s.display_raw[at + 1]),
               static_cast<uint8_t>(s.display_raw[at + 2]));
    }
  }
  s.marks = Rects(s.indicator_raw, 0, 27);
  s.sources = Rects(s.indicator_raw, 216, 3);

  // x, y pairs; -1 ends a polygon; anything after the last -1 is ignored.
  QPolygon current;
  const int words = static_cast<int>(s.outline_raw.size() / 2);
  for (int i = 0; i < words;) {
    const int x = Word(s.outline_raw, 2 * i);
    if (x == -1) {
      s.polygons.push_back(current);
      current.clear();
      ++i;
      continue;
    }
    if (i + 1 >= words) break;
    current << QPoint(x, Word(s.outline_raw, 2 * i + 2));
    i += 2;
  }
  s.outline_closed = words > 0 && Word(s.outline_raw, 2 * (words - 1)) == -1;
  return s;
}

}  // namespace sudoku::skin_check
