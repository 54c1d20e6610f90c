#include "skin/skin_view.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <cmath>

#include "base/mul_div.h"
#include "base/texts.h"
#include "game/time_format.h"
#include "model/digit_set.h"

namespace sudoku {
namespace {

// Texts are cut to 99 characters anyway.
std::optional<QByteArray> ReadText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  return f.read(1024);
}

// A table larger than any skin needs fails like a table of the wrong length.
std::optional<QByteArray> ReadTable(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = f.read(kMaxSkinTable + 1);
  if (bytes.size() > kMaxSkinTable) throw TextError(513);
  return bytes;
}

// A picture is decoded only when it is a PNG or BMP of a bounded size; null otherwise.
QImage ReadPicture(const QString& path) {
  QImageReader reader(path);
  const QByteArray format = reader.format();
  if (format != "png" && format != "bmp") return {};
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty() || size.width() > kMaxSkinSide ||
      size.height() > kMaxSkinSide ||
      static_cast<int64_t>(size.width()) * size.height() > kMaxSkinPixels) {
    return {};
  }
  return reader.read();
}

// A 2x picture is used only when it is a PNG or BMP of exactly twice the size of its 1x picture
// and within the bounds of a picture; empty otherwise, and the 1x picture is scaled instead.
QByteArray ReadDoubled(const QString& path, const QSize& single) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = f.readAll();
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
  const QByteArray format = reader.format();
  const QSize size = reader.size();
  if ((format != "png" && format != "bmp") || size != single * 2 ||
      static_cast<int64_t>(size.width()) * size.height() > kMaxSkinPixels) {
    return {};
  }
  return bytes;
}

// Device pixels of `from` onto the painter's device. The rectangles differ in size only by
// rounding at fractional ratios; then the piece is scaled smoothly on its own, so that nothing
// beside it bleeds in.
void DrawPixels(QPainter& p, const QRect& target, const QImage& from, const QRect& source) {
  if (target.size() == source.size()) {
    p.drawImage(target.topLeft(), from, source);
  } else if (!target.isEmpty()) {
    p.drawImage(target.topLeft(), from.copy(source).scaled(target.size(), Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation));
  }
}

// Logical pixels to device pixels: edges are rounded, so neighbouring rectangles stay
// neighbours.
int Scaled(int v, qreal ratio) {
  return static_cast<int>(std::floor(v * ratio + 0.5));
}

QRect ScaledRect(const QRect& r, qreal ratio) {
  if (r.isEmpty()) return {};
  return QRect(
      QPoint(Scaled(r.left(), ratio), Scaled(r.top(), ratio)),
      QPoint(Scaled(r.left() + r.width(), ratio) - 1, Scaled(r.top() + r.height(), ratio) - 1));
}

// The board is designed at 96 pixels per inch.
int PointsToPixels(int points) {
  return std::max(1, MulDiv(points, 96, 72));
}

QFont SkinFont(bool black, int points) {
  QFont font;
  if (black) {
    // No free "Arial Black": a heavy sans stands in for it.
    font.setFamilies({"Arial Black", "Lato Black", "Lato", "Liberation Sans"});
    font.setWeight(QFont::Black);
  } else {
    font.setFamilies({"Arial", "Liberation Sans"});
  }
  font.setPixelSize(PointsToPixels(points));
  return font;
}

constexpr int64_t kLongestTime = 35999900;

}  // namespace

SkinView::SkinView() = default;

void SkinView::ApplySkin(const QString& root) {
  const auto name = ReadText(root + "/string/100");
  if (!name) throw TextError(515);
  const auto copyright = ReadText(root + "/string/101");
  SkinLayout layout =
      ParseSkinLayout(ReadTable(root + "/rcdata/100"), ReadTable(root + "/rcdata/101"),
                      ReadTable(root + "/rcdata/102"), ReadTable(root + "/rcdata/103"),
                      ReadTable(root + "/rcdata/104"), ReadTable(root + "/rcdata/105"),
                      ReadTable(root + "/rcdata/106"));
  const QImage normal = ReadPicture(root + "/bitmap/100");
  const QImage extended = ReadPicture(root + "/bitmap/101");
  const QImage mask = ReadPicture(root + "/bitmap/102");
  if (normal.isNull() || extended.isNull() || mask.isNull()) throw TextError(512);
  // Optional pictures for screens at 200 %, as their file bytes (decoded when needed).
  std::array<QByteArray, 2> doubled = {
      ReadDoubled(root + "/bitmap/100" + kDoubleSuffix, normal.size()),
      ReadDoubled(root + "/bitmap/101" + kDoubleSuffix, extended.size())};

  name_ = QString::fromUtf8(*name).left(99);
  copyright_ =
      copyright ? QString::fromUtf8(*copyright).left(99) : QString::fromStdString(Text(1079));
  ApplyLayout(std::move(layout), normal, extended, mask, std::move(doubled));
}

void SkinView::ApplyLayout(SkinLayout layout, const QImage& normal, const QImage& extended,
                           const QImage& mask, std::array<QByteArray, 2> doubled) {
  layout.ClipTo(normal.size());
  layout_ = std::move(layout);
  normal_ = normal.convertToFormat(QImage::Format_RGB32);
  extended_ = extended.convertToFormat(QImage::Format_RGB32);
  mask_ = mask;
  for (int i = 0; i < 2; ++i) {
    doubleBytes_[i] = std::move(doubled[i]);
    doubled_[i] = QImage();
  }
  ratio_ = UsableRatio(requested_);
  PreparePictures();
  RedrawAllAreas();
  RedrawDisplays();
  Changed(Bounds());
}

Hit SkinView::HitTest(int x, int y) const {
  if (!mask_.valid(x, y)) return {};
  const int id = qRed(mask_.pixel(x, y));
  for (int code = 0; code < kAreaCount; ++code) {
    if (layout_.ids[code] == id) return HitOfCode(code);
  }
  return {};
}

qreal SkinView::UsableRatio(qreal ratio) const {
  if (!(ratio > 1) || normal_.isNull()) return 1;
  const double pixels = std::max(static_cast<double>(normal_.width()) * normal_.height(),
                                 static_cast<double>(extended_.width()) * extended_.height());
  return std::max(1.0, std::min(ratio, std::sqrt(static_cast<double>(kMaxSkinPixels) / pixels)));
}

QRect SkinView::DeviceRect(const QRect& r) const {
  return ScaledRect(r, ratio_);
}

const QImage& SkinView::Doubled(int picture) const {
  QByteArray& bytes = doubleBytes_[picture];
  if (!bytes.isEmpty()) {
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    const QImage& single = picture ? extended_ : normal_;
    if (image.size() == single.size() * 2) {
      doubled_[picture] = image.convertToFormat(QImage::Format_RGB32);
    }
    bytes.clear();
  }
  return doubled_[picture];
}

QImage SkinView::PictureAt(int picture, qreal ratio) const {
  const QImage& single = picture ? extended_ : normal_;
  if (ratio == 1 || single.isNull()) return single;
  const QSize size(Scaled(single.width(), ratio), Scaled(single.height(), ratio));
  const QImage& doubled = Doubled(picture);
  const QImage& source = doubled.isNull() ? single : doubled;
  if (source.size() == size) return source;
  return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage SkinView::PictureCut(bool extended, const QRect& r, qreal ratio) const {
  const int i = extended ? 1 : 0;
  const qreal usable = UsableRatio(ratio);
  const QRect cut = ScaledRect(r, usable);
  QImage piece = (usable == ratio_ ? device_[i] : PictureAt(i, usable)).copy(cut);
  piece.setDevicePixelRatio(usable);
  return piece;
}

void SkinView::PreparePictures() {
  for (int i = 0; i < 2; ++i) device_[i] = PictureAt(i, ratio_);
  main_ = device_[0].copy();
  main_.setDevicePixelRatio(ratio_);
}

QImage SkinView::DevicePixels() {
  return QImage(main_.bits(), main_.width(), main_.height(), main_.bytesPerLine(), main_.format());
}

void SkinView::SetDevicePixelRatio(qreal ratio) {
  if (ratio == requested_) return;
  requested_ = ratio;
  const qreal usable = UsableRatio(ratio);
  if (usable == ratio_) return;
  ratio_ = usable;
  if (normal_.isNull()) return;
  PreparePictures();
  RedrawAllAreas();
  RedrawDisplays();
  Changed(Bounds());
}

void SkinView::Changed(const QRect& r) {
  if (onChanged && !r.isEmpty()) onChanged(r);
}

void SkinView::Copy(int picture, const QRect& source, const QPoint& to) {
  // Rectangles come from outside: copy only what lies inside both pictures.
  if (source.width() <= 0 || source.height() <= 0) return;
  const QRect inside = source & (picture ? extended_ : normal_).rect();
  const QRect target(to + (inside.topLeft() - source.topLeft()), inside.size());
  const QRect clipped = target & Bounds();
  if (clipped.isEmpty()) return;
  QImage pixels = DevicePixels();
  QPainter p(&pixels);
  DrawPixels(
      p, DeviceRect(clipped), device_[picture],
      DeviceRect(QRect(inside.topLeft() + (clipped.topLeft() - target.topLeft()), clipped.size())));
}

void SkinView::DrawArea(int position, bool lit) {
  if (position < 0 || position >= kAreaCount) return;
  lit_[position] = lit;
  if (position >= 27 && position <= 35 && onMemoryArea) onMemoryArea(position - 27, lit);
  if (position >= 45 && position <= 125) {
    DrawCell(position - 45, lit);
  } else {
    const QRect area = layout_.areas[position];
    Copy(lit ? 1 : 0, area, area.topLeft());
  }
  Changed(layout_.areas[position] & Bounds());
}

void SkinView::RedrawAllAreas() {
  for (int position = 0; position < kAreaCount; ++position) DrawArea(position, lit_[position]);
}

void SkinView::SetPressedArea(int position) {
  if (position != pressed_ && IsPressArea(pressed_)) {
    DrawArea(pressed_, false);
    if (onKeyTimer) onKeyTimer(false);
  }
  if (position != pressed_ && IsPressArea(position)) {
    DrawArea(position, true);
    if (onKeyTimer) onKeyTimer(true);
  }
  pressed_ = position >= 0 && position < kAreaCount ? position : -1;
}

void SkinView::DrawCell(int cell, bool lit) {
  if (main_.isNull()) return;
  QRect area = layout_.areas[45 + cell];
  const bool cursor = cells_ && cells_->Cursor() == cell;
  if (cursor && area.isValid()) {
    QPainter p(&main_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(layout_.colours[4]);
    p.drawRoundedRect(QRectF(area), 1.5, 1.5);
    area.adjust(2, 2, -2, -2);
  }
  Copy(lit ? 1 : 0, area, area.topLeft());
  if (!cells_) return;

  const BoardRecord& board = cells_->Board();
  const DigitSet set = board.cells[cell];
  const int count = CountDigits(set);
  if (count == 0) return;
  const QRect t = layout_.cellText[cell];
  const int w = t.width(), h = t.height();
  if (w <= 0 || h <= 0) return;
  const bool decided = count == 1 && !board.marked.Contains(cell);
  const QColor colour = lit       ? layout_.colours[2]
                        : decided ? layout_.colours[3]
                                  : layout_.colours[1];

  QPainter p(&main_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(colour);
  p.setClipRect(Bounds());
  if (decided) {
    p.setFont(SkinFont(true, MulDiv(h, 50, 100)));
    p.drawText(t, Qt::AlignCenter | Qt::TextSingleLine, QString::number(SingleDigit(set)));
    return;
  }
  const int size = MulDiv(h, 26, 100);
  const QFont font = SkinFont(size >= 11, size);
  p.setFont(font);
  const QFontMetrics metrics(font);
  const int cx = metrics.horizontalAdvance('0'), cy = metrics.height();
  const int hx = cx - cx / 2, hy = cy - cy / 2;
  for (int r = 0; r < 3; ++r) {
    const int row = keypadOrder_ ? 2 - r : r;
    for (int c = 0; c < 3; ++c) {
      const int d = 3 * r + c + 1;
      if (!(set & DigitBit(d))) continue;
      const int x = t.left() + MulDiv(w, 2 * c + 1, 6);
      const int y = t.top() + MulDiv(h, 2 * row + 1, 6) - 1;
      p.drawText(QRect(x - hx, y - hy, 2 * hx, 2 * hy), Qt::AlignCenter | Qt::TextSingleLine,
                 QString::number(d));
    }
  }
}

void SkinView::DrawDisplayChar(int slot, char ch) {
  if (slot < 0 || slot > 11) return;
  const bool separator = slot == 1 || slot == 4 || slot == 7;
  int glyph = -1;
  if (!separator && ch >= '0' && ch <= '9') {
    glyph = ch - '0';
  } else if (!separator && ch == '-') {
    glyph = 10;
  } else if ((slot == 1 || slot == 4) && ch == ':') {
    glyph = 11;
  } else if (slot == 7 && ch == ',') {
    glyph = 12;
  } else if (separator && ch == ' ') {
    glyph = -2;
  } else {
    return;
  }
  const QRect target = layout_.displaySlots[slot];
  if (glyph == -2) {
    QImage pixels = DevicePixels();
    QPainter p(&pixels);
    p.fillRect(DeviceRect(target.normalized() & Bounds()), layout_.colours[0]);
  } else {
    const QRect source = layout_.glyphs[glyph];
    if (source.size() != target.size()) return;
    Copy(1, source, target.topLeft());
  }
  Changed(target & Bounds());
}

void SkinView::ShowClockSeparators(bool on) {
  if (separatorsShown_ == (on ? 1 : 0)) return;
  separatorsShown_ = on ? 1 : 0;
  DrawDisplayChar(1, on ? ':' : ' ');
  DrawDisplayChar(4, on ? ':' : ' ');
  DrawDisplayChar(7, on ? ',' : ' ');
}

void SkinView::ShowClock(int64_t ms) {
  if (ms == clockShown_) return;
  clockShown_ = ms;
  const uint32_t shown = ms < 0 ? 0xFFFFFFFFu : static_cast<uint32_t>(std::min(ms, kLongestTime));
  const std::string text = FormatTime(shown);
  for (int slot : {0, 2, 3, 5, 6, 8}) DrawDisplayChar(slot, text[static_cast<size_t>(slot)]);
}

void SkinView::ShowCounter(int number) {
  if (counterDrawn_ && number == counterShown_) return;
  counterDrawn_ = true;
  counterShown_ = number;
  const int shown = std::clamp(number, 0, 999);
  const char text[3] = {static_cast<char>('0' + shown / 100),
                        static_cast<char>('0' + shown / 10 % 10),
                        static_cast<char>('0' + shown % 10)};
  for (int i = 0; i < 3; ++i) DrawDisplayChar(9 + i, text[i]);
}

void SkinView::UpdateGroupIndicator(uint16_t columns, uint16_t rows, uint16_t blocks) {
  if (indicatorDrawn_ && indicator_[0] == columns && indicator_[1] == rows &&
      indicator_[2] == blocks) {
    return;
  }
  indicatorDrawn_ = true;
  indicator_[0] = columns, indicator_[1] = rows, indicator_[2] = blocks;
  const QRect frame = layout_.indicatorFrame;
  if (frame.isEmpty() || main_.isNull()) return;
  // Composed in device pixels: the frame's picture at the drawing ratio.
  const QRect deviceFrame = DeviceRect(frame);
  QImage picture = device_[0].copy(deviceFrame);
  QPainter p(&picture);
  const uint16_t sets[3] = {columns, rows, blocks};
  for (int kind = 0; kind < 3; ++kind) {
    const QRect source = layout_.markSources[kind] & extended_.rect();
    if (source.isEmpty()) continue;
    for (int i = 0; i < 9; ++i) {
      if (!((sets[kind] >> i) & 1)) continue;
      const QRect mark(frame.topLeft() + layout_.marks[kind * 9 + i].topLeft(), source.size());
      DrawPixels(p, DeviceRect(mark).translated(-deviceFrame.topLeft()), device_[1],
                 DeviceRect(source));
    }
  }
  p.end();
  QImage pixels = DevicePixels();
  QPainter(&pixels).drawImage(deviceFrame.topLeft(), picture);
  Changed(frame & Bounds());
}

void SkinView::RedrawDisplays() {
  // A new skin starts from its own pictures: show the values again.
  const int64_t clock = clockShown_;
  const int separators = separatorsShown_;
  clockShown_ = kNothingShown;
  separatorsShown_ = -1;
  if (clock != kNothingShown) ShowClock(clock);
  if (separators >= 0) ShowClockSeparators(separators == 1);
  if (counterDrawn_) {
    counterDrawn_ = false;
    ShowCounter(counterShown_);
  }
  if (indicatorDrawn_) {
    indicatorDrawn_ = false;
    UpdateGroupIndicator(indicator_[0], indicator_[1], indicator_[2]);
  }
}

}  // namespace sudoku
