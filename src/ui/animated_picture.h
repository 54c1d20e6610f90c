#pragma once
// A small picture that either runs through its frames or shows one chosen frame. The frames
// are drawn for the pixel ratio of the screen the picture is shown on.

#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

#include "ui/program_art.h"

namespace sudoku {

class AnimatedPicture : public QWidget {
 public:
  AnimatedPicture(QWidget* parent, ForRatio<QList<QImage>>::Paint frames, int frameMs = 100);
  void Animate(bool on);
  bool Animating() const { return timer_.isActive(); }
  void SetFrame(int frame);
  int Frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ForRatio<QList<QImage>> frames_;
  int count_;
  QTimer timer_;
  int frame_ = 0;
};

}  // namespace sudoku
