#include "ui/program_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace sudoku {
namespace {

constexpr int kSize = 22;

QImage Frame() {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A round badge as the base of every picture.
void Badge(QPainter& p, const QColor& face) {
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(8, 7), 14);
  g.setColorAt(0, face.lighter(150));
  g.setColorAt(1, face);
  p.setBrush(g);
  p.setPen(QPen(face.darker(160), 1));
  p.drawEllipse(QRectF(1.5, 1.5, 19, 19));
}

void Glyph(QPainter& p, const QString& text, const QColor& colour, int pixelSize) {
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(pixelSize);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

}  // namespace

QImage BackgroundTile() {
  QImage tile(64, 64, QImage::Format_RGB32);
  tile.fill(QColor(226, 221, 196));
  // A fixed pseudo-random grain: the same every start, and seamless because it wraps.
  uint32_t seed = 20261206;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      seed = seed * 134775813u + 1;
      const int grain = static_cast<int>((seed >> 24) % 9) - 4;
      const QColor c = tile.pixelColor(x, y);
      tile.setPixelColor(x, y, QColor(c.red() + grain, c.green() + grain, c.blue() + grain - 1));
    }
  }
  QPainter p(&tile);
  p.setPen(QColor(214, 208, 180));
  for (int i = 0; i < 64; i += 16) p.drawPoint(i, (i * 7) % 64);
  return tile;
}

QList<QImage> GameRunningFrames() {
  // An hourglass whose sand runs down.
  QList<QImage> frames;
  for (int f = 0; f < 3; ++f) {
    QImage image = Frame();
    QPainter p(&image);
    Badge(p, QColor(70, 130, 180));
    p.setPen(QPen(Qt::white, 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath glass;
    glass.moveTo(7, 5);
    glass.lineTo(15, 5);
    glass.lineTo(11, 11);
    glass.lineTo(15, 17);
    glass.lineTo(7, 17);
    glass.lineTo(11, 11);
    glass.closeSubpath();
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 120));
    const double top = 6 + f * 1.6, bottom = 16 - f * 1.6;
    p.drawPolygon(QPolygonF({QPointF(8 + f * 1.0, top), QPointF(14 - f * 1.0, top),
                             QPointF(11, 10.5)}));
    p.drawPolygon(QPolygonF({QPointF(11, bottom - 1), QPointF(14, 16.5), QPointF(8, 16.5)}));
    frames << image;
  }
  return frames;
}

QList<QImage> CalculationFrames() {
  // A gear turning in twelve steps.
  QList<QImage> frames;
  for (int f = 0; f < 12; ++f) {
    QImage image = Frame();
    QPainter p(&image);
    Badge(p, QColor(60, 150, 90));
    p.translate(11, 11);
    p.rotate(f * 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int tooth = 0; tooth < 8; ++tooth) {
      p.drawRect(QRectF(-1.3, -8, 2.6, 3.5));
      p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 5.2, 5.2);
    p.setBrush(QColor(60, 150, 90));
    p.drawEllipse(QPointF(0, 0), 2.0, 2.0);
    frames << image;
  }
  return frames;
}

QList<QImage> InputModeFrames() {
  // "=" sets, "+" adds, "-" removes; a lock bar marks the locked modes.
  const QString signs[5] = {"=", "+", "\u2212", "+", "\u2212"};
  const QColor faces[5] = {QColor(90, 90, 160), QColor(40, 140, 60), QColor(170, 60, 50),
                           QColor(40, 140, 60), QColor(170, 60, 50)};
  QList<QImage> frames;
  for (int f = 0; f < 5; ++f) {
    QImage image = Frame();
    QPainter p(&image);
    Badge(p, faces[f]);
    Glyph(p, signs[f], Qt::white, 17);
    if (f >= 3) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 215, 0));
      p.drawRoundedRect(QRectF(13, 13, 7, 7), 1.5, 1.5);
    }
    frames << image;
  }
  return frames;
}

QList<QImage> SmileyFrames() {
  // Calm without warnings, attentive with warnings, sad once aids were used.
  QList<QImage> frames;
  for (int f = 0; f < 3; ++f) {
    QImage image = Frame();
    QPainter p(&image);
    Badge(p, f == 2 ? QColor(200, 160, 40) : QColor(240, 200, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 10));
    p.drawEllipse(QPointF(8, 9), 1.4, f == 1 ? 2.0 : 1.4);
    p.drawEllipse(QPointF(14, 9), 1.4, f == 1 ? 2.0 : 1.4);
    p.setPen(QPen(QColor(60, 40, 10), 1.4));
    p.setBrush(Qt::NoBrush);
    if (f == 2) {
      p.drawArc(QRectF(7, 13.5, 8, 5), 20 * 16, 140 * 16);  // a frown
    } else if (f == 1) {
      p.drawLine(QPointF(8, 15), QPointF(14, 15));
    } else {
      p.drawArc(QRectF(7, 10, 8, 6), 200 * 16, 140 * 16);  // a smile
    }
    frames << image;
  }
  return frames;
}

}  // namespace sudoku
