#include "skin_icons.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "skin/program_icon.h"

namespace sudoku::skin_painter {
namespace {

// Icons are designed on a 22 x 22 grid and scaled into their box.
constexpr double kIconGrid = 22.0;

QPainterPath Arrow(bool mirrored) {
  // A hooked arrow: the head points left at the top, the shaft bends round on the right.
  QPainterPath shaft;
  shaft.moveTo(8, 8);
  shaft.lineTo(13.5, 8);
  shaft.cubicTo(20.5, 8, 20.5, 18, 13.5, 18);
  shaft.lineTo(7, 18);
  QPainterPathStroker stroker;
  stroker.setWidth(2.6);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  QPainterPath path = stroker.createStroke(shaft);
  QPainterPath head;
  head.addPolygon(QPolygonF({QPointF(2, 8), QPointF(9.5, 2.5), QPointF(9.5, 13.5)}));
  head.closeSubpath();
  path = path.united(head);
  if (mirrored) path = QTransform(-1, 0, 0, 1, kIconGrid, 0).map(path);
  return path;
}

QPainterPath Gear() {
  // Eight teeth: each one two points on the root circle and two on the tip circle.
  QPolygonF outline;
  constexpr double kDegree = std::numbers::pi / 180;
  for (int i = 0; i < 8; ++i) {
    const double a = i * 45 * kDegree;
    outline << QPointF(11 + 7.6 * std::cos(a - 17 * kDegree), 11 + 7.6 * std::sin(a - 17 * kDegree))
            << QPointF(11 + 10.2 * std::cos(a - 9 * kDegree), 11 + 10.2 * std::sin(a - 9 * kDegree))
            << QPointF(11 + 10.2 * std::cos(a + 9 * kDegree), 11 + 10.2 * std::sin(a + 9 * kDegree))
            << QPointF(11 + 7.6 * std::cos(a + 17 * kDegree),
                       11 + 7.6 * std::sin(a + 17 * kDegree));
  }
  QPainterPath path;
  path.addPolygon(outline);
  path.closeSubpath();
  path.addEllipse(QPointF(11, 11), 3.2, 3.2);
  path.setFillRule(Qt::OddEvenFill);
  return path;
}

// Seven segments a-g, as bit 0-6.
constexpr unsigned kSegments[11] = {
    0b0111111,  // 0: a b c d e f
    0b0000110,  // 1: b c
    0b1011011,  // 2: a b d e g
    0b1001111,  // 3: a b c d g
    0b1100110,  // 4: b c f g
    0b1101101,  // 5: a c d f g
    0b1111101,  // 6: a c d e f g
    0b0000111,  // 7: a b c
    0b1111111,  // 8
    0b1101111,  // 9: a b c d f g
    0b1000000,  // -: g
};

QPolygonF Segment(QPointF from, QPointF to, double thickness) {
  // A bevelled bar between two points, one pixel short at either end.
  const double gap = 0.9;
  const double h = thickness / 2;
  if (from.y() == to.y()) {
    double x1 = from.x() + gap, x2 = to.x() - gap, y = from.y();
    return QPolygonF({QPointF(x1, y), QPointF(x1 + h, y - h), QPointF(x2 - h, y - h),
                      QPointF(x2, y), QPointF(x2 - h, y + h), QPointF(x1 + h, y + h)});
  }
  double y1 = from.y() + gap, y2 = to.y() - gap, x = from.x();
  return QPolygonF({QPointF(x, y1), QPointF(x + h, y1 + h), QPointF(x + h, y2 - h), QPointF(x, y2),
                    QPointF(x - h, y2 - h), QPointF(x - h, y1 + h)});
}

}  // namespace

QFont UiFont(int pixel_size, QFont::Weight weight) {
  QFont font;
  font.setFamilies(
      {QStringLiteral("Lato"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(pixel_size);
  font.setWeight(weight);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void DrawCommandIcon(QPainter& p, int command, const QRectF& box, const QColor& ink,
                     const QColor& knockout) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(box.topLeft());
  p.scale(box.width() / kIconGrid, box.height() / kIconGrid);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  switch (command) {
    case 0: {  // files: a folder with its front flap opened a little
      QPainterPath back;
      back.moveTo(2, 5);
      back.lineTo(8, 5);
      back.lineTo(10, 7);
      back.lineTo(20, 7);
      back.lineTo(20, 18);
      back.lineTo(2, 18);
      back.closeSubpath();
      QColor rear = ink;
      rear.setAlphaF(0.55 * ink.alphaF());
      p.setBrush(rear);
      p.drawPath(back);
      QPainterPath front;
      front.moveTo(4.5, 10);
      front.lineTo(21.5, 10);
      front.lineTo(19.5, 18);
      front.lineTo(2, 18);
      front.closeSubpath();
      p.setBrush(ink);
      p.drawPath(front);
      break;
    }
    case 1: {  // puzzle chooser: a small board
      for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
          p.drawRoundedRect(QRectF(2.5 + c * 6, 2.5 + r * 6, 5, 5), 1.2, 1.2);
        }
      }
      break;
    }
    case 2: {  // start and stop
      p.drawPolygon(QPolygonF({QPointF(1.5, 4), QPointF(11, 11), QPointF(1.5, 18)}));
      p.drawRoundedRect(QRectF(13, 6.5, 8.5, 9), 1.2, 1.2);
      break;
    }
    case 3:  // undo
    case 4:  // redo
      p.drawPath(Arrow(command == 4));
      break;
    case 5: {  // back to the start
      p.drawRoundedRect(QRectF(2, 4, 2.6, 14), 0.8, 0.8);
      p.drawPolygon(QPolygonF({QPointF(4.2, 11), QPointF(12.5, 4), QPointF(12.5, 18)}));
      p.drawPolygon(QPolygonF({QPointF(11.5, 11), QPointF(20, 4), QPointF(20, 18)}));
      break;
    }
    case 6: {  // memory: a bookmark
      QPainterPath mark;
      mark.moveTo(5.5, 2.5);
      mark.lineTo(16.5, 2.5);
      mark.lineTo(16.5, 20);
      mark.lineTo(11, 15.2);
      mark.lineTo(5.5, 20);
      mark.closeSubpath();
      p.drawPath(mark);
      break;
    }
    case 7:  // options
      p.drawPath(Gear());
      break;
    case 8: {  // help
      p.drawEllipse(QPointF(11, 11), 10, 10);
      QPainterPath q;
      q.moveTo(7.6, 8.6);
      q.cubicTo(7.6, 4.2, 14.6, 4.2, 14.6, 8.4);
      q.cubicTo(14.6, 11, 11, 11, 11, 13.6);
      QPainterPathStroker stroker;
      stroker.setWidth(2.6);
      stroker.setCapStyle(Qt::RoundCap);
      p.setBrush(knockout);
      p.drawPath(stroker.createStroke(q));
      p.drawEllipse(QPointF(11, 16.8), 1.6, 1.6);
      break;
    }
    default:
      break;
  }
  p.restore();
}

void DrawLcdGlyph(QPainter& p, int glyph, const QRect& slot, const QColor& background,
                  const QColor& ink, const QColor& ghost, bool glow) {
  p.save();
  p.setClipRect(slot);
  p.fillRect(slot, background);
  if (glyph == 13) {
    p.restore();
    return;
  }
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(slot.topLeft());
  // A slight forward lean, as on a pocket calculator.
  const double h = slot.height();
  p.setTransform(QTransform(1, 0, -0.07, 1, 0.07 * h / 2, 0), true);
  p.setPen(Qt::NoPen);

  QColor halo = ink;
  halo.setAlpha(70);
  auto paint = [&](const QPolygonF& shape, const QColor& colour, bool lit) {
    if (lit && glow) {
      p.setPen(QPen(halo, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPolygon(shape);
      p.setPen(Qt::NoPen);
    }
    p.setBrush(colour);
    p.drawPolygon(shape);
  };

  if (glyph <= 10) {
    const double w = slot.width();
    const double t = std::max(3.0, w / 6.0);
    const double l = 3.5 + t / 2, r = w - 3.5 - t / 2;
    const double top = 2.5 + t / 2, bottom = h - 2.5 - t / 2, mid = (top + bottom) / 2;
    const QPolygonF segments[7] = {
        Segment({l, top}, {r, top}, t),    Segment({r, top}, {r, mid}, t),
        Segment({r, mid}, {r, bottom}, t), Segment({l, bottom}, {r, bottom}, t),
        Segment({l, mid}, {l, bottom}, t), Segment({l, top}, {l, mid}, t),
        Segment({l, mid}, {r, mid}, t),
    };
    for (const QPolygonF& s : segments) paint(s, ghost, false);
    for (int s = 0; s < 7; ++s) {
      if (kSegments[glyph] & (1u << s)) paint(segments[s], ink, true);
    }
  } else {
    const double w = slot.width();
    const double dot = std::max(3.0, w / 3.2);
    const double cx = w / 2;
    auto square = [&](double y) { return QPolygonF(QRectF(cx - dot / 2, y - dot / 2, dot, dot)); };
    if (glyph == 11) {
      paint(square(h * 0.32), ink, true);
      paint(square(h * 0.68), ink, true);
    } else {
      const double y = h - 2.5 - dot;
      QPolygonF comma({QPointF(cx - dot / 2, y - dot / 2), QPointF(cx + dot / 2, y - dot / 2),
                       QPointF(cx + dot / 2, y + dot / 2), QPointF(cx - dot / 2 - 1, y + dot + 1),
                       QPointF(cx - dot / 2, y + dot / 2)});
      paint(comma, ink, true);
    }
  }
  p.restore();
}

void DrawLogo(QPainter& p, const QRectF& box, const QColor& accent, const QColor& ink, bool moon) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  if (moon) {
    QPainterPath disc;
    disc.addEllipse(box.adjusted(2, 2, -2, -2));
    QPainterPath bite;
    bite.addEllipse(
        box.adjusted(2, 2, -2, -2).translated(box.width() * 0.32, -box.height() * 0.16));
    p.setBrush(accent);
    p.drawPath(disc.subtracted(bite));
    // Two small stars beside the crescent.
    auto star = [&](QPointF c, double r) {
      QPolygonF s;
      for (int i = 0; i < 8; ++i) {
        double a = i * std::numbers::pi / 4;
        double rr = (i % 2 == 0) ? r : r * 0.35;
        s << QPointF(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
      }
      p.drawPolygon(s);
    };
    star(QPointF(box.right() - box.width() * 0.18, box.top() + box.height() * 0.62), 3.4);
    star(QPointF(box.right() - box.width() * 0.38, box.top() + box.height() * 0.3), 2.2);
  } else {
    DrawBoardEmblem(p, box, accent, ink);
  }
  p.restore();
}

}  // namespace sudoku::skin_painter
