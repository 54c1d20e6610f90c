#include "skin/program_icon.h"

#include <QFont>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace sudoku {
namespace {

// The standard skin's title accent and header, where the emblem sits in the game.
const QColor kFace(246, 178, 58);
const QColor kInk = QColor(33, 56, 74).darker(130);

// The digits on the solid cells (top left, centre, bottom right).
constexpr std::array<char, 3> kDigits = {'1', '5', '9'};

// The board's cells: a fifth of the tile each, with gaps of 6 %. Small icons keep them on whole
// pixels, which needs a cell width of the tile's parity so that the board stays centred.
QRectF Cell(const QRectF& box, int i, bool snap) {
  double cell = box.width() * 0.2;
  double gap = box.width() * 0.06;
  if (snap) {
    const int width = static_cast<int>(box.width());
    int whole = static_cast<int>(std::lround(cell));
    if ((whole - width) % 2 != 0) whole += whole < cell ? 1 : -1;
    cell = whole;
    gap = std::max(1.0, std::round(gap));
  }
  const double origin = (box.width() - 3 * cell - 2 * gap) / 2;
  return QRectF(box.left() + origin + (i % 3) * (cell + gap),
                box.top() + origin + (i / 3) * (cell + gap), cell, cell);
}

void DrawEmblem(QPainter& p, const QRectF& box, const QColor& face, const QColor& ink, bool snap) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  QLinearGradient shade(box.topLeft(), box.bottomLeft());
  shade.setColorAt(0, face.lighter(118));
  shade.setColorAt(1, face.darker(112));
  p.setBrush(shade);
  p.drawRoundedRect(box, box.width() * 0.22, box.width() * 0.22);
  for (int i = 0; i < 9; ++i) {
    QColor c = ink;
    if (i != 4 && i != 0 && i != 8) c.setAlphaF(0.45);
    p.setBrush(c);
    const double corner = box.width() * 0.04;
    p.drawRoundedRect(Cell(box, i, snap), corner, corner);
  }
  p.restore();
}

}  // namespace

void DrawBoardEmblem(QPainter& p, const QRectF& box, const QColor& face, const QColor& ink) {
  DrawEmblem(p, box, face, ink, false);
}

void DrawProgramIcon(QPainter& p, const QRectF& box) {
  const double size = box.width();
  // Small icons: whole pixels and less margin, so that the board stays legible.
  const bool snap = size < 48;
  const double margin = snap ? std::floor(size / 16) - (size < 24 ? 1 : 0) : size / 16;
  const QRectF tile = box.adjusted(margin, margin, -margin, -margin);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (size >= 32) {
    // A soft shadow under the tile, so that it stands on light and dark panels alike.
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
      p.setBrush(QColor(0, 0, 0, 28));
      const double spread = size / 128 * i;
      const QRectF shadow =
          tile.translated(0, size / 64).adjusted(-spread, -spread, spread, spread);
      p.drawRoundedRect(shadow, tile.width() * 0.22 + spread, tile.width() * 0.22 + spread);
    }
  }
  DrawEmblem(p, tile, kFace, kInk, snap);
  if (size >= 48) {
    QFont font;
    font.setFamilies({"Lato", "Liberation Sans", "DejaVu Sans"});
    font.setWeight(QFont::Black);
    font.setPixelSize(100);
    p.setPen(Qt::NoPen);
    p.setBrush(kFace.lighter(125));
    for (size_t d = 0; d < kDigits.size(); ++d) {
      const QRectF cell = Cell(tile, static_cast<int>(d) * 4, snap);
      // A path rather than text: the same outline in every picture and in vector output.
      QPainterPath digit;
      digit.addText(0, 0, font, QString(QChar(kDigits[d])));
      const QRectF bounds = digit.boundingRect();
      const double scale = cell.height() * 0.62 / bounds.height();
      QTransform place;
      place.translate(cell.center().x(), cell.center().y());
      place.scale(scale, scale);
      place.translate(-bounds.center().x(), -bounds.center().y());
      p.drawPath(place.map(digit));
    }
  }
  p.restore();
}

QImage ProgramIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  DrawProgramIcon(p, QRectF(0, 0, size, size));
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kProgramIconSizes) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
  return icon;
}

}  // namespace sudoku
