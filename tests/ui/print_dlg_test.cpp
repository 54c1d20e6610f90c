// The print options page and printing into a PDF file, headless.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/boards.h"
#include "ui/print_dlg.h"

namespace sudoku {
namespace {

TEST(PrintOptionsPanel, TheListDialogRaisesOnePerPageForBothOnOnePage) {
  PrintOptions options;
  TPrintOptionsPanel panel(nullptr, TPrintOptionsPanel::Kind::List, options);
  EXPECT_EQ(panel.ModeButton(2)->text(), "Rätsel && Lösung auf der selben Seite");
  EXPECT_TRUE(panel.PerPageButton(0)->isChecked());
  QTest::mouseClick(panel.ModeButton(2), Qt::LeftButton);
  EXPECT_EQ(options.mode, kPrintBothOnOnePage);
  EXPECT_TRUE(panel.PerPageButton(1)->isChecked());
  EXPECT_FALSE(panel.PerPageButton(0)->isEnabled());
  QTest::mouseClick(panel.ModeButton(3), Qt::LeftButton);
  EXPECT_TRUE(panel.PerPageButton(0)->isChecked());
  EXPECT_TRUE(panel.PerPageButton(0)->isEnabled());
  EXPECT_EQ(panel.GivensOnlyBox(), nullptr);

  QTest::mouseClick(panel.ColourButton(true), Qt::LeftButton);
  EXPECT_TRUE(options.inColor);
  // The options live on: the next dialog starts from them.
  TPrintOptionsPanel game(nullptr, TPrintOptionsPanel::Kind::Game, options);
  EXPECT_TRUE(game.ModeButton(3)->isChecked());
  EXPECT_TRUE(game.ColourButton(true)->isChecked());
}

TEST(PrintOptionsPanel, GivensOnlyIsOfferedForPlayerEntriesOnly) {
  PrintOptions options;
  TPrintOptionsPanel empty(nullptr, TPrintOptionsPanel::Kind::Game, options);
  EXPECT_FALSE(empty.GivensOnlyBox()->isEnabled());
  EXPECT_TRUE(empty.GivensOnlyBox()->isChecked());

  options.boardHasEntries = true;
  TPrintOptionsPanel panel(nullptr, TPrintOptionsPanel::Kind::Game, options);
  ASSERT_TRUE(panel.GivensOnlyBox()->isEnabled());
  QTest::mouseClick(panel.GivensOnlyBox(), Qt::LeftButton);
  EXPECT_FALSE(options.givensOnly);
  QTest::mouseClick(panel.ModeButton(1), Qt::LeftButton);
  EXPECT_FALSE(panel.GivensOnlyBox()->isEnabled());
  QTest::mouseClick(panel.ModeButton(0), Qt::LeftButton);
  EXPECT_TRUE(panel.GivensOnlyBox()->isEnabled());
}

class PdfPrint : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  bool invNumBlock = true;
  Printing printing{"2.0.0", invNumBlock};
  int asked = 0;
  bool confirm = true;

  void SetUp() override {
    printing.Printer().setOutputFormat(QPrinter::PdfFormat);
    printing.Printer().setOutputFileName(dir.filePath("out.pdf"));
    printing.askPrint = [this](QWidget*, TPrintOptionsPanel&) {
      ++asked;
      return confirm;
    };
  }
  // Pages of the written PDF; -1 when none was written.
  int Pages() {
    QFile file(dir.filePath("out.pdf"));
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = file.readAll();
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1)) {
      if (pdf.mid(at + 11, 1) != "s") ++pages;
    }
    return pages;
  }
};

TEST_F(PdfPrint, TheGameWithItsSolutionOnTwoPages) {
  BoardRecord board = test::Puzzle(test::kEasyPuzzle);
  board.SetName("7.1.1");
  printing.Options().ChooseMode(kPrintBothOnTwoPages);
  printing.PrintGame(nullptr, board);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Pages(), 2);
}

TEST_F(PdfPrint, ACancelledDialogPrintsNothing) {
  confirm = false;
  printing.PrintGame(nullptr, test::Puzzle(test::kEasyPuzzle));
  EXPECT_EQ(Pages(), -1);
}

TEST_F(PdfPrint, AListTwoToAPageWithSeparateSolutions) {
  std::vector<PrintListEntry> entries;
  for (int i = 0; i < 3; ++i) entries.push_back({TransformSudoku(test::kEasyPuzzle, i, 0), "1.1.1"});
  printing.Options().ChoosePerPage(2);
  printing.Options().ChooseMode(kPrintBothOnTwoPages);
  printing.PrintList(nullptr, entries);
  EXPECT_EQ(Pages(), 4);
}

}  // namespace
}  // namespace sudoku
