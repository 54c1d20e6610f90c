#pragma once
// The program's own pictures, drawn by code: the background tile of the status window and the
// dialogs, and the frames of the status window's small pictures.

#include <QImage>
#include <QList>

namespace sudoku {

// The fonts the windows are laid out for: the classic dialog font names on the fonts the program
// needs, and 8 points for every window.
void UseProgramFonts();

// The background tile ("ImageBkgnd"): a soft paper texture that joins seamlessly.
QImage BackgroundTile();

// 22 x 22 frames: the running game (3), the automatic calculation (12), the input modes (5:
// set, add, remove, add locked, remove locked) and the smiley (3: no warnings, warnings on,
// aids used).
QList<QImage> GameRunningFrames();
QList<QImage> CalculationFrames();
QList<QImage> InputModeFrames();
QList<QImage> SmileyFrames();

}  // namespace sudoku

namespace sudoku {

// The hall of fame's background (640 x 520), its ten places `lineHeight` apart from y = 142,
// and the greeting of a won game (500 x 313), with the places the dialogs put their labels and
// fields on.
QImage HallOfFamePicture(int lineHeight);
QImage EndGamePicture();
// The two looks of the pictures' switch button: off and on (pressed).
QImage SwitchPicture(bool on);

}  // namespace sudoku
