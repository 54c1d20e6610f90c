#pragma once
// The main window: a frameless window shaped and drawn by the skin. It owns the game and the
// skin, turns clicks and keys into calls of the game, and shows what the game reports.

#include <QAction>
#include <QMenu>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "game/command_states.h"
#include "game/game_controller.h"
#include "library/catalogue_port.h"
#include "library/print_layout.h"
#include "settings/settings.h"
#include "skin/skin_view.h"
#include "ui/qt_event_pump.h"
#include "ui/status_line.h"
#include "ui/win_proc_hook.h"

namespace sudoku {

class TSudokuMainForm : public QWidget, public GameView, public CellSource, public CataloguePort {
 public:
  TSudokuMainForm(Settings& settings, StartupSettings& options, HallOfFamePort* hallOfFame = nullptr);
  ~TSudokuMainForm() override;

  GameController& Game() { return *game_; }
  SkinView& Skin() { return skin_; }
  Settings& AppSettings() { return settings_; }
  StartupSettings& Options() { return options_; }
  // False when not even the built-in skin could be shown: the program must end.
  bool SkinUsable() const { return skinUsable_; }
  void SetStatusLine(StatusLine* status) { status_ = status; }
  // The puzzle number as shown: the name field holds Windows-1252.
  QString PuzzleNameText() const;
  // A second start of the program asks the running one to come to the front.
  void BringToFront();
  // Applies the skin and re-shapes the window; false (after the fallback) when it failed. A
  // failure is reported over `messageParent`, the main window when none is given.
  bool ChangeSkin(const QString& fileName, QWidget* messageParent = nullptr);
  // Where the skin modules are: beside the program.
  QString SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const QString& directory) { skinDirectory_ = directory; }

  // The actions, by their names.
  QAction* Action(const QString& name) const;
  QMenu* FilesMenu() const { return filesMenu_; }
  QMenu* MemoryMenu() const { return memoryMenu_; }
  QMenu* HelpMenu() const { return helpMenu_; }
  uint16_t ButtonEnabled() const { return buttonEnabled_; }

  // The commands whose windows live elsewhere; unset ones do nothing.
  std::function<void()> onSamples, onOptions, onOpen, onSave, onPrint, onPrinterSetup,
      onHallOfFame;
  std::function<void(const QString& page)> onHelp;
  // The chooser's "&Drucken", with the dialog as the print dialog's parent.
  std::function<void(QWidget* parent, const std::vector<PrintListEntry>& entries)> onPrintList;
  // The window moved (the status window follows a docked one).
  std::function<void(const QPoint& topLeft)> onMoved;
  // The window was minimised (true) or came back from its button (false).
  std::function<void(bool minimised)> onMinimised;
  // The window has closed: the program ends.
  std::function<void()> onClosed;
  // Before and after the window comes to the front at another start's request.
  std::function<void(bool front)> onBringToFront;

  // The commands of the skin's buttons and menus.
  void DispatchHit(const Hit& hit);
  void CopyCell();
  void PasteCell();
  void Uninstall();

  // GameView.
  void RedrawCell(int cell) override { skin_.RedrawCell(cell); }
  void UpdateGroupIndicator(uint16_t columns, uint16_t rows, uint16_t blocks) override;
  void ShowClock(int64_t ms) override { skin_.ShowClock(ms); }
  void ShowClockSeparators(bool shown) override { skin_.ShowClockSeparators(shown); }
  void ShowCounter(int steps) override { skin_.ShowCounter(steps); }
  void SetBlinkTimer(bool on) override;
  void MemoryPointChanged(int slot, bool set) override { skin_.DrawArea(27 + slot, set); }
  void ShowLastActionId(int id) override;
  void ShowErrorId(int id) override;
  void UpdateGameNumber() override;
  void AnimateStarted(bool on) override;
  void AnimateRunning(bool on) override;
  void SetInputModeFrame(int frame) override;
  void SetSmileyFrame(int frame) override;
  void CommandStatesChanged() override;
  // The hall-of-fame command applies when the current puzzle has a table.
  void RefreshHallOfFameCommand();
  bool AskYesNo(int textId) override;
  bool AskOkCancel(int textId) override;

  // "Action_Samples": the chooser; on OK its variant becomes the next game.
  void ChooseSample(const QImage& background);

  // CataloguePort.
  std::string CurrentPuzzleName() override { return game_->CurrentBoard().Name(); }
  void SetListNumber(int n) override { game_->SetListNumber(n); }
  void EmptyPlayground() override { game_->EmptyPlayground(); }
  void ShowInformation(const std::string& text) override;

  // CellSource.
  const BoardRecord& Board() const override { return game_->CurrentBoard(); }
  int Cursor() const override { return game_->CursorCell(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void BuildActions();
  void BuildMenus();
  void Place();
  void RestoreLastGame();
  void Shape();
  void HookEvent(QObject* window, QEvent* event, bool& handled);
  bool MouseEvent(QEvent* event);
  bool KeyPress(QKeyEvent* event);
  bool KeyRelease(QKeyEvent* event);
  // The Shift and Control flags as the platform reports the keys held.
  void FollowModifiers(Qt::KeyboardModifiers modifiers);
  void UpdatePressed(int code);
  void KeyTimerTick();
  void ShowMenuUnder(QMenu* menu, int button);
  void StartWindowMove(const QPoint& global);
  QAction* AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut,
                     const QKeySequence& second, std::function<void()> run, int tag = -1);

  Settings& settings_;
  StartupSettings& options_;
  QString skinDirectory_;
  QtEventPump pump_;
  std::unique_ptr<GameController> game_;
  SkinView skin_;
  TWinProcHook hook_;
  StatusLine* status_ = nullptr;
  bool skinUsable_ = true;

  QTimer keyTimer_;
  QTimer blinkTimer_;
  bool mouseDown_ = false;
  bool shift_ = false;
  bool control_ = false;
  bool dragging_ = false;
  QPoint dragOffset_;
  uint16_t buttonEnabled_ = 0x1FF;

  std::map<QString, QAction*> actions_;
  std::array<QAction*, 9> buttonActions_{};
  QMenu* filesMenu_ = nullptr;
  QMenu* memoryMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* aboutSkin_ = nullptr;
  std::vector<QAction*> memoryClearing_;
  std::array<QAction*, 9> memoryEntries_{};
  QAction* memorySetRecall_ = nullptr;
  std::vector<QAction*> aidEntries_;
  std::vector<QAction*> fillDirectionEntries_;
  QAction* saveEntry_ = nullptr;
};

}  // namespace sudoku
