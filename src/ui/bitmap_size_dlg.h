#pragma once
// The size of an exported bitmap: pixels, printed size in centimetres and resolution, coupled
// so that changing one updates the others, and the pixel format.

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include "ui/ok_cancel_dialog.h"

namespace sudoku {

// What the dialog remembers for the run once it was confirmed; the export uses it.
struct BitmapSizeMemory {
  bool confirmed = false;
  int pixelsPerMetre = 7874;
  int pixelWidth = 1024;
  int pixelHeight = 1024;
  double widthCm = 13.0;
  double heightCm = 13.0;
  int pixelsPerInch = 200;
  int pixelFormat = 6;  // 1-7; 6 is 24 bits per pixel
};

class TBitmapSizeDlg : public TOKCancelDlg {
 public:
  TBitmapSizeDlg(QWidget* parent, BitmapSizeMemory& memory, const StartupSettings& options,
                 const QImage& background);

  QSpinBox* PixelBreite() const { return pixelWidth_; }
  QSpinBox* PixelHoehe() const { return pixelHeight_; }
  QDoubleSpinBox* Breite() const { return width_; }
  QDoubleSpinBox* Hoehe() const { return height_; }
  QSpinBox* Aufloesung() const { return resolution_; }
  QCheckBox* ProportionenErhalten() const { return keepProportions_; }
  QComboBox* PixelFormat() const { return pixelFormat_; }
  int PixelsPerMetre() const { return ppm_; }

  void accept() override;

 private:
  void ResolutionChanged();
  void PixelSizeChanged(bool horizontal);
  void CentimetresChanged(bool horizontal);
  void ProportionsClicked(bool checked);

  BitmapSizeMemory& memory_;
  QSpinBox* pixelWidth_;
  QSpinBox* pixelHeight_;
  QDoubleSpinBox* width_;
  QDoubleSpinBox* height_;
  QSpinBox* resolution_;
  QCheckBox* keepProportions_;
  QComboBox* pixelFormat_;
  int ppm_ = 7874;
  int rememberedWidth_ = 0;
  int rememberedHeight_ = 0;
  // Set while a handler updates other fields, whose own handlers then stay quiet.
  bool updating_ = false;
};

}  // namespace sudoku
