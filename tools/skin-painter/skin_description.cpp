#include "skin_description.h"

#include <cmath>
#include <numbers>

namespace sudoku::skin_painter {
namespace {

constexpr int kWidth = 1012;
constexpr int kHeight = 695;

// Board geometry: 54-pixel cells, 2 pixels between cells, 8 between blocks.
constexpr int kCell = 54;
constexpr int kCellGap = 2;
constexpr int kBlockGap = 8;
constexpr int kBoardPadding = 12;
constexpr int kBlockSpan = 3 * kCell + 2 * kCellGap;
constexpr int kBoardSpan = 3 * kBlockSpan + 2 * kBlockGap;
constexpr int kBoardPanel = kBoardSpan + 2 * kBoardPadding;

// The control column beside the board.
constexpr int kControlsWidth = 408;
constexpr int kColumnGap = 18;
constexpr int kMargin = 24;
constexpr int kBodyTop = 64;
constexpr int kBodyBottom = 672;

// Display slots: digits and separators share one height.
constexpr int kDigitWidth = 24;
constexpr int kSeparatorWidth = 11;
constexpr int kSlotHeight = 42;
constexpr int kLcdPadding = 8;

// Group indicator: bars of 5 pixels on a 7-pixel pitch, blocks of 21 on a 24-pixel pitch.
constexpr int kBarLength = 10;
constexpr int kBarGap = 3;
constexpr int kBarWidth = 5;
constexpr int kLine = 7;
constexpr int kBlockMark = 21;
constexpr int kBlockPitch = 24;

// Ids in the mask: the groups keep gaps between them so that one stray red value cannot
// silently turn into a neighbouring area.
uint16_t IdOf(int position) {
  if (position < kCommandArea) return static_cast<uint16_t>(position);
  if (position < kCellArea) return static_cast<uint16_t>(50 + position - kCommandArea);
  if (position < kCloseArea) return static_cast<uint16_t>(100 + position - kCellArea);
  return static_cast<uint16_t>(200 + position - kCloseArea);
}

struct Notch {
  int centre;  // along the edge
  int outer;   // width at the edge
  int inner;   // width at the bottom of the notch
  int depth;
};

// A rounded rectangle with five points per corner and one trapezoid notch in each edge,
// listed clockwise from the top-left corner.
QPolygon MakeOutline(int radius, Notch top, Notch right, Notch bottom, Notch left) {
  QPolygon poly;
  auto corner = [&](double cx, double cy, double from_degrees) {
    for (int k = 0; k <= 4; ++k) {
      double a = (from_degrees + 22.5 * k) * std::numbers::pi / 180.0;
      poly << QPoint(static_cast<int>(std::lround(cx + radius * std::cos(a))),
                     static_cast<int>(std::lround(cy + radius * std::sin(a))));
    }
  };
  const int w = kWidth;
  const int h = kHeight;
  corner(radius, radius, 180);
  poly << QPoint(top.centre - top.outer / 2, 0) << QPoint(top.centre - top.inner / 2, top.depth)
       << QPoint(top.centre + top.inner / 2, top.depth) << QPoint(top.centre + top.outer / 2, 0);
  corner(w - radius, radius, 270);
  poly << QPoint(w, right.centre - right.outer / 2)
       << QPoint(w - right.depth, right.centre - right.inner / 2)
       << QPoint(w - right.depth, right.centre + right.inner / 2)
       << QPoint(w, right.centre + right.outer / 2);
  corner(w - radius, h - radius, 0);
  poly << QPoint(bottom.centre + bottom.outer / 2, h)
       << QPoint(bottom.centre + bottom.inner / 2, h - bottom.depth)
       << QPoint(bottom.centre - bottom.inner / 2, h - bottom.depth)
       << QPoint(bottom.centre - bottom.outer / 2, h);
  corner(radius, h - radius, 90);
  poly << QPoint(0, left.centre + left.outer / 2)
       << QPoint(left.depth, left.centre + left.inner / 2)
       << QPoint(left.depth, left.centre - left.inner / 2)
       << QPoint(0, left.centre - left.outer / 2);
  return poly;
}

void PlaceHeader(SkinDescription& d) {
  d.areas[kTitleArea] = QRect(kMargin, 10, 848, 40);
  d.areas[kMinimiseArea] = QRect(906, 12, 36, 36);
  d.areas[kCloseArea] = QRect(952, 12, 36, 36);
}

void PlaceBoard(SkinDescription& d, int x) {
  d.board_panel = QRect(x, kBodyTop, kBoardPanel, kBoardPanel);
  const int ox = x + kBoardPadding;
  const int oy = kBodyTop + kBoardPadding;
  auto offset = [](int i) { return i * (kCell + kCellGap) + (i / 3) * (kBlockGap - kCellGap); };
  for (int cell = 0; cell < 81; ++cell) {
    d.areas[kCellArea + cell] = QRect(ox + offset(cell % 9), oy + offset(cell / 9), kCell, kCell);
  }

  // The memory points sit in a strip under the board.
  const int strip_top = kBodyTop + kBoardPanel + 12;
  d.memory_panel = QRect(x, strip_top, kBoardPanel, kBodyBottom - strip_top);
  constexpr int kButton = 40;
  constexpr int kGap = 6;
  const int bx = x + kBoardPanel - 14 - (9 * kButton + 8 * kGap);
  const int by = strip_top + (d.memory_panel.height() - kButton) / 2;
  for (int i = 0; i < 9; ++i) {
    d.areas[kMemoryArea + i] = QRect(bx + i * (kButton + kGap), by, kButton, kButton);
  }
  d.memory_caption = QRect(x + 14, strip_top, bx - x - 24, d.memory_panel.height());
}

void PlaceDisplays(SkinDescription& d, int x) {
  d.display_panel = QRect(x, kBodyTop, kControlsWidth, 150);
  const int box_top = kBodyTop + 26;

  // Clock: hours, colon, minutes, colon, seconds, comma, tenths.
  const int widths[9] = {kDigitWidth, kSeparatorWidth, kDigitWidth,
                         kDigitWidth, kSeparatorWidth, kDigitWidth,
                         kDigitWidth, kSeparatorWidth, kDigitWidth};
  int sx = x + 12 + kLcdPadding;
  const int sy = box_top + kLcdPadding;
  for (int i = 0; i < 9; ++i) {
    d.display_slots[i] = QRect(sx, sy, widths[i], kSlotHeight);
    sx += widths[i];
  }
  d.clock_box = QRect(x + 12, box_top, sx + kLcdPadding - (x + 12), kSlotHeight + 2 * kLcdPadding);

  sx = d.clock_box.right() + 1 + 12 + kLcdPadding;
  const int counter_left = sx - kLcdPadding;
  for (int i = 9; i < 12; ++i) {
    d.display_slots[i] = QRect(sx, sy, kDigitWidth, kSlotHeight);
    sx += kDigitWidth;
  }
  d.counter_box =
      QRect(counter_left, box_top, sx + kLcdPadding - counter_left, kSlotHeight + 2 * kLcdPadding);

  // Group indicator: column bars on top, row bars on the left, blocks below and right of them.
  const int fx = x + kControlsWidth - 9 - (kBarLength + kBarGap + 3 * kBlockPitch - 3);
  const int fy = box_top;
  const int grid = kBarLength + kBarGap;
  auto line = [](int i) { return (i / 3) * kBlockPitch + (i % 3) * kLine + 1; };
  for (int i = 0; i < 9; ++i) {
    d.marks[i] = QRect(fx + grid + line(i), fy, kBarWidth, kBarLength);
    d.marks[9 + i] = QRect(fx, fy + grid + line(i), kBarLength, kBarWidth);
    d.marks[18 + i] = QRect(fx + grid + (i % 3) * kBlockPitch, fy + grid + (i / 3) * kBlockPitch,
                            kBlockMark, kBlockMark);
  }

  // Under the displays: a hint line in the normal look, the glyph sheet in the extended look;
  // the mark sources go under the indicator. The game only ever copies from them.
  const int gy = d.clock_box.bottom() + 1 + 10;
  int gx = d.clock_box.left();
  for (int g = 0; g < kGlyphCount; ++g) {
    int w = g <= kGlyphMinus ? kDigitWidth : kSeparatorWidth;
    d.glyphs[g] = QRect(gx, gy, w, kSlotHeight);
    gx += w;
  }
  d.hint_line = d.glyphs[0].united(d.glyphs[kGlyphCount - 1]);
  const QRect frame = d.IndicatorFrame();
  const int mx = frame.left() + 4;
  const int my = frame.bottom() + 1 + 8;
  d.mark_sources[0] = QRect(mx, my, kBarWidth, kBarLength);
  d.mark_sources[1] = QRect(mx + 12, my, kBarLength, kBarWidth);
  d.mark_sources[2] = QRect(mx + 30, my, kBlockMark, kBlockMark);
}

void PlaceCommands(SkinDescription& d, int x) {
  const int top = d.display_panel.bottom() + 1 + 14;
  constexpr int kW = 124;
  constexpr int kH = 40;
  constexpr int kGap = 8;
  constexpr int kPad = 10;
  d.command_panel = QRect(x, top, kControlsWidth, 3 * kH + 2 * kGap + 2 * kPad);
  for (int i = 0; i < 9; ++i) {
    d.areas[kCommandArea + i] =
        QRect(x + kPad + (i % 3) * (kW + kGap), top + kPad + (i / 3) * (kH + kGap), kW, kH);
  }
}

void PlaceDigits(SkinDescription& d, int x) {
  const int top = d.command_panel.bottom() + 1 + 14;
  d.digit_panel = QRect(x, top, kControlsWidth, kBodyBottom - top);
  constexpr int kW = 40;
  constexpr int kH = 44;
  constexpr int kGap = 4;
  constexpr int kCaption = 18;
  constexpr int kGroupGap = 14;
  constexpr int kGroup = kCaption + 3 + kH;
  const int pad = (d.digit_panel.height() - (3 * kGroup + 2 * kGroupGap)) / 2;
  const int bx = x + (kControlsWidth - (9 * kW + 8 * kGap)) / 2;
  // Top to bottom: set, add, remove (area rows 2, 1, 0); the most used row first.
  for (int g = 0; g < 3; ++g) {
    const int row = 2 - g;
    const int gy = top + pad + g * (kGroup + kGroupGap);
    d.digit_captions[row] = QRect(bx, gy, 9 * kW + 8 * kGap, kCaption);
    for (int i = 0; i < 9; ++i) {
      d.areas[kRemoveDigitArea + 9 * row + i] =
          QRect(bx + i * (kW + kGap), gy + kCaption + 3, kW, kH);
    }
  }
}

Palette StandardPalette() {
  Palette p;
  p.body_top = QColor(62, 96, 120);
  p.body_bottom = QColor(33, 55, 73);
  p.rim_dark = QColor(12, 22, 31);
  p.rim_light = QColor(120, 160, 186);
  p.header_top = QColor(50, 80, 103);
  p.header_bottom = QColor(33, 56, 74);
  p.title_text = QColor(252, 249, 240);
  p.title_text_inactive = QColor(132, 152, 166);
  p.title_accent = QColor(246, 178, 58);
  p.panel = QColor(27, 45, 60);
  p.panel_shade = QColor(12, 22, 31);
  p.panel_light = QColor(92, 128, 152);
  p.caption = QColor(176, 199, 214);
  p.board_frame = QColor(30, 47, 61);
  p.cell_line = QColor(168, 176, 176);
  p.cell_top = QColor(255, 254, 248);
  p.cell_bottom = QColor(244, 239, 224);
  p.given_top = QColor(236, 229, 209);
  p.given_bottom = QColor(222, 212, 187);
  p.digit_rows = {QColor(212, 82, 72), QColor(54, 158, 96), QColor(48, 118, 208)};
  p.digit_text = QColor(255, 255, 255);
  p.command_top = QColor(250, 247, 238);
  p.command_bottom = QColor(221, 214, 196);
  p.command_icon = QColor(36, 62, 82);
  p.command_text = QColor(36, 62, 82);
  p.command_off_top = QColor(92, 112, 126);
  p.command_off_bottom = QColor(78, 97, 111);
  p.command_off_icon = QColor(142, 158, 168);
  p.memory_off = QColor(16, 30, 41);
  p.memory_off_text = QColor(112, 138, 154);
  p.memory_on = QColor(250, 182, 48);
  p.memory_on_glow = QColor(255, 232, 150);
  p.memory_on_text = QColor(74, 40, 0);
  p.lcd_ink = QColor(40, 42, 26);
  p.lcd_ghost = QColor(178, 173, 123);
  p.lcd_bezel = QColor(14, 24, 32);
  p.indicator_off = QColor(52, 76, 94);
  p.indicator_on = QColor(112, 222, 120);
  p.indicator_back = QColor(19, 33, 45);
  p.close_face = QColor(214, 78, 66);
  p.minimise_face = QColor(86, 122, 146);
  p.window_symbol = QColor(255, 255, 255);
  return p;
}

Palette NachtPalette() {
  Palette p;
  p.body_top = QColor(30, 34, 62);
  p.body_bottom = QColor(11, 13, 27);
  p.rim_dark = QColor(3, 4, 10);
  p.rim_light = QColor(78, 88, 150);
  p.header_top = QColor(24, 27, 52);
  p.header_bottom = QColor(13, 15, 32);
  p.title_text = QColor(228, 232, 255);
  p.title_text_inactive = QColor(96, 102, 138);
  p.title_accent = QColor(255, 216, 122);
  p.panel = QColor(11, 13, 28);
  p.panel_shade = QColor(2, 3, 9);
  p.panel_light = QColor(58, 66, 112);
  p.caption = QColor(136, 146, 200);
  p.board_frame = QColor(8, 10, 22);
  p.cell_line = QColor(50, 58, 96);
  p.cell_top = QColor(36, 42, 74);
  p.cell_bottom = QColor(27, 32, 58);
  p.given_top = QColor(58, 54, 88);
  p.given_bottom = QColor(47, 43, 74);
  p.digit_rows = {QColor(196, 58, 92), QColor(26, 150, 132), QColor(78, 96, 226)};
  p.digit_text = QColor(240, 242, 255);
  p.command_top = QColor(46, 52, 92);
  p.command_bottom = QColor(30, 34, 64);
  p.command_icon = QColor(204, 214, 255);
  p.command_text = QColor(204, 214, 255);
  p.command_off_top = QColor(24, 26, 44);
  p.command_off_bottom = QColor(20, 22, 38);
  p.command_off_icon = QColor(64, 68, 98);
  p.memory_off = QColor(17, 19, 37);
  p.memory_off_text = QColor(92, 98, 146);
  p.memory_on = QColor(84, 214, 255);
  p.memory_on_glow = QColor(170, 242, 255);
  p.memory_on_text = QColor(4, 28, 48);
  p.lcd_ink = QColor(96, 242, 222);
  p.lcd_ghost = QColor(24, 54, 60);
  p.lcd_bezel = QColor(3, 4, 10);
  p.indicator_off = QColor(34, 40, 72);
  p.indicator_on = QColor(96, 226, 255);
  p.indicator_back = QColor(10, 12, 26);
  p.close_face = QColor(188, 56, 88);
  p.minimise_face = QColor(58, 68, 122);
  p.window_symbol = QColor(236, 238, 255);
  p.cell_bevel = 34;
  p.neon_digits = true;
  p.lcd_glow = true;
  p.moon = true;
  p.stars = true;
  return p;
}

}  // namespace

QRect SkinDescription::IndicatorFrame() const {
  QRect frame = marks[0];
  for (const QRect& r : marks) frame = frame.united(r);
  return frame;
}

QRect SkinDescription::CellTextRect(int cell) const {
  return areas[kCellArea + cell].adjusted(5, 5, -5, -5).translated(1, 1);
}

SkinDescription DescribeSkin(Style style) {
  SkinDescription d;
  d.style = style;
  d.size = QSize(kWidth, kHeight);
  for (int i = 0; i < kAreaCount; ++i) d.ids[i] = IdOf(i);
  PlaceHeader(d);

  // The standard skin keeps the board on the left; the night skin puts it on the right.
  const bool board_left = style == Style::kStandard;
  const int board_x = board_left ? kMargin : kWidth - kMargin - kBoardPanel;
  const int controls_x = board_left ? board_x + kBoardPanel + kColumnGap : kMargin;
  PlaceBoard(d, board_x);
  PlaceDisplays(d, controls_x);
  PlaceCommands(d, controls_x);
  PlaceDigits(d, controls_x);

  // The notches mark the seams: under the title band on both sides, between the title strip
  // and the window buttons, and between the board and the controls.
  const int seam = (kBodyTop + d.areas[kTitleArea].bottom() + 1) / 2;
  d.title_band = seam;
  const int window_gap = (d.areas[kTitleArea].right() + 1 + d.areas[kMinimiseArea].left()) / 2;
  const int column_seam = board_left ? board_x + kBoardPanel + kColumnGap / 2
                                     : controls_x + kControlsWidth + kColumnGap / 2;
  if (style == Style::kStandard) {
    d.name = "Standard-Skin";
    d.copyright = "\u00a9 Quillbrook";
    d.palette = StandardPalette();
    d.colours = {qRgb(189, 184, 133), qRgb(0, 0, 255), qRgb(204, 0, 0), qRgb(255, 144, 0),
                 qRgb(255, 0, 0)};
    d.outline = MakeOutline(16, {window_gap, 20, 8, 6}, {seam, 20, 8, 6}, {column_seam, 20, 8, 6},
                            {seam, 20, 8, 6});
  } else {
    d.name = "Nacht";
    d.copyright = "\u00a9 Quillbrook";
    d.palette = NachtPalette();
    d.colours = {qRgb(14, 34, 40), qRgb(132, 184, 255), qRgb(255, 124, 134), qRgb(255, 202, 84),
                 qRgb(0, 230, 200)};
    d.outline = MakeOutline(24, {window_gap, 24, 6, 8}, {seam, 28, 10, 8}, {column_seam, 24, 6, 8},
                            {seam, 28, 10, 8});
  }
  return d;
}

bool ParseStyle(const QString& text, Style* style) {
  if (text == QLatin1String("standard")) {
    *style = Style::kStandard;
    return true;
  }
  if (text == QLatin1String("nacht")) {
    *style = Style::kNacht;
    return true;
  }
  return false;
}

}  // namespace sudoku::skin_painter
