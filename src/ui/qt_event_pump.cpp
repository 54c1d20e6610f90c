#include "ui/qt_event_pump.h"

#include <QAbstractEventDispatcher>
#include <QThread>

namespace sudoku {

bool QtEventPump::DispatchPending() {
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  return dispatcher && dispatcher->processEvents(QEventLoop::AllEvents);
}

void QtEventPump::Sleep(unsigned ms) { QThread::msleep(ms); }

}  // namespace sudoku
