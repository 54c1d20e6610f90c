#pragma once
// The skinned face of the main window: the skin's pictures and tables, and MainImage, the
// off-screen picture that every area, display, indicator and cell is drawn into.

#include <QImage>
#include <QString>
#include <array>
#include <bitset>
#include <functional>

#include "model/board.h"
#include "skin/skin_layout.h"

namespace sudoku {

// What the cells are drawn from.
class CellSource {
 public:
  virtual ~CellSource() = default;
  virtual const BoardRecord& Board() const = 0;
  virtual int Cursor() const = 0;
};

// Bounds on what a skin may hold, checked before anything is decoded: pictures (PNG or BMP)
// of at most this many pixels a side and in all, tables of at most this many bytes.
inline constexpr int kMaxSkinSide = 4096;
inline constexpr int64_t kMaxSkinPixels = int64_t{4096} * 2048;
inline constexpr qint64 kMaxSkinTable = 64 * 1024;

// The optional sharper pictures of a skin: twice the size of bitmap 100 or 101, under the
// same id with this suffix ("bitmap/100@2x"). The hit mask has none.
inline constexpr const char* kDoubleSuffix = "@2x";

class SkinView {
 public:
  SkinView();

  // Reads all resources of the skin under `root` (":/skin" for the built-in skin, the module's
  // mapped root for a module) and rebuilds the surface; the lit areas, the board and the
  // displays survive. Throws TextError(512-515) and leaves the current skin when it fails: 513
  // also for a table over kMaxSkinTable bytes, 512 for a picture over the bounds.
  void ApplySkin(const QString& root);
  // Its second half: the surface rebuilt from tables and pictures read elsewhere; `doubled`
  // holds the optional 2x pictures' file bytes.
  void ApplyLayout(SkinLayout layout, const QImage& normal, const QImage& extended,
                   const QImage& mask, std::array<QByteArray, 2> doubled = {});

  const QString& SkinName() const { return name_; }
  const QString& SkinCopyright() const { return copyright_; }
  const SkinLayout& Layout() const { return layout_; }
  QSize Size() const { return normal_.size(); }
  QRegion Outline() const { return layout_.Region(normal_.size()); }
  // Size() times the drawing ratio in device pixels, its devicePixelRatio set to that ratio.
  const QImage& MainImage() const { return main_; }
  const QImage& ImageNormState() const { return normal_; }
  const QImage& ImageExtState() const { return extended_; }
  const QImage& ImageActionMask() const { return mask_; }

  Hit HitTest(int x, int y) const;

  // The ratio of device to logical pixels of the window's screen. MainImage, the cells and the
  // displays are drawn at it (from the skin's 2x pictures above 1, else from its 1x pictures
  // scaled smoothly); the tables, the hit mask and the outline stay in logical pixels. A
  // change redraws everything. The ratio drawn at is capped so that no picture at it exceeds
  // kMaxSkinPixels; below 1 it is 1.
  void SetDevicePixelRatio(qreal ratio);
  qreal DevicePixelRatio() const { return requested_; }
  // A logical rectangle of the normal or extended picture at `ratio`, its devicePixelRatio set,
  // for pictures cut from the skin elsewhere.
  QImage PictureCut(bool extended, const QRect& r, qreal ratio) const;

  void SetCellSource(const CellSource* source) { cells_ = source; }
  void SetKeypadOrder(bool showInvNumBlock) { keypadOrder_ = showInvNumBlock; }

  // Areas: the extended look when lit.
  void DrawArea(int position, bool lit);
  void RedrawAllAreas();
  bool Lit(int position) const { return position >= 0 && position < 256 && lit_[position]; }
  // The area drawn pressed while the mouse button is held; -1 for none.
  void SetPressedArea(int position);
  int PressedArea() const { return pressed_; }
  static bool IsPressArea(int position) {
    return (position >= 0 && position <= 26) || position == 126 || position == 127;
  }
  void RedrawCell(int cell) { DrawArea(45 + cell, cells_ && cells_->Board().IsGiven(cell)); }

  // Displays and the group indicator.
  void DrawDisplayChar(int slot, char ch);
  void ShowClockSeparators(bool on);
  // Milliseconds, or -1 for no time.
  void ShowClock(int64_t ms);
  void ShowCounter(int number);
  void UpdateGroupIndicator(uint16_t columns, uint16_t rows, uint16_t blocks);

  // Notifications: a part of MainImage changed; a memory point was drawn (its menu entry
  // follows); the pressed look started or ended (the 100 ms key timer follows).
  std::function<void(const QRect&)> onChanged;
  std::function<void(int slot, bool lit)> onMemoryArea;
  std::function<void(bool on)> onKeyTimer;

 private:
  // Copies a logical rectangle of picture 0 (normal) or 1 (extended) to `to` on MainImage.
  void Copy(int picture, const QRect& source, const QPoint& to);
  void DrawCell(int cell, bool lit);
  void Changed(const QRect& r);
  void RedrawDisplays();
  QRect Bounds() const { return normal_.rect(); }
  qreal UsableRatio(qreal ratio) const;
  // Logical pixels to device pixels at the drawing ratio.
  QRect DeviceRect(const QRect& r) const;
  QImage PictureAt(int picture, qreal ratio) const;
  const QImage& Doubled(int picture) const;
  void PreparePictures();
  // MainImage's pixels without its ratio, for copies between device rectangles.
  QImage DevicePixels();

  QString name_, copyright_;
  SkinLayout layout_;
  QImage normal_, extended_, mask_, main_;
  // The 2x pictures: checked when the skin is applied, decoded when first needed.
  mutable std::array<QByteArray, 2> doubleBytes_;
  mutable QImage doubled_[2];
  // Pictures 0 and 1 at the drawing ratio.
  QImage device_[2];
  qreal requested_ = 1, ratio_ = 1;
  std::bitset<256> lit_;
  int pressed_ = -1;
  const CellSource* cells_ = nullptr;
  bool keypadOrder_ = true;

  // What the displays and the indicator show, to draw only changes (and again after a skin
  // change).
  static constexpr int64_t kNothingShown = INT64_MIN;
  int64_t clockShown_ = kNothingShown;
  int counterShown_ = -1;
  bool counterDrawn_ = false;
  int separatorsShown_ = -1;  // -1 unknown, 0 blank, 1 shown
  bool indicatorDrawn_ = false;
  uint16_t indicator_[3] = {0, 0, 0};
};

}  // namespace sudoku
