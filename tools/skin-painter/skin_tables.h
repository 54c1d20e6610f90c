#pragma once
// The binary layout tables of a skin (raw data 100 to 105), little-endian.

#include <QByteArray>

#include "skin_description.h"

namespace sudoku::skin_painter {

QByteArray AreaIdTable(const SkinDescription& skin);     // 100: 129 x uint16
QByteArray AreaRectTable(const SkinDescription& skin);   // 101: 129 rectangles
QByteArray CellTextTable(const SkinDescription& skin);   // 102: 81 rectangles
QByteArray DisplayTable(const SkinDescription& skin);    // 103: 26 rectangles, 5 colours
QByteArray IndicatorTable(const SkinDescription& skin);  // 104: 30 rectangles
QByteArray OutlineTable(const SkinDescription& skin);    // 105: x, y, …, -1

}  // namespace sudoku::skin_painter
