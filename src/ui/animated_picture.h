#pragma once
// A small picture that either runs through its frames or shows one chosen frame.

#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

namespace sudoku {

class AnimatedPicture : public QWidget {
 public:
  AnimatedPicture(QWidget* parent, QList<QImage> frames, int frameMs = 100);
  void Animate(bool on);
  bool Animating() const { return timer_.isActive(); }
  void SetFrame(int frame);
  int Frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QList<QImage> frames_;
  QTimer timer_;
  int frame_ = 0;
};

}  // namespace sudoku
