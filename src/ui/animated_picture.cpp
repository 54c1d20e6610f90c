#include "ui/animated_picture.h"

#include <QPainter>

namespace sudoku {

AnimatedPicture::AnimatedPicture(QWidget* parent, ForRatio<QList<QImage>>::Paint frames,
                                 int frameMs)
    : QWidget(parent),
      frames_(std::move(frames), devicePixelRatioF()),
      count_(static_cast<int>(frames_.Current().size())) {
  setAttribute(Qt::WA_TranslucentBackground);
  timer_.setInterval(frameMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (count_ > 0) SetFrame((frame_ + 1) % count_);
  });
}

void AnimatedPicture::Animate(bool on) {
  if (on == timer_.isActive()) return;
  if (on) {
    timer_.start();
  } else {
    timer_.stop();
    SetFrame(0);
  }
}

void AnimatedPicture::SetFrame(int frame) {
  if (frame < 0 || frame >= count_ || frame == frame_) return;
  frame_ = frame;
  update();
}

void AnimatedPicture::paintEvent(QPaintEvent*) {
  const QList<QImage>& frames = frames_.At(devicePixelRatioF());
  if (frame_ >= frames.size()) return;
  QPainter p(this);
  p.drawImage(QPointF(0, 0), frames[frame_]);
}

}  // namespace sudoku
