// The end of a won game: the name asked, the table entered and shown, headless.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "settings/memory_settings_store.h"
#include "ui/hall_of_fame_dlg.h"

namespace sudoku {
namespace {

// Runs `act` on the dialog that is modal once it is up.
template <typename Dialog, typename Act>
void WhenModal(Act act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(*dialog);
    }
  });
  timer->start(10);
}

class HallOfFameWindowsTest : public ::testing::Test {
 protected:
  MemorySettingsStore store;
  Settings settings{store};
  HallOfFameWindows port{settings, nullptr};
  int sounds = 0, asked = 0, entered = 0;
  std::vector<QStringList> tables;  // the four label texts of each shown table

  void SetUp() override {
    port.playSound = [this] { ++sounds; };
    port.onEntered = [this] { ++entered; };
    port.showTable = [this](THallOfFameDlg& dialog) {
      QStringList texts;
      for (int i = 0; i < 4; ++i) texts << dialog.Label(i)->text();
      tables.push_back(texts);
    };
  }
  void Answer(const QString& name) {
    port.askName = [this, name] {
      ++asked;
      return name;
    };
  }
};

TEST_F(HallOfFameWindowsTest, AWinWithoutANumberOnlySounds) {
  Answer("Anna");
  port.GameWon("", 5000, 40);
  EXPECT_EQ(sounds, 1);
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(store.KeyExists(setting::kHallOfFameKey));
}

TEST_F(HallOfFameWindowsTest, ANamedWinIsEnteredAndShown) {
  Answer("Anna");
  port.GameWon("12", 62340, 45);
  EXPECT_EQ(entered, 1);
  ASSERT_EQ(tables.size(), 1u);
  const QStringList& t = tables[0];
  EXPECT_EQ(t[0], "Sudoku Nr. 12");
  const QStringList names = t[1].split('\n'), times = t[2].split('\n'), steps = t[3].split('\n');
  ASSERT_EQ(names.size(), 10);
  ASSERT_EQ(times.size(), 10);
  ASSERT_EQ(steps.size(), 10);
  EXPECT_TRUE(names[0].startsWith("Anna ...")) << names[0].toStdString();
  EXPECT_TRUE(names[9].startsWith(" ..."));
  EXPECT_EQ(times[0], "0:01:02.3");
  EXPECT_EQ(times[1], "0:00:00.0");
  EXPECT_EQ(steps[0], "[045]");
  EXPECT_EQ(steps[9], "[000]");

  // A name outside Windows-1252 is stored as far as it can be.
  Answer("Jürgen 漢");
  port.GameWon("12", 1000, 1234);
  EXPECT_EQ(tables.back()[1].split('\n')[0].left(9), "Jürgen ? ");
  EXPECT_EQ(tables.back()[3].split('\n')[0], "[1234]");
  EXPECT_TRUE(tables.back()[1].split('\n')[1].startsWith("Anna "));
}

TEST_F(HallOfFameWindowsTest, NoTableNoShowing) {
  port.ShowHallOfFame("77");
  store.PutBinary(setting::kHallOfFameKey, "77", std::vector<uint8_t>(100, 0));
  port.ShowHallOfFame("77");
  EXPECT_TRUE(tables.empty());
}

TEST_F(HallOfFameWindowsTest, ABlankNameEntersNothing) {
  port.askName = [] { return TEndGameDlg(nullptr).AskName(); };
  WhenModal<TEndGameDlg>([](TEndGameDlg& dialog) {
    QTest::keyClicks(dialog.NameEdit(), "   ");
    QTest::keyClick(dialog.NameEdit(), Qt::Key_Return);
  });
  port.GameWon("5", 30000, 200);
  EXPECT_EQ(entered, 0);
  EXPECT_TRUE(tables.empty());
  EXPECT_FALSE(store.KeyExists(setting::kHallOfFameKey));
}

TEST(EndGameDlg, EnterShowsThePressAndClosesWithTheTrimmedName) {
  TEndGameDlg dialog(nullptr);
  bool pressedSeen = false;
  WhenModal<TEndGameDlg>([&](TEndGameDlg& shown) {
    QTest::keyClicks(shown.NameEdit(), "  Anna Berg  ");
    QTest::keyClick(shown.NameEdit(), Qt::Key_Return);
  });
  // Sampled while the switch's press is shown.
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (dialog.Switch()->isChecked()) pressedSeen = true;
  });
  probe.start(20);
  EXPECT_EQ(dialog.AskName(), "Anna Berg");
  EXPECT_TRUE(pressedSeen);
  EXPECT_FALSE(dialog.Switch()->isChecked());
}

TEST(EndGameDlg, EscapeOrAClickOnTheSwitch) {
  TEndGameDlg dialog(nullptr);
  WhenModal<TEndGameDlg>([](TEndGameDlg& shown) {
    QTest::keyClicks(shown.NameEdit(), "Carla");
    QTest::keyClick(&shown, Qt::Key_Escape);
  });
  EXPECT_EQ(dialog.AskName(), "");

  WhenModal<TEndGameDlg>([](TEndGameDlg& shown) {
    QTest::keyClicks(shown.NameEdit(), "Abcdefghijklmnopqrst");
    QTest::mouseClick(shown.Switch(), Qt::LeftButton);
  });
  EXPECT_EQ(dialog.AskName(), "Abcdefghijklmno");  // the field takes fifteen
}

TEST(DottedNameLine, TheLongestRunOfDotsThatFits) {
  QFont font("Times New Roman");
  font.setPixelSize(27);
  const QFontMetrics metrics(font);
  for (const QString& name : {QString(), QString("Li"), QString("Maximilian Graf")}) {
    const QString line = DottedNameLine(name, metrics, 300);
    EXPECT_LT(metrics.horizontalAdvance(line), 300) << line.toStdString();
    QString longer = line;
    longer.insert(line.size() - 1, '.');
    EXPECT_GE(metrics.horizontalAdvance(longer), 300) << line.toStdString();
  }
  // A name wider than the label keeps its colon and gets no dots.
  EXPECT_EQ(DottedNameLine(QString(40, 'W'), metrics, 300), QString(40, 'W') + " :");
}

}  // namespace
}  // namespace sudoku
