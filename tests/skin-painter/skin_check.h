#pragma once
// A skin read back from the resource tree the way the game reads it, decoded into plain values
// the tests can check.

#include <QByteArray>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace sudoku::skin_check {

struct LoadedSkin {
  QString label;  // for test names and messages
  QByteArray name;
  QByteArray copyright;
  QImage normal, extended, mask;
  QImage normal_double, extended_double;  // the 2x pictures
  QByteArray ids_raw, areas_raw, text_raw, display_raw, indicator_raw, outline_raw;

  std::vector<uint16_t> ids;
  std::vector<QRect> areas;
  std::vector<QRect> text_rects;
  std::vector<QRect> display_slots;  // 12 display slots
  std::vector<QRect> glyphs;         // 14 glyph rectangles
  std::array<QRgb, 5> colours{};
  std::vector<QRect> marks;    // 27, absolute
  std::vector<QRect> sources;  // 3
  std::vector<QPolygon> polygons;
  bool outline_closed = false;  // the last word of the table is the -1 that ends a polygon

  QRegion Outline() const;
  QRect IndicatorFrame() const;
};

// Reads the skin under `root` (":/skin" or a module's mapped root). Fields of missing resources
// stay empty; decoding never reads past a table's end.
LoadedSkin LoadSkin(const QString& root, const QString& label);

}  // namespace sudoku::skin_check
