#include "ui/file_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRegularExpression>
#include <filesystem>

#include "base/texts.h"
#include "library/bitmap_export.h"
#include "library/catalogue.h"
#include "library/emf_writer.h"
#include "library/game_files.h"
#include "ui/program_art.h"

namespace sudoku {
namespace {

enum SaveType {
  kWholeGame,
  kCurrentState,
  kBitmap,
  kMetafileMonochrome,
  kMetafileColour,
  kTabTable,
  kFormattedText,
  kCsvTable,
  kTextLine,
  kOwnPuzzles,
};

std::filesystem::path ToPath(const QString& fileName) {
#ifdef _WIN32
  return std::filesystem::path(fileName.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(fileName).toStdString());
#endif
}

void ShowError(TSudokuMainForm& form, const TextError& error) {
  QMessageBox::critical(&form, "Sudoku", QString::fromStdString(Text(error.id())));
}

// The extension of a filter such as "Sudoku-Datei (*.sud)".
QString SuffixOf(const QString& filter) {
  const QRegularExpressionMatch match = QRegularExpression(R"(\(\*\.(\w+)\)$)").match(filter);
  return match.hasMatch() ? match.captured(1) : QString("sud");
}

void LoadGameWhenIdle(TSudokuMainForm& form, const QString& fileName) {
  form.Game().RunWhenIdle([&form, fileName] {
    try {
      LoadGameFile(ToPath(fileName), form.Game());
    } catch (const TextError& e) {
      ShowError(form, e);
    }
  });
}

}  // namespace

BitmapSizeMemory& BitmapExportSize() {
  static BitmapSizeMemory memory;
  return memory;
}

QStringList OpenFilters() {
  return {"Sudoku-Datei (*.sud)", "Liste der eigenen Sudokus (*.txt)"};
}

QStringList SaveFilters() {
  return {"Gesamtes Spiel (*.sud)",
          "Aktuellen Spielstand (*.sud)",
          "Spielstand als Bild (*.bmp)",
          "Spielstand als Metadatei, schwarz/weiß (*.emf)",
          "Spielstand als Metadatei, farbig (*.emf)",
          "Spielstand als Textdatei (*.txt)",
          "Spielstand als formatierter Text (*.txt)",
          "Spielstand als CSV-Datei (*.csv)",
          "Spielstand als Textzeile (*.txt)",
          "Liste der eigenen Sudokus (*.txt)"};
}

void OpenFile(TSudokuMainForm& form, const QString& fileName, int type) {
  if (type == 0) {
    LoadGameWhenIdle(form, fileName);
    return;
  }
  try {
    Catalogue catalogue(form.AppSettings(), form);
    // A long list shows how far the check has come and can be stopped; what was found up to
    // then is kept. The window keeps drawing meanwhile.
    QProgressDialog progress(&form);
    progress.setObjectName("ImportProgress");
    progress.setWindowTitle("Sudoku");
    progress.setCancelButtonText("Abbrechen");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    catalogue.ImportSampleList(ToPath(fileName), [&progress](size_t checked, size_t lines) {
      progress.setMaximum(static_cast<int>(lines));
      progress.setLabelText(QString("Die Liste wird nach neuen Sudokus durchsucht:\n"
                                    "%1 von %2 Zeilen geprüft.")
                                .arg(checked)
                                .arg(lines));
      progress.setValue(static_cast<int>(checked));
      return !progress.wasCanceled();
    });
  } catch (const TextError& e) {
    ShowError(form, e);
  }
}

void SaveFile(TSudokuMainForm& form, const QString& fileName, int type) {
  const GameController& game = form.Game();
  if (!game.Has(gfLoaded) || game.Has(gfCalculating)) {
    // Nothing is written; the player is told so rather than left believing it was saved.
    QMessageBox::information(&form, "Sudoku",
                             game.Has(gfCalculating)
                                 ? "Während einer Berechnung wird nichts gespeichert."
                                 : "Es ist kein Sudoku geladen, daher wurde nichts gespeichert.");
    return;
  }
  const BoardRecord& board = game.CurrentBoard();
  const bool keypad = form.Options().showInvNumBlock;
  const std::filesystem::path path = ToPath(fileName);
  try {
    switch (type) {
      case kWholeGame:
      case kCurrentState:
        SaveGameFile(path, game, type == kWholeGame);
        break;
      case kBitmap: {
        BitmapSizeMemory& size = BitmapExportSize();
        TBitmapSizeDlg dialog(&form, size, form.Options(), BackgroundTile());
        if (dialog.exec() != QDialog::Accepted) return;
        SaveBoardBitmap(fileName, board, size.pixelWidth, size.pixelHeight, size.pixelFormat,
                        keypad, size.pixelsPerMetre);
        break;
      }
      case kMetafileMonochrome:
      case kMetafileColour:
        SaveBoardMetafile(fileName, board, type == kMetafileColour, keypad,
                          QCoreApplication::applicationVersion());
        break;
      case kTabTable:
        WriteFileReplacing(path, CellTableText(board, '\t'));
        break;
      case kFormattedText:
        WriteFileReplacing(path, FormattedText(board));
        break;
      case kCsvTable:
        WriteFileReplacing(path, CellTableText(board, ','));
        break;
      case kTextLine:
        WriteFileReplacing(path, TextLine(board));
        break;
      case kOwnPuzzles:
        ExportSampleList(path, form.AppSettings());
        break;
      default:
        break;
    }
  } catch (const TextError& e) {
    ShowError(form, e);
  }
}

void OpenGameOrList(TSudokuMainForm& form) {
  QFileDialog dialog(&form, "Sudoku laden");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(OpenFilters());
  dialog.setDefaultSuffix("sud");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const int type = static_cast<int>(OpenFilters().indexOf(dialog.selectedNameFilter()));
  OpenFile(form, dialog.selectedFiles().first(), std::max(type, 0));
}

void SaveGameOrList(TSudokuMainForm& form) {
  QFileDialog dialog(&form, "Sudoku speichern");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(SaveFilters());
  dialog.setDefaultSuffix("sud");
  // A name typed without extension gets the one of the chosen type.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) { dialog.setDefaultSuffix(SuffixOf(filter)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const int type = static_cast<int>(SaveFilters().indexOf(dialog.selectedNameFilter()));
  if (type < 0) return;
  SaveFile(form, dialog.selectedFiles().first(), type);
}

}  // namespace sudoku
