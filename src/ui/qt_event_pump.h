#pragma once
// The Qt event loop as the solving aids see it.

#include <QElapsedTimer>

#include "solve/ports.h"

namespace sudoku {

class QtEventPump : public EventPump {
 public:
  QtEventPump() { clock_.start(); }
  bool DispatchPending() override;
  void Sleep(unsigned ms) override;
  uint64_t TickMs() override { return static_cast<uint64_t>(clock_.elapsed()); }

 private:
  QElapsedTimer clock_;
};

}  // namespace sudoku
