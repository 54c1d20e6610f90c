#pragma once
// Printing the current game and lists of catalogue entries: the print options as a page of the
// system's print dialog, and the printer that keeps its setup for the run.

#include <QCheckBox>
#include <QPrinter>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "library/print_layout.h"

namespace sudoku {

// The options of one print dialog. The game's print offers "Nur Vorgabeziffern", the list's the
// number of puzzles per page.
class TPrintOptionsPanel : public QWidget {
 public:
  enum class Kind { Game, List };
  TPrintOptionsPanel(QWidget* parent, Kind kind, PrintOptions& options);

  QRadioButton* ModeButton(int mode) const { return modes_[static_cast<size_t>(mode)]; }
  QRadioButton* ColourButton(bool colour) const { return colours_[colour ? 1 : 0]; }
  QCheckBox* GivensOnlyBox() const { return givensOnly_; }  // game only
  QRadioButton* PerPageButton(int index) const { return perPage_[static_cast<size_t>(index)]; }

 private:
  // Checks and enables the controls as the options stand.
  void Show();

  PrintOptions& options_;
  std::array<QRadioButton*, 4> modes_{};
  std::array<QRadioButton*, 2> colours_{};
  QCheckBox* givensOnly_ = nullptr;
  std::array<QRadioButton*, 3> perPage_{};
};

class Printing {
 public:
  // `version` goes into the document title; `invNumBlock` arranges candidates as on screen.
  Printing(const QString& version, const bool& invNumBlock);
  ~Printing();

  PrintOptions& Options() { return options_; }
  // The printer and its setup, kept for the run.
  QPrinter& Printer();

  void PrintGame(QWidget* parent, const BoardRecord& board);
  void PrintList(QWidget* parent, const std::vector<PrintListEntry>& entries);
  void PrinterSetup(QWidget* parent);

  // The print dialog with the options panel; true when confirmed. Tests replace it.
  std::function<bool(QWidget* parent, TPrintOptionsPanel& panel)> askPrint;

 private:
  void Render(QWidget* parent, const std::vector<PrintedBoard>& boards);

  QString docName_;
  const bool& invNumBlock_;
  PrintOptions options_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace sudoku
