#include "solve/solver.h"

#include <cstdlib>

#include "model/geometry.h"
#include "model/puzzle_string.h"
#include "model/tables.h"

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
    // when a run has gone on for a while.
    const uint64_t now = pump_->TickMs();
    if (now - lastYield_ < kHiddenYieldMs) return;
    lastYield_ = now;
  }
  ProcessOneMessage(0);
}

void Solver::RemoveCellDigits(int cell, DigitSet set) {
  TechniqueChangeCell(cell, static_cast<DigitSet>(work_->cells[cell] & ~set));
}

void Solver::TechniqueChangeCell(int cell, DigitSet set) {
  if (state_.StopRequested) return;
  BoardRecord& board = *work_;
  if (board.IsGiven(cell)) return;
  const DigitSet old = board.cells[cell];
  if (old == set) return;
  board.cells[cell] = set;

  const int kOld = CountDigits(old), kNew = CountDigits(set);
  const int weight = kNew == 1 ? 1 : std::abs(kOld - kNew);
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
          if (entry.positions & (1u << p)) continue;
          const int cell = kGroupCells.cells[g][p];
          if (work_->cells[cell] & entry.digits) RemoveCellDigits(cell, entry.digits);
        }
      });
}

bool Solver::SeekUniqueValues(int scope) {
  static constexpr int kTexts[3] = {1037, 1038, 1039};
  GroupTable groups;
  DigitCountTable counts;
  UniqueCandidateTable unique;
  return PassScheme(
      scope, kTexts,
      [&] {
        BuildDigitCountTable(work_->cells, counts);
        BuildGroupTable(work_->cells, groups);
        BuildUniqueCandidateTable(counts, groups, unique);
      },
      [&](int g) {
        for (int d = 1; d <= 9; ++d) {
          if (!unique[g * 9 + d - 1]) continue;
          for (int p = 0; p < 9; ++p) {
            const int cell = kGroupCells.cells[g][p];
            if (work_->cells[cell] & DigitBit(d)) {
              SetCellDigit(cell, d);
              break;
            }
          }
        }
      });
}

bool Solver::SeekUnmistakableValuesIn3x3Group(int scope) {
  static constexpr int kTexts[3] = {1034, 1035, 1036};
  DigitCountTable counts;
  BlockLineCountTable lines;
  return PassScheme(
      scope, kTexts,
      [&] {
        BuildDigitCountTable(work_->cells, counts);
        BuildBlockLineCountTable(work_->cells, lines);
      },
      [&](int g) {
        for (int d = 1; d <= 9; ++d) {
          const int count = counts[g * 9 + d - 1];
          if (g >= 9 && g < 18) {
            // A digit of a row confined to one block leaves the block's other rows.
            const int r = g - 9;
            for (int k = 0; k < 3; ++k) {
              const int b = r / 3 * 3 + k;
              const int n = lines[b * 54 + 27 + (r % 3) * 9 + d - 1];
              if (n <= 1 || n != count) continue;
              for (int p = 0; p < 9; ++p) {
                const int cell = CellOfBlock(b, p);
                if (RowOf(cell) != r) RemoveCellDigit(cell, d);
              }
            }
          } else if (g < 9) {
            const int c = g;
            for (int k = 0; k < 3; ++k) {
              const int b = k * 3 + c / 3;
              const int n = lines[b * 54 + (c % 3) * 9 + d - 1];
              if (n <= 1 || n != count) continue;
              for (int p = 0; p < 9; ++p) {
                const int cell = CellOfBlock(b, p);
                if (ColumnOf(cell) != c) RemoveCellDigit(cell, d);
              }
            }
          } else {
            // A digit of a block confined to one of its lines leaves that line elsewhere.
            const int b = g - 18;
            for (int k = 0; k < 3; ++k) {
              int n = lines[b * 54 + k * 9 + d - 1];
              if (n > 1 && n == count) {
                const int column = b % 3 * 3 + k;
                for (int row = 0; row < 9; ++row) {
                  if (row / 3 != b / 3) RemoveCellDigit(CellAt(column, row), d);
                }
              }
              n = lines[b * 54 + 27 + k * 9 + d - 1];
              if (n > 1 && n == count) {
                const int row = b / 3 * 3 + k;
                for (int column = 0; column < 9; ++column) {
                  if (column / 3 != b % 3) RemoveCellDigit(CellAt(column, row), d);
                }
              }
            }
          }
        }
      });
}

bool Solver::SameNumSetInDiffFields(int scope) {
  static constexpr int kTexts[3] = {1031, 1032, 1033};
  return PassScheme(
      scope, kTexts, [] {},
      [&](int g) {
        const auto& cells = kGroupCells.cells[g];
        for (int p = 0; p < 9; ++p) {
          const DigitSet m = work_->cells[cells[p]];
          const int x = CountDigits(m);
          if (x < 2) continue;
          int same = 0;
          for (int q = 0; q < 9; ++q) same += work_->cells[cells[q]] == m;
          if (same != x) continue;
          for (int q = 0; q < 9; ++q) {
            if (work_->cells[cells[q]] != m) RemoveCellDigits(cells[q], m);
          }
        }
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

    DigitSet rowPair[9], columnPair[9];
    for (int i = 0; i < 9; ++i) {
      const int j1 = i / 3 * 3 + (i + 1) % 3, j2 = i / 3 * 3 + (i + 2) % 3;
      rowPair[i] = groups[RowGroup(j1)].digits & groups[RowGroup(j2)].digits;
      columnPair[i] = groups[ColumnGroup(j1)].digits & groups[ColumnGroup(j2)].digits;
    }
    // Digit d is forced into line position `at` when each of the two other lines either holds d
    // already or has its cell at that position fixed.
    auto forced = [&](const GroupEntry& a, const GroupEntry& b, int at, int d) {
      const bool aDone = (a.digits >> d) & 1, bDone = (b.digits >> d) & 1;
      const bool aFull = (a.positions >> at) & 1, bFull = (b.positions >> at) & 1;
      return (aDone && bDone) || (aFull && bDone) || (aDone && bFull) || (aFull && bFull);
    };
    for (int cell = 0; cell < kCells; ++cell) {
      if (IsFixed(work_->cells[cell])) continue;
      const int r = RowOf(cell), c = ColumnOf(cell);
      const DigitSet blockDigits = groups[BlockGroup(BlockOf(cell))].digits;
      int d = SingleDigit(static_cast<DigitSet>(rowPair[r] & ~blockDigits));
      if (d > 0) {
        const int j1 = c / 3 * 3 + (c + 1) % 3, j2 = c / 3 * 3 + (c + 2) % 3;
        if (forced(groups[ColumnGroup(j1)], groups[ColumnGroup(j2)], r, d)) {
          SetCellDigit(cell, d);
          continue;
        }
      }
      d = SingleDigit(static_cast<DigitSet>(columnPair[c] & ~blockDigits));
      if (d > 0) {
        const int j1 = r / 3 * 3 + (r + 1) % 3, j2 = r / 3 * 3 + (r + 2) % 3;
        if (forced(groups[RowGroup(j1)], groups[RowGroup(j2)], c, d)) SetCellDigit(cell, d);
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

  if (!state_.StopRequested) Fill1To9(live ? 0 : 1);
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
