#pragma once
// Answers the next message box with the given button once it is up.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace sudoku::test {

inline void AnswerNextMessageBox(QMessageBox::StandardButton answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      if (QAbstractButton* button = box->button(answer)) button->click();
    }
  });
  timer->start(10);
}

}  // namespace sudoku::test
