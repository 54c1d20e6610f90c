#include "ui/program_art.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace sudoku {
namespace {

constexpr int kSize = 22;

QImage Frame(qreal ratio) {
  return ArtImage(QSize(kSize, kSize), ratio, true);
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

void UseProgramFonts() {
  QFont::insertSubstitutions("Arial Black", {"Lato Black", "Lato"});
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QApplication::setFont(QFont("MS Sans Serif", 8));
}

QImage ArtImage(const QSize& size, qreal ratio, bool transparent) {
  ratio = std::max<qreal>(ratio, 1);
  QImage image(static_cast<int>(std::ceil(size.width() * ratio)),
               static_cast<int>(std::ceil(size.height() * ratio)),
               transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  if (transparent) image.fill(Qt::transparent);
  return image;
}

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

QList<QImage> GameRunningFrames(qreal ratio) {
  // An hourglass whose sand runs down.
  QList<QImage> frames;
  for (int f = 0; f < 3; ++f) {
    QImage image = Frame(ratio);
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

QList<QImage> CalculationFrames(qreal ratio) {
  // A gear turning in twelve steps.
  QList<QImage> frames;
  for (int f = 0; f < 12; ++f) {
    QImage image = Frame(ratio);
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

QList<QImage> InputModeFrames(qreal ratio) {
  // "=" sets, "+" adds, "-" removes; a lock bar marks the locked modes.
  const QString signs[5] = {"=", "+", "\u2212", "+", "\u2212"};
  const QColor faces[5] = {QColor(90, 90, 160), QColor(40, 140, 60), QColor(170, 60, 50),
                           QColor(40, 140, 60), QColor(170, 60, 50)};
  QList<QImage> frames;
  for (int f = 0; f < 5; ++f) {
    QImage image = Frame(ratio);
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

QList<QImage> SmileyFrames(qreal ratio) {
  // Calm without warnings, attentive with warnings, sad once aids were used.
  QList<QImage> frames;
  for (int f = 0; f < 3; ++f) {
    QImage image = Frame(ratio);
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

namespace sudoku {
namespace {

void Star(QPainter& p, QPointF centre, double outer, double inner, const QColor& colour) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double angle = -M_PI / 2 + i * M_PI / 5;
    const double r = i % 2 ? inner : outer;
    star << centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(star);
}

// A dark, softly lit stage with a golden frame.
QImage Stage(int w, int h, qreal ratio) {
  QImage image = ArtImage(QSize(w, h), ratio, false);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient light(QPointF(w / 2.0, h * 0.35), w * 0.75);
  light.setColorAt(0, QColor(86, 46, 96));
  light.setColorAt(1, QColor(24, 12, 34));
  p.fillRect(QRect(0, 0, w, h), light);
  QLinearGradient gold(0, 0, w, h);
  gold.setColorAt(0, QColor(255, 226, 140));
  gold.setColorAt(0.5, QColor(190, 140, 40));
  gold.setColorAt(1, QColor(255, 214, 110));
  p.setPen(QPen(QBrush(gold), 6));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(5, 5, w - 10, h - 10), 14, 14);
  p.setPen(QPen(QBrush(gold), 1.5));
  p.drawRoundedRect(QRectF(13, 13, w - 26, h - 26), 10, 10);
  return image;
}

// A large bold italic serif line in gold with a dark shadow, centred in `r`.
void GoldenTitle(QPainter& p, const QRect& r, int pixelSize, const QString& text) {
  QFont title("Liberation Serif");
  title.setBold(true);
  title.setItalic(true);
  title.setPixelSize(pixelSize);
  p.setFont(title);
  p.setPen(QColor(40, 20, 0));
  p.drawText(r.translated(2, 2), Qt::AlignCenter, text);
  p.setPen(QColor(255, 214, 90));
  p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

QImage HallOfFamePicture(int lineHeight, qreal ratio) {
  QImage image = Stage(640, 520, ratio);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  GoldenTitle(p, QRect(0, 24, 640, 60), 46, "Hall of Fame");
  for (int i = 0; i < 5; ++i) {
    Star(p, QPointF(120 + i * 100, 92), i == 2 ? 9 : 6, i == 2 ? 4 : 2.6, QColor(255, 214, 90, 200));
  }
  // The table of places: a panel with a line per place.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(QRectF(40, 134, 564, 10 * lineHeight + 16), 10, 10);
  p.setPen(QPen(QColor(255, 214, 90, 60), 1));
  for (int line = 1; line < 10; ++line) {
    const double y = 142 + line * lineHeight - 1;
    p.drawLine(QPointF(60, y), QPointF(590, y));
  }
  QFont small("Liberation Sans");
  small.setBold(true);
  small.setPixelSize(13);
  p.setFont(small);
  p.setPen(QColor(255, 214, 90, 170));
  for (int place = 1; place <= 10; ++place) {
    p.drawText(QRect(44, 142 + (place - 1) * lineHeight, 20, lineHeight), Qt::AlignCenter,
               QString::number(place));
  }
  return image;
}

QImage EndGamePicture(qreal ratio) {
  QImage image = Stage(500, 313, ratio);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Confetti and stars.
  uint32_t seed = 42;
  for (int i = 0; i < 70; ++i) {
    seed = seed * 134775813u + 1;
    const double x = 20 + (seed >> 8) % 460, y = 20 + (seed >> 16) % 150;
    const QColor colours[4] = {QColor(255, 214, 90), QColor(120, 200, 255), QColor(255, 120, 160),
                               QColor(140, 240, 140)};
    p.setPen(Qt::NoPen);
    p.setBrush(colours[(seed >> 4) % 4]);
    p.save();
    p.translate(x, y);
    p.rotate((seed >> 20) % 180);
    p.drawRect(QRectF(-3, -1.5, 6, 3));
    p.restore();
  }
  Star(p, QPointF(250, 70), 34, 14, QColor(255, 214, 90));
  GoldenTitle(p, QRect(0, 110, 500, 60), 44, "Geschafft!");
  QFont text("Liberation Sans");
  text.setPixelSize(16);
  p.setFont(text);
  p.setPen(QColor(240, 230, 210));
  p.drawText(QRect(0, 172, 500, 26), Qt::AlignCenter, "Das Sudoku ist gelöst.");
  p.drawText(QRect(0, 200, 500, 26), Qt::AlignCenter,
             "Trage deinen Namen ein für die Hall of Fame:");
  // The name field's frame, under the edit at (315, 270).
  p.setPen(QPen(QColor(255, 214, 90), 2));
  p.setBrush(QColor(164, 80, 23));
  p.drawRoundedRect(QRectF(311, 266, 169, 35), 5, 5);
  text.setBold(true);
  p.setFont(text);
  p.setPen(QColor(255, 214, 90));
  p.drawText(QRect(230, 266, 76, 35), Qt::AlignRight | Qt::AlignVCenter, "Name:");
  return image;
}

QImage SwitchPicture(bool on, qreal ratio) {
  QImage image = ArtImage(QSize(90, 36), ratio, true);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(0, 0, 0, 36);
  face.setColorAt(0, on ? QColor(190, 140, 40) : QColor(255, 226, 140));
  face.setColorAt(1, on ? QColor(255, 214, 110) : QColor(190, 140, 40));
  p.setBrush(face);
  p.setPen(QPen(QColor(90, 50, 10), 1.5));
  p.drawRoundedRect(QRectF(1.5, 1.5, 87, 33), 16, 16);
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(17);
  p.setFont(font);
  p.setPen(QColor(60, 30, 0));
  p.drawText(QRect(0, on ? 1 : 0, 90, 36), Qt::AlignCenter, "OK");
  return image;
}

}  // namespace sudoku
