#pragma once
// Pictures for people: the mask in false colours, the outline over the window, and the skin
// as the game shows it in the middle of a game.

#include <QImage>

#include "skin_art.h"
#include "skin_description.h"

namespace sudoku::skin_painter {

QImage MaskPreview(const SkinDescription& skin, const SkinPictures& pictures);
QImage OutlinePreview(const SkinDescription& skin, const SkinPictures& pictures);

// Composes the window the way the game does: areas copied from the normal or extended picture,
// digits in the skin's colours, glyphs copied into the displays, marks into the indicator.
QImage SampleGame(const SkinDescription& skin, const SkinPictures& pictures);

}  // namespace sudoku::skin_painter
