// The puzzle chooser and the own-puzzle editor, headless.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "library/builtin_puzzles.h"
#include "model/puzzle_string.h"
#include "settings/memory_settings_store.h"
#include "support/boards.h"
#include "support/message_box.h"
#include "ui/get_sample_dlg.h"
#include "ui/program_art.h"
#include "ui/user_def_dlg.h"

namespace sudoku {
namespace {

using test::AnswerNextMessageBox;

class Port : public CataloguePort {
 public:
  std::string name;
  std::vector<std::string> shown;
  std::string CurrentPuzzleName() override { return name; }
  void SetListNumber(int n) override {
    const size_t dot = name.find('.');
    name = n == 0 || dot == std::string::npos ? "" : std::to_string(n) + name.substr(dot);
  }
  void EmptyPlayground() override { name.clear(); }
  void ShowInformation(const std::string& text) override { shown.push_back(text); }
};

// An own puzzle that is no variant of a built-in one: a built-in puzzle with two givens more.
std::string OwnPuzzle(int n) {
  std::string p(BuiltinPuzzleText(kFirstBuiltinPuzzleId));
  RunState state;
  Solver solver(state);
  BoardRecord solution;
  LoadBoardFromString(solution, p, true, solver);
  int added = 0;
  for (int i = 0; i < 81 && added < n; ++i) {
    if (p[i] == '0') {
      p[i] = DigitChar(solution.cells[i]);
      ++added;
    }
  }
  return p;
}

int Count(const TGetSampleDlg& d) {
  return d.ListBox()->model()->rowCount();
}
void Select(const TGetSampleDlg& d, int row) {
  d.ListBox()->selectionModel()->select(d.ListBox()->model()->index(row, 0),
                                        QItemSelectionModel::Select);
}

class ChooserTest : public ::testing::Test {
 protected:
  std::unique_ptr<TGetSampleDlg> Open() {
    auto dialog =
        std::make_unique<TGetSampleDlg>(nullptr, settings, options, port, BackgroundTile());
    dialog->runEditor = [this](bool edit) -> std::optional<std::string> {
      edits.push_back(edit);
      if (editorAnswer.empty()) return std::nullopt;
      return editorAnswer;
    };
    return dialog;
  }
  MemorySettingsStore store;
  Settings settings{store};
  StartupSettings options;
  Port port;
  std::vector<bool> edits;
  std::string editorAnswer;
};

TEST_F(ChooserTest, OnlyBuiltinPuzzles) {
  auto d = Open();
  EXPECT_EQ(Count(*d), 80);
  EXPECT_EQ(d->CurrentRow(), 0);
  EXPECT_FALSE(d->ButtonReset()->isEnabled());
  EXPECT_FALSE(d->ButtonEdit()->isEnabled());
  for (int i = 0; i < 5; ++i) Select(*d, i);
  EXPECT_FALSE(d->ButtonDelete()->isEnabled());
  EXPECT_TRUE(d->ButtonPrint()->isEnabled());
  EXPECT_EQ(d->RNumber(), "1.1.1");
  EXPECT_EQ(d->Fields(), QString::number(CountFilled(BuiltinPuzzleText(120))));
  EXPECT_NE(d->Steps(), "?");
}

TEST_F(ChooserTest, SlidersShowEveryItemInTheChosenVariant) {
  auto d = Open();
  d->SelectItem(4, true);  // item 5
  d->TrackBarDirection()->setValue(2);
  d->TrackBarNumShift()->setValue(3);
  EXPECT_EQ(d->RNumber(), "5.3.4");
  EXPECT_EQ(d->Variant(4), TransformSudoku(d->Samples()[4], 3, 2));
  EXPECT_EQ(d->ChosenPuzzle(), TransformSudoku(d->Samples()[4], 3, 2));
  EXPECT_EQ(d->ChosenNumber(), "5.3.4");
  // A digit 7 becomes 1 with the shift of 3 (7 + 3 - 9).
  const std::string& stored = d->Samples()[4];
  const size_t at = stored.find('7');
  ASSERT_NE(at, std::string::npos);
  std::string turned(81, '0');
  turned[at] = '7';
  EXPECT_EQ(TransformSudoku(turned, 3, 2).find('1'), 80 - at);
}

TEST_F(ChooserTest, OwnPuzzlesAreAddedEditedDeletedAndStoredOnEveryWayOut) {
  {
    auto d = Open();
    editorAnswer = OwnPuzzle(3);
    d->NewSample();
    EXPECT_EQ(edits, (std::vector<bool>{false}));
    EXPECT_EQ(Count(*d), 81);
    EXPECT_EQ(d->CurrentRow(), 80);
    EXPECT_TRUE(d->ButtonReset()->isEnabled());
    EXPECT_TRUE(d->ButtonEdit()->isEnabled());
    EXPECT_TRUE(d->ButtonDelete()->isEnabled());
    d->reject();  // "Abbrechen" still stores
  }
  EXPECT_EQ(store.GetString("Samples", "Sudoku 1"), OwnPuzzle(3));
  {
    auto d = Open();
    ASSERT_EQ(Count(*d), 81);
    d->SelectItem(80, true);
    editorAnswer = OwnPuzzle(4);
    d->EditSample();
    EXPECT_EQ(edits.back(), true);
    EXPECT_EQ(d->Samples()[80], OwnPuzzle(4));
    editorAnswer = OwnPuzzle(5);
    d->NewSample();
    // A built-in and an own puzzle selected: the button is off, but Del asks and removes the
    // own one only.
    d->ListBox()->clearSelection();
    Select(*d, 3);
    Select(*d, 81);
    d->ListBox()->selectionModel()->setCurrentIndex(d->ListBox()->model()->index(81, 0),
                                                    QItemSelectionModel::NoUpdate);
    EXPECT_FALSE(d->ButtonDelete()->isEnabled());
    port.name = "82.1.1";
    AnswerNextMessageBox(QMessageBox::Yes);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(d.get(), &del);
    EXPECT_EQ(Count(*d), 81);
    EXPECT_EQ(port.name, "");  // the running own puzzle was deleted: the board is emptied
    EXPECT_EQ(d->CurrentRow(), 80);
    d->accept();
  }
  EXPECT_EQ(store.GetString("Samples", "Sudoku 1"), OwnPuzzle(4));
  EXPECT_FALSE(store.GetString("Samples", "Sudoku 2"));
  {
    auto d = Open();
    AnswerNextMessageBox(QMessageBox::Yes);
    d->ResetSamples();
    EXPECT_EQ(Count(*d), 80);
    EXPECT_FALSE(d->ButtonReset()->isEnabled());
    d->close();  // closed by its title bar: nothing is stored
  }
  EXPECT_TRUE(store.GetString("Samples", "Sudoku 1"));
}

// The keys that move the focus run the selection update as a click does: the labels and
// buttons always show the puzzle that OK starts.
TEST_F(ChooserTest, KeysMoveTheFocusAndTheLabelsFollow) {
  {
    SettingsBatch batch(store);
    for (unsigned n = 1; n <= 40; ++n)
      store.PutString("Samples", SampleValueName(n), OwnPuzzle(n % 9));
  }
  auto d = Open();
  d->TrackBarDirection()->setValue(2);
  d->TrackBarNumShift()->setValue(3);
  d->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(d.get()));
  QListView* list = d->ListBox();
  list->setFocus();
  auto shows = [&d](int row) {
    EXPECT_EQ(d->CurrentRow(), row);
    const std::string chosen = d->ChosenPuzzle();
    EXPECT_EQ(chosen, TransformSudoku(d->Samples()[static_cast<size_t>(row)], 3, 2));
    EXPECT_EQ(d->RNumber().toStdString(), SampleNumber(row + 1, 2, 3));
    EXPECT_EQ(d->ChosenNumber(), SampleNumber(row + 1, 2, 3));
    EXPECT_EQ(d->Fields(), QString::number(CountFilled(chosen)));
    RunState state;
    Solver solver(state);
    BoardRecord board;
    const bool solved = LoadBoardFromString(board, chosen, true, solver);
    EXPECT_EQ(d->Steps(), solved ? QString::number(state.TechniqueChanges) : "?");
    EXPECT_EQ(d->ButtonEdit()->isEnabled(), row >= 80);
    EXPECT_EQ(d->ButtonDelete()->isEnabled(), row >= 80);  // the keys select what they focus
  };
  QTest::keyClick(list, Qt::Key_Down);
  shows(1);
  QTest::keyClick(list, Qt::Key_Right);  // the next column of two
  shows(3);
  QTest::keyClick(list, Qt::Key_End);
  shows(119);
  QTest::keyClick(list, Qt::Key_Up);
  shows(118);
  QTest::keyClick(list, Qt::Key_PageUp);
  const int up = d->CurrentRow();
  EXPECT_LT(up, 118);
  shows(up);
  QTest::keyClick(list, Qt::Key_Home);
  shows(0);
  QTest::keyClick(list, Qt::Key_PageDown);
  const int down = d->CurrentRow();
  EXPECT_GT(down, 0);
  shows(down);
  QTest::keyClick(list, Qt::Key_Left);
  shows(down - 2);
  // Return takes the focused puzzle, as the labels name it.
  const std::string number = d->RNumber().toStdString();
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(d->ChosenNumber(), number);
}

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() {
    for (int i = 0; i < 80; ++i) samples.emplace_back(BuiltinPuzzleText(kFirstBuiltinPuzzleId + i));
    for (size_t i = 0; i < samples.size(); ++i) {
      list.addItem(QString::number(i));
      known.Add(samples[i], static_cast<int>(i));
    }
  }
  std::unique_ptr<TUserDefDlg> Open(bool edit) {
    return std::make_unique<TUserDefDlg>(nullptr, edit, list, samples, known, settings, options,
                                         BackgroundTile());
  }
  void Type(TUserDefDlg& d, int key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(d.PanelSudoku(), &e);
  }
  MemorySettingsStore store;
  Settings settings{store};
  StartupSettings options;
  std::vector<std::string> samples;
  PuzzleIndex known;
  QListWidget list;
};

TEST_F(EditorTest, HandEntryWithConflictsAndWrapAround) {
  auto d = Open(false);
  EXPECT_EQ(d->OKBtn()->text(), "&Hinzufügen");
  EXPECT_TRUE(d->RedLit());  // empty
  EXPECT_FALSE(d->OKBtn()->isEnabled());
  Type(*d, Qt::Key_5);
  EXPECT_EQ(d->PuzzleText()[0], '5');
  EXPECT_EQ(d->EditorCursor(), QPoint(1, 0));
  Type(*d, Qt::Key_5);  // 5 already in the row: refused
  EXPECT_EQ(d->PuzzleText()[1], '0');
  EXPECT_EQ(d->EditorCursor(), QPoint(1, 0));
  EXPECT_FALSE(d->RedLit());
  EXPECT_FALSE(d->GreenLit());  // far from unique
  EXPECT_EQ(d->StatusPanel(0), " Felder: 1");
  EXPECT_EQ(d->StatusPanel(1), " Schritte: ?");
  d->SetEditorCursor(8, 0);
  Type(*d, Qt::Key_Right);
  EXPECT_EQ(d->EditorCursor(), QPoint(0, 1));
  d->SetEditorCursor(0, 8);
  Type(*d, Qt::Key_Down);
  EXPECT_EQ(d->EditorCursor(), QPoint(1, 0));
  d->SetEditorCursor(8, 8);
  Type(*d, Qt::Key_Right);
  EXPECT_EQ(d->EditorCursor(), QPoint(0, 0));
}

TEST_F(EditorTest, AVariantOfAListedPuzzleIsRefusedAndSelected) {
  auto d = Open(false);
  d->SetPuzzle(TransformSudoku(samples[6], 5, 3));
  EXPECT_TRUE(d->RedLit());
  EXPECT_FALSE(d->OKBtn()->isEnabled());
  EXPECT_EQ(list.currentRow(), 6);
  d->SetPuzzle(std::string(81, '0'));
  EXPECT_EQ(list.currentRow(), 6);  // an empty board is invalid, but matches nothing
  d->SetPuzzle(OwnPuzzle(2));       // two givens more than a listed puzzle: new
  EXPECT_FALSE(d->RedLit());
  EXPECT_TRUE(d->OKBtn()->isEnabled());
  EXPECT_EQ(list.currentRow(), -1);  // the selection returns to the edited item: none
}

TEST_F(EditorTest, EditingAnOwnPuzzleDoesNotCountItself) {
  list.setCurrentRow(12);
  auto d = Open(true);
  EXPECT_EQ(d->EditIndex(), 12);
  EXPECT_EQ(d->PuzzleText(), samples[12]);
  EXPECT_TRUE(d->Valid());
  EXPECT_TRUE(d->GreenLit());
  EXPECT_EQ(d->StatusPanel(1).left(11), " Schritte: ");
  EXPECT_TRUE(d->ButtonSwap()->isEnabled());
}

TEST_F(EditorTest, SwappingGivensOnceTheSolutionIsKnown) {
  list.setCurrentRow(0);
  auto d = Open(true);
  ASSERT_TRUE(d->GridKnown());
  const char given = d->PuzzleText()[1];
  d->SetEditorCursor(1, 0);
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
  QApplication::sendEvent(d->PanelSudoku(), &space);
  EXPECT_EQ(d->PuzzleText()[1], '0');
  QApplication::sendEvent(d->PanelSudoku(), &space);
  EXPECT_EQ(d->PuzzleText()[1], given);
}

TEST_F(EditorTest, AnUnsolvableLoopingPuzzleIsCheckedPromptly) {
  auto d = Open(false);
  d->SetPuzzle("010000003500602010602034050005000040304900270029070001000000005000405006000009000");
  EXPECT_TRUE(d->Valid());
  EXPECT_FALSE(d->Solved());
  EXPECT_FALSE(d->GreenLit());
  // OK asks; Cancel keeps the dialog with the puzzle.
  AnswerNextMessageBox(QMessageBox::Cancel);
  d->OKBtn()->click();
  EXPECT_EQ(d->result(), 0);
  EXPECT_EQ(d->PuzzleText().substr(0, 5), "01000");
}

TEST_F(EditorTest, GenerationFillsTheTrackBarAndRemembersTheGoal) {
  auto d = Open(false);
  d->Generator().SetSearchLimit(300);
  QRadioButton* minFields = d->findChild<QRadioButton*>("RadioButton_MinFields");
  ASSERT_NE(minFields, nullptr);
  minFields->click();
  d->show();
  const int manualHeight = d->height();
  const QPoint pointer = QCursor::pos();
  d->SetAutoMode(true);
  EXPECT_TRUE(d->AutoModeOn());
  // The track bar's row makes the dialog taller; the pointer follows the buttons below it.
  EXPECT_TRUE(QTest::qWaitFor([&] { return d->height() > manualHeight; }));
  EXPECT_EQ(QCursor::pos(), pointer + QPoint(0, d->height() - manualHeight));
  EXPECT_EQ(d->ButtonAutoCreate()->text(), "M&anuell");
  EXPECT_EQ(d->ButtonSwap()->text(), "&Wiederholen");
  const int best = d->TrackBar()->minimum();
  EXPECT_GE(best, 17);
  EXPECT_LE(best, 40);
  EXPECT_EQ(d->TrackBar()->value(), best);
  EXPECT_EQ(CountFilled(d->PuzzleText()), best);
  EXPECT_TRUE(d->GreenLit());
  d->TrackBar()->setValue(81);  // the whole grid: full, so not valid
  EXPECT_EQ(CountFilled(d->PuzzleText()), 81);
  EXPECT_TRUE(d->RedLit());
  d->TrackBar()->setValue(best + 5);
  d->ButtonAutoCreate()->click();  // back to manual, the puzzle as chosen, the manual height
  EXPECT_FALSE(d->AutoModeOn());
  EXPECT_TRUE(QTest::qWaitFor([&] { return d->height() == manualHeight; }));
  EXPECT_EQ(QCursor::pos(), pointer);
  EXPECT_EQ(CountFilled(d->PuzzleText()), best + 5);
  d.reset();
  EXPECT_EQ(store.GetInt("", "LastAutoMode"), 1);
}

}  // namespace
}  // namespace sudoku
