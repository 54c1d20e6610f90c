#pragma once
// The options window: drops down under the options button, holds every setting, and hides as
// soon as it loses the focus. Each change takes effect and is stored at once.

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QWidget>

#include "settings/settings.h"
#include "skin/skin_modules.h"

namespace sudoku {

class TSudokuMainForm;
class TStateWnd;

// The speed label's text for a position of the speed track bar.
QString VelocityLabel(int position);

class TOptionWnd : public QWidget {
 public:
  TOptionWnd(TSudokuMainForm& main, Settings& settings, StartupSettings& options,
             const QImage& background);
  void SetStateWnd(TStateWnd* stateWnd) { stateWnd_ = stateWnd; }

  // The options command: shows the window under the options button, without the skin list.
  void ShowUnderButton();
  // "Skin wechseln": the list of skins beside the settings.
  void ShowSkinList();
  bool SkinListShown() const { return width() > kPanelWidth; }

  QSlider* TrackBarVelocity() const { return velocity_; }
  QLabel* LabelVelocity() const { return velocityLabel_; }
  QRadioButton* WarningLevel(int level) const { return warning_[level]; }
  QCheckBox* StateWndAutostart() const { return autostart_; }
  QCheckBox* StateWndDocking() const { return docking_; }
  QCheckBox* RememberWndPos() const { return remember_; }
  QCheckBox* ShowHint() const { return showHint_; }
  QCheckBox* ShowInvNumBlock() const { return keypad_; }
  QListWidget* SkinList() const { return skins_; }
  // Picks list entry `row` as a click does.
  void PickSkin(int row);

  static constexpr int kPanelWidth = 204;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();
  void VelocityChanged(int position);
  void StateWndShownChanged();
  void ApplyHints();

  TSudokuMainForm& main_;
  Settings& settings_;
  StartupSettings& options_;
  TStateWnd* stateWnd_ = nullptr;
  TSkinList skinList_;
  QSlider* velocity_;
  QLabel* velocityLabel_;
  QRadioButton* warning_[3];
  QCheckBox* autostart_;
  QCheckBox* docking_;
  QCheckBox* remember_;
  QCheckBox* showHint_;
  QCheckBox* keypad_;
  QPushButton* skinButton_;
  QPushButton* closeButton_;
  QWidget* right_;
  QListWidget* skins_;
  std::vector<std::pair<QWidget*, QString>> hints_;
  bool initialised_ = false;
  bool guard_ = false;
};

}  // namespace sudoku
