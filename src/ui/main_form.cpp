#include "ui/main_form.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QtMath>

#include "base/cp1252.h"
#include "base/texts.h"
#include "game/cell_operations.h"
#include "model/board.h"
#include "skin/skin_directories.h"
#include "skin/skin_modules.h"
#include "ui/get_sample_dlg.h"

namespace sudoku {
namespace {

QString T(int id) { return QString::fromStdString(Text(id)); }

constexpr int kKeyTimerMs = 100;
constexpr int kBlinkMs = 500;

// The hit codes that act on release (the rest act on press).
bool ActsOnRelease(int code) { return (code >= 0 && code <= 26) || code == 126 || code == 127; }

// The digit that a keypad key carries by its place on the keypad, whatever NumLock and Shift
// made of it; -1 for other keys. The place comes from the key symbol (X11 keysym), else from
// the key code the X server and Wayland give the keypad's keys.
int KeypadDigit(const QKeyEvent& e) {
  const quint32 sym = e.nativeVirtualKey();
  if (sym >= 0xffb0 && sym <= 0xffb9) return static_cast<int>(sym - 0xffb0);  // XK_KP_0 to 9
  switch (sym) {
    case 0xff9e:
      return 0;  // XK_KP_Insert
    case 0xff9c:
      return 1;  // XK_KP_End
    case 0xff99:
      return 2;  // XK_KP_Down
    case 0xff9b:
      return 3;  // XK_KP_Next
    case 0xff96:
      return 4;  // XK_KP_Left
    case 0xff9d:
      return 5;  // XK_KP_Begin
    case 0xff98:
      return 6;  // XK_KP_Right
    case 0xff95:
      return 7;  // XK_KP_Home
    case 0xff97:
      return 8;  // XK_KP_Up
    case 0xff9a:
      return 9;  // XK_KP_Prior
    default:
      break;
  }
  static const bool evdevCodes = QGuiApplication::platformName() == "xcb" ||
                                 QGuiApplication::platformName().startsWith("wayland");
  if (!evdevCodes || !(e.modifiers() & Qt::KeypadModifier)) return -1;
  static const std::map<quint32, int> kCodes = {{79, 7}, {80, 8}, {81, 9}, {83, 4}, {84, 5},
                                                {85, 6}, {87, 1}, {88, 2}, {89, 3}, {90, 0}};
  const auto digit = kCodes.find(e.nativeScanCode());
  return digit == kCodes.end() ? -1 : digit->second;
}

}  // namespace

TSudokuMainForm::TSudokuMainForm(Settings& settings, StartupSettings& options,
                                 HallOfFamePort* hallOfFame)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      settings_(settings),
      options_(options),
      skinDirectories_(sudoku::SkinDirectories()),
      game_(std::make_unique<GameController>(*this, pump_, settings, options, hallOfFame)) {
  setObjectName("TSudokuMainForm");
  setWindowTitle("Sudoku");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  keyTimer_.setInterval(kKeyTimerMs);
  connect(&keyTimer_, &QTimer::timeout, this, [this] { KeyTimerTick(); });
  blinkTimer_.setInterval(kBlinkMs);
  connect(&blinkTimer_, &QTimer::timeout, this, [this] { game_->ClockTick(); });
  skin_.SetCellSource(this);
  skin_.SetKeypadOrder(options_.showInvNumBlock);
  skin_.SetDevicePixelRatio(devicePixelRatioF());
  skin_.onChanged = [this](const QRect& r) { update(r); };
  skin_.onKeyTimer = [this](bool on) {
    if (on) {
      keyTimer_.start();
    } else {
      keyTimer_.stop();
    }
  };
  skin_.onMemoryArea = [this](int slot, bool lit) {
    if (QAction* entry = memoryEntries_[static_cast<size_t>(slot)]) {
      entry->setText(QString::fromStdString(FormatText(lit ? 1078 : 1077, slot + 1)));
      entry->setChecked(lit);
    }
  };
  FormCreate();
}

TSudokuMainForm::~TSudokuMainForm() {
  // The position is kept whether or not it is used at the next start.
  settings_.WriteSettingInt(setting::kMainWndPosX, x());
  settings_.WriteSettingInt(setting::kMainWndPosY, y());
  game_->Run().StopRequested = true;
}

void TSudokuMainForm::FormCreate() {
  BuildActions();
  BuildMenus();
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    skin_.DrawArea(128, s != Qt::ApplicationActive);
  });
  buttonEnabled_ = 0x1FF;
  const QString lastSkin =
      QString::fromStdString(settings_.ReadSettingString(setting::kLastSkinDLL, ""));
  skinUsable_ = ChangeSkin(lastSkin) || skinUsable_;
  game_->ResetGame();
  hook_.handler = [this](QObject* w, QEvent* e, bool& handled) { HookEvent(w, e, handled); };
  hook_.SetWinControl(this);
  Place();
  game_->SetFlag(gfReady, true);
  game_->LoadMemoryPoints();
  RestoreLastGame();
}

bool TSudokuMainForm::ChangeSkin(const QString& fileName, QWidget* messageParent) {
  QWidget* parent = messageParent ? messageParent : this;
  const SkinLoad load =
      LoadSkin(skin_, skinDirectories_, fileName, settings_,
               [parent](const QString& text) { QMessageBox::critical(parent, "Sudoku", text); });
  if (load.fatal) {
    skinUsable_ = false;
    return false;
  }
  Shape();
  if (aboutSkin_) {
    aboutSkin_->setText(QString::fromStdString(FormatText(1081, skin_.SkinName().toUtf8().constData())));
  }
  return load.ok;
}

void TSudokuMainForm::Shape() {
  setFixedSize(skin_.Size());
  setMask(skin_.Outline());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
  }
  update();
}

void TSudokuMainForm::Place() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect s = screen->geometry();
  int left = (s.width() - width()) / 2, top = (s.height() - height()) / 2;
  if (options_.rememberWndPos) {
    left = settings_.ReadSettingInt(setting::kMainWndPosX, left, 0, std::max(0, s.width() - width()));
    top = settings_.ReadSettingInt(setting::kMainWndPosY, top, 0, std::max(0, s.height() - height()));
  }
  move(s.x() + left, s.y() + top);
}

void TSudokuMainForm::RestoreLastGame() {
  std::array<uint8_t, GameRecord::kSize> bytes{};
  if (!settings_.ReadSettingBinary(setting::kSaveLastGame, bytes, bytes)) {
    ShowLastActionId(1057);
    return;
  }
  const GameRecord record = GameRecord::FromBytes(bytes);
  if (GivensConsistent(record.board)) {
    try {
      game_->LoadGameRecord(record, true);
    } catch (const TextError& e) {
      QMessageBox::critical(this, "Sudoku", T(e.id()));
      return;
    }
  }
  ShowLastActionId(1057);
}

void TSudokuMainForm::closeEvent(QCloseEvent* event) {
  // A running calculation and any wait end; closing goes on.
  game_->LiveSolver().RequestStop();
  if (!settings_.SettingsErased()) {
    const auto bytes = game_->FillGameRecord().ToBytes();
    settings_.WriteSettingBinary(setting::kSaveLastGame, bytes);
  }
  event->accept();
  if (onClosed) onClosed();
}

void TSudokuMainForm::paintEvent(QPaintEvent* event) {
  // The surface is drawn for the screen the window is on; on another screen it is drawn again.
  skin_.SetDevicePixelRatio(devicePixelRatioF());
  QPainter p(this);
  const QImage& image = skin_.MainImage();
  // Drawn whole, pixel for pixel at the screen's ratio, and clipped: a partial rectangle in
  // logical pixels need not fall on device pixels.
  if (image.devicePixelRatio() != devicePixelRatioF()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
  }
  p.setClipRegion(event->region());
  p.drawImage(QPoint(0, 0), image);
}

void TSudokuMainForm::BringToFront() {
  if (onBringToFront) onBringToFront(false);
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  if (onBringToFront) onBringToFront(true);
}

void TSudokuMainForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (game_->Has(gfReady) && onMoved) onMoved(pos());
}

void TSudokuMainForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !onMinimised) return;
  const bool minimised = isMinimized();
  const bool was =
      static_cast<QWindowStateChangeEvent*>(event)->oldState().testFlag(Qt::WindowMinimized);
  if (minimised != was) onMinimised(minimised);
}

// ---- Input ----

void TSudokuMainForm::HookEvent(QObject*, QEvent* event, bool& handled) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      handled = MouseEvent(event);
      break;
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
      mouseDown_ = false;
      break;
    case QEvent::WindowActivate:
      // Key releases that went to another window are lost: ask the platform for the keys held.
      FollowModifiers(QGuiApplication::queryKeyboardModifiers());
      break;
    case QEvent::KeyPress:
      handled = KeyPress(static_cast<QKeyEvent*>(event));
      break;
    case QEvent::KeyRelease:
      handled = KeyRelease(static_cast<QKeyEvent*>(event));
      break;
    default:
      break;
  }
}

bool TSudokuMainForm::MouseEvent(QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  // On a scaled screen the pointer falls between logical pixels: the pixel is the one that
  // holds it. The widget position is rounded to the nearest corner; the window's (this is a
  // top-level window) is not.
  const QPoint pos(qFloor(mouse->scenePosition().x()), qFloor(mouse->scenePosition().y()));
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      if (mouse->button() != Qt::LeftButton) return false;
      mouseDown_ = true;
      const Hit hit = skin_.HitTest(pos.x(), pos.y());
      UpdatePressed(hit.code);
      if (hit.code == 128) {
        StartWindowMove(mouse->globalPosition().toPoint());
      } else if (hit.code >= 0 && !ActsOnRelease(hit.code)) {
        DispatchHit(hit);
      }
      return true;
    }
    case QEvent::MouseButtonRelease: {
      if (mouse->button() != Qt::LeftButton) return false;
      mouseDown_ = false;
      dragging_ = false;
      const Hit hit = skin_.HitTest(pos.x(), pos.y());
      if (ActsOnRelease(hit.code)) DispatchHit(hit);
      UpdatePressed(-1);
      return true;
    }
    case QEvent::MouseMove:
      if (dragging_ && (mouse->buttons() & Qt::LeftButton)) {
        move(mouse->globalPosition().toPoint() - dragOffset_);
      } else if (mouseDown_ && (mouse->buttons() & Qt::LeftButton)) {
        UpdatePressed(skin_.HitTest(pos.x(), pos.y()).code);
      }
      return true;
    default:
      return false;
  }
}

void TSudokuMainForm::UpdatePressed(int code) { skin_.SetPressedArea(code); }

void TSudokuMainForm::KeyTimerTick() {
  if (mouseDown_ && (QGuiApplication::mouseButtons() & Qt::LeftButton)) {
    const QPoint pos = mapFromGlobal(QCursor::pos());
    UpdatePressed(skin_.HitTest(pos.x(), pos.y()).code);
  } else {
    // The button went up outside the window: nothing is held any more.
    mouseDown_ = false;
    UpdatePressed(-1);
  }
}

void TSudokuMainForm::StartWindowMove(const QPoint& global) {
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  // Without a window manager that moves windows, move it by hand.
  dragging_ = true;
  dragOffset_ = global - pos();
}

void TSudokuMainForm::DispatchHit(const Hit& hit) {
  switch (hit.kind) {
    case hkRemoveDigit:
      game_->RemoveDigit(hit.value);
      break;
    case hkAddDigit:
      game_->AddDigit(hit.value);
      break;
    case hkSetDigit:
      game_->SetDigit(hit.value);
      break;
    case hkMemoryPoint:
      game_->MemoryPointClick(hit.value);
      break;
    case hkButton:
      if (!((buttonEnabled_ >> hit.value) & 1)) break;
      if (hit.value == 0) {
        ShowMenuUnder(filesMenu_, 0);
      } else if (hit.value == 6) {
        ShowMenuUnder(memoryMenu_, 6);
      } else if (hit.value == 8) {
        ShowMenuUnder(helpMenu_, 8);
      } else if (QAction* action = buttonActions_[static_cast<size_t>(hit.value)]) {
        action->trigger();
      }
      break;
    case hkCell:
      if (game_->Has(gfCalculating)) {
        ShowErrorId(537);
      } else if (!game_->Has(gfLoaded)) {
        ShowErrorId(523);
      } else {
        game_->SelectCell(hit.value);
        if (!game_->Has(gfModeLocked)) game_->SetInputMode(imSet);
      }
      break;
    case hkWindow:
      if (hit.value == 0) {
        close();
      } else if (hit.value == 1) {
        showMinimized();
      }
      break;
    case hkNone:
      break;
  }
}

void TSudokuMainForm::ShowMenuUnder(QMenu* menu, int button) {
  const QRect r = skin_.Layout().areas[static_cast<size_t>(36 + button)];
  mouseDown_ = false;
  UpdatePressed(-1);
  menu->popup(mapToGlobal(r.bottomLeft() + QPoint(0, 1)));
}

bool TSudokuMainForm::KeyPress(QKeyEvent* e) {
  const int key = e->key();
  if (key == Qt::Key_Shift || key == Qt::Key_Control) {
    (key == Qt::Key_Shift ? shift_ : control_) = true;
    game_->SetModifiers(shift_, control_);
    return true;
  }
  // Shift or Control may have gone up while another window had the focus.
  FollowModifiers(e->modifiers());
  const bool keypad = e->modifiers() & Qt::KeypadModifier;
  // X11 reports NumLock as modifier Mod2 in the native state.
  const bool numLock = (e->nativeModifiers() & 0x10) != 0;
  // A keypad digit key that arrives as its navigation key while NumLock is on was pressed with
  // Shift (X11 holds Shift, Windows reports it released): it sets the digit.
  const int padDigit = KeypadDigit(*e);
  const bool digitKey = key >= Qt::Key_0 && key <= Qt::Key_9;
  if (padDigit >= 1 && !digitKey && (shift_ || numLock)) {
    TypeDigit(*game_, padDigit, true, control_);
    return true;
  }
  switch (key) {
    case Qt::Key_Left: MoveCursor(*game_, -1, 0); return true;
    case Qt::Key_Right: MoveCursor(*game_, 1, 0); return true;
    case Qt::Key_Up: MoveCursor(*game_, 0, -1); return true;
    case Qt::Key_Down: MoveCursor(*game_, 0, 1); return true;
    case Qt::Key_Home: MoveCursor(*game_, -1, -1); return true;
    case Qt::Key_End: MoveCursor(*game_, -1, 1); return true;
    case Qt::Key_PageUp: MoveCursor(*game_, 1, -1); return true;
    case Qt::Key_PageDown: MoveCursor(*game_, 1, 1); return true;
    case Qt::Key_Delete: game_->ClearCell(); return true;
    case Qt::Key_Clear: return true;
    default: break;
  }
  if (e->modifiers() & Qt::AltModifier) return false;  // shortcuts of the actions
  if (key >= Qt::Key_1 && key <= Qt::Key_9) {
    TypeDigit(*game_, key - Qt::Key_0, shift_, control_);
    return true;
  }
  switch (key) {
    case Qt::Key_0:
    case Qt::Key_Space:
      game_->ClearCell();
      return true;
    case Qt::Key_Plus:
      ToggleInputMode(*game_, imAdd);
      return true;
    case Qt::Key_Minus:
      ToggleInputMode(*game_, imRemove);
      return true;
    case Qt::Key_Period:
    case Qt::Key_Comma:
      if (key == Qt::Key_Comma && !keypad) return false;  // a German keypad's decimal key
      game_->SetInputMode(imSet);
      return true;
    default:
      return false;
  }
}

bool TSudokuMainForm::KeyRelease(QKeyEvent* e) {
  if (e->key() != Qt::Key_Shift && e->key() != Qt::Key_Control) return false;
  (e->key() == Qt::Key_Shift ? shift_ : control_) = false;
  game_->SetModifiers(shift_, control_);
  return true;
}

void TSudokuMainForm::FollowModifiers(Qt::KeyboardModifiers modifiers) {
  const bool shift = (modifiers & Qt::ShiftModifier) != 0;
  const bool control = (modifiers & Qt::ControlModifier) != 0;
  if (shift == shift_ && control == control_) return;
  shift_ = shift;
  control_ = control;
  game_->SetModifiers(shift_, control_);
}

// ---- What the game reports ----

void TSudokuMainForm::UpdateGroupIndicator(uint16_t columns, uint16_t rows, uint16_t blocks) {
  skin_.UpdateGroupIndicator(columns, rows, blocks);
}

void TSudokuMainForm::SetBlinkTimer(bool on) {
  if (on) {
    blinkTimer_.start();
  } else {
    blinkTimer_.stop();
  }
}

void TSudokuMainForm::ShowLastActionId(int id) {
  if (status_) status_->ShowLastAction(T(id));
}

void TSudokuMainForm::ShowErrorId(int id) {
  if (id == 0) return;
  if (status_) status_->ShowError(T(id));
  QApplication::beep();
}

QString TSudokuMainForm::PuzzleNameText() const {
  return QString::fromStdString(Cp1252ToUtf8(game_->CurrentBoard().Name()));
}

void TSudokuMainForm::UpdateGameNumber() {
  if (status_) status_->UpdateGameNumber(PuzzleNameText());
  RefreshHallOfFameCommand();
}

void TSudokuMainForm::AnimateStarted(bool on) {
  if (status_) status_->AnimateStarted(on);
}

void TSudokuMainForm::AnimateRunning(bool on) {
  if (status_) status_->AnimateRunning(on);
}

void TSudokuMainForm::SetInputModeFrame(int frame) {
  if (status_) status_->SetInputModeFrame(frame);
}

void TSudokuMainForm::SetSmileyFrame(int frame) {
  if (status_) status_->SetSmileyFrame(frame);
}

bool TSudokuMainForm::AskYesNo(int textId) {
  return QMessageBox::question(this, "Sudoku", T(textId), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

bool TSudokuMainForm::AskOkCancel(int textId) {
  return QMessageBox::warning(this, "Sudoku", T(textId), QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Cancel) == QMessageBox::Ok;
}

void TSudokuMainForm::CommandStatesChanged() {
  if (!filesMenu_) return;
  const CommandStates s =
      ComputeCommandStates(game_->GameFlags(), game_->CursorCell(), game_->CurrentBoard());
  const uint16_t bits = s.ButtonBits();
  // The changed buttons as one mask: GCC 12 miscompiles comparing the two bits one by one
  // ("bool != bool of a shifted bit") at -O2.
  const uint16_t changed = bits ^ buttonEnabled_;
  for (int i = 0; i < 9; ++i) {
    const bool on = (bits >> i) & 1;
    if ((changed >> i) & 1) skin_.DrawArea(36 + i, !on);
    if (buttonActions_[static_cast<size_t>(i)]) buttonActions_[static_cast<size_t>(i)]->setEnabled(on);
  }
  buttonEnabled_ = bits;
  for (QAction* a : memoryClearing_) a->setEnabled(s.memoryClearing);
  for (QAction* a : aidEntries_) a->setEnabled(s.aids);
  memorySetRecall_->setEnabled(s.memoryPoints);
  saveEntry_->setEnabled(s.saveGame);
  Action("Action_Edit_Copy")->setEnabled(s.copy);
  Action("Action_Edit_Paste")->setEnabled(s.paste);
  for (QAction* a : fillDirectionEntries_) a->setEnabled(s.fillDirection);
}

void TSudokuMainForm::RefreshHallOfFameCommand() {
  // Asks the settings store: done when the puzzle number changes, not on every state change.
  if (QAction* a = Action("Action_Files_HallOfFame")) a->setEnabled(game_->HallOfFameAvailable());
}

// ---- Clipboard and settings ----

void TSudokuMainForm::CopyCell() {
  const int cursor = game_->CursorCell();
  if (!game_->Has(gfLoaded) || cursor < 0 || cursor > 80) return;
  const std::string text = CellClipboardText(game_->CurrentBoard().cells[cursor]);
  if (text.empty()) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return ShowErrorId(527);
  clipboard->setText(QString::fromLatin1(text));
}

void TSudokuMainForm::PasteCell() {
  const int cursor = game_->CursorCell();
  if (!game_->Has(gfLoaded) || cursor < 0 || cursor > 80) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard || !clipboard->mimeData() || !clipboard->mimeData()->hasText()) {
    return ShowErrorId(528);
  }
  game_->InsertSet(ParseCellClipboardText(clipboard->text().toStdString()));
}

void TSudokuMainForm::Uninstall() {
  if (!AskYesNo(1067)) return;
  settings_.BlockWrites();
  game_->SetCalculating(false);
  game_->SetClock(false);
  settings_.EraseAllSettings();
  close();
}

void TSudokuMainForm::ChooseSample(const QImage& background) {
  TGetSampleDlg dialog(this, settings_, options_, *this, background);
  if (onPrintList) {
    dialog.onPrint = [this, &dialog] { onPrintList(&dialog, dialog.SelectedForPrint()); };
  }
  if (dialog.exec() != QDialog::Accepted) return;
  game_->ChoosePuzzle(dialog.ChosenPuzzle(), dialog.ChosenNumber());
}

void TSudokuMainForm::ShowInformation(const std::string& text) {
  QMessageBox::information(this, "Sudoku", QString::fromStdString(text));
}

QAction* TSudokuMainForm::Action(const QString& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

}  // namespace sudoku
