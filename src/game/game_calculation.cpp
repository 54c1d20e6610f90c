// Calculations on the visible board: a technique from the help menu, one step further, the
// automatic calculation, and the fill with all digits.

#include "game/game_controller.h"

namespace sudoku {
namespace {

// Ends a calculation however its run ends.
class Calculation {
 public:
  explicit Calculation(GameController& game) : game_(game) { game_.SetCalculating(true); }
  ~Calculation() { game_.SetCalculating(false); }
  Calculation(const Calculation&) = delete;
  Calculation& operator=(const Calculation&) = delete;

 private:
  GameController& game_;
};

}  // namespace

void GameController::SetCalculating(bool on) {
  if (on) {
    SetFlag(gfCalculating, true);
    run_.StopRequested = false;
    SetClock(true);
    deferred_ = nullptr;
    SetFlag(gfAidsUsed, true);
    run_.TotalChanges = 0;
    view_.AnimateRunning(true);
  } else {
    SetFlag(gfCalculating, false);
    // Run once: a second end of calculation must not start the chosen puzzle again.
    if (auto action = std::move(deferred_)) {
      deferred_ = nullptr;
      action();
    }
    view_.AnimateRunning(false);
  }
}

void GameController::OneStep() {
  if (Has(gfCalculating) || !Has(gfLoaded)) return;
  Calculation calculation(*this);
  run_.SingleStep = true;
  solver_.RunCalculation(board_);
  run_.SingleStep = false;
}

void GameController::StartStop() {
  if (Has(gfCalculating)) {
    solver_.RequestStop();
    return;
  }
  if (!Has(gfLoaded)) return;
  Calculation calculation(*this);
  solver_.RunCalculation(board_);
}

void GameController::RunTechnique(Technique technique, int scope) {
  if (Has(gfCalculating) || !Has(gfLoaded)) return;
  Calculation calculation(*this);
  switch (technique) {
    case Technique::kAutoClean:
      solver_.AutoClean(scope);
      break;
    case Technique::kSeekUniqueValues:
      solver_.SeekUniqueValues(scope);
      break;
    case Technique::kSeekUnmistakableValuesIn3x3Group:
      solver_.SeekUnmistakableValuesIn3x3Group(scope);
      break;
    case Technique::kSameNumSetInDiffFields:
      solver_.SameNumSetInDiffFields(scope);
      break;
    case Technique::kBenachbarteSpaltenZeilenDesBlocks:
      solver_.BenachbarteSpaltenZeilenDesBlocks();
      break;
  }
}

void GameController::FillCells(int tag) {
  if (!Has(gfLoaded)) return;
  SetClock(true);  // a fresh game's solution comes from the board before the fill
  solver_.Fill1To9(tag);
}

}  // namespace sudoku
