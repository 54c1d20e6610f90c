#pragma once
// A hook on one window's events: a handler sees each event first and may mark it handled;
// events it leaves go on to the window as usual, and an after-handler sees them once the window
// has processed them. The hook lets go of a window that is destroyed or replaced.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace sudoku {

class TWinProcHook : public QObject {
 public:
  using Handler = std::function<void(QObject* window, QEvent* event, bool& handled)>;
  using AfterHandler = std::function<void(QObject* window, QEvent* event)>;

  explicit TWinProcHook(QObject* parent = nullptr) : QObject(parent) {}
  ~TWinProcHook() override;

  // Throws std::invalid_argument for a null control.
  void SetWinControl(QWidget* window);
  QWidget* WinControl() const { return window_; }

  Handler handler;
  AfterHandler afterHandler;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  bool forwarding_ = false;
};

}  // namespace sudoku
