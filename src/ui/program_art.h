#pragma once
// The program's own pictures, drawn by code: the background tile of the status window and the
// dialogs, and the frames of the status window's small pictures.

#include <QImage>
#include <QList>
#include <functional>

namespace sudoku {

// The fonts the windows are laid out for: the classic dialog font names on the fonts the program
// needs, and 8 points for every window.
void UseProgramFonts();

// The background tile ("ImageBkgnd"): a soft paper texture that joins seamlessly. A grain of
// single pixels, so it stays a 1x picture that is scaled on denser screens.
QImage BackgroundTile();

// The pictures below are drawn by code for a screen's pixel ratio (device pixels per logical
// pixel): their devicePixelRatio is set, their logical size is the same at every ratio.

// A new picture of `size` logical pixels at `ratio` (rounded up to whole device pixels),
// transparent or for opaque drawing; painters on it work in logical pixels.
QImage ArtImage(const QSize& size, qreal ratio, bool transparent);

// A picture drawn for the ratio a widget is painted at, drawn again when that changes (the
// window went to another screen).
template <typename Picture>
class ForRatio {
 public:
  using Paint = std::function<Picture(qreal ratio)>;
  ForRatio(Paint paint, qreal ratio)
      : paint_(std::move(paint)), ratio_(ratio), picture_(paint_(ratio)) {}
  const Picture& At(qreal ratio) {
    if (ratio != ratio_) {
      ratio_ = ratio;
      picture_ = paint_(ratio);
    }
    return picture_;
  }
  const Picture& Current() const { return picture_; }

 private:
  Paint paint_;
  qreal ratio_;
  Picture picture_;
};

// 22 x 22 frames: the running game (3), the automatic calculation (12), the input modes (5:
// set, add, remove, add locked, remove locked) and the smiley (3: no warnings, warnings on,
// aids used).
QList<QImage> GameRunningFrames(qreal ratio = 1);
QList<QImage> CalculationFrames(qreal ratio = 1);
QList<QImage> InputModeFrames(qreal ratio = 1);
QList<QImage> SmileyFrames(qreal ratio = 1);

}  // namespace sudoku

namespace sudoku {

// The hall of fame's background (640 x 520), its ten places `lineHeight` apart from y = 142,
// and the greeting of a won game (500 x 313), with the places the dialogs put their labels and
// fields on.
QImage HallOfFamePicture(int lineHeight, qreal ratio = 1);
QImage EndGamePicture(qreal ratio = 1);
// The two looks of the pictures' switch button: off and on (pressed).
QImage SwitchPicture(bool on, qreal ratio = 1);

}  // namespace sudoku
