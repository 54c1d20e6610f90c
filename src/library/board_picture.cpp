#include "library/board_picture.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <map>

#include "base/cp1252.h"
#include "base/texts.h"
#include "base/mul_div.h"
#include "model/digit_set.h"

namespace sudoku {
namespace {

struct Layout {
  int side;        // of the design square
  int margin;      // before the first cell
  int cell;        // side of a cell
  int pitch;       // cell to cell inside a block
  int blockPitch;  // block to block
  int bevel;       // inset of a cell's face
};
constexpr Layout kFlat{329, 2, 35, 36, 109, 0};
constexpr Layout kBevelled{389, 10, 35, 40, 127, 2};

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kLightGrey(192, 192, 192);
const QColor kDarkGrey(128, 128, 128);
const QColor kBlue(0, 0, 255);

struct Colors {
  QColor background, givenFace, givenDigit, digits;
};

Colors ColorsFor(int depth) {
  if (depth <= 1) return {kBlack, kWhite, kBlack, kBlack};
  if (depth == 2) return {kLightGrey, QColor(255, 255, 0), QColor(128, 0, 0), kBlue};
  if (depth == 3) return {kLightGrey, QColor(166, 202, 240), QColor(212, 0, 0), kBlue};
  return {kLightGrey, QColor(155, 170, 235), QColor(192, 0, 0), kBlue};
}

}  // namespace

QFont PictureQFont(const PictureFont& font) {
  QFont q;
  if (font.Heavy()) {
    q.setFamilies({"Arial Black", "Lato Black", "Lato"});
    q.setWeight(QFont::Black);
  } else {
    q.setFamilies({font.family, "Liberation Sans"});
  }
  // The cell height of the family that really answers, measured once at a large size.
  static std::map<QString, double> cellPerPixel;
  auto it = cellPerPixel.find(font.family);
  if (it == cellPerPixel.end()) {
    QFont probe = q;
    probe.setPixelSize(1000);
    const QFontMetricsF m(probe);
    const double cell = m.ascent() + m.descent();
    it = cellPerPixel.emplace(font.family, cell > 0 ? cell / 1000 : 1.0).first;
  }
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height / it->second))));
  return q;
}

void PainterSurface::Rectangle(const QRect& r, const QColor& fill, std::optional<QColor> outline) {
  if (r.isEmpty()) return;
  if (!outline) {
    painter_.fillRect(r, fill);
    return;
  }
  painter_.fillRect(r, *outline);
  const QRect inside = r.adjusted(1, 1, -1, -1);
  if (!inside.isEmpty()) painter_.fillRect(inside, fill);
}

void PainterSurface::Polygon(const QPolygon& points, const QColor& fill) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(fill);
  painter_.drawPolygon(points);
}

void PainterSurface::Text(const QRect& r, const QString& text, const PictureFont& font,
                          const QColor& color, bool centred) {
  QFont q = PictureQFont(font);
  if (!smoothText_) q.setStyleStrategy(QFont::NoAntialias);
  painter_.setFont(q);
  painter_.setPen(color);
  painter_.setBackgroundMode(Qt::TransparentMode);
  const int flags = Qt::TextSingleLine | Qt::TextDontClip |
                    (centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
  painter_.drawText(r, flags, text);
}

int BoardPictureSide(int colorDepth) {
  return colorDepth <= 1 ? kFlat.side : kBevelled.side;
}

void DrawBoardPicture(BoardSurface& surface, int width, int height, bool withTitle,
                      const BoardRecord& board, int colorDepth, int top, int left,
                      bool invNumBlock) {
  if (width < 3 || height < 3) return;
  const bool flat = colorDepth <= 1;
  const Layout& L = flat ? kFlat : kBevelled;
  const Colors colors = ColorsFor(colorDepth);

  QRect r(left, top, width, height);
  surface.Rectangle(r, colors.background, kBlack);
  if (!flat) r.adjust(1, 1, -1, -1);

  auto x = [&](int u) { return r.left() + MulDiv(r.width(), u, L.side); };
  auto y = [&](int v) { return r.top() + MulDiv(r.height(), v, L.side); };
  auto point = [&](int u, int v) { return QPoint(x(u), y(v)); };
  // From layout corner (u0, v0) to (u1, v1), the far edges excluded.
  auto box = [&](int u0, int v0, int u1, int v1) {
    return QRect(x(u0), y(v0), x(u1) - x(u0), y(v1) - y(v0));
  };
  // The layout position of a cell's outer square.
  auto origin = [&](int i) {
    const int b = (i / 27) * 3 + (i % 9) / 3;
    const int p = ((i / 9) % 3) * 3 + i % 3;
    return QPoint(L.margin + (b % 3) * L.blockPitch + (p % 3) * L.pitch,
                  L.margin + (b / 3) * L.blockPitch + (p / 3) * L.pitch);
  };
  auto inner = [&](int i) {
    const QPoint o = origin(i);
    return box(o.x() + L.bevel, o.y() + L.bevel, o.x() + L.cell - L.bevel,
               o.y() + L.cell - L.bevel);
  };

  if (flat) {
    for (int i = 0; i < 81; ++i) {
      const QPoint o = origin(i);
      surface.Rectangle(box(o.x(), o.y(), o.x() + L.cell, o.y() + L.cell), kWhite, kBlack);
    }
  } else {
    const int s = L.side, e = L.side - 2;
    surface.Polygon(
        QPolygon({point(0, 0), point(0, s), point(2, e), point(2, 2), point(e, 2), point(s, 0)}),
        kWhite);
    surface.Polygon(
        QPolygon({point(0, s), point(2, e), point(e, e), point(e, 2), point(s, 0), point(s, s)}),
        kDarkGrey);
    const int c = L.cell, v = L.bevel;
    for (int i = 0; i < 81; ++i) {
      const QPoint o = origin(i);
      const int u0 = o.x(), v0 = o.y(), u1 = u0 + c, v1 = v0 + c;
      surface.Polygon(QPolygon({point(u0, v1), point(u0, v0), point(u1, v0), point(u1 - v, v0 + v),
                                point(u0 + v, v0 + v), point(u0 + v, v1 - v)}),
                      kDarkGrey);
    }
    for (int i = 0; i < 81; ++i) {
      const QPoint o = origin(i);
      const int u0 = o.x(), v0 = o.y(), u1 = u0 + c, v1 = v0 + c;
      surface.Polygon(QPolygon({point(u0, v1), point(u1, v1), point(u1, v0), point(u1 - v, v0 + v),
                                point(u1 - v, v1 - v), point(u0 + v, v1 - v)}),
                      kWhite);
    }
  }

  const QRect first = inner(0);
  const int w = first.width(), h = first.height();
  const PictureFont givenFont{"Arial Black", h};
  const PictureFont placedFont{"Arial", MulDiv(h, 60, 100)};
  const PictureFont candidateFont{"Arial Black", MulDiv(h, 38, 100)};

  for (int i = 0; i < 81; ++i) {
    const QRect face = inner(i);
    const DigitSet set = board.cells[i];
    if (board.IsGiven(i)) {
      if (!flat) surface.Rectangle(face, colors.givenFace, std::nullopt);
      if (IsFixed(set)) {
        surface.Text(face, QString::number(SingleDigit(set)), givenFont, colors.givenDigit, true);
      }
    } else if (IsFixed(set)) {
      surface.Text(face, QString::number(SingleDigit(set)), placedFont, colors.digits, true);
    } else {
      for (int d = 1; d <= 9; ++d) {
        if (!(set & DigitBit(d))) continue;
        const int k = (d - 1) % 3, j = (d - 1) / 3;
        const int q = invNumBlock ? 2 - j : j;
        const QRect part(face.left() + MulDiv(w, k, 3), face.top() + MulDiv(h, q, 3),
                         MulDiv(w, k + 1, 3) - MulDiv(w, k, 3),
                         MulDiv(h, q + 1, 3) - MulDiv(h, q, 3));
        surface.Text(part, QString::number(d), candidateFont, colors.digits, true);
      }
    }
  }

  const std::string number = board.Name();
  if (withTitle && !number.empty()) {
    const QString title = QString::fromStdString(FormatText(1066, Cp1252ToUtf8(number).c_str()));
    const QRect line(r.left(), r.top() + r.height() + MulDiv(h, 10, 100), r.width(),
                     MulDiv(h, 38, 100));
    surface.Text(line, title, PictureFont{"Arial", MulDiv(h, 38, 100)}, kBlack, false);
  }
}

void DrawBoardPicture(QPainter& painter, int width, int height, bool withTitle,
                      const BoardRecord& board, int colorDepth, int top, int left,
                      bool invNumBlock) {
  painter.save();
  PainterSurface surface(painter);
  DrawBoardPicture(surface, width, height, withTitle, board, colorDepth, top, left, invNumBlock);
  painter.restore();
}

}  // namespace sudoku
