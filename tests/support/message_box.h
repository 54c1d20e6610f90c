#pragma once
// Message boxes in widget tests: answering the next one, and failing a test whose dialog
// nobody answers instead of letting it wait for ever.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace sudoku::test {

// A dialog may wait this long for an answer.
inline constexpr int kDialogPatienceMs = 30000;

// Answers the next message box with the given button once it is up; gives up when none comes
// within kDialogPatienceMs, so that it cannot answer a later test's box.
inline void AnswerNextMessageBox(QMessageBox::StandardButton answer) {
  auto* timer = new QTimer;
  const QDeadlineTimer deadline(kDialogPatienceMs);
  QObject::connect(timer, &QTimer::timeout, [timer, answer, deadline] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box && !deadline.hasExpired()) return;
    timer->stop();
    timer->deleteLater();
    if (box) {
      if (QAbstractButton* button = box->button(answer)) button->click();
    }
  });
  timer->start(10);
}

// Watches the modal dialogs of the whole run: one that stays up unanswered for
// kDialogPatienceMs fails the test that opened it and is closed.
inline void FailUnansweredDialogs() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] {
    static QPointer<QWidget> watched;
    static QDeadlineTimer deadline;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != watched) {
      watched = modal;
      deadline.setRemainingTime(kDialogPatienceMs);
      return;
    }
    if (!modal || !deadline.hasExpired()) return;
    const auto* box = qobject_cast<QMessageBox*>(modal);
    ADD_FAILURE() << "a dialog waited unanswered: "
                  << (box ? box->text() : modal->windowTitle()).toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
    watched = nullptr;
  });
  timer->start(100);
}

}  // namespace sudoku::test
