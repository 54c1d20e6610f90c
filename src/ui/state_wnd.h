#pragma once
// The status window: the last action or error, the puzzle number and four small pictures. It
// stays on top, can be dragged by any point and docks to the main window.

#include <QFrame>
#include <QLabel>
#include <QPoint>
#include <QWidget>

#include "settings/settings.h"
#include "ui/animated_picture.h"
#include "ui/status_line.h"
#include "ui/win_proc_hook.h"

namespace sudoku {

class TSudokuMainForm;

// The status line's pieces, also shown by the help: a sunken frame, and a text embossed from
// two labels, a white one at `place` behind a purple one a pixel lower right.
QFrame* StatusBevel(QWidget* parent, const QRect& place);
void StatusText(QWidget* parent, QLabel* (&labels)[2], const QRect& place, Qt::Alignment align,
                const QString& text);

class TStateWnd : public QWidget, public StatusLine {
 public:
  TStateWnd(TSudokuMainForm& main, Settings& settings, StartupSettings& options,
            const QImage& background);
  ~TStateWnd() override;

  void ShowLastAction(const QString& text) override;
  void ShowError(const QString& text) override;
  void UpdateGameNumber(const QString& name) override;
  void AnimateStarted(bool on) override { started_->Animate(on); }
  void AnimateRunning(bool on) override { running_->Animate(on); }
  void SetInputModeFrame(int frame) override { inputMode_->SetFrame(frame); }
  void SetSmileyFrame(int frame) override { smiley_->SetFrame(frame); }

  // Follows the main window: its corner plus the kept offset.
  void MoveDocked(const QPoint& mainTopLeft);
  // Leaves the screen while the main window is minimised and comes back with it.
  void FollowMinimised(bool minimised);
  // For a moment an ordinary window, while the main window comes to the front.
  void SetStayOnTop(bool on);

  QString LastActionText() const { return lastAction_[0]->text(); }
  QString GameNumberText() const { return gameNumber_[0]->text(); }
  const AnimatedPicture& Started() const { return *started_; }
  const AnimatedPicture& Running() const { return *running_; }
  const AnimatedPicture& InputMode() const { return *inputMode_; }
  const AnimatedPicture& Smiley() const { return *smiley_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void Place();
  void SetText(QLabel* const (&labels)[2], const QString& text);

  TSudokuMainForm& main_;
  Settings& settings_;
  StartupSettings& options_;
  QLabel* lastAction_[2];
  QLabel* gameNumber_[2];
  AnimatedPicture* started_;
  AnimatedPicture* running_;
  AnimatedPicture* inputMode_;
  AnimatedPicture* smiley_;
  TWinProcHook hook_;
  bool movingByProgram_ = false;
  bool created_ = false;
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace sudoku
