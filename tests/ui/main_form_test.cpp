// The real main window, driven headless by synthesized mouse and key events.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QAbstractButton>
#include <QTimer>
#include <QTest>

#include "game/cell_operations.h"
#include "model/geometry.h"
#include "settings/memory_settings_store.h"
#include "support/message_box.h"
#include "skin/synthetic_skin.h"
#include "support/boards.h"
#include "ui/main_form.h"

namespace sudoku {
namespace {

using test::AnswerNextMessageBox;

using test::kEasyPuzzle;
using test::Set;
using test::SyntheticSkin;

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }
  void Open() {
    form.reset();
    options = StartupSettings::Read(settings);
    form = std::make_unique<TSudokuMainForm>(settings, options);
    form->show();
  }
  GameController& game() { return form->Game(); }
  void Load() {
    game().LoadPuzzle(kEasyPuzzle);
    game().SetPuzzleName("1.1.1");
  }

  QPoint Centre(int code) const { return SyntheticSkin::Area(code).center(); }
  // As the window system delivers it: the widget position rounded, the window's exact.
  void Mouse(QEvent::Type type, const QPointF& at, Qt::MouseButtons buttons) {
    QMouseEvent e(type, at.toPoint(), at, form->mapToGlobal(at), Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(form.get(), &e);
  }
  void Press(int code) { Mouse(QEvent::MouseButtonPress, Centre(code), Qt::LeftButton); }
  void MoveTo(int code) { Mouse(QEvent::MouseMove, Centre(code), Qt::LeftButton); }
  void Release(int code) { Mouse(QEvent::MouseButtonRelease, Centre(code), Qt::NoButton); }
  void Click(int code) {
    Press(code);
    Release(code);
  }
  // A key as X11 reports it: NumLock is modifier bit 0x10 of the native state.
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool numLock = false,
           const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, 0, 0, numLock ? 0x10 : 0, text);
    QApplication::sendEvent(form.get(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, 0, 0, numLock ? 0x10 : 0, text);
    QApplication::sendEvent(form.get(), &release);
  }
  // Keypad key `code` (X key code) as X11 delivers it: the key symbol that NumLock and Shift
  // chose, Shift (0x1) and NumLock (0x10) in the native state.
  void Pad(int key, quint32 code, quint32 sym, bool shift, bool numLock) {
    const Qt::KeyboardModifiers modifiers =
        Qt::KeypadModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier);
    const quint32 state = (shift ? 0x1 : 0) | (numLock ? 0x10 : 0);
    const QString text = key >= Qt::Key_0 && key <= Qt::Key_9 ? QString(QChar(key)) : QString();
    if (shift) SendKey(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier, 50, 0xffe1, state & ~1u);
    SendKey(QEvent::KeyPress, key, modifiers, code, sym, state, text);
    SendKey(QEvent::KeyRelease, key, modifiers, code, sym, state, text);
    if (shift) SendKey(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier, 50, 0xffe1, state);
  }
  void SendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, quint32 code,
               quint32 sym, quint32 state, const QString& text = {}) {
    QKeyEvent e(type, key, modifiers, code, sym, state, text);
    QApplication::sendEvent(form.get(), &e);
  }
  DigitSet Cell(int i) { return game().CurrentBoard().cells[i]; }

  MemorySettingsStore store;
  Settings settings{store};
  StartupSettings options;
  std::unique_ptr<TSudokuMainForm> form;
};

TEST_F(MainFormTest, PressDragAndReleaseActOnWhatIsUnderTheRelease) {
  Load();
  Click(45 + 2);  // cells act on press
  EXPECT_EQ(game().CursorCell(), 2);
  Press(18 + 4);  // "set 5" is drawn pressed
  EXPECT_TRUE(form->Skin().Lit(22));
  MoveTo(45 + 3);
  EXPECT_FALSE(form->Skin().Lit(22));
  Release(45 + 3);  // released over a cell: the digit does nothing, the cell is not selected
  EXPECT_EQ(Cell(2), 0);
  EXPECT_EQ(game().CursorCell(), 2);

  Press(18 + 4);
  MoveTo(18 + 6);  // onto "set 7"
  EXPECT_TRUE(form->Skin().Lit(24));
  Release(18 + 6);
  EXPECT_EQ(Cell(2), Set({7}));
  EXPECT_FALSE(form->Skin().Lit(24));
  Click(9 + 0);  // "add 1"
  EXPECT_EQ(Cell(2), Set({1, 7}));
  Click(0 + 6);  // "remove 7"
  EXPECT_EQ(Cell(2), Set({1}));
}

// At twice the density the surface has twice the pixels while the window keeps its size, and a
// pointer between two device pixels of one logical pixel lands on the area under it.
TEST_F(MainFormTest, AreasKeepTheirPlacesAtTwiceTheDensity) {
  form->Skin().SetDevicePixelRatio(2);
  EXPECT_EQ(form->Skin().MainImage().size(), QSize(600, 720));
  EXPECT_EQ(form->size(), QSize(300, 360));
  const QPointF nowhere(295, 355);
  Mouse(QEvent::MouseButtonPress, nowhere, Qt::LeftButton);
  for (int code = 0; code < 129; ++code) {
    const QRect r = SyntheticSkin::Area(code);
    for (const QPointF at : {QPointF(r.topLeft()), QPointF(r.right() + 0.5, r.bottom() + 0.75)}) {
      Mouse(QEvent::MouseMove, at, Qt::LeftButton);
      ASSERT_EQ(form->Skin().PressedArea(), code) << at.x() << "," << at.y();
    }
  }
  Mouse(QEvent::MouseButtonRelease, nowhere, Qt::NoButton);
  EXPECT_EQ(form->Skin().PressedArea(), -1);
}

TEST_F(MainFormTest, CellsNeedAPuzzle) {
  Click(45 + 10);
  EXPECT_EQ(game().CursorCell(), -1);
  Load();
  Click(45 + 10);
  EXPECT_EQ(game().CursorCell(), 10);
}

TEST_F(MainFormTest, KeypadWithAndWithoutNumLock) {
  Load();
  game().SelectCell(40);
  Pad(Qt::Key_7, 79, 0xffb7, false, true);  // NumLock on: the digit
  EXPECT_EQ(Cell(40), Set({7}));
  Pad(Qt::Key_Home, 79, 0xff95, false, false);  // NumLock off: up and to the left
  EXPECT_EQ(game().CursorCell(), 30);
  Pad(Qt::Key_PageDown, 89, 0xff9b, false, false);
  EXPECT_EQ(game().CursorCell(), 40);
  game().SelectCell(41);
  Key(Qt::Key_2);
  Key(Qt::Key_3);  // the first digit sets, the next ones add
  EXPECT_EQ(Cell(41), Set({2, 3}));
  // Shift with a keypad digit while NumLock is on: X11 turns the key into its navigation key
  // and holds Shift. It sets the digit and leaves the cursor; so does the keypad's 5 (Clear).
  Pad(Qt::Key_PageUp, 81, 0xff9a, true, true);
  EXPECT_EQ(Cell(41), Set({9}));
  EXPECT_EQ(game().CursorCell(), 41);
  Pad(Qt::Key_Clear, 84, 0xff9d, true, true);
  EXPECT_EQ(Cell(41), Set({5}));
  // With NumLock off Shift gives the digit itself, which Shift sets.
  Pad(Qt::Key_4, 83, 0xffb4, true, false);
  EXPECT_EQ(Cell(41), Set({4}));
  Key(Qt::Key_Delete);
  EXPECT_EQ(Cell(41), 0);
}

TEST_F(MainFormTest, CursorKeysWrapAround) {
  Load();
  game().SelectCell(8);
  Key(Qt::Key_Right);
  EXPECT_EQ(game().CursorCell(), 9);
  game().SelectCell(80);
  Key(Qt::Key_Down);
  EXPECT_EQ(game().CursorCell(), 0);
  Key(Qt::Key_Up);  // row 0 -> row 8, and the column goes back by one: column 8
  EXPECT_EQ(game().CursorCell(), 80);
}

TEST_F(MainFormTest, ModeKeysAndTheirInversions) {
  Load();
  game().SelectCell(2);
  Key(Qt::Key_Plus, Qt::NoModifier, false, "+");
  Key(Qt::Key_Plus, Qt::NoModifier, false, "+");
  EXPECT_EQ(game().Mode(), imAdd);
  EXPECT_TRUE(game().Has(gfModeLocked));
  Key(Qt::Key_Right);  // a locked mode stays when the cursor moves
  EXPECT_EQ(game().Mode(), imAdd);
  Key(Qt::Key_4);
  Key(Qt::Key_5);
  EXPECT_EQ(Cell(3), Set({4, 5}));
  // Control held: add becomes remove.
  QKeyEvent control(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
  QApplication::sendEvent(form.get(), &control);
  EXPECT_EQ(game().InputModeFrame(), 2);
  Key(Qt::Key_5, Qt::ControlModifier);
  QKeyEvent controlUp(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
  QApplication::sendEvent(form.get(), &controlUp);
  EXPECT_EQ(Cell(3), Set({4}));
  // Control released while another window had the focus: the next key tells, and so does the
  // window's activation.
  QApplication::sendEvent(form.get(), &control);
  Key(Qt::Key_5);
  EXPECT_EQ(Cell(3), Set({4, 5}));
  QApplication::sendEvent(form.get(), &control);
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(form.get(), &activate);
  EXPECT_EQ(game().InputModeFrame(), 3);          // locked add, no inversion
  Key(Qt::Key_Plus, Qt::NoModifier, false, "+");  // locked add -> set, the lock stays
  EXPECT_EQ(game().Mode(), imSet);
  Key(Qt::Key_Minus, Qt::NoModifier, false, "-");
  EXPECT_EQ(game().Mode(), imRemove);
  EXPECT_FALSE(game().Has(gfModeLocked));
  Key(Qt::Key_Period, Qt::NoModifier, false, ".");
  EXPECT_EQ(game().Mode(), imSet);
}

TEST_F(MainFormTest, CommandsFollowTheGame) {
  auto enabled = [&](const char* name) { return form->Action(name)->isEnabled(); };
  EXPECT_FALSE(enabled("Action_Start"));
  EXPECT_FALSE(enabled("Action_Undo"));
  EXPECT_FALSE(enabled("Action_Help_OneStep"));
  EXPECT_TRUE(enabled("Action_Samples"));
  EXPECT_EQ(form->ButtonEnabled(), 0b111000011);
  EXPECT_TRUE(form->Skin().Lit(36 + 2));  // a disabled button shows its extended look
  Load();
  EXPECT_TRUE(enabled("Action_Start"));
  EXPECT_TRUE(enabled("Action_Help_OneStep"));
  EXPECT_FALSE(enabled("Action_Undo"));
  EXPECT_FALSE(enabled("Action_Edit_Copy"));  // the selected cell is empty
  EXPECT_TRUE(enabled("Action_Edit_Paste"));
  EXPECT_FALSE(enabled("Action_PasteRight"));
  EXPECT_FALSE(form->Skin().Lit(36 + 2));
  game().SetDigit(3);
  EXPECT_TRUE(enabled("Action_Undo"));
  EXPECT_TRUE(enabled("Action_Return"));
  EXPECT_TRUE(enabled("Action_Edit_Copy"));
  EXPECT_TRUE(enabled("Action_PasteRight"));
  game().SelectCell(1);  // a given
  EXPECT_FALSE(enabled("Action_Edit_Paste"));
  game().SetCalculating(true);
  EXPECT_FALSE(enabled("Action_Undo"));
  EXPECT_FALSE(enabled("Action_Help_OneStep"));
  EXPECT_TRUE(enabled("Action_Start"));  // it stops the run
  game().SetCalculating(false);
  game().Restart();  // back to the givens, then solved by the automatic run
  game().SetStepDelay(0);
  game().StartStop();
  EXPECT_TRUE(game().Has(gfSolved));
  EXPECT_FALSE(enabled("Action_Start"));
  EXPECT_FALSE(enabled("Action_Edit_Paste"));
}

TEST_F(MainFormTest, ButtonsComeBackAfterACalculation) {
  Load();
  game().SelectCell(0);
  game().SetDigit(3);
  game().SetStepDelay(0);
  game().OneStep();  // disables undo for the run, then enables it again
  EXPECT_TRUE(form->Action("Action_Undo")->isEnabled());
  for (int button : {3, 5}) EXPECT_FALSE(form->Skin().Lit(36 + button)) << button;
  EXPECT_TRUE(form->Skin().Lit(36 + 4));  // nothing to redo
  EXPECT_EQ(form->ButtonEnabled(), 0b111101111);
}

TEST_F(MainFormTest, ClipboardRoundTrip) {
  Load();
  game().SelectCell(0);
  game().InsertSet(Set({1, 4, 9}));
  form->Action("Action_Edit_Copy")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,4,9");
  game().SelectCell(2);
  form->Action("Action_Edit_Paste")->trigger();
  EXPECT_EQ(Cell(2), Set({1, 4, 9}));
  QGuiApplication::clipboard()->setText("9 4 1");
  game().SelectCell(3);
  form->Action("Action_Edit_Paste")->trigger();
  EXPECT_EQ(Cell(3), Set({1, 4, 9}));
  QGuiApplication::clipboard()->clear();
  game().SelectCell(4);
  form->Action("Action_Edit_Paste")->trigger();
  EXPECT_EQ(Cell(4), 0);
}

TEST_F(MainFormTest, FillingToTheRightAndInTheBlock) {
  Load();
  const int start = CellAt(2, 3);  // row 3 holds the givens 7 9 . 3 . . . 2 .
  game().SelectCell(start);
  game().InsertSet(Set({2, 5}));
  const int steps = game().StepCount();
  form->Action("Action_PasteRight")->trigger();
  EXPECT_EQ(game().CursorCell(), CellAt(8, 3));
  for (int c : {4, 5, 6, 8}) EXPECT_EQ(Cell(CellAt(c, 3)), Set({2, 5})) << c;
  EXPECT_EQ(Cell(CellAt(3, 3)), Set({3}));
  EXPECT_EQ(game().StepCount(), steps + 4 * 2);  // one counted change per filled cell
  game().SelectCell(CellAt(0, 0));
  const int before = game().StepCount();
  form->Action("Action_PasteLeft")->trigger();  // no target left of column 0
  EXPECT_EQ(game().CursorCell(), CellAt(0, 0));
  EXPECT_EQ(game().StepCount(), before);
}

TEST_F(MainFormTest, TheLastGameComesBackAtTheNextStart) {
  Load();
  game().SelectCell(0);
  game().SetDigit(3);
  game().SelectCell(2);
  game().SetDigit(8);
  form->close();
  ASSERT_TRUE(store.GetBinary("", "SaveLastGame"));
  EXPECT_EQ(store.GetBinary("", "SaveLastGame")->size(), 220u);
  Open();
  EXPECT_EQ(Cell(0), Set({3}));
  EXPECT_EQ(Cell(2), Set({8}));
  EXPECT_EQ(game().StepCount(), 2);
  EXPECT_TRUE(game().Has(gfClockRunning));
  EXPECT_EQ(game().History().Count(), 2);
  EXPECT_TRUE(store.GetInt("", "MainWndPosX").has_value());

  // A record of another version: the board starts empty.
  auto bytes = *store.GetBinary("", "SaveLastGame");
  bytes[0] = 1;
  store.PutBinary("", "SaveLastGame", bytes);
  AnswerNextMessageBox(QMessageBox::Ok);
  Open();
  EXPECT_FALSE(game().Has(gfLoaded));
}

TEST_F(MainFormTest, ErasingAllSettingsLeavesNothingBehind) {
  Load();
  settings.WriteSettingInt("Velocity", 9);
  AnswerNextMessageBox(QMessageBox::No);
  form->Uninstall();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(store.GetInt("", "Velocity"), 9);
  AnswerNextMessageBox(QMessageBox::Yes);
  form->Uninstall();
  form.reset();  // the window's own saving on close and destruction writes nothing
  EXPECT_TRUE(store.keys.empty());
  EXPECT_TRUE(settings.SettingsErased());
}

TEST(WinProcHook, HandledEventsStopAndTheRestGoOnBeforeTheAfterHandler) {
  TWinProcHook hook;
  try {
    hook.SetWinControl(nullptr);
    FAIL();
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "TWinProcHook.SetWinControl parameter is not a window");
  }
  QWidget window;
  std::vector<std::string> seen;
  hook.handler = [&](QObject*, QEvent* e, bool& handled) {
    if (e->type() == QEvent::User) {
      seen.push_back("handler");
      handled = true;
    }
  };
  hook.afterHandler = [&](QObject*, QEvent* e) {
    if (e->type() == QEvent::FontChange) seen.push_back("after");
  };
  hook.SetWinControl(&window);
  QEvent user(QEvent::User);
  EXPECT_TRUE(QApplication::sendEvent(&window, &user));
  window.setFont(QFont("Liberation Sans", 20));  // sends a font change through the hook
  EXPECT_EQ(seen, (std::vector<std::string>{"handler", "after"}));
}

}  // namespace
}  // namespace sudoku
