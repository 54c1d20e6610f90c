#pragma once
// Writing a painted skin: its resource files with a .qrc that puts them under /skin, and
// preview pictures for people to look at.

#include <QString>

#include "skin_art.h"
#include "skin_description.h"

namespace sudoku::skin_painter {

// Writes string/100, string/101, bitmap/100-102 and the 2x pictures bitmap/100@2x and
// bitmap/101@2x (PNG), rcdata/100-105 and skin.qrc into `dir`.
// Returns false with a message in `error` when a file cannot be written.
bool WriteSkinResources(const SkinDescription& skin, const SkinPictures& pictures,
                        const QString& dir, QString* error);

// Writes <style>-normal.png, -extended.png, -mask.png (areas in false colours), -outline.png
// and -game.png (the skin as the game would show it mid-play) into `dir`.
bool WriteSkinPreviews(const SkinDescription& skin, const SkinPictures& pictures,
                       const QString& dir, QString* error);

}  // namespace sudoku::skin_painter
