#pragma once
// The puzzle chooser: the catalogue as a grid of small boards in the variant the two sliders
// choose; own puzzles are added, edited, deleted and reset here.

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "library/catalogue.h"
#include "library/print_layout.h"
#include "model/puzzle_index.h"
#include "solve/solver.h"
#include "ui/ok_cancel_dialog.h"

namespace sudoku {

class SampleListModel;

class TGetSampleDlg : public TOKCancelDlg {
 public:
  TGetSampleDlg(QWidget* parent, Settings& settings, StartupSettings& options, CataloguePort& port,
                const QImage& background);

  // The catalogue: the list's texts in order, the built-in ones first.
  const std::vector<std::string>& Samples() const { return samples_; }
  int BuiltinCount() const { return catalogue_.BuiltinCount(); }
  // One row per catalogue entry; only the visible rows are drawn.
  QListView* ListBox() const { return list_; }
  // The focused row, -1 without one.
  int CurrentRow() const;
  bool IsSelected(int row) const;
  int Transformation() const { return direction_->value(); }
  int Shift() const { return shift_->value(); }
  QSlider* TrackBarDirection() const { return direction_; }
  QSlider* TrackBarNumShift() const { return shift_; }
  QPushButton* ButtonUserDef() const { return userDef_; }
  QPushButton* ButtonEdit() const { return edit_; }
  QPushButton* ButtonDelete() const { return delete_; }
  QPushButton* ButtonReset() const { return reset_; }
  QPushButton* ButtonPrint() const { return print_; }
  QString RNumber() const { return number_->text(); }
  QString Fields() const { return fields_->text(); }
  QString Steps() const { return steps_->text(); }

  // The focused item's variant and its puzzle number; empty without a focused item.
  std::string ChosenPuzzle() const;
  std::string ChosenNumber() const;
  // The variant of item i as the sliders show it, and its puzzle number (at most 15 characters).
  std::string Variant(int i) const;
  std::string Number(int i) const;
  // The selected items in list order, as the sliders show them.
  std::vector<PrintListEntry> SelectedForPrint() const;

  void NewSample();
  void EditSample();
  void DeleteSamples();
  void ResetSamples();
  // The selection update after clicks, edits and deletions.
  void SelectItem(int i, bool select);

  // The own-puzzle editor; tests replace it.
  std::function<std::optional<std::string>(bool edit)> runEditor;
  // "&Drucken": prints the selected items.
  std::function<void()> onPrint;

  // OK, "Abbrechen" (or Escape) and the double click store the own puzzles; closing the window
  // by its title bar does not.
  void accept() override;
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UpdateButtons();
  void ShowInfo();
  // Steps of the solving run for a variant, "?" when it does not end solved; computed once.
  QString StepsOf(const std::string& variant);
  std::optional<std::string> RunEditor(bool edit);
  void Refill();
  const PuzzleIndex& Known();

  Settings& settings_;
  StartupSettings& options_;
  QImage background_;
  Catalogue catalogue_;
  std::vector<std::string> samples_;
  // The samples by canonical key for the editor's duplicate test, built when first needed.
  PuzzleIndex known_;
  bool knownValid_ = false;
  RunState runState_;
  Solver solver_{runState_};
  std::unordered_map<std::string, int> stepsCache_;
  SampleListModel* model_;
  QListView* list_;
  QSlider* direction_;
  QSlider* shift_;
  QLabel* number_;
  QLabel* fields_;
  QLabel* steps_;
  QPushButton* userDef_;
  QPushButton* edit_;
  QPushButton* delete_;
  QPushButton* reset_;
  QPushButton* print_;
  bool closedByTitle_ = false;
};

}  // namespace sudoku
