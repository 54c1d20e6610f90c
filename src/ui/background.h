#pragma once
// A paint box that fills its parent with the background tile, the tile grid anchored at its
// window's origin, so that neighbouring boxes show one continuous pattern.

#include <QImage>
#include <QWidget>

namespace sudoku {

class TBackground : public QWidget {
 public:
  explicit TBackground(QWidget* parent);
  void SetBkgndImage(const QImage& tile);
  const QImage& BkgndImage() const { return tile_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QImage tile_;
};

}  // namespace sudoku
