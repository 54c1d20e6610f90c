#pragma once
// The board as a picture on any surface: printer page, bitmap or metafile. Two looks: a flat
// black-and-white grid for colour depth 1 and a raised board with sunken cells otherwise.
// The picture is defined once, against the small BoardSurface interface.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <optional>

#include "model/board.h"

namespace sudoku {

// A font as the picture asks for it: the family of the classic look ("Arial" or
// "Arial Black") and the height of its character cell, ascent plus descent, in surface units.
struct PictureFont {
  QString family;
  int height = 0;
  bool Heavy() const { return family == QLatin1String("Arial Black"); }
  bool operator==(const PictureFont&) const = default;
};

// The Qt font for a picture font, sized so that its ascent plus descent give the height.
// There is no free "Arial Black": a heavy sans stands in for it.
QFont PictureQFont(const PictureFont& font);

// What the picture needs of a surface. Rectangles include their left and top edges and
// exclude their right and bottom ones.
class BoardSurface {
 public:
  virtual ~BoardSurface() = default;
  // Fills the rectangle; an outline colour draws its outermost pixels in that colour.
  virtual void Rectangle(const QRect& r, const QColor& fill, std::optional<QColor> outline) = 0;
  // Fills the polygon without outline.
  virtual void Polygon(const QPolygon& points, const QColor& fill) = 0;
  // One line of text on a transparent background, centred both ways in the rectangle or
  // placed at its top left.
  virtual void Text(const QRect& r, const QString& text, const PictureFont& font,
                    const QColor& color, bool centred) = 0;
};

class PainterSurface : public BoardSurface {
 public:
  // Palette pictures look better with hard-edged glyphs: their colours are few.
  explicit PainterSurface(QPainter& painter, bool smoothText = true)
      : painter_(painter), smoothText_(smoothText) {}
  void Rectangle(const QRect& r, const QColor& fill, std::optional<QColor> outline) override;
  void Polygon(const QPolygon& points, const QColor& fill) override;
  void Text(const QRect& r, const QString& text, const PictureFont& font, const QColor& color,
            bool centred) override;

 private:
  QPainter& painter_;
  bool smoothText_;
};

// Draws the board into the rectangle (left, top, width, height). With `withTitle` and a puzzle
// number the line "Sudoku Nr. ..." goes below the rectangle. `colorDepth` 1 is the flat
// monochrome look, 2 sixteen colours, 3 256 colours, 4 and more true colour. With
// `invNumBlock` the candidates stand as on a numeric keypad (7 8 9 on top).
void DrawBoardPicture(BoardSurface& surface, int width, int height, bool withTitle,
                      const BoardRecord& board, int colorDepth, int top, int left,
                      bool invNumBlock);
// The same on a painter, whose pen, brush and font are restored afterwards.
void DrawBoardPicture(QPainter& painter, int width, int height, bool withTitle,
                      const BoardRecord& board, int colorDepth, int top, int left,
                      bool invNumBlock);

// The side of the picture's design square: 329 flat, 389 bevelled.
int BoardPictureSide(int colorDepth);

}  // namespace sudoku
