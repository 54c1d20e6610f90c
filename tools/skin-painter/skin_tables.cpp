#include "skin_tables.h"

#include <QRect>
#include <cstdint>
#include <stdexcept>

namespace sudoku::skin_painter {
namespace {

void PutWord(QByteArray& out, int value) {
  // Every coordinate of a skin must fit a signed 16-bit word; a description that breaks
  // this is a bug in the painter, not something to write silently wrapped.
  if (value < INT16_MIN || value > UINT16_MAX) throw std::range_error("skin value out of range");
  const auto word = static_cast<uint16_t>(value);
  out.append(static_cast<char>(word & 0xFF));
  out.append(static_cast<char>(word >> 8));
}

void PutRect(QByteArray& out, const QRect& r) {
  if (r.left() > INT16_MAX || r.top() > INT16_MAX || r.width() > INT16_MAX ||
      r.height() > INT16_MAX) {
    throw std::range_error("skin rectangle out of range");
  }
  PutWord(out, r.left());
  PutWord(out, r.top());
  PutWord(out, r.width());
  PutWord(out, r.height());
}

}  // namespace

QByteArray AreaIdTable(const SkinDescription& skin) {
  QByteArray out;
  for (uint16_t id : skin.ids) PutWord(out, id);
  return out;
}

QByteArray AreaRectTable(const SkinDescription& skin) {
  QByteArray out;
  for (const QRect& r : skin.areas) PutRect(out, r);
  return out;
}

QByteArray CellTextTable(const SkinDescription& skin) {
  QByteArray out;
  for (int cell = 0; cell < 81; ++cell) PutRect(out, skin.CellTextRect(cell));
  return out;
}

QByteArray DisplayTable(const SkinDescription& skin) {
  QByteArray out;
  for (const QRect& r : skin.display_slots) PutRect(out, r);
  for (const QRect& r : skin.glyphs) PutRect(out, r);
  for (QRgb c : skin.colours) {
    out.append(static_cast<char>(qRed(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qBlue(c)));
    out.append('\0');
  }
  return out;
}

QByteArray IndicatorTable(const SkinDescription& skin) {
  QByteArray out;
  for (const QRect& r : skin.marks) PutRect(out, r);
  for (const QRect& r : skin.mark_sources) PutRect(out, r);
  return out;
}

QByteArray OutlineTable(const SkinDescription& skin) {
  QByteArray out;
  for (const QPoint& pt : skin.outline) {
    PutWord(out, pt.x());
    PutWord(out, pt.y());
  }
  PutWord(out, -1);
  return out;
}

}  // namespace sudoku::skin_painter
