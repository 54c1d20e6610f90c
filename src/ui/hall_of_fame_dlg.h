#pragma once
// The hall of fame: the greeting that asks a winner's name, the table of the ten fastest
// solutions of a puzzle, and the port through which the game reports a won game.

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "game/ports.h"
#include "library/hall_of_fame.h"
#include "ui/program_art.h"

namespace sudoku {

class WinSound;

// A two-state picture button; its click shows "on" for 200 ms and "off" for 100 ms before the
// dialog closes, so the press is seen.
class TPictureSwitch : public QAbstractButton {
 public:
  explicit TPictureSwitch(QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ForRatio<QImage> off_, on_;
};

// A frameless, screen-centred dialog whose client area is a picture, drawn for the screen's pixel
// ratio; Enter anywhere works the switch.
class TPictureDlg : public QDialog {
 public:
  TPictureDlg(QWidget* parent, ForRatio<QImage>::Paint picture);
  TPictureSwitch* Switch() const { return switch_; }
  // The switch's click: the press shown, then OK.
  void SwitchOn();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Keeps the window responsive; a wait begun during another returns at once.
  void Wait(int ms);
  ForRatio<QImage> picture_;
  TPictureSwitch* switch_;
  bool waiting_ = false;
};

class TEndGameDlg : public TPictureDlg {
 public:
  explicit TEndGameDlg(QWidget* parent);
  QLineEdit* NameEdit() const { return name_; }
  // The name with surrounding blanks removed; empty when the dialog was not closed with OK.
  QString AskName();

 private:
  QLineEdit* name_;
};

class THallOfFameDlg : public TPictureDlg {
 public:
  THallOfFameDlg(QWidget* parent, const std::string& id, const HallOfFameTable& table);
  // The black label of each pair (title, names, times, steps); the coloured one lies above it.
  QLabel* Label(int pair) const { return black_[pair]; }
  QLabel* ColouredLabel(int pair) const { return coloured_[pair]; }

 private:
  QLabel* black_[4];
  QLabel* coloured_[4];
};

// A name line: the name, a blank, as many dots as keep the line narrower than `width` in the
// label's font, and a colon.
QString DottedNameLine(const QString& name, const QFontMetrics& metrics, int width);

// The hall of fame as the game sees it.
class HallOfFameWindows : public HallOfFamePort {
 public:
  HallOfFameWindows(Settings& settings, QWidget* parent);
  ~HallOfFameWindows() override;
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool HasEntry(const std::string& puzzleId) override { return hallOfFame_.HasEntry(puzzleId); }
  void GameWon(const std::string& puzzleId, uint32_t timeMs, int steps) override;
  // The table of a puzzle; nothing is shown when it has none.
  void ShowHallOfFame(const std::string& puzzleId);

  // After a name was entered: the hall-of-fame command may now apply.
  std::function<void()> onEntered;
  // Replaceable for tests: the sound, the name asked of the winner and the showing of a table.
  std::function<void()> playSound;
  std::function<QString()> askName;
  std::function<void(THallOfFameDlg&)> showTable;

 private:
  HallOfFame hallOfFame_;
  QWidget* parent_;
  std::unique_ptr<WinSound> sound_;
};

}  // namespace sudoku
