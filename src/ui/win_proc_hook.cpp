#include "ui/win_proc_hook.h"

#include <QCoreApplication>
#include <stdexcept>

namespace sudoku {

TWinProcHook::~TWinProcHook() {
  if (window_) window_->removeEventFilter(this);
}

void TWinProcHook::SetWinControl(QWidget* window) {
  if (!window) throw std::invalid_argument("TWinProcHook.SetWinControl parameter is not a window");
  if (window_ == window) return;
  if (window_) window_->removeEventFilter(this);
  window_ = window;
  window_->installEventFilter(this);
}

bool TWinProcHook::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || forwarding_) return false;
  bool handled = false;
  if (handler) handler(watched, event, handled);
  if (handled) return true;
  if (!afterHandler) return false;
  // Let the window process the event now, so the after-handler sees its result.
  forwarding_ = true;
  QCoreApplication::sendEvent(watched, event);
  forwarding_ = false;
  if (window_ == watched) afterHandler(watched, event);
  return true;
}

}  // namespace sudoku
