#include "skin_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegion>
#include <algorithm>

#include "skin_icons.h"

namespace sudoku::skin_painter {
namespace {

const char* const kCommandLabels[9] = {
    "Dateien",  "Sudokus",  "Start/Stopp", "R\u00fcckg\u00e4ngig", "Wiederholen", "Zum Anfang",
    "Speicher", "Optionen", "Hilfe"};
const char* const kDigitCaptions[3] = {"Ziffer entfernen", "Ziffer hinzuf\u00fcgen",
                                       "Ziffer setzen"};
const char* const kRowSigns[3] = {"\u2212", "+", "="};

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

// A panel sunk into the window face: dark lip on top, light lip below.
void DrawPanel(QPainter& p, const QRectF& r, const Palette& pal, double radius = 10) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(pal.panel_light, 110));
  p.drawRoundedRect(r.adjusted(0, 1, 0, 1), radius, radius);
  p.setBrush(pal.panel_shade);
  p.drawRoundedRect(r, radius, radius);
  p.setBrush(Vertical(r, pal.panel.darker(118), pal.panel));
  p.drawRoundedRect(r.adjusted(1, 2, -1, -1), radius - 1, radius - 1);
  p.restore();
}

void DrawText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
              const QColor& colour, int flags = Qt::AlignCenter) {
  p.setFont(font);
  p.setPen(colour);
  p.drawText(r, flags, text);
}

// ---- Window face ---------------------------------------------------------------------------

void PaintFace(QPainter& p, const SkinDescription& d) {
  const Palette& pal = d.palette;
  const QRectF all(QPointF(0, 0), QSizeF(d.size));
  p.fillRect(all, pal.rim_dark);

  QPainterPath shape;
  shape.addPolygon(QPolygonF(d.outline));
  shape.closeSubpath();
  p.save();
  p.setClipPath(shape);
  p.fillRect(all, Vertical(all, pal.body_top, pal.body_bottom));
  // A soft light from the upper left.
  QRadialGradient light(QPointF(d.size.width() * 0.25, -80), d.size.width() * 0.8);
  light.setColorAt(0, WithAlpha(QColor(255, 255, 255), 26));
  light.setColorAt(1, WithAlpha(QColor(255, 255, 255), 0));
  p.fillRect(all, light);

  const int band = d.title_band;
  const QRectF header(0, 0, d.size.width(), band);
  p.fillRect(header, Vertical(header, pal.header_top, pal.header_bottom));
  p.fillRect(QRectF(0, band, d.size.width(), 1), pal.rim_dark);
  p.fillRect(QRectF(0, band + 1, d.size.width(), 1), WithAlpha(pal.rim_light, 70));

  if (pal.stars) {
    // A fixed sprinkle of stars; a small linear congruential generator keeps builds identical.
    uint32_t seed = 20240611u;
    auto next = [&seed]() {
      seed = seed * 1664525u + 1013904223u;
      return seed >> 8;
    };
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
      double x = next() % d.size.width();
      double y = 3 + next() % (band - 6);
      double r = 0.5 + (next() % 100) / 100.0;
      p.setBrush(WithAlpha(QColor(220, 228, 255), 60 + next() % 150));
      p.drawEllipse(QPointF(x, y), r, r);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  p.restore();

  // The rim: a dark edge with a faint highlight just inside it.
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipPath(shape);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(pal.rim_light, 120), 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(shape);
  p.setPen(QPen(pal.rim_dark, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(shape);
  p.restore();
}

void PaintBoardPanel(QPainter& p, const SkinDescription& d) {
  const Palette& pal = d.palette;
  DrawPanel(p, d.board_panel, pal, 12);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (int b = 0; b < 9; ++b) {
    const int first = (b / 3) * 27 + (b % 3) * 3;
    QRectF block = QRectF(d.areas[kCellArea + first]).united(d.areas[kCellArea + first + 20]);
    // A shadow under each block, then the lines between its cells.
    p.setBrush(WithAlpha(QColor(0, 0, 0), 70));
    p.drawRoundedRect(block.adjusted(-1, 0, 1, 2), 3, 3);
    p.setBrush(pal.cell_line);
    p.drawRect(block);
  }
  p.restore();
}

void PaintMemoryPanel(QPainter& p, const SkinDescription& d) {
  const Palette& pal = d.palette;
  DrawPanel(p, d.memory_panel, pal, 12);
  const QRectF cap = d.memory_caption;
  DrawCommandIcon(p, 6, QRectF(cap.left(), cap.center().y() - 11, 22, 22),
                  WithAlpha(pal.caption, 200), pal.panel);
  QRectF text = cap.adjusted(28, 0, 0, 0);
  DrawText(p, text.adjusted(0, 0, 0, -text.height() / 2 + 2), "SPEICHER", UiFont(12, QFont::Black),
           pal.caption, Qt::AlignLeft | Qt::AlignBottom);
  DrawText(p, text.adjusted(0, text.height() / 2 + 1, 0, 0), "PUNKTE", UiFont(12, QFont::Black),
           WithAlpha(pal.caption, 150), Qt::AlignLeft | Qt::AlignTop);
}

void PaintLcdBox(QPainter& p, const QRect& box, const SkinDescription& d) {
  const Palette& pal = d.palette;
  const QColor back = QColor::fromRgb(d.colours[0]);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(pal.panel_light, 90));
  p.drawRoundedRect(QRectF(box).adjusted(-3, -2, 3, 4), 8, 8);
  p.setBrush(pal.lcd_bezel);
  p.drawRoundedRect(QRectF(box).adjusted(-3, -3, 3, 3), 8, 8);
  p.setBrush(back);
  p.drawRoundedRect(QRectF(box), 5, 5);
  // An inner shadow along the top edge, kept clear of the slots.
  QLinearGradient shade(box.topLeft(), box.topLeft() + QPointF(0, 6));
  shade.setColorAt(0, WithAlpha(QColor(0, 0, 0), 60));
  shade.setColorAt(1, WithAlpha(QColor(0, 0, 0), 0));
  p.setBrush(shade);
  p.drawRoundedRect(QRectF(box.left(), box.top(), box.width(), 6), 5, 5);
  p.restore();
}

void PaintIndicatorMark(QPainter& p, const QRect& r, const QColor& colour, bool lit) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const double radius = std::min(r.width(), r.height()) >= 10 ? 3 : 1.5;
  if (lit) {
    p.setBrush(Vertical(r, colour.lighter(135), colour.darker(108)));
  } else {
    p.setBrush(colour);
  }
  p.drawRoundedRect(QRectF(r), radius, radius);
  if (lit) {
    p.setBrush(WithAlpha(QColor(255, 255, 255), 90));
    p.drawRoundedRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 2, 1.2), 0.6, 0.6);
  }
  p.restore();
}

// Text with every other piece drawn as a key cap, starting with a key; `mid_left` is the
// left end of the line's vertical middle.
void PaintKeyHint(QPainter& p, QPointF mid_left, std::initializer_list<const char*> pieces,
                  const QColor& ink) {
  const QFont text_font = UiFont(11, QFont::Bold);
  const QFont key_font = UiFont(10, QFont::Black);
  const QFontMetricsF text_metrics(text_font);
  const QFontMetricsF key_metrics(key_font);
  double x = mid_left.x();
  bool key = true;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (const char* piece : pieces) {
    const QString s = QString::fromUtf8(piece);
    if (key) {
      const double w = std::max(13.0, key_metrics.horizontalAdvance(s) + 8);
      const QRectF cap(x, mid_left.y() - 7.5, w, 15);
      p.setPen(QPen(WithAlpha(ink, 130), 1));
      p.setBrush(WithAlpha(ink, 28));
      p.drawRoundedRect(cap.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
      DrawText(p, cap.translated(0, -0.5), s, key_font, ink);
      x += w;
    } else {
      const double w = text_metrics.horizontalAdvance(s);
      DrawText(p, QRectF(x, mid_left.y() - 8, w + 2, 16), s, text_font, ink,
               Qt::AlignLeft | Qt::AlignVCenter);
      x += w;
    }
    key = !key;
  }
  p.restore();
}

QRect IndicatorBackdrop(const SkinDescription& d) {
  return d.IndicatorFrame().adjusted(-5, -5, 5, 5);
}

void PaintDisplays(QPainter& p, const SkinDescription& d) {
  const Palette& pal = d.palette;
  DrawPanel(p, d.display_panel, pal, 12);
  const QFont caption = UiFont(11, QFont::Black);
  const int cy = d.display_panel.top() + 7;
  DrawText(p, QRectF(d.clock_box.left() + 2, cy, d.clock_box.width(), 14), "ZEIT", caption,
           pal.caption, Qt::AlignLeft | Qt::AlignVCenter);
  DrawText(p, QRectF(d.counter_box.left() + 2, cy, d.counter_box.width(), 14), "SCHRITTE", caption,
           pal.caption, Qt::AlignLeft | Qt::AlignVCenter);
  PaintLcdBox(p, d.clock_box, d);
  PaintLcdBox(p, d.counter_box, d);

  // The slots show their unlit segments until the game writes into them.
  const QColor back = QColor::fromRgb(d.colours[0]);
  const bool glow = d.palette.lcd_glow;
  for (int s = 0; s < kSlotCount; ++s) {
    const bool separator = s == 1 || s == 4 || s == 7;
    DrawLcdGlyph(p, separator ? kGlyphBlank : 8, d.display_slots[s], back, pal.lcd_ghost,
                 pal.lcd_ghost, glow);
  }

  // The group indicator, all marks unlit; the game lays lit marks over it.
  const QRect frame = d.IndicatorFrame();
  DrawText(p, QRectF(frame.left() - 4, cy, frame.width() + 8, 14), "GRUPPEN", caption, pal.caption,
           Qt::AlignHCenter | Qt::AlignVCenter);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QRectF back_rect = IndicatorBackdrop(d);
  p.setBrush(WithAlpha(pal.panel_light, 90));
  p.drawRoundedRect(back_rect.adjusted(0, 1, 0, 1), 6, 6);
  p.setBrush(pal.indicator_back);
  p.drawRoundedRect(back_rect, 6, 6);
  p.restore();
  for (const QRect& m : d.marks) PaintIndicatorMark(p, m, pal.indicator_off, false);

  // The hint line under the displays: the keys in small key caps.
  const QRectF line = d.hint_line;
  const QColor ink = WithAlpha(pal.caption, 210);
  PaintKeyHint(p, QPointF(line.left(), line.top() + line.height() * 0.27),
               {"1\u20139", " Ziffer   ", "0", " oder ", "Leertaste", " leeren"}, ink);
  PaintKeyHint(p, QPointF(line.left(), line.top() + line.height() * 0.75),
               {"+", " hinzuf\u00fcgen   ", "\u2212", " entfernen   ", ".", " setzen"}, ink);
}

void PaintDigitPanel(QPainter& p, const SkinDescription& d) {
  const Palette& pal = d.palette;
  DrawPanel(p, d.digit_panel, pal, 12);
  for (int row = 0; row < 3; ++row) {
    const QRectF cap = d.digit_captions[row];
    const QColor colour = pal.digit_rows[row];
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRectF chip(cap.left(), cap.top() + 1, 20, cap.height() - 2);
    p.setBrush(Vertical(chip, colour.lighter(120), colour));
    p.drawRoundedRect(chip, 4, 4);
    p.restore();
    DrawText(p, chip.adjusted(0, -1, 0, -1), kRowSigns[row], UiFont(15, QFont::Black),
             pal.digit_text);
    DrawText(p, cap.adjusted(27, 0, 0, 0), kDigitCaptions[row], UiFont(12, QFont::Bold),
             pal.caption, Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void PaintTitleBand(QPainter& p, const SkinDescription& d, bool inactive) {
  const Palette& pal = d.palette;
  const QRect r = d.areas[kTitleArea];
  const bool moon = pal.moon;
  const QColor accent = inactive ? pal.title_text_inactive : pal.title_accent;
  const QColor ink = moon ? accent : pal.header_bottom.darker(130);
  DrawLogo(p, QRectF(r.left() + 4, r.top() + 5, 30, 30), accent, ink, moon);
  const QColor text = inactive ? pal.title_text_inactive : pal.title_text;
  QRectF label(r.left() + 46, r.top(), 300, r.height());
  if (!inactive) {
    DrawText(p, label.translated(0, 1.5), "Sudoku", UiFont(26, QFont::Black),
             WithAlpha(QColor(0, 0, 0), 90), Qt::AlignLeft | Qt::AlignVCenter);
  }
  DrawText(p, label, "Sudoku", UiFont(26, QFont::Black), text, Qt::AlignLeft | Qt::AlignVCenter);
}

// ---- Areas ---------------------------------------------------------------------------------

void PaintCell(QPainter& p, const QRect& r, const Palette& pal, bool given) {
  const QColor top = given ? pal.given_top : pal.cell_top;
  const QColor bottom = given ? pal.given_bottom : pal.cell_bottom;
  p.fillRect(r, Vertical(r, top, bottom));
  // A one-pixel bevel: light along the top and left, shade along the bottom and right.
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1),
             WithAlpha(QColor(255, 255, 255), pal.cell_bevel));
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()),
             WithAlpha(QColor(255, 255, 255), pal.cell_bevel * 2 / 3));
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), WithAlpha(QColor(0, 0, 0), 28));
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), WithAlpha(QColor(0, 0, 0), 20));
  if (given) {
    // A small folded corner tells givens apart even before the digit is drawn.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(bottom.darker(118), 200));
    p.drawPolygon(QPolygonF({QPointF(r.right() + 1 - 9, r.top()), QPointF(r.right() + 1, r.top()),
                             QPointF(r.right() + 1, r.top() + 9)}));
    p.restore();
  }
}

// A raised button: a darker ledge under a gradient face. Pressed, the face sinks onto the
// ledge.
void PaintRaised(QPainter& p, const QRect& area, const QColor& top, const QColor& bottom,
                 const QColor& ledge, bool pressed, double radius) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QRectF r(area);
  p.setBrush(WithAlpha(QColor(0, 0, 0), 60));
  p.drawRoundedRect(r.adjusted(0, 1, 0, 0), radius, radius);
  p.setBrush(ledge);
  p.drawRoundedRect(r.adjusted(0.5, pressed ? 2.5 : 0.5, -0.5, -0.5), radius, radius);
  const QRectF face = pressed ? r.adjusted(0.5, 2.5, -0.5, -1) : r.adjusted(0.5, 0.5, -0.5, -3.5);
  p.setBrush(Vertical(face, top, bottom));
  p.drawRoundedRect(face, radius, radius);
  if (!pressed) {
    // Light catches the upper lip.
    QLinearGradient lip(face.topLeft(), face.topLeft() + QPointF(0, face.height() * 0.5));
    lip.setColorAt(0, WithAlpha(QColor(255, 255, 255), 80));
    lip.setColorAt(1, WithAlpha(QColor(255, 255, 255), 0));
    p.setBrush(lip);
    p.drawRoundedRect(face.adjusted(1, 1, -1, -face.height() * 0.45), radius - 1, radius - 1);
  } else {
    // A shadow inside the upper edge of the sunken face.
    QLinearGradient shade(face.topLeft(), face.topLeft() + QPointF(0, 7));
    shade.setColorAt(0, WithAlpha(QColor(0, 0, 0), 90));
    shade.setColorAt(1, WithAlpha(QColor(0, 0, 0), 0));
    p.setBrush(shade);
    p.drawRoundedRect(face, radius, radius);
  }
}

// A dark key with a coloured rim and a glowing digit; pressed, it lights up in its colour.
void PaintNeonDigitButton(QPainter& p, const QRect& r, int row, int digit, const Palette& pal,
                          bool pressed) {
  const QColor base = pal.digit_rows[row];
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QRectF outer = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setBrush(WithAlpha(QColor(0, 0, 0), 120));
  p.drawRoundedRect(outer.adjusted(0, 1, 0, 0), 8, 8);
  p.setBrush(pressed ? base.lighter(115) : base);
  p.drawRoundedRect(outer.adjusted(0, 0, 0, -1), 8, 8);
  const QRectF face = outer.adjusted(1.6, 1.6, -1.6, -2.6);
  if (pressed) {
    p.setBrush(Vertical(face, base.darker(110), base.darker(150)));
  } else {
    p.setBrush(Vertical(face, pal.panel.lighter(190), pal.panel.lighter(130)));
  }
  p.drawRoundedRect(face, 6.5, 6.5);
  const QFont font = UiFont(22, QFont::Black);
  const QColor ink = pressed ? pal.digit_text : base.lighter(150);
  if (!pressed) {
    // A soft halo: the digit drawn a few times, faintly, around its place.
    QColor halo = base;
    halo.setAlpha(55);
    for (QPointF o : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)}) {
      DrawText(p, face.translated(o), QString::number(digit), font, halo);
    }
  }
  DrawText(p, face, QString::number(digit), font, ink);
  DrawText(p, QRectF(face.left() + 3, face.top() + 1.5, 10, 10), kRowSigns[row],
           UiFont(11, QFont::Black), WithAlpha(pressed ? pal.digit_text : base.lighter(130), 200));
}

void PaintDigitButton(QPainter& p, const QRect& r, int row, int digit, const Palette& pal,
                      bool pressed) {
  if (pal.neon_digits) {
    PaintNeonDigitButton(p, r, row, digit, pal, pressed);
    return;
  }
  const QColor base = pal.digit_rows[row];
  const QColor top = pressed ? base.darker(118) : base.lighter(122);
  const QColor bottom = pressed ? base.darker(135) : base.darker(104);
  PaintRaised(p, r, top, bottom, base.darker(175), pressed, 7);
  const int shift = pressed ? 2 : 0;
  const QRectF face(r.left(), r.top() + shift, r.width(), r.height() - 3);
  const QFont font = UiFont(22, QFont::Black);
  DrawText(p, face.translated(0, 1.5), QString::number(digit), font,
           WithAlpha(base.darker(220), 120));
  DrawText(p, face, QString::number(digit), font,
           pressed ? pal.digit_text.darker(112) : pal.digit_text);
  DrawText(p, QRectF(face.left() + 3, face.top() + 1, 12, 12), kRowSigns[row],
           UiFont(11, QFont::Black), WithAlpha(pal.digit_text, pressed ? 140 : 200));
}

void PaintCommandButton(QPainter& p, const QRect& r, int command, const Palette& pal,
                        bool disabled) {
  if (disabled) {
    PaintRaised(p, r, pal.command_off_top, pal.command_off_bottom,
                pal.command_off_bottom.darker(130), false, 8);
  } else {
    PaintRaised(p, r, pal.command_top, pal.command_bottom, pal.command_bottom.darker(160), false,
                8);
  }
  const QColor ink = disabled ? pal.command_off_icon : pal.command_icon;
  const QColor face = disabled ? pal.command_off_top : pal.command_top;
  const QRectF face_rect(r.left(), r.top(), r.width(), r.height() - 3);
  DrawCommandIcon(p, command, QRectF(face_rect.left() + 11, face_rect.center().y() - 11, 22, 22),
                  ink, face);
  DrawText(p, face_rect.adjusted(40, 0, -4, 0), QString::fromUtf8(kCommandLabels[command]),
           UiFont(13, QFont::Bold), disabled ? pal.command_off_icon : pal.command_text,
           Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintMemoryPoint(QPainter& p, const QRect& r, int number, const Palette& pal, bool lit) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QRectF outer = QRectF(r).adjusted(1, 1, -1, -1);
  const QPointF c = outer.center();
  const double radius = outer.width() / 2;
  // The socket: a dark ring with a light lower lip.
  p.setBrush(WithAlpha(pal.panel_light, 120));
  p.drawEllipse(c + QPointF(0, 0.8), radius, radius);
  p.setBrush(pal.panel_shade);
  p.drawEllipse(c, radius, radius);
  const double lamp = radius - 3;
  QRadialGradient g(c - QPointF(lamp * 0.3, lamp * 0.4), lamp * 1.5);
  if (lit) {
    g.setColorAt(0, pal.memory_on_glow);
    g.setColorAt(0.45, pal.memory_on);
    g.setColorAt(1, pal.memory_on.darker(135));
  } else {
    g.setColorAt(0, pal.memory_off.lighter(160));
    g.setColorAt(1, pal.memory_off);
  }
  p.setBrush(g);
  p.drawEllipse(c, lamp, lamp);
  if (lit) {
    // A glint.
    p.setBrush(WithAlpha(QColor(255, 255, 255), 150));
    p.drawEllipse(c + QPointF(-lamp * 0.35, -lamp * 0.45), lamp * 0.32, lamp * 0.2);
  }
  DrawText(p, outer.translated(0, 0.5), QString::number(number), UiFont(16, QFont::Black),
           lit ? pal.memory_on_text : pal.memory_off_text);
}

void PaintWindowButton(QPainter& p, const QRect& r, bool close, const Palette& pal, bool pressed) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QColor base = close ? pal.close_face : pal.minimise_face;
  const QRectF outer = QRectF(r).adjusted(1, 1, -1, -1);
  const QPointF c = outer.center() + QPointF(0, pressed ? 1 : 0);
  const double radius = outer.width() / 2 - 1;
  p.setBrush(WithAlpha(QColor(0, 0, 0), 90));
  p.drawEllipse(outer.center() + QPointF(0, 1), radius + 1, radius + 1);
  QRadialGradient g(c - QPointF(0, radius * 0.6), radius * 1.6);
  g.setColorAt(0, pressed ? base.darker(110) : base.lighter(135));
  g.setColorAt(1, pressed ? base.darker(150) : base.darker(108));
  p.setBrush(g);
  p.drawEllipse(c, radius, radius);
  QPen pen(pressed ? pal.window_symbol.darker(115) : pal.window_symbol, 2.6, Qt::SolidLine,
           Qt::RoundCap);
  p.setPen(pen);
  if (close) {
    p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
  } else {
    p.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
  }
}

void PaintArea(QPainter& p, const SkinDescription& d, int area, bool extended) {
  const QRect r = d.areas[area];
  const Palette& pal = d.palette;
  p.save();
  p.setClipRect(r);
  if (area < kMemoryArea) {
    const int row = area / 9;
    PaintDigitButton(p, r, row, area % 9 + 1, pal, extended);
  } else if (area < kCommandArea) {
    PaintMemoryPoint(p, r, area - kMemoryArea + 1, pal, extended);
  } else if (area < kCellArea) {
    PaintCommandButton(p, r, area - kCommandArea, pal, extended);
  } else if (area < kCloseArea) {
    PaintCell(p, r, pal, extended);
  } else if (area == kCloseArea || area == kMinimiseArea) {
    PaintWindowButton(p, r, area == kCloseArea, pal, extended);
  } else {
    PaintTitleBand(p, d, extended);
  }
  p.restore();
}

// ---- Extended-only sources -----------------------------------------------------------------

void PaintSources(QPainter& p, const SkinDescription& d) {
  const QColor back = QColor::fromRgb(d.colours[0]);
  const bool glow = d.palette.lcd_glow;
  for (int g = 0; g < kGlyphCount; ++g) {
    DrawLcdGlyph(p, g, d.glyphs[g], back, d.palette.lcd_ink, d.palette.lcd_ghost, glow);
  }
  for (const QRect& s : d.mark_sources) {
    p.fillRect(s, d.palette.indicator_back);
    PaintIndicatorMark(p, s, d.palette.indicator_on, true);
  }
}

QImage PaintMask(const SkinDescription& d) {
  QImage mask(d.size, QImage::Format_RGB32);
  mask.fill(Qt::white);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < kAreaCount; ++i) p.fillRect(d.areas[i], QColor(d.ids[i], 0, 0));
  }
  // Nothing outside the outline can be clicked.
  const QRegion inside(d.outline, Qt::WindingFill);
  for (int y = 0; y < mask.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
    for (int x = 0; x < mask.width(); ++x) {
      if (!inside.contains(QPoint(x, y))) line[x] = qRgb(255, 255, 255);
    }
  }
  return mask;
}

// Both looks at `ratio` device pixels per pixel of the layout. Everything is drawn as vectors
// and text, so the 2x pictures are as exact as the 1x ones.
void PaintLooks(const SkinDescription& d, int ratio, QImage* normal_look, QImage* extended_look) {
  QImage base(d.size * ratio, QImage::Format_RGB32);
  base.setDevicePixelRatio(ratio);
  {
    QPainter p(&base);
    PaintFace(p, d);
    PaintBoardPanel(p, d);
    PaintMemoryPanel(p, d);
    PaintDisplays(p, d);
    const Palette& pal = d.palette;
    DrawPanel(p, d.command_panel, pal, 12);
    PaintDigitPanel(p, d);
  }
  *normal_look = base.copy();
  *extended_look = base.copy();
  normal_look->setDevicePixelRatio(ratio);
  extended_look->setDevicePixelRatio(ratio);
  QPainter normal(normal_look);
  QPainter extended(extended_look);
  for (int i = 0; i < kAreaCount; ++i) {
    PaintArea(normal, d, i, false);
    PaintArea(extended, d, i, true);
  }
  PaintSources(extended, d);
}

}  // namespace

SkinPictures PaintSkin(const SkinDescription& d) {
  SkinPictures pictures;
  PaintLooks(d, 1, &pictures.normal, &pictures.extended);
  PaintLooks(d, 2, &pictures.normal_double, &pictures.extended_double);
  pictures.mask = PaintMask(d);
  return pictures;
}

}  // namespace sudoku::skin_painter
