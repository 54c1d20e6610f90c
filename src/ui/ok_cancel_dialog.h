#pragma once
// The common base of the dialogs: a client area and a bottom panel on the background tile, with
// "OK" and "Abbrechen"; hints follow the global setting each time the dialog is activated.

#include <QDialog>
#include <QPushButton>
#include <QWidget>

#include "settings/settings.h"
#include "ui/background.h"

namespace sudoku {

class TOKCancelDlg : public QDialog {
 public:
  TOKCancelDlg(QWidget* parent, const StartupSettings& options, const QImage& background);

  QWidget* Client() const { return client_; }
  QWidget* PanelBottom() const { return panelBottom_; }
  QPushButton* OKBtn() const { return ok_; }
  QPushButton* CancelBtn() const { return cancel_; }
  bool HintsShown() const { return hints_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const StartupSettings& options_;
  QWidget* client_;
  QWidget* panelBottom_;
  QPushButton* ok_;
  QPushButton* cancel_;
  bool hints_ = true;
};

}  // namespace sudoku
