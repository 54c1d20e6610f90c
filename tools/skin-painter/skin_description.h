#pragma once
// One description per skin: every rectangle the tables carry, the outline, the colours the game
// draws with, and the decoration around them. Tables, pictures and mask are all derived from it,
// so they cannot disagree.

#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

namespace sudoku::skin_painter {

enum class Style { kStandard, kNacht };

constexpr int kAreaCount = 129;
constexpr int kSlotCount = 12;
constexpr int kGlyphCount = 14;
constexpr int kMarkCount = 27;

// Area positions (the hit codes) of the first member of each group.
constexpr int kRemoveDigitArea = 0;
constexpr int kAddDigitArea = 9;
constexpr int kSetDigitArea = 18;
constexpr int kMemoryArea = 27;
constexpr int kCommandArea = 36;
constexpr int kCellArea = 45;
constexpr int kCloseArea = 126;
constexpr int kMinimiseArea = 127;
constexpr int kTitleArea = 128;

// Glyph order of the display table.
constexpr int kGlyphMinus = 10;
constexpr int kGlyphColon = 11;
constexpr int kGlyphComma = 12;
constexpr int kGlyphBlank = 13;

// Colours of the decoration. The five colours the game itself draws with live in
// SkinDescription::colours.
struct Palette {
  QColor body_top, body_bottom;      // window face gradient
  QColor rim_dark, rim_light;        // outline stroke and its inner highlight
  QColor header_top, header_bottom;  // title band
  QColor title_text, title_text_inactive, title_accent;
  QColor panel, panel_shade, panel_light;  // recessed panels
  QColor caption;                          // small captions on panels
  QColor board_frame, cell_line;           // board between blocks and between cells
  QColor cell_top, cell_bottom;            // an ordinary cell
  QColor given_top, given_bottom;          // a given cell (extended look)
  std::array<QColor, 3> digit_rows;        // remove, add, set
  QColor digit_text;
  QColor command_top, command_bottom, command_icon, command_text;
  QColor command_off_top, command_off_bottom, command_off_icon;
  QColor memory_off, memory_off_text, memory_on, memory_on_glow, memory_on_text;
  QColor lcd_ink, lcd_ghost, lcd_bezel;
  QColor indicator_off, indicator_on, indicator_back;
  QColor close_face, minimise_face, window_symbol;
  int cell_bevel = 140;      // opacity of the light edge of a cell
  bool neon_digits = false;  // digit buttons as dark keys with a coloured rim
  bool lcd_glow = false;     // lit display segments glow
  bool moon = false;         // a crescent for the emblem instead of a small board
  bool stars = false;        // the night sky in the title band
};

struct SkinDescription {
  Style style = Style::kStandard;
  QString name;
  QString copyright;
  QSize size;

  std::array<uint16_t, kAreaCount> ids{};
  std::array<QRect, kAreaCount> areas;
  std::array<QRect, kSlotCount> display_slots;  // clock 0-8, counter 9-11
  std::array<QRect, kGlyphCount> glyphs;        // in the extended picture
  std::array<QRect, kMarkCount> marks;          // columns, rows, blocks (window coordinates)
  std::array<QRect, 3> mark_sources;            // column, row, block mark in the extended picture
  std::array<QRgb, 5> colours{};                // blank slot, candidates, givens, decided, cursor
  QPolygon outline;                             // one closed polygon

  // Decoration only: the title band (its lower edge meets the notches in the side edges),
  // panels and where their captions go.
  int title_band = 0;
  QRect board_panel, memory_panel, display_panel, command_panel, digit_panel;
  QRect clock_box, counter_box;
  std::array<QRect, 3> digit_captions;  // above the remove, add and set rows
  QRect memory_caption;
  QRect hint_line;  // under the displays; the glyph sheet hides behind it in the extended look
  Palette palette;

  // The frame the game composes the group indicator in.
  QRect IndicatorFrame() const;
  // Where the digits of a cell go: its area shrunk by 5, moved one pixel right and down.
  QRect CellTextRect(int cell) const;
};

SkinDescription DescribeSkin(Style style);

// "standard" or "nacht"; false for anything else.
bool ParseStyle(const QString& text, Style* style);

}  // namespace sudoku::skin_painter
