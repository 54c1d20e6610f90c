#include "game/game_controller.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "model/geometry.h"
#include "model/tables.h"

namespace sudoku {
namespace {

// Records from outside may carry any cursor.
int SafeCursor(int cursor) { return cursor >= -1 && cursor < 81 ? cursor : -1; }

constexpr uint32_t kLongestShownTime = 35999900;  // 9:59:59.9

}  // namespace

GameController::GameController(GameView& view, EventPump& pump, Settings& settings,
                               StartupSettings& options, HallOfFamePort* hallOfFame)
    : view_(view),
      pump_(pump),
      settings_(settings),
      options_(options),
      hallOfFame_(hallOfFame),
      solver_(run_, &pump, this),
      undo_(this) {
  run_.StepDelay = StepDelayForVelocity(options.velocity);
}

// ---- The state word ----

void GameController::SetGameFlags(uint16_t flags) {
  const uint16_t old = flags_;
  if (flags == old) return;
  flags_ = flags;
  view_.CommandStatesChanged();
  if ((old ^ flags) & gfUnrated) ClockTick();
  if (!(old & gfAidsUsed) && (flags & gfAidsUsed)) SetSmiley(2);
}

void GameController::SetFlag(uint16_t flag, bool on) {
  SetGameFlags(static_cast<uint16_t>(on ? flags_ | flag : flags_ & ~flag));
}

void GameController::SetSmiley(int frame) {
  // Reaching "aids used" marks the game directly, without recomputing the commands.
  if (frame == 2 && smiley_ != 2) flags_ |= gfAidsUsed;
  smiley_ = frame;
  view_.SetSmileyFrame(frame);
}

void GameController::UpdateWarningSmiley() {
  if (smiley_ != 2) SetSmiley(options_.warningLevel != 0 ? 1 : 0);
}

// ---- Games ----

void GameController::ResetGame() {
  SetClock(false);
  undo_.Clear();
  board_ = BoardRecord{};
  SetGameFlags(static_cast<uint16_t>(
      (flags_ & ~(gfLoaded | gfUnrated | gfAidsUsed | gfModeLocked)) | gfFresh));
  SetShownTime(0);
  separators_ = true;
  view_.ShowClockSeparators(true);
  steps_ = 0;
  view_.ShowCounter(0);
  SelectCell(-1);
  mode_ = imSet;
  view_.SetInputModeFrame(InputModeFrame());
  SetPuzzleName("");
  SolvedTestWithDisplay();
  ShowLastActionId(1057);
  smiley_ = options_.warningLevel != 0 ? 1 : 0;
  view_.SetSmileyFrame(smiley_);
}

void GameController::LoadPuzzle(std::string_view text) {
  if (text.size() != 81) return;
  ResetGame();
  for (int i = 0; i < 81; ++i) {
    const char ch = text[static_cast<size_t>(i)];
    if (ch >= '1' && ch <= '9') {
      board_.cells[i] = DigitBit(ch - '0');
      board_.givens.Add(i);
    } else {
      board_.cells[i] = 0;
    }
    RedrawCell(i);
  }
  SelectCell(0);
  undo_.UndoRecording = true;
  RecordStep(0, 0);
  SetFlag(gfLoaded, true);
}

void GameController::ChoosePuzzle(std::string_view text, std::string_view name) {
  if (text.empty() || !ConfirmAbortGame()) return;
  pendingText_ = text;
  pendingName_ = name;
  RunWhenIdle([this] { StartChosenPuzzle(); });
}

void GameController::RunWhenIdle(std::function<void()> action) {
  if (Has(gfCalculating)) {
    solver_.RequestStop();
    deferred_ = std::move(action);
  } else {
    action();
  }
}

void GameController::StartChosenPuzzle() {
  SetClock(false);
  LoadPuzzle(pendingText_);
  SetPuzzleName(pendingName_);
}

void GameController::SetPuzzleName(std::string_view name) {
  board_.SetName(name);
  view_.UpdateGameNumber();
  view_.CommandStatesChanged();
}

bool GameController::HallOfFameAvailable() const {
  const std::string id = PuzzleIdOf(board_.Name());
  return !id.empty() && hallOfFame_ && hallOfFame_->HasEntry(id);
}

void GameController::SetListNumber(int n) {
  std::string name = board_.Name();
  const size_t dot = name.find('.');
  if (dot == std::string::npos || n == 0) {
    RunWhenIdle([this] { EmptyPlayground(); });
    return;
  } else if (n != ListNumber(name)) {
    name = std::to_string(n) + name.substr(dot);
  }
  SetPuzzleName(name);
}

void GameController::EmptyPlayground() {
  ResetGame();
  PutCells(Cells{}, -1, true);
}

void GameController::Restart() {
  if (undo_.Index() < 1) {
    GameRecord record = FillGameRecord();
    ClearNonGivens(record.board);
    record.cursor = 0;
    record.steps = 0;
    record.timeMs = 0;
    record.flags = gfLoaded;
    LoadGameRecord(record, true);
  } else {
    undo_.GoToStart();
  }
}

bool GameController::ConfirmAbortGame() {
  if (!Has(gfClockRunning)) return true;
  if (!view_.AskYesNo(1027)) return false;
  solver_.RequestStop();
  return true;
}

// ---- Board and cursor ----

void GameController::RedrawCell(int cell) {
  if (cell >= 0 && cell < 81) view_.RedrawCell(cell);
}

void GameController::SelectCell(int cell) {
  cell = SafeCursor(cell);
  if (cell == cursor_) return;
  const int old = cursor_;
  cursor_ = cell;
  RedrawCell(old);
  RedrawCell(cell);
  view_.CommandStatesChanged();
}

void GameController::PutCells(const Cells& cells, int cursor, bool redrawAll) {
  for (int i = 0; i < 81; ++i) {
    const DigitSet set = MaskDigits(cells[i]);
    const bool changed = board_.cells[i] != set;
    board_.cells[i] = set;
    if (changed || redrawAll) RedrawCell(i);
  }
  SelectCell(cursor);
  SolvedTestWithDisplay();
}

void GameController::SolvedTestWithDisplay() {
  GroupTable table;
  BuildGroupTable(board_.cells, table);
  uint16_t complete[3] = {0, 0, 0};  // columns, rows, blocks
  for (int g = 0; g < 27; ++g) {
    if (table[g] == kCompleteGroupTable[g]) complete[g / 9] |= static_cast<uint16_t>(1u << (g % 9));
  }
  if (complete[0] != completeColumns_ || complete[1] != completeRows_ ||
      complete[2] != completeBlocks_) {
    completeColumns_ = complete[0];
    completeRows_ = complete[1];
    completeBlocks_ = complete[2];
    view_.UpdateGroupIndicator(complete[0], complete[1], complete[2]);
    // Digits added to a cell show as decided once one of its groups is complete.
    for (int i = 0; i < 81; ++i) {
      if (!board_.marked.Contains(i)) continue;
      if (((complete[0] >> ColumnOf(i)) | (complete[1] >> RowOf(i)) | (complete[2] >> BlockOf(i))) &
          1) {
        board_.marked.Remove(i);
        RedrawCell(i);
      }
    }
  }
  SetFlag(gfSolved, table == kCompleteGroupTable);
}

// ---- The player's changes ----

void GameController::SetDigit(int d) {
  if (d < 1 || d > 9 || !CheckMove(DigitBit(d), moSet)) return;
  board_.marked.Remove(cursor_);
  ApplyPlayerChange(DigitBit(d));
}

void GameController::AddDigit(int d) {
  if (d < 1 || d > 9 || !CheckMove(DigitBit(d), moAdd)) return;
  if (board_.cells[cursor_] != DigitBit(d)) board_.marked.Add(cursor_);
  ApplyPlayerChange(board_.cells[cursor_] | DigitBit(d));
}

void GameController::RemoveDigit(int d) {
  if (d < 1 || d > 9 || !CheckMove(DigitBit(d), moRemove)) return;
  board_.marked.Remove(cursor_);
  ApplyPlayerChange(static_cast<DigitSet>(board_.cells[cursor_] & ~DigitBit(d)));
}

void GameController::ClearCell() {
  if (CheckMove(0, moInsert)) ApplyPlayerChange(0);
}

void GameController::InsertSet(DigitSet set) {
  set = MaskDigits(set);
  if (CheckMove(set, moInsert)) ApplyPlayerChange(set);
}

bool GameController::CheckMove(DigitSet digits, MoveOperation operation) {
  const bool silent = operation == moSilent;
  auto refuse = [&](int id) {
    if (!silent) ShowError(id);
    return false;
  };
  if (Has(gfSolved)) return refuse(518);
  if (board_.givens.Empty()) return refuse(523);
  if (Has(gfCalculating)) return refuse(537);
  if (!CellSelected()) return false;  // no cell to change
  if (board_.IsGiven(cursor_)) return refuse(522);

  if (smiley_ == 1) SetSmiley(2);
  const DigitSet cell = board_.cells[cursor_];
  const DigitSet next = operation == moAdd      ? static_cast<DigitSet>(cell | digits)
                        : operation == moRemove ? static_cast<DigitSet>(cell & ~digits)
                                                : digits;
  if (next == cell) return true;

  switch (options_.warningLevel) {
    case 1: {
      if (operation == moRemove) return next != 0 ? true : refuse(522);
      GroupTable table;
      BuildGroupTable(board_.cells, table);
      const DigitSet fixed = table[ColumnGroup(ColumnOf(cursor_))].digits |
                             table[RowGroup(RowOf(cursor_))].digits |
                             table[BlockGroup(BlockOf(cursor_))].digits;
      if (operation == moInsert) return (digits & ~cell & fixed) ? refuse(520) : true;
      return (digits & fixed) ? refuse(519) : true;
    }
    case 2:
      if (operation == moSet || operation == moAdd) {
        // The solution is made when the clock starts, which is after this check for the first
        // move of a game: judge that move against the solution it is about to get.
        if (Has(gfFresh)) {
          solution_ = board_;
          solver_.RunCalculation(solution_);
        }
        return (digits & ~solution_.cells[cursor_]) ? refuse(521) : true;
      }
      return true;
    default:
      return true;
  }
}

void GameController::ApplyPlayerChange(DigitSet newSet) {
  if (!CellSelected() || board_.givens.Empty() || board_.IsGiven(cursor_)) return;
  const DigitSet old = board_.cells[cursor_];
  if (newSet == old) {
    RedrawCell(cursor_);
    return;
  }
  ShowLastActionId(1060);
  SetClock(true);  // a fresh game's solution comes from the board before this change
  board_.cells[cursor_] = newSet;
  RedrawCell(cursor_);
  SolvedTestWithDisplay();
  RecordStep(CountDigits(old), CountDigits(newSet));
  if (!Has(gfModeLocked)) {
    mode_ = imAdd;
    view_.SetInputModeFrame(InputModeFrame());
  }
  view_.CommandStatesChanged();
}

void GameController::RecordStep(int oldCount, int newCount) {
  const int increment = oldCount == newCount ? 0
                        : newCount == 1      ? 1
                                             : std::abs(oldCount - newCount);
  if (increment) {
    // A count from a file may stand anywhere: it stops at the largest, never wraps.
    steps_ = steps_ > INT32_MAX - increment ? INT32_MAX : steps_ + increment;
    view_.ShowCounter(steps_);
  }
  undo_.AddSnapshot(board_.cells, steps_, cursor_);
  if (!undo_.UndoRecording) {
    SetClock(false);
  } else if (steps_ != 0) {
    SolvedTestWithDisplay();
    SetClock(!Has(gfSolved));
  }
}

// ---- Input mode ----

void GameController::SetInputMode(int mode) {
  if (mode >= 0 && mode <= 2) {
    mode_ = static_cast<InputMode>(mode);
  } else if (mode == 3 || mode == 4) {
    mode_ = static_cast<InputMode>(mode - 2);
    SetFlag(gfModeLocked, true);
  }
  view_.SetInputModeFrame(InputModeFrame());
}

void GameController::SetModeLocked(bool locked) {
  SetFlag(gfModeLocked, locked);
  view_.SetInputModeFrame(InputModeFrame());
}

void GameController::SetModifiers(bool shift, bool control) {
  shift_ = shift;
  control_ = control;
  view_.SetInputModeFrame(InputModeFrame());
}

int GameController::InputModeFrame() const {
  if (control_ && !shift_) return mode_ == imRemove ? 1 : 2;
  if (shift_ && !control_) return 0;
  return mode_ + (Has(gfModeLocked) && mode_ != imSet ? 2 : 0);
}

// ---- The clock ----

void GameController::SetShownTime(uint32_t ms) {
  shownTime_ = ms;
  ShowTime();
}

void GameController::ShowTime() {
  if (Has(gfUnrated) || shownTime_ == kNoTime) {
    view_.ShowClock(-1);
  } else {
    view_.ShowClock(std::min(shownTime_, kLongestShownTime));
  }
}

void GameController::SetClock(bool on) {
  if (on == clockOn_) return;
  clockOn_ = on;
  separators_ = true;
  view_.ShowClockSeparators(true);
  view_.AnimateStarted(on);
  if (on && Has(gfFresh)) {
    SetFlag(gfFresh, false);
    blinkTimer_ = true;
    view_.SetBlinkTimer(true);
    solution_ = board_;
    solver_.RunCalculation(solution_);
    startTick_ = pump_.TickMs();  // after the solving: it does not count
  }
  const bool timed = !on && blinkTimer_;
  if (timed) {
    blinkTimer_ = false;
    view_.SetBlinkTimer(false);
    if (!Has(gfUnrated)) SetShownTime(ElapsedMs());
  }
  SetFlag(gfClockRunning, on);
  // Loaded and solved, with time and without aids: a won game. Reported last, since the port
  // may hold a dialog open.
  if (timed && (flags_ & 0x0780) == (gfLoaded | gfSolved) && hallOfFame_) {
    hallOfFame_->GameWon(PuzzleIdOf(board_.Name()), shownTime_, steps_);
  }
}

uint32_t GameController::ElapsedMs() const {
  // A stored time goes on from where it stood; it stops short of the value for no time
  // instead of wrapping round to a short one.
  return static_cast<uint32_t>(std::min<uint64_t>(pump_.TickMs() - startTick_, kNoTime - 1));
}

void GameController::ClockTick() {
  if (Has(gfUnrated)) {
    separators_ = true;
    view_.ShowClockSeparators(true);
    view_.ShowClock(-1);
    return;
  }
  if (!blinkTimer_) {
    // A stopped clock shows its time with the separators.
    separators_ = true;
    view_.ShowClockSeparators(true);
    ShowTime();
    return;
  }
  separators_ = !separators_;
  view_.ShowClockSeparators(separators_);
  SetShownTime(ElapsedMs() / 1000 * 1000);
}

// ---- Undo and status ----

void GameController::ShowLastActionId(int id) {
  // Texts of runs on a hidden board are not shown.
  if (run_.LiveBoard) view_.ShowLastActionId(id);
}

void GameController::UndoFlagsChanged(bool noUndo, bool noRedo) {
  uint16_t flags = static_cast<uint16_t>(flags_ & ~(gfNoUndo | gfNoRedo));
  if (noUndo) flags |= gfNoUndo;
  if (noRedo) flags |= gfNoRedo;
  SetGameFlags(flags);
}

void GameController::SetStepCount(int steps) {
  // Counts come from files and stored games as well.
  steps_ = std::max(steps, 0);
  view_.ShowCounter(steps_);
}

}  // namespace sudoku
