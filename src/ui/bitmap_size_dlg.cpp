#include "ui/bitmap_size_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace sudoku {
namespace {

// To the nearest integer, halves to even.
int RoundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

class Updating {
 public:
  explicit Updating(bool& flag) : flag_(flag) { flag_ = true; }
  ~Updating() { flag_ = false; }
  Updating(const Updating&) = delete;
  Updating& operator=(const Updating&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TBitmapSizeDlg::TBitmapSizeDlg(QWidget* parent, BitmapSizeMemory& memory,
                               const StartupSettings& options, const QImage& background)
    : TOKCancelDlg(parent, options, background), memory_(memory) {
  setWindowTitle("Bildgröße");
  setObjectName("TBitmapSizeDlg");

  auto* grid = new QGridLayout(Client());
  grid->setContentsMargins(12, 10, 12, 10);
  grid->setHorizontalSpacing(8);
  int row = 0;
  auto heading = [&](const QString& text) {
    auto* label = new QLabel(text, Client());
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    grid->addWidget(label, row++, 0, 1, 3);
  };
  auto field = [&](const QString& caption, QAbstractSpinBox* box, const QString& unit,
                   const char* name) {
    box->setObjectName(name);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    box->setAlignment(Qt::AlignRight);
    auto* label = new QLabel(caption, Client());
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(new QLabel(unit, Client()), row++, 2);
  };
  auto pixels = [&] {
    auto* box = new QSpinBox(Client());
    box->setRange(0, 9999);
    box->setValue(1024);
    return box;
  };
  auto centimetres = [&] {
    auto* box = new QDoubleSpinBox(Client());
    box->setDecimals(2);
    box->setRange(0.1, 200);
    box->setSingleStep(0.1);
    box->setValue(13.0);
    return box;
  };

  heading("Pixelmaße:");
  pixelWidth_ = pixels();
  field("&Breite:", pixelWidth_, "Pixel", "RxSpinEdit_PixelBreite");
  pixelHeight_ = pixels();
  field("&Höhe:", pixelHeight_, "Pixel", "RxSpinEdit_PixelHoehe");
  heading("Größe:");
  width_ = centimetres();
  field("Brei&te:", width_, "cm", "RxSpinEdit_Breite");
  height_ = centimetres();
  field("Höh&e:", height_, "cm", "RxSpinEdit_Hoehe");
  resolution_ = new QSpinBox(Client());
  resolution_->setRange(1, 2000);
  resolution_->setValue(200);
  field("A&uflösung:", resolution_, "Pixel/Zoll", "RxSpinEdit_Aufloesung");

  keepProportions_ = new QCheckBox("&Proportionen erhalten", Client());
  keepProportions_->setObjectName("CheckBox_Proportionen_erhalten");
  keepProportions_->setChecked(true);
  grid->addWidget(keepProportions_, row++, 0, 1, 3);

  pixelFormat_ = new QComboBox(Client());
  pixelFormat_->setObjectName("ComboBox_PixelFormat");
  pixelFormat_->addItems({"Schwarz/Weiß-Bitmap", "Palette mit 16 Farben", "Palette mit 256 Farben",
                          "TrueColor-Bitmap (15 Bits/Pixel)", "TrueColor-Bitmap (16 Bits/Pixel)",
                          "TrueColor-Bitmap (24 Bits/Pixel)", "TrueColor-Bitmap (32 Bits/Pixel)"});
  auto* formatLabel = new QLabel("Bild&format:", Client());
  formatLabel->setBuddy(pixelFormat_);
  grid->addWidget(formatLabel, row, 0);
  grid->addWidget(pixelFormat_, row++, 1, 1, 2);

  // The fields as remembered from the last confirmation, set without their handlers.
  if (memory_.confirmed) {
    pixelWidth_->setValue(memory_.pixelWidth);
    pixelHeight_->setValue(memory_.pixelHeight);
    width_->setValue(memory_.widthCm);
    height_->setValue(memory_.heightCm);
    resolution_->setValue(memory_.pixelsPerInch);
  }
  // The list shows the format the export will use, from the first opening on.
  pixelFormat_->setCurrentIndex(std::clamp(memory_.pixelFormat, 1, 7) - 1);

  connect(resolution_, &QSpinBox::valueChanged, this, [this] { ResolutionChanged(); });
  connect(pixelWidth_, &QSpinBox::valueChanged, this, [this] { PixelSizeChanged(true); });
  connect(pixelHeight_, &QSpinBox::valueChanged, this, [this] { PixelSizeChanged(false); });
  connect(width_, &QDoubleSpinBox::valueChanged, this, [this] { CentimetresChanged(true); });
  connect(height_, &QDoubleSpinBox::valueChanged, this, [this] { CentimetresChanged(false); });
  connect(keepProportions_, &QCheckBox::clicked, this, [this](bool on) { ProportionsClicked(on); });
  // An empty picture is no picture: OK waits for both sides.
  auto sizeValid = [this] {
    OKBtn()->setEnabled(pixelWidth_->value() > 0 && pixelHeight_->value() > 0);
  };
  connect(pixelWidth_, &QSpinBox::valueChanged, this, sizeValid);
  connect(pixelHeight_, &QSpinBox::valueChanged, this, sizeValid);

  rememberedWidth_ = pixelWidth_->value();
  rememberedHeight_ = pixelHeight_->value();
  ResolutionChanged();
  setFixedSize(sizeHint());
}

void TBitmapSizeDlg::ResolutionChanged() {
  if (updating_) return;
  Updating updating(updating_);
  ppm_ = RoundEven(resolution_->value() / 0.0254);
  pixelWidth_->setValue(RoundEven(width_->value() * ppm_ * 0.01));
  pixelHeight_->setValue(RoundEven(height_->value() * ppm_ * 0.01));
}

void TBitmapSizeDlg::PixelSizeChanged(bool horizontal) {
  if (updating_) return;
  Updating updating(updating_);
  QSpinBox* pixels = horizontal ? pixelWidth_ : pixelHeight_;
  QDoubleSpinBox* centimetres = horizontal ? width_ : height_;
  centimetres->setValue(pixels->value() / (ppm_ * 0.01));
  if (keepProportions_->isChecked()) {
    (horizontal ? pixelHeight_ : pixelWidth_)->setValue(pixels->value());
    (horizontal ? height_ : width_)->setValue(centimetres->value());
  }
}

void TBitmapSizeDlg::CentimetresChanged(bool horizontal) {
  if (updating_) return;
  Updating updating(updating_);
  QSpinBox* pixels = horizontal ? pixelWidth_ : pixelHeight_;
  QDoubleSpinBox* centimetres = horizontal ? width_ : height_;
  pixels->setValue(RoundEven(centimetres->value() * ppm_ * 0.01));
  if (keepProportions_->isChecked()) {
    (horizontal ? height_ : width_)->setValue(centimetres->value());
    (horizontal ? pixelHeight_ : pixelWidth_)->setValue(pixels->value());
  }
}

void TBitmapSizeDlg::ProportionsClicked(bool checked) {
  if (updating_ || !checked) return;
  // Back to the size of the opening or the last confirmation, each step propagating: the
  // picture becomes square.
  pixelWidth_->setValue(rememberedWidth_);
  pixelHeight_->setValue(rememberedHeight_);
}

void TBitmapSizeDlg::accept() {
  // A value typed but not yet committed by leaving its field counts.
  for (QAbstractSpinBox* box : findChildren<QAbstractSpinBox*>()) box->interpretText();
  if (pixelWidth_->value() <= 0 || pixelHeight_->value() <= 0) return;
  memory_.confirmed = true;
  memory_.pixelWidth = pixelWidth_->value();
  memory_.pixelHeight = pixelHeight_->value();
  memory_.widthCm = width_->value();
  memory_.heightCm = height_->value();
  memory_.pixelsPerInch = resolution_->value();
  memory_.pixelsPerMetre = ppm_;
  memory_.pixelFormat = pixelFormat_->currentIndex() + 1;
  rememberedWidth_ = memory_.pixelWidth;
  rememberedHeight_ = memory_.pixelHeight;
  TOKCancelDlg::accept();
}

}  // namespace sudoku
