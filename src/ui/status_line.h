#pragma once
// The status window's lines and pictures, as the main window reports to it.

#include <QString>

namespace sudoku {

class StatusLine {
 public:
  virtual ~StatusLine() = default;
  virtual void ShowLastAction(const QString& text) = 0;
  virtual void ShowError(const QString& text) = 0;
  virtual void UpdateGameNumber(const QString& name) = 0;
  virtual void AnimateStarted(bool on) = 0;
  virtual void AnimateRunning(bool on) = 0;
  virtual void SetInputModeFrame(int frame) = 0;
  virtual void SetSmileyFrame(int frame) = 0;
};

}  // namespace sudoku
