#include "ui/animated_picture.h"

#include <QPainter>

namespace sudoku {

AnimatedPicture::AnimatedPicture(QWidget* parent, QList<QImage> frames, int frameMs)
    : QWidget(parent), frames_(std::move(frames)) {
  setAttribute(Qt::WA_TranslucentBackground);
  timer_.setInterval(frameMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (!frames_.isEmpty()) SetFrame((frame_ + 1) % static_cast<int>(frames_.size()));
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
  if (frame < 0 || frame >= frames_.size() || frame == frame_) return;
  frame_ = frame;
  update();
}

void AnimatedPicture::paintEvent(QPaintEvent*) {
  if (frames_.isEmpty()) return;
  QPainter p(this);
  p.drawImage(rect(), frames_[frame_]);
}

}  // namespace sudoku
