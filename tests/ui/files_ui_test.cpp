// The open and save commands with their dialogs, and the bitmap size dialog, headless.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "library/catalogue.h"
#include "library/game_files.h"
#include "settings/memory_settings_store.h"
#include "support/boards.h"
#include "ui/bitmap_size_dlg.h"
#include "ui/file_commands.h"

namespace sudoku {
namespace {

using test::kEasyPuzzle;

// Runs `act` on the next modal window of type T once it is up.
template <typename T>
void OnNextModal(std::function<void(T*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* window = dynamic_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(window);
    }
  });
  timer->start(10);
}

// Types a file name and chooses a file type in the next file dialog, and notes what the
// dialog showed. The choice is repeated until the dialog has closed.
class FileDialogChooser {
 public:
  FileDialogChooser(const QString& file, int type) {
    QObject::connect(&timer_, &QTimer::timeout, [this, file, type] {
      if (!acted_) {
        dialog_ = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog_) return;
        title = dialog_->windowTitle();
        filters = dialog_->nameFilters();
        suffix = dialog_->defaultSuffix();
        acted_ = true;
      }
      if (!dialog_ || !dialog_->isVisible()) {
        timer_.stop();
        return;
      }
      dialog_->selectNameFilter(filters.value(type));
      // Typed, as a person would: what the dialog lists in the background does not undo it.
      if (auto* edit = dialog_->findChild<QLineEdit*>("fileNameEdit")) edit->setText(file);
      static_cast<QDialog*>(dialog_.data())->accept();
    });
    timer_.start(20);
  }

  QString title;
  QStringList filters;
  QString suffix;

 private:
  QTimer timer_;
  QPointer<QFileDialog> dialog_;
  bool acted_ = false;
};

// The text of the next message box, answered with OK.
std::shared_ptr<QString> CaptureNextMessage() {
  auto text = std::make_shared<QString>();
  OnNextModal<QMessageBox>([text](QMessageBox* box) {
    *text = box->text();
    box->accept();
  });
  return text;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

// ---- The bitmap size dialog ----

class BitmapSizeTest : public ::testing::Test {
 protected:
  std::unique_ptr<TBitmapSizeDlg> Open() {
    return std::make_unique<TBitmapSizeDlg>(nullptr, memory, options, QImage());
  }
  BitmapSizeMemory memory;
  StartupSettings options;
};

TEST_F(BitmapSizeTest, CoupledFields) {
  auto d = Open();
  EXPECT_EQ(d->windowTitle(), "Bildgröße");
  EXPECT_EQ(d->PixelsPerMetre(), 7874);  // 13.0 cm at 200 pixels per inch
  EXPECT_EQ(d->PixelBreite()->value(), 1024);
  EXPECT_EQ(d->PixelHoehe()->value(), 1024);
  // The list shows the format the export uses from the first opening on.
  EXPECT_EQ(d->PixelFormat()->count(), 7);
  EXPECT_EQ(d->PixelFormat()->currentText(), "TrueColor-Bitmap (24 Bits/Pixel)");

  d->PixelBreite()->setValue(500);
  EXPECT_EQ(d->PixelHoehe()->value(), 500);
  EXPECT_DOUBLE_EQ(d->Breite()->value(), 6.35);
  EXPECT_DOUBLE_EQ(d->Hoehe()->value(), 6.35);

  d->ProportionenErhalten()->setChecked(false);
  d->Breite()->setValue(2.54);
  EXPECT_EQ(d->PixelBreite()->value(), 200);
  EXPECT_EQ(d->PixelHoehe()->value(), 500);
  // A new resolution recomputes the pixels from the centimetres.
  d->Aufloesung()->setValue(100);
  EXPECT_EQ(d->PixelsPerMetre(), 3937);
  EXPECT_EQ(d->PixelBreite()->value(), 100);
  EXPECT_EQ(d->PixelHoehe()->value(), 250);

  // 127 pixels per inch are 5000 per metre: 0.25 cm are 12.5 pixels, rounded to even.
  d->Aufloesung()->setValue(127);
  d->Breite()->setValue(0.25);
  EXPECT_EQ(d->PixelBreite()->value(), 12);
  d->Breite()->setValue(0.75);
  EXPECT_EQ(d->PixelBreite()->value(), 38);

  // Ticking the box goes back to the size at opening, square.
  d->PixelHoehe()->setValue(300);
  d->ProportionenErhalten()->click();
  EXPECT_EQ(d->PixelBreite()->value(), 1024);
  EXPECT_EQ(d->PixelHoehe()->value(), 1024);

  d->PixelBreite()->setValue(0);
  EXPECT_FALSE(d->OKBtn()->isEnabled());
}

TEST_F(BitmapSizeTest, OnlyAConfirmedDialogIsRemembered) {
  auto d = Open();
  d->PixelBreite()->setValue(500);
  d->PixelFormat()->setCurrentIndex(0);
  d->reject();
  EXPECT_FALSE(memory.confirmed);
  EXPECT_EQ(memory.pixelFormat, 6);

  d = Open();
  EXPECT_EQ(d->PixelBreite()->value(), 1024);
  d->ProportionenErhalten()->setChecked(false);
  d->PixelBreite()->setValue(500);
  d->Aufloesung()->setValue(300);  // 11811 per metre: 6.35 cm are 750 pixels
  d->PixelFormat()->setCurrentIndex(1);
  d->accept();
  EXPECT_TRUE(memory.confirmed);
  EXPECT_EQ(memory.pixelWidth, 750);
  EXPECT_EQ(memory.pixelHeight, 1535);
  EXPECT_EQ(memory.pixelsPerMetre, 11811);
  EXPECT_EQ(memory.pixelFormat, 2);

  d = Open();
  EXPECT_EQ(d->PixelBreite()->value(), 750);
  EXPECT_EQ(d->PixelHoehe()->value(), 1535);
  EXPECT_EQ(d->Aufloesung()->value(), 300);
  EXPECT_EQ(d->PixelFormat()->currentIndex(), 1);
}

// ---- Opening and saving ----

class FileCommandTest : public ::testing::Test {
 protected:
  FileCommandTest() {
    options = StartupSettings::Read(settings);
    form = std::make_unique<TSudokuMainForm>(settings, options);
  }
  void Load() {
    game().LoadPuzzle(kEasyPuzzle);
    game().SetPuzzleName("1.1.1");
  }
  GameController& game() { return form->Game(); }
  QString Path(const QString& name) const { return dir.filePath(name); }

  QTemporaryDir dir;
  MemorySettingsStore store;
  Settings settings{store};
  StartupSettings options;
  std::unique_ptr<TSudokuMainForm> form;
};

TEST_F(FileCommandTest, DialogsCarryTheirTitlesAndFileTypes) {
  Load();
  {
    FileDialogChooser chooser(Path("state.sud"), 1);
    SaveGameOrList(*form);
    EXPECT_EQ(chooser.title, "Sudoku speichern");
    EXPECT_EQ(chooser.filters, SaveFilters());
    EXPECT_EQ(chooser.filters.size(), 10);
    EXPECT_EQ(chooser.filters.value(3), "Spielstand als Metadatei, schwarz/weiß (*.emf)");
    EXPECT_EQ(chooser.suffix, "sud");
  }
  const QByteArray state = ReadAll(Path("state.sud"));
  EXPECT_EQ(state.size(), 224);  // type 1: the current state only
  EXPECT_TRUE(state.startsWith("SUD1"));

  game().EmptyPlayground();
  FileDialogChooser chooser(Path("state.sud"), 0);
  OpenGameOrList(*form);
  EXPECT_EQ(chooser.title, "Sudoku laden");
  EXPECT_EQ(chooser.filters,
            QStringList({"Sudoku-Datei (*.sud)", "Liste der eigenen Sudokus (*.txt)"}));
  EXPECT_EQ(TextLine(game().CurrentBoard()), kEasyPuzzle);
}

TEST_F(FileCommandTest, EachTypeHasItsWriter) {
  // Nothing is written without a puzzle or during a calculation, and the player hears why.
  auto message = CaptureNextMessage();
  SaveFile(*form, Path("none"), 9);
  EXPECT_EQ(*message, "Es ist kein Sudoku geladen, daher wurde nichts gespeichert.");
  Load();
  game().SetFlag(gfCalculating, true);
  message = CaptureNextMessage();
  SaveFile(*form, Path("none"), 1);
  EXPECT_EQ(*message, "Während einer Berechnung wird nichts gespeichert.");
  game().SetFlag(gfCalculating, false);
  EXPECT_FALSE(QFile::exists(Path("none")));

  store.PutString(setting::kSamplesKey, SampleValueName(1), std::string(kEasyPuzzle));
  for (int type : {0, 1, 3, 4, 5, 6, 7, 8, 9}) SaveFile(*form, Path(QString::number(type)), type);
  const BoardRecord& board = game().CurrentBoard();
  const std::string expected[] = {"SUD0",
                                  "SUD1",
                                  "",
                                  "\x01",
                                  "\x01",
                                  CellTableText(board, '\t'),
                                  FormattedText(board),
                                  CellTableText(board, ','),
                                  std::string(kEasyPuzzle),
                                  std::string(kEasyPuzzle) + "\r\n"};
  for (int type : {0, 1, 3, 4, 5, 6, 7, 8, 9}) {
    const std::string content = ReadAll(Path(QString::number(type))).toStdString();
    EXPECT_EQ(content.substr(0, expected[type].size()), expected[type]) << type;
    if (type >= 5) {
      EXPECT_EQ(content.size(), expected[type].size()) << type;  // the text forms whole
    }
  }
  // The monochrome metafile is 659 units wide, the colour one 779.
  EXPECT_EQ(static_cast<uint8_t>(ReadAll(Path("3"))[16]), 658 & 0xFF);
  EXPECT_EQ(static_cast<uint8_t>(ReadAll(Path("4"))[16]), 778 & 0xFF);

  // The bitmap asks for its size first; Cancel writes nothing.
  OnNextModal<TBitmapSizeDlg>([](TBitmapSizeDlg* d) { d->reject(); });
  SaveFile(*form, Path("c.bmp"), 2);
  EXPECT_FALSE(QFile::exists(Path("c.bmp")));
  OnNextModal<TBitmapSizeDlg>([](TBitmapSizeDlg* d) {
    d->PixelBreite()->setValue(300);
    d->accept();
  });
  SaveFile(*form, Path("c.bmp"), 2);
  const QImage bitmap(Path("c.bmp"), "BMP");
  EXPECT_EQ(bitmap.size(), QSize(300, 300));
}

TEST_F(FileCommandTest, ErrorsAreShownAndLeaveTheGame) {
  Load();
  QFile bad(Path("bad.sud"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("SUD");
  bad.close();
  auto message = CaptureNextMessage();
  OpenFile(*form, Path("bad.sud"), 0);
  EXPECT_EQ(*message, "Ungültiger Dateiheader, Datei ist keine Sudoku-Datei.");
  EXPECT_EQ(TextLine(game().CurrentBoard()), kEasyPuzzle);

  message = CaptureNextMessage();
  OpenFile(*form, Path("missing.txt"), 1);
  EXPECT_EQ(*message, "Fehler beim Lesen der Datei.");

  message = CaptureNextMessage();
  SaveFile(*form, Path("no/such/dir.sud"), 0);
  EXPECT_EQ(*message, "Fehler beim Schreiben der Datei.");
}

TEST_F(FileCommandTest, AGameOpenedDuringACalculationWaitsForItsEnd) {
  Load();
  SaveFile(*form, Path("game.sud"), 0);
  game().EmptyPlayground();
  game().SetCalculating(true);
  OpenFile(*form, Path("game.sud"), 0);
  EXPECT_TRUE(game().Run().StopRequested);
  EXPECT_EQ(TextLine(game().CurrentBoard()), std::string(81, '0'));
  game().SetCalculating(false);
  EXPECT_EQ(TextLine(game().CurrentBoard()), kEasyPuzzle);
}

}  // namespace
}  // namespace sudoku
