#include "ui/background.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

namespace sudoku {

TBackground::TBackground(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  if (parent) {
    setGeometry(parent->rect());
    parent->installEventFilter(this);
    lower();
  }
}

void TBackground::SetBkgndImage(const QImage& tile) {
  tile_ = tile;
  update();
}

bool TBackground::eventFilter(QObject* watched, QEvent* event) {
  // Fills its parent, as a client-aligned box does.
  if (watched == parentWidget() && event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
  }
  return false;
}

void TBackground::paintEvent(QPaintEvent*) {
  if (tile_.isNull() || tile_.width() == 0 || tile_.height() == 0 || !parentWidget()) return;
  QPainter p(this);
  // Where this box's origin lies on the window's tile grid.
  const QPoint origin = mapTo(window(), QPoint(0, 0));
  const int w = tile_.width(), h = tile_.height();
  const QPoint offset((origin.x() % w + w) % w, (origin.y() % h + h) % h);
  p.drawTiledPixmap(rect(), QPixmap::fromImage(tile_), offset);
}

}  // namespace sudoku
