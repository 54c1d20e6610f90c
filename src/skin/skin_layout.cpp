#include "skin/skin_layout.h"

#include <cmath>

#include "base/texts.h"

namespace sudoku {
namespace {

int16_t Word(const QByteArray& b, qsizetype at) {
  return static_cast<int16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}

QRect Record(const QByteArray& b, int index) {
  const qsizetype at = static_cast<qsizetype>(index) * 8;
  return QRect(Word(b, at), Word(b, at + 2), Word(b, at + 4), Word(b, at + 6));
}

// The part of a rectangle inside the bounds; empty without width or height.
QRect Clip(const QRect& r, const QRect& bounds) {
  return r.width() > 0 && r.height() > 0 ? r & bounds : QRect();
}

// Sutherland-Hodgman, one side of the box after the other. Cutting at a straight line keeps
// the winding number of every point inside the box, so the filled region inside stays the same.
QPolygon ClipPolygon(const QPolygon& polygon, const QRect& box) {
  const int64_t limits[4] = {box.left(), box.right(), box.top(), box.bottom()};
  QPolygon out = polygon;
  for (int side = 0; side < 4 && !out.isEmpty(); ++side) {
    const QPolygon in = std::move(out);
    out = QPolygon();
    const bool vertical = side < 2;  // a side of constant x
    const int64_t limit = limits[side];
    auto inside = [&](const QPoint& p) {
      const int64_t v = vertical ? p.x() : p.y();
      return side % 2 == 0 ? v >= limit : v <= limit;
    };
    auto cut = [&](const QPoint& a, const QPoint& b) {
      const int64_t a0 = vertical ? a.x() : a.y(), a1 = vertical ? a.y() : a.x();
      const int64_t b0 = vertical ? b.x() : b.y(), b1 = vertical ? b.y() : b.x();
      const int64_t other =
          a1 + std::llround(static_cast<double>(b1 - a1) * static_cast<double>(limit - a0) /
                            static_cast<double>(b0 - a0));
      return vertical ? QPoint(static_cast<int>(limit), static_cast<int>(other))
                      : QPoint(static_cast<int>(other), static_cast<int>(limit));
    };
    for (qsizetype i = 0; i < in.size(); ++i) {
      const QPoint& current = in[i];
      const QPoint& previous = in[(i + in.size() - 1) % in.size()];
      if (inside(current)) {
        if (!inside(previous)) out << cut(previous, current);
        out << current;
      } else if (inside(previous)) {
        out << cut(previous, current);
      }
    }
  }
  return out;
}

void ClipPolygons(std::vector<QPolygon>& polygons, const QRect& box) {
  std::vector<QPolygon> kept;
  for (const QPolygon& p : polygons) {
    QPolygon clipped = ClipPolygon(p, box);
    if (clipped.size() >= 3) kept.push_back(std::move(clipped));
  }
  polygons = std::move(kept);
}

const QByteArray& Required(const std::optional<QByteArray>& table, qsizetype size) {
  if (!table || table->size() != size) throw TextError(513);
  return *table;
}

}  // namespace

Hit HitOfCode(int code) {
  if (code < 0 || code >= kAreaCount) return {};
  if (code <= 8) return {code, hkRemoveDigit, code + 1};
  if (code <= 17) return {code, hkAddDigit, code - 8};
  if (code <= 26) return {code, hkSetDigit, code - 17};
  if (code <= 35) return {code, hkMemoryPoint, code - 27};
  if (code <= 44) return {code, hkButton, code - 36};
  if (code <= 125) return {code, hkCell, code - 45};
  return {code, hkWindow, code - 126};
}

std::vector<QPolygon> ParsePolygons(const QByteArray& words) {
  std::vector<QPolygon> polygons;
  QPolygon current;
  int points = 0;
  const qsizetype count = words.size() / 2;
  for (qsizetype i = 0; i < count;) {
    const int16_t x = Word(words, i * 2);
    if (x == -1) {
      if (current.size() >= 3) {
        if (points + current.size() > kMaxPolygonPoints) break;
        points += static_cast<int>(current.size());
        polygons.push_back(current);
        if (static_cast<int>(polygons.size()) == kMaxPolygons) break;
      }
      current.clear();
      ++i;
      continue;
    }
    if (i + 1 >= count) break;
    const int16_t y = Word(words, (i + 1) * 2);
    if (y == -1) {
      current.clear();  // an x without its y: the polygon is malformed and dropped
      i += 2;
      continue;
    }
    if (current.size() < kMaxPolygonPoints) current << QPoint(x, y);
    i += 2;
  }
  return polygons;  // points after the last -1 belong to no closed polygon
}

SkinLayout ParseSkinLayout(const std::optional<QByteArray>& ids,
                           const std::optional<QByteArray>& areas,
                           const std::optional<QByteArray>& cellText,
                           const std::optional<QByteArray>& displays,
                           const std::optional<QByteArray>& indicator,
                           const std::optional<QByteArray>& outline,
                           const std::optional<QByteArray>& holes) {
  const QByteArray& idTable = Required(ids, 258);
  const QByteArray& areaTable = Required(areas, 1032);
  const QByteArray& displayTable = Required(displays, 228);
  const QByteArray& indicatorTable = Required(indicator, 240);

  SkinLayout l;
  for (int i = 0; i < kAreaCount; ++i) {
    l.ids[i] = static_cast<uint16_t>(Word(idTable, i * 2));
    l.areas[i] = Record(areaTable, i);
  }
  l.cellTextFromTable = cellText && cellText->size() == 648;
  for (int i = 0; i < 81; ++i) {
    l.cellText[i] = l.cellTextFromTable ? Record(*cellText, i)
                                        : l.areas[45 + i].adjusted(5, 5, -5, -5).translated(1, 1);
  }
  for (int i = 0; i < 12; ++i) l.displaySlots[i] = Record(displayTable, i);
  for (int i = 0; i < 14; ++i) l.glyphs[i] = Record(displayTable, 12 + i);
  for (int i = 0; i < 5; ++i) {
    const qsizetype at = 208 + i * 4;
    l.colours[i] = QColor(static_cast<uint8_t>(displayTable[at]),
                          static_cast<uint8_t>(displayTable[at + 1]),
                          static_cast<uint8_t>(displayTable[at + 2]));
  }
  for (int i = 0; i < 27; ++i) {
    l.marks[i] = Record(indicatorTable, i);
    l.indicatorFrame = i == 0 ? l.marks[i] : l.indicatorFrame.united(l.marks[i]);
  }
  for (int i = 0; i < 27; ++i) l.marks[i].translate(-l.indicatorFrame.topLeft());
  for (int i = 0; i < 3; ++i) l.markSources[i] = Record(indicatorTable, 27 + i);
  if (outline) l.outline = ParsePolygons(*outline);
  if (holes) l.holes = ParsePolygons(*holes);
  return l;
}

void SkinLayout::ClipTo(const QSize& picture) {
  const QRect bounds(QPoint(0, 0), picture);
  for (QRect& r : areas) r = Clip(r, bounds);
  for (QRect& r : cellText) r = Clip(r, bounds);
  for (QRect& r : displaySlots) r = Clip(r, bounds);
  for (QRect& r : glyphs) r = Clip(r, bounds);
  for (QRect& r : markSources) r = Clip(r, bounds);
  // The marks stay where they were on the window, now relative to the frame's visible part.
  const QRect frame = indicatorFrame & bounds;
  const QPoint shift = indicatorFrame.topLeft() - frame.topLeft();
  for (QRect& r : marks) r.translate(shift);
  indicatorFrame = frame;
  // Only far outside: a polygon that merely reaches beyond the picture keeps its exact edges.
  const QRect box =
      bounds.adjusted(-picture.width(), -picture.height(), picture.width(), picture.height());
  ClipPolygons(outline, box);
  ClipPolygons(holes, box);
}

QRegion SkinLayout::Region(const QSize& size) const {
  QRegion region;
  for (const QPolygon& p : outline) region += QRegion(p, Qt::WindingFill);
  if (outline.empty()) region = QRegion(0, 0, size.width(), size.height());
  for (const QPolygon& p : holes) region -= QRegion(p, Qt::WindingFill);
  return region;
}

}  // namespace sudoku
