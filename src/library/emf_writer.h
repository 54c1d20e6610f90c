#pragma once
// A small enhanced-metafile writer: just the records the board picture needs (pens, brushes,
// rectangles, polygons, fonts and UTF-16 text with its advances), in logical units of a
// 96-dpi reference screen.

#include <QByteArray>
#include <QString>
#include <map>
#include <tuple>

#include "library/board_picture.h"

namespace sudoku {

class EmfWriter : public BoardSurface {
 public:
  // The picture covers (0, 0) to (width, height); the description is stored as given, its
  // zero characters included.
  EmfWriter(int width, int height, const QString& description);

  void Rectangle(const QRect& r, const QColor& fill, std::optional<QColor> outline) override;
  void Polygon(const QPolygon& points, const QColor& fill) override;
  void Text(const QRect& r, const QString& text, const PictureFont& font, const QColor& color,
            bool centred) override;

  // Deletes the objects, ends the metafile and returns its bytes.
  QByteArray Finish();

  // The reference screen: pixels and millimetres.
  static constexpr int kDeviceWidth = 1920, kDeviceHeight = 1440;
  static constexpr int kDeviceWidthMm = 508, kDeviceHeightMm = 381;

 private:
  uint32_t Brush(const QColor& color);
  uint32_t Pen(std::optional<QColor> color);
  uint32_t Font(const PictureFont& font);
  void Select(uint32_t object, uint32_t& current);
  void Record(uint32_t type, const QByteArray& payload);
  void Include(const QRect& r);

  int width_, height_;
  QString description_;
  QByteArray body_;
  uint32_t records_ = 0;
  uint32_t nextObject_ = 1;
  std::map<QRgb, uint32_t> brushes_;
  std::map<std::pair<bool, QRgb>, uint32_t> pens_;
  std::map<std::tuple<QString, int>, uint32_t> fonts_;
  uint32_t pen_ = 0, brush_ = 0, font_ = 0;
  QRgb textColor_ = 0;
  bool textColorSet_ = false;
  bool transparent_ = false;
  QRect bounds_;
};

// The board as a metafile of 2 * side + 1 units: colour (bevelled) or monochrome (flat).
QByteArray BoardMetafile(const BoardRecord& board, bool colour, bool invNumBlock,
                         const QString& version);
// Writes it to the file, replacing the file only once all is written; TextError(532) when
// that fails.
void SaveBoardMetafile(const QString& fileName, const BoardRecord& board, bool colour,
                       bool invNumBlock, const QString& version);

}  // namespace sudoku
