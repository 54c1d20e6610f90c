#pragma once
// The three window-sized pictures of a skin, painted from its description.

#include <QImage>

#include "skin_description.h"

namespace sudoku::skin_painter {

struct SkinPictures {
  QImage normal;    // every area in its normal look
  QImage extended;  // every area pressed, lit, disabled or given; plus glyphs and mark sources
  QImage mask;      // the area id of each pixel in red, white where there is none
  // The two looks again at twice the resolution, for high-density screens. The mask has no
  // such picture: clicks are looked up per window pixel.
  QImage normal_double;
  QImage extended_double;
};

SkinPictures PaintSkin(const SkinDescription& skin);

}  // namespace sudoku::skin_painter
