#pragma once
// The program's emblem and icon: a golden tile with a 3 x 3 board. The skins show the emblem in
// their title band; the icon is the window icon and the installed desktop icon.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <array>

namespace sudoku {

// The emblem filling `box` (a square): a rounded tile with a face shaded from `face`, its nine
// cells in `ink`, the corner and centre cells solid and the others faint.
void DrawBoardEmblem(QPainter& p, const QRectF& box, const QColor& face, const QColor& ink);

// The icon in the standard skin's colours, filling the square `box` with the margin and shadow
// of a desktop icon; from 48 pixels on the solid cells carry digits.
void DrawProgramIcon(QPainter& p, const QRectF& box);

// The sizes of the installed icon and of the window icon.
inline constexpr std::array<int, 8> kProgramIconSizes = {16, 24, 32, 48, 64, 128, 256, 512};

QImage ProgramIconImage(int size);
QIcon ProgramIcon();

}  // namespace sudoku
