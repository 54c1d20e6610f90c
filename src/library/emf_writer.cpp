#include "library/emf_writer.h"

#include <QFontMetricsF>
#include <QSaveFile>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/texts.h"

namespace sudoku {
namespace {

enum : uint32_t {
  EMR_HEADER = 1,
  EMR_POLYGON = 3,
  EMR_EOF = 14,
  EMR_SETBKMODE = 18,
  EMR_SETTEXTCOLOR = 24,
  EMR_SELECTOBJECT = 37,
  EMR_CREATEPEN = 38,
  EMR_CREATEBRUSHINDIRECT = 39,
  EMR_DELETEOBJECT = 40,
  EMR_RECTANGLE = 43,
  EMR_EXTCREATEFONTINDIRECTW = 82,
  EMR_EXTTEXTOUTW = 84,
  EMR_POLYGON16 = 86,
};

constexpr uint32_t kHeaderSize = 108;
constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr uint32_t kTransparent = 1;
constexpr uint32_t kCompatibleGraphics = 1;
constexpr uint32_t kSolid = 0, kNullPen = 5;
constexpr uint32_t kWhiteBrush = 0x80000000, kBlackPen = 0x80000007, kSystemFont = 0x8000000D;
constexpr int32_t kNormalWeight = 400, kBlackWeight = 900;

// Hundredths of a millimetre per logical unit of the reference screen.
constexpr double kFrameUnits =
    100.0 * EmfWriter::kDeviceWidthMm / static_cast<double>(EmfWriter::kDeviceWidth);

void U16(QByteArray& out, uint32_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}
void U32(QByteArray& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void I32(QByteArray& out, int32_t v) {
  U32(out, static_cast<uint32_t>(v));
}
void F32(QByteArray& out, float v) {
  uint32_t bits;
  static_assert(sizeof bits == sizeof v);
  std::memcpy(&bits, &v, sizeof bits);
  U32(out, bits);
}
void SetU32(QByteArray& out, int at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Pad(QByteArray& out) {
  while (out.size() % 4 != 0) out.append('\0');
}
// Left, top, right, bottom; the right and bottom edges are those of GDI's rectangles.
void Rect(QByteArray& out, int left, int top, int right, int bottom) {
  I32(out, left);
  I32(out, top);
  I32(out, right);
  I32(out, bottom);
}
void Utf16(QByteArray& out, const QString& text) {
  for (QChar ch : text) U16(out, ch.unicode());
}
uint32_t ColorRef(const QColor& c) {
  return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
         (static_cast<uint32_t>(c.blue()) << 16);
}
int Round(double v) {
  return static_cast<int>(std::lround(v));
}

}  // namespace

EmfWriter::EmfWriter(int width, int height, const QString& description)
    : width_(width), height_(height), description_(description) {}

void EmfWriter::Record(uint32_t type, const QByteArray& payload) {
  QByteArray padded = payload;
  Pad(padded);
  U32(body_, type);
  U32(body_, static_cast<uint32_t>(8 + padded.size()));
  body_.append(padded);
  ++records_;
}

void EmfWriter::Include(const QRect& r) {
  bounds_ = bounds_.united(r);
}

void EmfWriter::Select(uint32_t object, uint32_t& current) {
  if (object == current) return;
  QByteArray p;
  U32(p, object);
  Record(EMR_SELECTOBJECT, p);
  current = object;
}

uint32_t EmfWriter::Brush(const QColor& color) {
  auto [it, added] = brushes_.emplace(color.rgb(), nextObject_);
  if (added) {
    QByteArray p;
    U32(p, nextObject_++);
    U32(p, kSolid);
    U32(p, ColorRef(color));
    U32(p, 0);
    Record(EMR_CREATEBRUSHINDIRECT, p);
  }
  return it->second;
}

uint32_t EmfWriter::Pen(std::optional<QColor> color) {
  const auto key = std::make_pair(color.has_value(), color ? color->rgb() : QRgb(0));
  auto [it, added] = pens_.emplace(key, nextObject_);
  if (added) {
    QByteArray p;
    U32(p, nextObject_++);
    U32(p, color ? kSolid : kNullPen);
    I32(p, 1);  // width, then an unused coordinate
    I32(p, 0);
    U32(p, color ? ColorRef(*color) : 0);
    Record(EMR_CREATEPEN, p);
  }
  return it->second;
}

uint32_t EmfWriter::Font(const PictureFont& font) {
  auto [it, added] = fonts_.emplace(std::make_tuple(font.family, font.height), nextObject_);
  if (added) {
    QByteArray p;
    U32(p, nextObject_++);
    // A positive height is the character cell, as the picture measures it.
    I32(p, font.height);
    I32(p, 0);  // width
    I32(p, 0);  // escapement
    I32(p, 0);  // orientation
    I32(p, font.Heavy() ? kBlackWeight : kNormalWeight);
    p.append(4, '\0');  // italic, underline, strike-out, character set: ANSI
    p.append(4, '\0');  // precisions, quality, pitch and family: defaults
    QByteArray face;
    Utf16(face, font.family.left(31));
    face.append(64 - face.size(), '\0');
    p.append(face);
    Record(EMR_EXTCREATEFONTINDIRECTW, p);
  }
  return it->second;
}

void EmfWriter::Rectangle(const QRect& r, const QColor& fill, std::optional<QColor> outline) {
  if (r.isEmpty()) return;
  Select(Pen(outline), pen_);
  Select(Brush(fill), brush_);
  QByteArray p;
  // Without a pen GDI leaves the last column and row out: widen the box to fill them.
  const int grow = outline ? 0 : 1;
  Rect(p, r.left(), r.top(), r.left() + r.width() + grow, r.top() + r.height() + grow);
  Record(EMR_RECTANGLE, p);
  Include(r);
}

void EmfWriter::Polygon(const QPolygon& points, const QColor& fill) {
  if (points.isEmpty()) return;
  Select(Pen(std::nullopt), pen_);
  Select(Brush(fill), brush_);
  const QRect box = points.boundingRect();
  const bool small =
      box.left() >= -32768 && box.top() >= -32768 && box.right() <= 32767 && box.bottom() <= 32767;
  QByteArray p;
  Rect(p, box.left(), box.top(), box.right(), box.bottom());
  U32(p, static_cast<uint32_t>(points.size()));
  for (const QPoint& pt : points) {
    if (small) {
      U16(p, static_cast<uint16_t>(static_cast<int16_t>(pt.x())));
      U16(p, static_cast<uint16_t>(static_cast<int16_t>(pt.y())));
    } else {
      I32(p, pt.x());
      I32(p, pt.y());
    }
  }
  Record(small ? EMR_POLYGON16 : EMR_POLYGON, p);
  Include(box);
}

void EmfWriter::Text(const QRect& r, const QString& text, const PictureFont& font,
                     const QColor& color, bool centred) {
  if (text.isEmpty() || font.height <= 0) return;
  Select(Font(font), font_);
  if (!textColorSet_ || textColor_ != color.rgb()) {
    QByteArray p;
    U32(p, ColorRef(color));
    Record(EMR_SETTEXTCOLOR, p);
    textColor_ = color.rgb();
    textColorSet_ = true;
  }
  if (!transparent_) {
    QByteArray p;
    U32(p, kTransparent);
    Record(EMR_SETBKMODE, p);
    transparent_ = true;
  }

  // Advances as our own font measures them; readers place each glyph by them.
  const QFontMetricsF metrics(PictureQFont(font));
  std::vector<int32_t> dx;
  int total = 0;
  for (QChar ch : text) {
    dx.push_back(ch.isLowSurrogate() ? 0 : Round(metrics.horizontalAdvance(QString(ch))));
    total += dx.back();
  }
  // Text is placed by the top left of its character cell.
  const int x = centred ? r.left() + (r.width() - total) / 2 : r.left();
  const int y = centred ? r.top() + (r.height() - font.height) / 2 : r.top();
  const QRect box(x, y, total, font.height);

  const auto chars = static_cast<uint32_t>(text.size());
  const uint32_t stringAt = 76;
  const uint32_t dxAt = stringAt + ((2 * chars + 3) & ~3u);
  QByteArray p;
  Rect(p, box.left(), box.top(), box.right(), box.bottom());
  U32(p, kCompatibleGraphics);
  F32(p, static_cast<float>(kFrameUnits));
  F32(p, static_cast<float>(kFrameUnits));
  I32(p, x);
  I32(p, y);
  U32(p, chars);
  U32(p, stringAt);
  U32(p, 0);  // options
  Rect(p, r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
  U32(p, dxAt);
  Utf16(p, text);
  Pad(p);
  for (int32_t advance : dx) I32(p, advance);
  Record(EMR_EXTTEXTOUTW, p);
  Include(box);
}

QByteArray EmfWriter::Finish() {
  // Back to the stock objects, so that nothing of ours is selected when it goes.
  if (pen_ != 0) Select(kBlackPen, pen_);
  if (brush_ != 0) Select(kWhiteBrush, brush_);
  if (font_ != 0) Select(kSystemFont, font_);
  for (uint32_t object = 1; object < nextObject_; ++object) {
    QByteArray p;
    U32(p, object);
    Record(EMR_DELETEOBJECT, p);
  }
  QByteArray eof;
  U32(eof, 0);   // palette entries
  U32(eof, 16);  // their offset
  U32(eof, 20);  // this record's size
  Record(EMR_EOF, eof);

  QByteArray description;
  Utf16(description, description_);
  Pad(description);
  const QRect b = bounds_.isEmpty() ? QRect(0, 0, width_, height_) : bounds_;

  QByteArray h;
  U32(h, EMR_HEADER);
  U32(h, static_cast<uint32_t>(kHeaderSize + description.size()));
  Rect(h, b.left(), b.top(), b.right(), b.bottom());
  // The frame is the picture's own extent, in hundredths of a millimetre.
  Rect(h, 0, 0, Round(width_ * kFrameUnits) - 1, Round(height_ * kFrameUnits) - 1);
  U32(h, kSignature);
  U32(h, 0x10000);
  U32(h, 0);  // file size, below
  U32(h, records_ + 1);
  U16(h, nextObject_);  // handle table size, slot 0 included
  U16(h, 0);
  U32(h, static_cast<uint32_t>(description_.size()));
  U32(h, kHeaderSize);
  U32(h, 0);  // palette entries
  I32(h, kDeviceWidth);
  I32(h, kDeviceHeight);
  I32(h, kDeviceWidthMm);
  I32(h, kDeviceHeightMm);
  U32(h, 0);  // pixel format size
  U32(h, 0);  // and offset
  U32(h, 0);  // no OpenGL
  I32(h, kDeviceWidthMm * 1000);
  I32(h, kDeviceHeightMm * 1000);
  h.append(description);
  h.append(body_);
  SetU32(h, 48, static_cast<uint32_t>(h.size()));
  return h;
}

QByteArray BoardMetafile(const BoardRecord& board, bool colour, bool invNumBlock,
                         const QString& version) {
  const int depth = colour ? 6 : 1;
  const int size = 2 * BoardPictureSide(depth) + 1;
  const QString description = QStringLiteral("Sudoku v") + version + QChar(0) +
                              QStringLiteral("Spielfeld") + QChar(0) + QChar(0);
  EmfWriter emf(size, size, description);
  DrawBoardPicture(emf, size, size, false, board, depth, 0, 0, invNumBlock);
  return emf.Finish();
}

void SaveBoardMetafile(const QString& fileName, const BoardRecord& board, bool colour,
                       bool invNumBlock, const QString& version) {
  const QByteArray bytes = BoardMetafile(board, colour, invNumBlock, version);
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw TextError(532);
  }
}

}  // namespace sudoku
