#pragma once
// The own-puzzle editor: a puzzle entered by hand, or generated and then thinned out with the
// track bar; checked continuously for duplicates and for a solution the program finds.

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <string>
#include <vector>

#include "model/puzzle_index.h"
#include "solve/generator.h"
#include "ui/ok_cancel_dialog.h"
#include "ui/qt_event_pump.h"

namespace sudoku {

class TUserDefDlg : public TOKCancelDlg {
 public:
  // `list` is the chooser's list (its selection follows duplicates), `samples` its texts and
  // `known` their index by list position.
  TUserDefDlg(QWidget* parent, bool editMode, QAbstractItemView& list,
              const std::vector<std::string>& samples, const PuzzleIndex& known, Settings& settings,
              StartupSettings& options, const QImage& background);
  ~TUserDefDlg() override;

  const std::string& PuzzleText() const { return puzzle_; }
  int EditIndex() const { return editIndex_; }
  bool AutoModeOn() const { return autoMode_; }
  bool Valid() const { return valid_; }
  bool Solved() const { return solved_; }
  bool GridKnown() const { return gridKnown_; }
  QPoint EditorCursor() const { return cursor_; }

  QPushButton* ButtonAutoCreate() const { return autoCreate_; }
  QPushButton* ButtonClear() const { return clear_; }
  QPushButton* ButtonSwap() const { return swap_; }
  QSlider* TrackBar() const { return trackBar_; }
  QLabel* LabelBest() const { return best_; }
  QStatusBar* Status() const { return status_; }
  QString StatusPanel(int i) const { return panels_[i]->text(); }
  bool RedLit() const { return redLit_; }
  bool GreenLit() const { return greenLit_; }
  QWidget* PanelSudoku() const { return panel_; }

  // The editor's operations, as keys and buttons reach them.
  void SetEditorCursor(int x, int y);
  void MoveEditorCursor(int dx, int dy);
  void EnterEditorDigit(char ch);
  void SetAutoMode(bool on, bool unlimited = false);
  void Swap();
  void ClearPuzzle();
  void SetPuzzle(const std::string& text);
  PuzzleGenerator& Generator() { return generator_; }

  void accept() override;
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateEditorStatus();
  void TrackBarChange();
  void PaintBoard(QPainter& p);
  int CellAtPoint(const QPoint& point) const;
  void SetLeds();
  void FormCloseQuery();
  // Makes row the list's current and selected item, none for -1.
  void SetListRow(int row);

  QAbstractItemView& list_;
  const std::vector<std::string>& samples_;
  const PuzzleIndex& known_;
  Settings& settings_;
  bool editMode_;
  int editIndex_ = -1;
  bool autoMode_ = false;
  bool unlimited_ = false;
  bool gridKnown_ = false;
  bool valid_ = false;
  bool solved_ = false;
  bool redLit_ = false, greenLit_ = false;
  bool generating_ = false;
  BoardRecord grid_;
  std::string puzzle_ = std::string(81, '0');
  CellOrder order_{};
  QPoint cursor_{0, 0};

  QtEventPump pump_;
  PuzzleGenerator generator_{&pump_};
  RunState checkState_;
  Solver checker_{checkState_};

  QWidget* panel_;
  QWidget* board_;
  QSlider* trackBar_;
  QLabel* best_;
  QWidget* trackRow_;
  QPushButton* autoCreate_;
  QPushButton* clear_;
  QPushButton* swap_;
  QLabel* red_;
  QLabel* green_;
  QRadioButton* modes_[3];
  QStatusBar* status_;
  QLabel* panels_[3];
};

}  // namespace sudoku
