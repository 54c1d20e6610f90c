#include "skin_preview.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace sudoku::skin_painter {
namespace {

QColor FalseColour(int id) {
  // Neighbouring ids get far-apart hues.
  return QColor::fromHsv((id * 67) % 360, 150 + (id * 37) % 100, 200 + (id * 13) % 56);
}

void CopyRect(QPainter& p, const QImage& from, const QRect& r) {
  p.drawImage(r, from, r);
}

QFont DigitFont(double points, bool black) {
  QFont font;
  if (black) {
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Lato")});
    font.setWeight(QFont::Black);
  } else {
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  }
  font.setPixelSize(static_cast<int>(points * 96 / 72 + 0.5));
  return font;
}

int RoundDiv(int a, int b) {
  return (2 * a + b) / (2 * b);
}

// Draws one cell as the game does: cursor frame, picture, then the candidate digits.
void DrawCell(QPainter& p, const SkinDescription& d, const SkinPictures& pics, int cell,
              unsigned digits, bool given, bool marked, bool cursor) {
  QRect a = d.areas[kCellArea + cell];
  if (cursor) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(d.colours[4]));
    p.drawRoundedRect(QRectF(a.left(), a.top(), a.width() + 1, a.height() + 1), 1, 1);
    p.restore();
    a.adjust(2, 2, -2, -2);
  }
  CopyRect(p, given ? pics.extended : pics.normal, a);
  int count = 0;
  for (int digit = 1; digit <= 9; ++digit) count += (digits >> digit) & 1;
  if (count == 0) return;
  const QRect t = d.CellTextRect(cell);
  const bool decided = count == 1 && !marked;
  const QColor colour = QColor::fromRgb(d.colours[given ? 2 : decided ? 3 : 1]);
  p.setPen(colour);
  if (decided) {
    int digit = 1;
    while (!((digits >> digit) & 1)) ++digit;
    p.setFont(DigitFont(RoundDiv(t.height() * 50, 100), true));
    p.drawText(t, Qt::AlignCenter, QString::number(digit));
    return;
  }
  const int s = RoundDiv(t.height() * 26, 100);
  const QFont font = DigitFont(s, s >= 11);
  p.setFont(font);
  const QFontMetrics fm(font);
  const int cx = fm.horizontalAdvance('0');
  const int cy = fm.height();
  const int hx = cx - cx / 2;
  const int hy = cy - cy / 2;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      const int digit = 3 * r + c + 1;
      if (!((digits >> digit) & 1)) continue;
      const int screen_row = 2 - r;
      const int x = t.left() + RoundDiv(t.width() * (2 * c + 1), 6);
      const int y = t.top() + RoundDiv(t.height() * (2 * screen_row + 1), 6) - 1;
      p.drawText(QRect(x - hx, y - hy, 2 * hx, 2 * hy), Qt::AlignCenter, QString::number(digit));
    }
  }
}

}  // namespace

QImage MaskPreview(const SkinDescription& d, const SkinPictures& pics) {
  QImage out(pics.mask.size(), QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(pics.mask.constScanLine(y));
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const int id = qRed(in[x]);
      line[x] = id == 255 ? qRgb(40, 40, 40) : FalseColour(id).rgb();
    }
  }
  // The normal picture shows through faintly so each area can be told apart.
  QPainter p(&out);
  p.setOpacity(0.25);
  p.drawImage(0, 0, pics.normal);
  p.setOpacity(1);
  p.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
  p.setPen(Qt::black);
  for (int i = 0; i < kAreaCount; ++i) {
    p.drawText(d.areas[i], Qt::AlignCenter, QString::number(i));
  }
  return out;
}

QImage OutlinePreview(const SkinDescription& d, const SkinPictures& pics) {
  QImage out(pics.normal.size(), QImage::Format_RGB32);
  QPainter p(&out);
  // A checkerboard where the window is cut away.
  for (int y = 0; y < out.height(); y += 8) {
    for (int x = 0; x < out.width(); x += 8) {
      p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(200, 200, 200) : QColor(240, 240, 240));
    }
  }
  p.setClipRegion(QRegion(d.outline, Qt::WindingFill));
  p.drawImage(0, 0, pics.normal);
  p.setClipping(false);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 40, 160), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(d.outline);
  p.setBrush(QColor(255, 40, 160));
  for (const QPoint& pt : d.outline) p.drawEllipse(QPointF(pt), 2.5, 2.5);
  return out;
}

QImage SampleGame(const SkinDescription& d, const SkinPictures& pics) {
  QImage out = pics.normal.copy();
  QPainter p(&out);

  // A puzzle in progress: givens, a few decided cells and candidates.
  auto solution = [](int cell) { return (cell / 9 * 3 + cell / 27 + cell % 9) % 9 + 1; };
  const char* const kGivens =
      "1..4..7.."
      ".5..8..2."
      "..9..3..6"
      "2..5..8.."
      "...9.....";
  for (int cell = 0; cell < 81; ++cell) {
    const bool given = cell < 45 && kGivens[cell] != '.';
    unsigned digits = 0;
    bool marked = false;
    if (given) {
      digits = 1u << solution(cell);
    } else if (cell % 9 == 0 || cell == 12 || cell == 31 || cell == 50) {
      digits = 1u << solution(cell);  // decided by the player
    } else if (cell >= 46 && cell % 4 == 1) {
      digits = (1u << solution(cell)) | (1u << (solution(cell) % 9 + 1)) | (1u << 5);
    } else if (cell == 58) {
      digits = 1u << 3;
      marked = true;  // a single added digit stays small until it is set
    } else if (cell == 64) {
      digits = 0x3FE;
    }
    DrawCell(p, d, pics, cell, digits, given, marked, cell == 40);
  }

  // Clock 0:12:34,5 and counter 042.
  const QString clock = QStringLiteral("0:12:34,5042");
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const QChar ch = clock[slot];
    const int glyph = ch == ':' ? kGlyphColon : ch == ',' ? kGlyphComma : ch.digitValue();
    if (d.glyphs[glyph].size() == d.display_slots[slot].size()) {
      p.drawImage(d.display_slots[slot], pics.extended, d.glyphs[glyph]);
    }
  }

  // Column 0, row 4 and block 4 complete.
  for (int mark : {0, 9 + 4, 18 + 4}) {
    const QRect source = d.mark_sources[mark / 9];
    p.drawImage(d.marks[mark], pics.extended, source);
  }

  // Memory points 1, 2 and 5 set; redo and "back to the start" disabled; set-5 held down.
  for (int area : {kMemoryArea, kMemoryArea + 1, kMemoryArea + 4, kCommandArea + 4,
                   kCommandArea + 5, kSetDigitArea + 4}) {
    CopyRect(p, pics.extended, d.areas[area]);
  }
  p.end();

  // Outside the outline there is no window.
  QImage shaped(out.size(), QImage::Format_RGB32);
  shaped.fill(QColor(245, 245, 245));
  QPainter q(&shaped);
  q.setClipRegion(QRegion(d.outline, Qt::WindingFill));
  q.drawImage(0, 0, out);
  return shaped;
}

}  // namespace sudoku::skin_painter
