#pragma once
// Small drawings shared by the skins: command icons, display glyphs and the title logo.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

namespace sudoku::skin_painter {

// Lato in the given pixel size and weight, falling back to other sans faces.
QFont UiFont(int pixel_size, QFont::Weight weight);

// The icon of command button `command` (0 files … 8 help), drawn into a square box.
// `knockout` is the colour of the face behind it, used where an icon shows a hole.
void DrawCommandIcon(QPainter& p, int command, const QRectF& box, const QColor& ink,
                     const QColor& knockout);

// One display glyph (0-9 digits, 10 "-", 11 ":", 12 ",", 13 blank) filling `slot` on a flat
// background. Digits are seven-segment figures over their unlit segments, so every digit slot
// looks alike when the game writes into it.
void DrawLcdGlyph(QPainter& p, int glyph, const QRect& slot, const QColor& background,
                  const QColor& ink, const QColor& ghost, bool glow);

// The program's emblem in the title band: a 3x3 board, or a crescent moon at night.
void DrawLogo(QPainter& p, const QRectF& box, const QColor& accent, const QColor& ink, bool moon);

}  // namespace sudoku::skin_painter
