#include "solve/solver.h"

#include "model/geometry.h"
#include "model/puzzle_string.h"
#include "model/tables.h"
#include "solve/hidden_chain.h"
#include "solve/rules.h"
#include "solve/summaries.h"

namespace sudoku {

Solver::Solver(RunState& state, EventPump* pump, SolverHost* host)
    : state_(state), pump_(pump), host_(host) {
  if (host_) work_ = &host_->Board();
}

Solver::~Solver() = default;

void Solver::RequestStop() {
  state_.StopRequested = true;
  state_.Waiting = false;
}

void Solver::ProcessOneMessage(unsigned ms) {
  if (!pump_) return;
  if (!pump_->DispatchPending() && ms > 0) pump_->Sleep(ms);
}

void Solver::WaitInterruptible(unsigned ms) {
  if (state_.Waiting || !pump_) return;
  struct Flag {
    bool& waiting;
    ~Flag() { waiting = false; }
  } flag{state_.Waiting};
  state_.Waiting = true;
  const uint64_t end = pump_->TickMs() + ms;
  while (pump_->TickMs() < end && state_.Waiting) ProcessOneMessage(1);
}

void Solver::Announce(int textId) {
  if (Live()) host_->ShowLastActionId(textId);
}

void Solver::BetweenPasses() {
  if (!pump_) return;
  if (!Live()) {
    // Hidden runs are the engine of checks and the generator: only let the interface breathe
    // when a run has gone on for a while. A pass takes microseconds, so the clock is read only
    // every few passes.
    if (++hiddenPasses_ % kHiddenPassesPerLook != 0) return;
    const uint64_t now = pump_->TickMs();
    if (now - lastYield_ < kHiddenYieldMs) return;
    lastYield_ = now;
  }
  ProcessOneMessage(0);
}

void Solver::RemoveCellDigits(int cell, DigitSet set) {
  const DigitSet old = work_->cells[cell];
  if (old & set) TechniqueChangeCell(cell, static_cast<DigitSet>(old & ~set));
}

void Solver::TechniqueChangeCell(int cell, DigitSet set) {
  if (state_.StopRequested) return;
  BoardRecord& board = *work_;
  if (board.IsGiven(cell)) return;
  const DigitSet old = board.cells[cell];
  if (old == set) return;
  board.cells[cell] = set;

  const int kOld = CountDigits(old), kNew = CountDigits(set);
  const int weight = ChangeWeight(kOld, kNew);
  state_.TechniqueChanges += weight;
  if (runDepth_ > 0) {
    runChanges_ += weight;
    if (runChanges_ > kRunChangeLimit) {
      stoppedByLimit_ = true;
      RequestStop();
    }
  }
  if (!Live()) return;

  state_.TotalChanges += weight;
  if (host_->Calculating() && state_.TotalChanges > kRunChangeLimit) RequestStop();

  // The cell is shown selected with its old content first, then with the new one.
  const uint32_t delay = state_.StepDelay;
  const uint32_t first = state_.SingleStep ? delay : delay / 2 + 50;
  if (delay != 0) {
    board.cells[cell] = old;
    host_->SelectCell(cell);
    board.cells[cell] = set;
    if (!state_.StopRequested) WaitInterruptible(first);
    // A command during the wait may have replaced the board: nothing is left to record.
    if (state_.StopRequested && board.cells[cell] != set) return;
  } else {
    host_->SelectCell(cell);
  }
  host_->RecordStep(kOld, kNew);
  host_->RedrawCell(cell);
  if (state_.SingleStep) {
    RequestStop();
    state_.SingleStep = false;
  } else if (!state_.StopRequested && delay != 0 && delay > first) {
    WaitInterruptible(delay - first);
  }
}

template <class Build, class Treat>
bool Solver::PassScheme(int scope, const int (&texts)[3], Build build, Treat treat) {
  if ((scope & 71) != 71) scope &= ~kScopeRepeat;
  // Rows, then columns, then blocks, whatever order the bits come in.
  static constexpr int kFirstGroup[3] = {9, 0, 18};
  bool changed = false;
  for (;;) {
    if (state_.StopRequested) return changed;
    const Cells copy = work_->cells;
    build();
    if (scope & kScopeAll) {
      for (int kind = 0; kind < 3; ++kind) {
        if (!(scope & (1 << kind))) continue;
        for (int k = 0; k < 9; ++k) {
          if (state_.StopRequested) return changed;
          Announce(texts[kind]);
          treat(kFirstGroup[kind] + k);
        }
      }
    } else {
      const int cursor = host_ ? host_->CursorCell() : -1;
      if (cursor >= 0 && cursor < kCells) {
        const int groups[3] = {RowGroup(RowOf(cursor)), ColumnGroup(ColumnOf(cursor)),
                               BlockGroup(BlockOf(cursor))};
        for (int kind = 0; kind < 3; ++kind) {
          if (!(scope & (1 << kind))) continue;
          if (state_.StopRequested) return changed;
          Announce(texts[kind]);
          treat(groups[kind]);
        }
      }
    }
    if (work_->cells == copy) return changed;
    BetweenPasses();
    changed = true;
    if (!(scope & kScopeRepeat)) return true;
  }
}

bool Solver::AutoClean(int scope) {
  static constexpr int kTexts[3] = {1040, 1041, 1042};
  GroupTable groups;
  return PassScheme(
      scope, kTexts, [&] { BuildGroupTable(work_->cells, groups); },
      [&](int g) {
        const GroupEntry entry = groups[g];
        for (int p = 0; p < 9; ++p) {
          if (!(entry.positions & (1u << p))) {
            RemoveCellDigits(kGroupCells.cells[g][p], entry.digits);
          }
        }
      });
}

bool Solver::SeekUniqueValues(int scope) {
  static constexpr int kTexts[3] = {1037, 1038, 1039};
  GroupTable groups;
  LineSummary lines;
  return PassScheme(
      scope, kTexts,
      [&] {
        BuildGroupTable(work_->cells, groups);
        lines.Build(work_->cells);
      },
      [&](int g) {
        SetUniqueValues(work_->cells, g, UniqueCandidates(lines, groups, g),
                        [&](int cell, int d) { SetCellDigit(cell, d); });
      });
}

bool Solver::SeekUnmistakableValuesIn3x3Group(int scope) {
  static constexpr int kTexts[3] = {1034, 1035, 1036};
  LineSummary lines;
  LockedDigits locked;
  return PassScheme(
      scope, kTexts,
      [&] {
        lines.Build(work_->cells);
        locked.Find(lines);
      },
      [&](int g) {
        RemoveLockedCandidates(locked, g, [&](int cell, int d) { RemoveCellDigit(cell, d); });
      });
}

bool Solver::SameNumSetInDiffFields(int scope) {
  static constexpr int kTexts[3] = {1031, 1032, 1033};
  return PassScheme(
      scope, kTexts, [] {},
      [&](int g) {
        RemoveSameSets(work_->cells, g, [&](int cell, DigitSet m) { RemoveCellDigits(cell, m); });
      });
}

bool Solver::BenachbarteSpaltenZeilenDesBlocks() {
  bool changed = false;
  for (;;) {
    if (state_.StopRequested) return changed;
    const Cells copy = work_->cells;
    GroupTable groups;
    BuildGroupTable(work_->cells, groups);
    Announce(1061);
    NeighbourForced forced;
    forced.Find(groups);
    for (int half = 0; half < 2; ++half) {
      for (uint64_t bits = forced.cells[half]; bits; bits &= bits - 1) {
        const int cell = half * 64 + __builtin_ctzll(bits);
        if (!IsFixed(work_->cells[cell])) SetCellDigit(cell, forced.digit[cell]);
      }
    }
    if (work_->cells == copy) return changed;
    BetweenPasses();
    changed = true;
  }
}

bool Solver::Fill1To9(int mode) {
  if (mode < 0 || mode > 2) return false;
  BoardRecord& board = *work_;
  Cells working = board.cells;
  const int32_t remembered = state_.TechniqueChanges;
  Announce(1043 + mode);
  if (mode == 2) {
    const int cursor = host_ ? host_->CursorCell() : -1;
    if (cursor >= 0 && cursor < kCells && !board.IsGiven(cursor)) working[cursor] = kAllDigits;
  } else {
    for (int i = 0; i < kCells; ++i) {
      if (!board.IsGiven(i) && (mode == 1 || working[i] == 0)) working[i] = kAllDigits;
    }
  }
  const bool changed = working != board.cells;
  if (changed && Live()) {
    host_->PutCells(working, host_->CursorCell());
    host_->RecordStep(0, 1);
    if (state_.SingleStep) RequestStop();
    if (mode < 2) host_->SetInputMode(4);
  } else if (changed) {
    board.cells = working;
  }
  state_.TechniqueChanges = remembered + (changed ? 1 : 0);
  return changed;
}

bool Solver::Chain(BoardRecord& board, bool live) {
  const int savedChanges = runChanges_;
  const bool savedLimit = stoppedByLimit_;
  const bool savedLive = state_.LiveBoard;
  struct Restore {
    Solver& s;
    int changes;
    bool limit;
    bool live;
    bool hidden;
    ~Restore() {
      // A loop stopped by the change limit must not stop the calculation around a hidden run.
      if (hidden && s.stoppedByLimit_) s.state_.StopRequested = false;
      s.runChanges_ = changes;
      s.stoppedByLimit_ = limit;
      s.state_.LiveBoard = live;
      --s.runDepth_;
    }
  } restore{*this, savedChanges, savedLimit, savedLive, !live};

  ++runDepth_;
  runChanges_ = 0;
  stoppedByLimit_ = false;
  state_.StopRequested = false;
  state_.LiveBoard = live;
  state_.TechniqueChanges = 0;

  Fill1To9(live ? 0 : 1);
  while (!state_.StopRequested) {
    if (BenachbarteSpaltenZeilenDesBlocks()) continue;
    if (AutoClean(kScopeEverything)) continue;
    if (SeekUniqueValues(kScopeEverything)) continue;
    if (SeekUnmistakableValuesIn3x3Group(kScopeEverything)) continue;
    if (SameNumSetInDiffFields(kScopeEverything)) continue;
    break;
  }
  return IsSolved(board.cells);
}

bool Solver::HiddenRun(BoardRecord& board) {
  if (host_) {
    if (!hidden_) hidden_ = std::make_unique<Solver>(state_, pump_);
    return hidden_->RunCalculation(board);
  }
  if (const auto solved = HiddenChain(*this).Run(board)) return *solved;
  // The board has no solution: the general techniques take it from the start.
  BoardRecord* saved = work_;
  struct Restore {
    BoardRecord*& work;
    BoardRecord* saved;
    ~Restore() { work = saved; }
  } restore{work_, saved};
  work_ = &board;
  return Chain(board, false);
}

bool Solver::RunCalculation(BoardRecord& board) {
  if (!host_ || &board != &host_->Board()) return HiddenRun(board);
  return Chain(board, true);
}

bool LoadBoardFromString(BoardRecord& record, std::string_view text, bool check, Solver& solver) {
  if (!LoadBoardFromString(record, text)) return false;
  return !check || solver.RunCalculation(record);
}

}  // namespace sudoku
