// The status window and the options window beside the real main window, headless.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "settings/memory_settings_store.h"
#include "support/message_box.h"
#include "skin/synthetic_skin.h"
#include "support/boards.h"
#include "ui/background.h"
#include "ui/main_form.h"
#include "ui/option_wnd.h"
#include "ui/program_art.h"
#include "ui/state_wnd.h"

namespace sudoku {
namespace {

using test::AnswerNextMessageBox;

using test::SyntheticSkin;

class WindowsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { QLocale::setDefault(QLocale(QLocale::German)); }
  void SetUp() override { Open(); }
  void TearDown() override { Close(); }
  void Open() {
    options = StartupSettings::Read(settings);
    main = std::make_unique<TSudokuMainForm>(settings, options);
    main->SetSkinDirectory(skins.path());
    main->move(100, 100);
    optionWnd = std::make_unique<TOptionWnd>(*main, settings, options, BackgroundTile());
    main->show();
    stateWnd = std::make_unique<TStateWnd>(*main, settings, options, BackgroundTile());
    optionWnd->SetStateWnd(stateWnd.get());
    main->onMoved = [this](const QPoint& p) {
      if (options.dockingStateWnd) stateWnd->MoveDocked(p);
    };
    main->onMinimised = [this](bool minimised) { stateWnd->FollowMinimised(minimised); };
  }
  void Close() {
    stateWnd.reset();
    optionWnd.reset();
    main.reset();
  }
  size_t Values() { return store.keys[""].size(); }

  QTemporaryDir skins;
  MemorySettingsStore store;
  Settings settings{store};
  StartupSettings options;
  std::unique_ptr<TSudokuMainForm> main;
  std::unique_ptr<TOptionWnd> optionWnd;
  std::unique_ptr<TStateWnd> stateWnd;
};

TEST(VelocityLabel, DelayAndTextsWithTheGermanComma) {
  QLocale::setDefault(QLocale(QLocale::German));
  EXPECT_EQ(VelocityLabel(0), "&Ablaufgeschwindigkeit: Maximum");
  EXPECT_EQ(VelocityLabel(1), "&Ablaufgeschwindigkeit: 20,0 Op/Sek");
  EXPECT_EQ(VelocityLabel(2), "&Ablaufgeschwindigkeit: 8,2 Op/Sek");
  EXPECT_EQ(VelocityLabel(13), "&Ablaufgeschwindigkeit: 2,0 Sek/Op");
  EXPECT_EQ(VelocityLabel(25), "&Ablaufgeschwindigkeit: 5,0 Sek/Op");
}

TEST_F(WindowsTest, OptionsAreWrittenOnEachChangeButNotWhileStarting) {
  Close();
  store.keys.clear();
  store.PutInt("", "Velocity", 0);
  store.PutInt("", "WarningLevel", 2);
  store.PutInt("", "ShowInvNumBlock", 0);
  Open();
  // Only what the windows themselves keep was written at start (the skin in use).
  EXPECT_EQ(store.GetInt("", "Velocity"), 0);
  EXPECT_FALSE(store.GetInt("", "ShowStateWnd"));
  EXPECT_FALSE(store.GetInt("", "RememberWndPos"));
  EXPECT_EQ(optionWnd->LabelVelocity()->text(), "&Ablaufgeschwindigkeit: Maximum");
  EXPECT_EQ(main->Game().Run().StepDelay, 0u);
  EXPECT_TRUE(optionWnd->WarningLevel(2)->isChecked());
  EXPECT_FALSE(optionWnd->ShowInvNumBlock()->isChecked());

  optionWnd->TrackBarVelocity()->setValue(13);
  EXPECT_EQ(store.GetInt("", "Velocity"), 13);
  EXPECT_EQ(main->Game().Run().StepDelay, 2019u);
  optionWnd->WarningLevel(1)->click();
  EXPECT_EQ(store.GetInt("", "WarningLevel"), 1);
  EXPECT_EQ(options.warningLevel, 1);
  EXPECT_EQ(stateWnd->Smiley().Frame(), 1);
  optionWnd->WarningLevel(0)->click();
  EXPECT_EQ(stateWnd->Smiley().Frame(), 0);
  optionWnd->RememberWndPos()->click();
  EXPECT_EQ(store.GetInt("", "RememberWndPos"), 1);
  optionWnd->ShowHint()->click();
  EXPECT_EQ(store.GetInt("", "GlobalShowHint"), 0);
  EXPECT_TRUE(optionWnd->LabelVelocity()->parentWidget()->toolTip().isEmpty());
  optionWnd->ShowInvNumBlock()->click();
  EXPECT_EQ(store.GetInt("", "ShowInvNumBlock"), 1);
}

TEST_F(WindowsTest, TheStatusLineShowsActionsErrorsAndTheNumber) {
  EXPECT_EQ(stateWnd->GameNumberText(), "Sudoku Nr.: -----");
  EXPECT_EQ(stateWnd->LastActionText(), "Letzte Aktion: Ruhezustand");
  main->ShowErrorId(523);
  EXPECT_EQ(stateWnd->LastActionText(), "Fehler: Bitte wähle zuerst ein Sudoku aus.");
  main->Game().LoadPuzzle(test::kEasyPuzzle);
  main->Game().SetPuzzleName("5.2.3");
  EXPECT_EQ(stateWnd->GameNumberText(), "Sudoku Nr.: 5.2.3");
  main->Game().SetPuzzleName("J\xFCrgen");  // the name field holds Windows-1252
  EXPECT_EQ(stateWnd->GameNumberText(), "Sudoku Nr.: Jürgen");
  // Texts of a run on a scratch copy are not shown.
  main->Game().Run().LiveBoard = false;
  main->Game().ShowLastActionId(1062);
  EXPECT_EQ(stateWnd->LastActionText(), "Letzte Aktion: Ruhezustand");
  main->Game().Run().LiveBoard = true;
  main->Game().ShowLastActionId(1062);
  EXPECT_EQ(stateWnd->LastActionText(), "Letzte Aktion: Einen Schritt rückgängig gemacht");
  main->Game().SelectCell(0);
  main->Game().SetDigit(3);
  EXPECT_TRUE(stateWnd->Started().Animating());
  main->Game().SetCalculating(true);
  EXPECT_TRUE(stateWnd->Running().Animating());
  main->Game().SetCalculating(false);
  EXPECT_FALSE(stateWnd->Running().Animating());
  EXPECT_EQ(stateWnd->InputMode().Frame(), 1);  // after a change digits are added
}

TEST_F(WindowsTest, TheStatusWindowFollowsTheGameAndTheMainWindow) {
  // A game played with aids and restored before the status window exists keeps its smiley.
  main->Game().LoadPuzzle(test::kEasyPuzzle);
  main->Game().SetStepDelay(0);
  main->Game().OneStep();
  EXPECT_EQ(stateWnd->Smiley().Frame(), 2);
  main->close();
  Close();
  Open();
  EXPECT_TRUE(main->Game().Has(gfAidsUsed));
  EXPECT_EQ(stateWnd->Smiley().Frame(), 2);

  // It leaves with the minimised main window and comes back with it, unless it is switched off.
  main->showMinimized();
  EXPECT_FALSE(stateWnd->isVisible());
  main->showNormal();
  EXPECT_TRUE(stateWnd->isVisible());
  optionWnd->StateWndAutostart()->click();
  main->showMinimized();
  main->showNormal();
  EXPECT_FALSE(stateWnd->isVisible());
}

TEST_F(WindowsTest, ADockedStatusWindowKeepsItsDistance) {
  ASSERT_TRUE(options.dockingStateWnd);
  EXPECT_EQ(stateWnd->pos(), main->pos() + QPoint(0, main->height()));  // under it at first
  stateWnd->move(main->pos() + QPoint(30, 0));  // dragged by the user
  QApplication::processEvents();
  EXPECT_EQ(options.offsStateWndX, 30);
  main->move(main->pos() + QPoint(50, 40));
  QApplication::processEvents();
  EXPECT_EQ(stateWnd->pos(), main->pos() + QPoint(30, 0));
  Close();
  EXPECT_EQ(store.GetInt("", "OffsStateWndX"), 30);
  Open();  // after a restart the same offset
  EXPECT_EQ(stateWnd->pos(), main->pos() + QPoint(30, 0));
}

TEST_F(WindowsTest, FloatingPositions) {
  Close();
  store.PutInt("", "DockingStateWnd", 0);
  Open();
  EXPECT_EQ(stateWnd->pos(), main->pos() + QPoint(0, main->height()));  // right under it
  Close();
  store.PutInt("", "RememberWndPos", 1);
  store.PutInt("", "StateWndPosX", -1000);
  store.PutInt("", "StateWndPosY", 50);
  Open();
  EXPECT_EQ(stateWnd->x(), 20 - 681);  // 20 pixels stay on the screen
  EXPECT_EQ(stateWnd->y(), 50);
}

TEST_F(WindowsTest, ShowingAndDockingTheStatusWindow) {
  optionWnd->ShowUnderButton();
  optionWnd->StateWndAutostart()->click();  // off
  EXPECT_FALSE(stateWnd->isVisible());
  EXPECT_FALSE(optionWnd->StateWndDocking()->isEnabled());
  EXPECT_EQ(store.GetInt("", "ShowStateWnd"), 0);
  optionWnd->StateWndAutostart()->click();
  EXPECT_TRUE(stateWnd->isVisible());
  EXPECT_TRUE(optionWnd->StateWndDocking()->isEnabled());

  optionWnd->StateWndDocking()->click();  // undock
  stateWnd->move(main->pos() + QPoint(300, 0));
  QApplication::processEvents();
  optionWnd->StateWndDocking()->click();  // docks where it stands
  EXPECT_EQ(options.offsStateWndX, 300);
  main->move(main->pos() + QPoint(10, 10));
  QApplication::processEvents();
  EXPECT_EQ(stateWnd->pos(), main->pos() + QPoint(300, 0));
}

TEST_F(WindowsTest, ClosingTheSmallWindowsClosesTheMainWindow) {
  bool closed = false;
  main->onClosed = [&] { closed = true; };
  optionWnd->ShowUnderButton();
  EXPECT_FALSE(optionWnd->close());  // refused: the main window closes instead
  EXPECT_TRUE(closed);
  EXPECT_FALSE(main->isVisible());
  EXPECT_TRUE(store.GetBinary("", "SaveLastGame"));
  // With the main window gone, they close as the program ends.
  EXPECT_TRUE(stateWnd->close());
  EXPECT_TRUE(optionWnd->close());
}

TEST_F(WindowsTest, EveryCaptionOfTheOptionsFitsItsControl) {
  Close();
  const QFont font = QApplication::font();
  UseProgramFonts();
  Open();
  for (const QAbstractButton* button : optionWnd->findChildren<QAbstractButton*>()) {
    EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
  }
  QApplication::setFont(font);
}

TEST_F(WindowsTest, TheOptionsWindowOpensUnderItsButton) {
  optionWnd->ShowUnderButton();
  const QRect button = main->Skin().Layout().areas[43];
  EXPECT_EQ(optionWnd->pos(), main->pos() + QPoint(button.left(), button.top() + button.height()));
  EXPECT_EQ(optionWnd->width(), 204);
  QEvent deactivate(QEvent::WindowDeactivate);
  QApplication::sendEvent(optionWnd.get(), &deactivate);  // losing the focus hides it
  EXPECT_FALSE(optionWnd->isVisible());
}

TEST_F(WindowsTest, SwitchingSkinsLiveAndFallingBack) {
  QTemporaryDir work;
  SyntheticSkin night;
  const QString name = "Nacht über den Dächern der Altstadt von Quillbrook";
  night.name = name;
  night.normalFace = QColor(30, 30, 60);
  ASSERT_TRUE(night.WriteModule(work.path(), skins.path() + "/SdSkinNacht.rcc", SUDOKU_RCC));
  optionWnd->ShowUnderButton();
  optionWnd->ShowSkinList();
  EXPECT_TRUE(optionWnd->SkinListShown());
  ASSERT_EQ(optionWnd->SkinList()->count(), 2);
  EXPECT_EQ(optionWnd->SkinList()->item(0)->text(), "Standard-Skin");
  EXPECT_EQ(optionWnd->SkinList()->currentRow(), 0);
  // A long name is cut short in the list, without a scroll bar, and whole in its tool tip.
  EXPECT_FALSE(optionWnd->SkinList()->horizontalScrollBar()->isVisible());
  EXPECT_EQ(optionWnd->SkinList()->item(1)->toolTip(), name);
  optionWnd->PickSkin(1);
  EXPECT_EQ(main->Skin().SkinName(), name);
  EXPECT_EQ(store.GetString("", "LastSkinDLL"), "SdSkinNacht.rcc");
  EXPECT_EQ(main->Skin().MainImage().pixelColor(150, 280), QColor(30, 30, 60));

  // Damaged since the list was filled: the last node's data offset, at the file's end, now
  // points before the data. Refused before Qt reads it; the game goes on with the built-in skin.
  QFile module(skins.path() + "/SdSkinNacht.rcc");
  ASSERT_TRUE(module.open(QIODevice::ReadWrite));
  module.seek(module.size() - 12);
  module.write("\xFF\xFF\xFF\xFF");
  module.close();
  AnswerNextMessageBox(QMessageBox::Ok);
  optionWnd->PickSkin(1);
  EXPECT_EQ(main->Skin().SkinName(), "Standard");
  EXPECT_EQ(store.GetString("", "LastSkinDLL"), "");

  QFile::remove(skins.path() + "/SdSkinNacht.rcc");  // gone since the list was filled
  AnswerNextMessageBox(QMessageBox::Ok);
  optionWnd->PickSkin(1);
  EXPECT_EQ(main->Skin().SkinName(), "Standard");
  EXPECT_EQ(optionWnd->SkinList()->currentRow(), 0);
  EXPECT_TRUE(optionWnd->SkinListShown());  // the error box did not close it
  EXPECT_EQ(store.GetString("", "LastSkinDLL"), "");
}

TEST(TBackgroundTiles, NeighboursShowOneContinuousPattern) {
  QWidget window;
  window.resize(200, 120);
  QImage tile(16, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) tile.setPixelColor(x, y, QColor(x * 15, y * 15, 100));
  }
  QWidget left(&window), right(&window);
  left.setGeometry(3, 5, 60, 50);
  right.setGeometry(63, 5, 90, 50);
  TBackground a(&left), b(&right);
  a.SetBkgndImage(tile);
  b.SetBkgndImage(tile);
  window.show();
  const QImage shot = window.grab().toImage();
  for (const QPoint at : {QPoint(10, 10), QPoint(62, 20), QPoint(63, 20), QPoint(100, 40)}) {
    EXPECT_EQ(shot.pixelColor(at), tile.pixelColor(at.x() % 16, at.y() % 16)) << at.x();
  }
}

}  // namespace
}  // namespace sudoku
