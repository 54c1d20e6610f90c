#pragma once
// The help dialog's pictures. The examples of the solving methods, the calculation chain, the
// about picture and the small web and mail signs are drawn by code; the parts of the game window
// and its command buttons are cut from the given skin (the program's own one).

#include <QImage>
#include <QRect>
#include <QString>

namespace sudoku {

class SkinView;

// Bitmap ids; every picture keeps its id in the "tag" property.
constexpr int kMethodPictureId = 150;   // 150-161: each method before and after
constexpr int kGuiPartPictureId = 170;  // 170-177: the eight parts of the game window
constexpr int kCommandPictureId = 180;  // 180-188: the nine command buttons
constexpr int kAboutPictureId = 199;

constexpr int kGuiPartCount = 8;
constexpr int kCommandCount = 9;

// Every picture is drawn for `ratio` device pixels per logical pixel, its devicePixelRatio set
// (see ArtImage); the sizes below are logical.

// Method m (0-5) before (after = false) or after it worked. The small candidates stand in keypad
// order (7 8 9 on top) when keypadOrder is set, as on the board.
QImage MethodPicture(int method, bool after, bool keypadOrder, qreal ratio = 1);

// The fixed order of the automatic calculation, as a row of boxes with the way back.
QImage CalculationChainPicture(qreal ratio = 1);

// 601 x 460: title, a tilted board and the version.
QImage AboutPicture(const QString& version, qreal ratio = 1);

// 48 x 48 signs beside the web and mail addresses.
QImage WebSign(qreal ratio = 1);
QImage MailSign(qreal ratio = 1);

// The parts of the game window, in the order of the help page: 0 title bar and window buttons,
// 1 remove, 2 add and 3 set buttons, 4 board, 5 displays, 6 command buttons, 7 memory points.
// Their rectangle in window coordinates (empty when the skin has none of the part's areas).
QRect GuiPartRect(const SkinView& skin, int part);
QImage GuiPartPicture(const SkinView& skin, int part, qreal ratio = 1);

// Command button 0-8 (files ... help) of the skin, or a drawn stand-in labelled `caption`
// when the skin has no such area.
QImage CommandPicture(const SkinView& skin, int button, const QString& caption, qreal ratio = 1);

// The skin's normal picture, transparent outside the window's outline.
QImage SkinPicture(const SkinView& skin, qreal ratio = 1);

}  // namespace sudoku
