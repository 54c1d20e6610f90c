#include "ui/ok_cancel_dialog.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace sudoku {

TOKCancelDlg::TOKCancelDlg(QWidget* parent, const StartupSettings& options,
                           const QImage& background)
    : QDialog(parent), options_(options) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  client_ = new QWidget(this);
  client_->setObjectName("Background_Client");
  panelBottom_ = new QWidget(this);
  panelBottom_->setObjectName("Panel_Bottom");
  layout->addWidget(client_, 1);
  layout->addWidget(panelBottom_);
  (new TBackground(client_))->SetBkgndImage(background);
  (new TBackground(panelBottom_))->SetBkgndImage(background);

  ok_ = new QPushButton("OK", panelBottom_);
  ok_->setObjectName("OKBtn");
  ok_->setDefault(true);
  ok_->setToolTip("Schließt den Dialog und\nübernimmt die Einstellungen.");
  cancel_ = new QPushButton("Abbrechen", panelBottom_);
  cancel_->setObjectName("CancelBtn");
  cancel_->setToolTip("Schließt den Dialog ohne die\nEinstellungen zu übernehmen.");
  auto* buttons = new QHBoxLayout(panelBottom_);
  buttons->setContentsMargins(8, 6, 8, 6);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  qApp->installEventFilter(this);
}

bool TOKCancelDlg::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) hints_ = options_.globalShowHint;
  return QDialog::event(event);
}

bool TOKCancelDlg::eventFilter(QObject* watched, QEvent* event) {
  // Tool tips of this dialog's controls are shown only while hints are on.
  if (event->type() == QEvent::ToolTip && !hints_) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->window() == this) return true;
  }
  return false;
}

}  // namespace sudoku
