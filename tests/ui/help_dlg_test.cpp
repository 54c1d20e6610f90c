// The help dialog, headless: choosing pages, its shortcuts and the clickable pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "skin/skin_modules.h"
#include "skin/skin_view.h"
#include "ui/help_art.h"
#include "ui/help_dlg.h"
#include "ui/program_art.h"

namespace sudoku {
namespace {

class HelpDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { skin.ApplySkin(kBuiltinSkinRoot); }
  std::unique_ptr<THelpDlg> Open() {
    return std::make_unique<THelpDlg>(nullptr, options, BackgroundTile(), skin, "2.0.0");
  }
  static void Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(widget->width() / 2, widget->height() / 2));
  }

  SkinView skin;
  StartupSettings options;
};

TEST_F(HelpDlgTest, OpensThePageNamedInAnyLetterCaseElseTheFirst) {
  const std::pair<QString, int> cases[] = {
      {"tabsheet_ABOUT", 13}, {"TabSheet_AboutSkin", 14}, {"TabSheet_Nowhere", 0}, {"", 0}};
  for (const auto& [name, expected] : cases) {
    int page = -1, entry = -1;
    QString version;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* dialog = dynamic_cast<THelpDlg*>(QApplication::activeModalWidget());
      if (!dialog) return;
      timer.stop();
      page = dialog->PageControl()->currentIndex();
      entry = dialog->ListBox()->currentRow();
      version = dialog->findChild<QLabel*>("Label_Version")->text();
      dialog->reject();
    });
    timer.start(10);
    ShowHelpPage(nullptr, name, options, BackgroundTile(), skin, "2.0.0");
    EXPECT_EQ(page, expected) << name.toStdString();
    EXPECT_EQ(entry, expected) << name.toStdString();
    EXPECT_EQ(version, "Version 2.0.0");
  }
}

TEST_F(HelpDlgTest, TopicListAndPagesFollowEachOtherAndLinksOpenInnerPages) {
  auto dialog = Open();
  QListWidget* list = dialog->ListBox();
  ASSERT_EQ(list->count(), 15);
  EXPECT_EQ(dialog->PageControl()->count(), 15);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(4)).center());
  EXPECT_EQ(dialog->PageControl()->currentWidget()->objectName(), "TabSheet_Algo3");
  dialog->ShowPage(8);
  EXPECT_EQ(list->currentRow(), 8);

  // "Menü Löschen" on the memory points' inner page leads to the memory menu.
  dialog->OpenLink("TabSheet_Menu/6");
  EXPECT_EQ(dialog->PageControl()->currentWidget()->objectName(), "TabSheet_Menu");
  EXPECT_EQ(dialog->PageControlMenu()->tabText(dialog->PageControlMenu()->currentIndex()),
            "Memory");
  EXPECT_EQ(list->currentRow(), 10);
  dialog->OpenLink("tabsheet_gui/4");
  EXPECT_EQ(dialog->PageControlGUI()->currentIndex(), 4);
  dialog->OpenLink("TabSheet_Unknown/1");
  EXPECT_EQ(dialog->PageControl()->currentIndex(), 9);
}

TEST_F(HelpDlgTest, AltShortcutsWorkOnlyOnTheirOwnPage) {
  auto dialog = Open();
  dialog->show();
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  QTabWidget* menu = dialog->PageControlMenu();
  QTabWidget* gui = dialog->PageControlGUI();

  dialog->ShowPage(0);
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::AltModifier);
  QTest::keyClick(dialog.get(), Qt::Key_3, Qt::AltModifier);
  EXPECT_EQ(dialog->PageControl()->currentIndex(), 0);
  EXPECT_EQ(menu->currentIndex(), 0);
  EXPECT_EQ(gui->currentIndex(), 0);

  dialog->SelectPage("TabSheet_Menu");
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(menu->tabText(menu->currentIndex()), "Optionen");
  QTest::keyClick(dialog.get(), Qt::Key_L, Qt::AltModifier);
  EXPECT_EQ(menu->tabText(menu->currentIndex()), "Memory");
  QTest::keyClick(dialog.get(), Qt::Key_3, Qt::AltModifier);
  EXPECT_EQ(gui->currentIndex(), 0);

  dialog->SelectPage("TabSheet_GUI");
  QTest::keyClick(dialog.get(), Qt::Key_8, Qt::AltModifier);
  EXPECT_EQ(gui->tabText(gui->currentIndex()), "Speicher");
  QTest::keyClick(dialog.get(), Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(menu->tabText(menu->currentIndex()), "Memory");
}

TEST_F(HelpDlgTest, PicturesAndNumbersChooseTheirInnerPage) {
  auto dialog = Open();
  dialog->show();
  const char* const icons[9] = {"Image1_Dateien", "Image2_Vorlagen", "Image3_StartStop",
                                "Image4_Zurueck", "Image5_Weiter",   "Image6_Anfang",
                                "Image7_Memory",  "Image8_Optionen", "Image9_Hilfe"};
  // Backwards, so that no click lands on the page already shown.
  for (int i = 8; i >= 0; --i) {
    QWidget* icon = dialog->findChild<QWidget*>(icons[i]);
    Click(icon);
    EXPECT_EQ(dialog->PageControlMenu()->currentIndex(), i) << icons[i];
    EXPECT_EQ(icon->property("tag").toInt(), 180 + i);
  }
  for (int part = 7; part >= 0; --part) {
    Click(dialog->findChild<QWidget*>(QString("Image_GUI_%1").arg(part)));
    EXPECT_EQ(dialog->PageControlGUI()->currentIndex(), part);
  }
  for (int part = 7; part >= 0; --part) {
    QLabel* number = dialog->findChild<QLabel*>(QString("Label_GUI_%1").arg(part + 1));
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->property("caption").toString(), QString("&%1:").arg(part + 1));
    Click(number);
    EXPECT_EQ(dialog->PageControlGUI()->currentIndex(), part);
  }
}

TEST_F(HelpDlgTest, PartNumbersCoverNeitherTheirPartNorEachOther) {
  auto dialog = Open();
  auto place = [&](const QString& name) { return dialog->findChild<QWidget*>(name)->geometry(); };
  for (int part = 0; part < 8; ++part) {
    const QRect number = place(QString("Label_GUI_%1").arg(part + 1));
    EXPECT_FALSE(number.intersects(place(QString("Image_GUI_%1").arg(part)))) << part;
    for (int other = part + 1; other < 8; ++other) {
      EXPECT_FALSE(number.intersects(place(QString("Label_GUI_%1").arg(other + 1)))) << part;
    }
  }
}

TEST_F(HelpDlgTest, SkinPageNamesTheSkinInUse) {
  auto dialog = Open();
  EXPECT_EQ(dialog->findChild<QLabel*>("Label_AboutSkin_SkinName")->text(), "Skin: Standard");
  EXPECT_EQ(dialog->findChild<QLabel*>("Label_AboutSkin_Copyright")->text(), skin.SkinCopyright());
  EXPECT_FALSE(dialog->findChild<QPushButton*>("OKBtn")->isVisibleTo(dialog.get()));
  EXPECT_EQ(dialog->findChild<QPushButton*>("CancelBtn")->text(), "Schließen");
}

// Every picture drawn by code keeps its logical size at a denser screen's ratio and shows the
// same thing there: averaged back to 1x it matches the 1x picture but for edges and hinting.
TEST_F(HelpDlgTest, PicturesAreDrawnForTheScreensPixelRatio) {
  const std::vector<std::function<QImage(qreal)>> pictures = {
      [](qreal r) { return MethodPicture(4, true, true, r); },
      CalculationChainPicture,
      [](qreal r) { return AboutPicture("2.0.0", r); },
      WebSign,
      [](qreal r) { return HallOfFamePicture(31, r); },
      EndGamePicture,
      [](qreal r) { return SwitchPicture(true, r); },
      [](qreal r) { return GameRunningFrames(r)[1]; },
      [](qreal r) { return SmileyFrames(r)[2]; },
      [this](qreal r) { return GuiPartPicture(skin, 4, r); },
      [this](qreal r) { return CommandPicture(skin, 2, "Start", r); },
      [this](qreal r) { return SkinPicture(skin, r); },
  };
  for (size_t i = 0; i < pictures.size(); ++i) {
    const QImage single = pictures[i](1).convertToFormat(QImage::Format_ARGB32);
    const QImage doubled = pictures[i](2);
    ASSERT_EQ(doubled.devicePixelRatio(), 2.0) << i;
    ASSERT_EQ(doubled.size(), single.size() * 2) << i;
    const QImage down = doubled.convertToFormat(QImage::Format_ARGB32)
                            .scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long off = 0;
    for (int y = 0; y < single.height(); ++y) {
      for (int x = 0; x < single.width(); ++x) {
        const QRgb a = single.pixel(x, y), b = down.pixel(x, y);
        off += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b)) >
               128;
      }
    }
    EXPECT_LT(off, single.width() * single.height() / 20) << i;
  }
}

}  // namespace
}  // namespace sudoku
