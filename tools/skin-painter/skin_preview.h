#pragma once
// Pictures for people: the mask in false colours, the outline over the window, and the skin
// as the game shows it in the middle of a game.

#include <QImage>

#include "skin_art.h"
#include "skin_description.h"

namespace sudoku::skin_painter {

QImage MaskPreview(const SkinDescription& skin, const SkinPictures& pictures);
QImage OutlinePreview(const SkinDescription& skin, const SkinPictures& pictures);

// The window in the middle of a game, drawn by the game's own skin code from the written
// resources; empty when they cannot be written or loaded.
QImage SampleGame(const SkinDescription& skin, const SkinPictures& pictures);

}  // namespace sudoku::skin_painter
