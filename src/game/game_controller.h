#pragma once
// The game: the board the player edits, the moves and their checks, steps, undo history,
// clock, memory points, calculations on the visible board and the saved form of a game.
// Standard C++ only; everything it shows or asks goes through GameView.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "game/game_flags.h"
#include "game/game_record.h"
#include "game/ports.h"
#include "model/memory_slot.h"
#include "model/undo.h"
#include "settings/settings.h"
#include "solve/solver.h"

namespace sudoku {

enum class Technique {
  kAutoClean,
  kSeekUniqueValues,
  kSeekUnmistakableValuesIn3x3Group,
  kSameNumSetInDiffFields,
  kBenachbarteSpaltenZeilenDesBlocks,
};

class GameController : public SolverHost, public UndoHost {
 public:
  GameController(GameView& view, EventPump& pump, Settings& settings, StartupSettings& options,
                 HallOfFamePort* hallOfFame = nullptr);

  // State.
  const BoardRecord& CurrentBoard() const { return board_; }
  const BoardRecord& SolutionBoard() const { return solution_; }
  int CursorCell() const override { return cursor_; }
  int StepCount() const { return steps_; }
  uint16_t GameFlags() const { return flags_; }
  bool Has(uint16_t flag) const { return (flags_ & flag) != 0; }
  InputMode Mode() const { return mode_; }
  int SmileyFrame() const { return smiley_; }
  int InputModeFrame() const;
  // The shown time in milliseconds (kNoTime for a game without time).
  uint32_t ShownTime() const { return shownTime_; }
  const TUndoList& History() const { return undo_; }
  TUndoList& History() { return undo_; }
  const MemorySlots& Memory() const { return memory_; }
  RunState& Run() { return run_; }
  Solver& LiveSolver() { return solver_; }

  // The one setter of the state word: every change recomputes the commands.
  void SetGameFlags(uint16_t flags);
  void SetFlag(uint16_t flag, bool on);

  // Games.
  void ResetGame();
  void LoadPuzzle(std::string_view text);
  // The chooser's choice: starts at once, or when the running calculation has stopped.
  void ChoosePuzzle(std::string_view text, std::string_view name);
  // Whatever replaces the board runs here: at once, or when the running calculation, asked to
  // stop, has ended, since the calculation further up the stack still works on the board.
  void RunWhenIdle(std::function<void()> action);
  void StartChosenPuzzle();
  void SetPuzzleName(std::string_view name);
  // The hall-of-fame command applies: the puzzle has an id and its hall of fame an entry.
  bool HallOfFameAvailable() const;
  void SetListNumber(int n);
  // "Leeres Spielfeld" once agreed: reset and show the empty board.
  void EmptyPlayground();
  // "Anfang": restart a puzzle that has no history yet, else back to the first snapshot.
  void Restart();
  bool ConfirmAbortGame();

  // The board and the cursor.
  void SelectCell(int cell) override;
  void PutCells(const Cells& cells, int cursor, bool redrawAll);
  void PutCells(const Cells& cells, int cursor) override { PutCells(cells, cursor, false); }

  // The player's changes of the selected cell.
  void SetDigit(int d);
  void AddDigit(int d);
  void RemoveDigit(int d);
  void ClearCell();
  void InsertSet(DigitSet set);
  bool CheckMove(DigitSet digits, MoveOperation operation);
  void ApplyPlayerChange(DigitSet newSet);
  void RecordStep(int oldCount, int newCount) override;

  // Input mode: 0-2 set the mode; 3 and 4 set add or remove and lock it.
  void SetInputMode(int mode) override;
  void SetModeLocked(bool locked);
  void SetModifiers(bool shift, bool control);
  void UpdateWarningSmiley();

  // The clock.
  void SetClock(bool on);
  void ClockTick();

  // Calculations on the visible board.
  void SetCalculating(bool on);
  void OneStep();
  // The automatic calculation; while one runs, it stops it.
  void StartStop();
  void RunTechnique(Technique technique, int scope);
  // "Felder auf 1...9 setzen": tag 0 empty cells, 1 all cells, 2 the selected cell.
  void FillCells(int tag);
  void SetStepDelay(uint32_t ms) { run_.StepDelay = ms; }

  // Memory points 0-8.
  void MemoryPointClick(int slot);
  void SetMemoryPoint(int slot);
  void RecallMemoryPoint(int slot);
  void ClearMemoryPoints(int tag);
  // At start: the nine slots from the settings.
  void LoadMemoryPoints();

  // The saved form of a game.
  GameRecord FillGameRecord() const;
  // Throws TextError(535) for a record of another version before anything changes.
  void LoadGameRecord(const GameRecord& record, bool stateOnly);

  // SolverHost and UndoHost.
  BoardRecord& Board() override { return board_; }
  bool Calculating() const override { return Has(gfCalculating); }
  void RedrawCell(int cell) override;
  void ShowLastActionId(int id) override;
  void UndoFlagsChanged(bool noUndo, bool noRedo) override;
  void SetStepCount(int steps) override;

 private:
  void ShowError(int id) { view_.ShowErrorId(id); }
  void SolvedTestWithDisplay();
  void SetShownTime(uint32_t ms);
  uint32_t ElapsedMs() const;
  void ShowTime();
  void SetSmiley(int frame);
  void WriteMemory();
  bool CellSelected() const { return cursor_ >= 0 && cursor_ < 81; }

  GameView& view_;
  EventPump& pump_;
  Settings& settings_;
  StartupSettings& options_;
  HallOfFamePort* hallOfFame_;

  BoardRecord board_;
  BoardRecord solution_;
  int cursor_ = -2;
  int steps_ = 0;
  uint16_t flags_ = 0;
  InputMode mode_ = imSet;
  bool shift_ = false;
  bool control_ = false;
  int smiley_ = 0;

  bool clockOn_ = false;
  bool blinkTimer_ = false;
  bool separators_ = true;
  uint64_t startTick_ = 0;
  uint32_t shownTime_ = 0;
  // Complete columns, rows and blocks as last shown.
  uint16_t completeColumns_ = 0, completeRows_ = 0, completeBlocks_ = 0;

  std::string pendingText_;
  std::string pendingName_;

  RunState run_;
  Solver solver_;
  TUndoList undo_;
  MemorySlots memory_{};
  std::function<void()> deferred_;
};

}  // namespace sudoku
