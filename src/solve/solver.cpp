#include "solve/solver.h"

#include <cstdlib>

#include "model/geometry.h"
#include "model/puzzle_string.h"
#include "model/tables.h"
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
    // when a run has gone on for a while.
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
  ++generation_;
  if (caching_) tracker_.Change(cell, old, set);

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

void Solver::BuildGroups(GroupTable& out) {
  if (caching_) {
    out = tracker_.Table();
  } else {
    BuildGroupTable(work_->cells, out);
  }
}

void Solver::BuildLines(LineSummary& out) {
  if (caching_ && linesGeneration_ == generation_) {
    out = linesCache_;
    return;
  }
  out.Build(work_->cells);
  if (caching_) {
    linesCache_ = out;
    linesGeneration_ = generation_;
  }
}

template <class Build, class Treat, class Quiet>
bool Solver::PassScheme(int scope, const int (&texts)[3], Build build, Treat treat, Quiet quiet) {
  if ((scope & 71) != 71) scope &= ~kScopeRepeat;
  // Rows, then columns, then blocks, whatever order the bits come in.
  static constexpr int kFirstGroup[3] = {9, 0, 18};
  bool changed = false;
  for (;;) {
    if (state_.StopRequested) return changed;
    const Cells copy = work_->cells;
    if (!build(scope)) return changed;
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
    if (work_->cells == copy) {
      quiet(scope);
      return changed;
    }
    BetweenPasses();
    changed = true;
    if (!(scope & kScopeRepeat)) return true;
  }
}

bool Solver::AutoClean(int scope) {
  static constexpr int kTexts[3] = {1040, 1041, 1042};
  GroupTable groups;
  LineSummary lines;
  return PassScheme(
      scope, kTexts,
      [&](int normalised) {
        BuildGroups(groups);
        // Nothing but candidates of open cells has gone since a pass over every group found
        // nothing on the same fixed cells: this pass would find nothing either.
        if (caching_ && normalised == kScopeEverything && quietClean_ && *quietClean_ == groups) {
          return false;
        }
        BuildLines(lines);
        return true;
      },
      [&](int g) {
        const GroupEntry entry = groups[g];
        // Cells only lose candidates during a pass: no open cell meets the group's digits now
        // when none did at its start.
        if (!(lines.open[g] & entry.digits)) return;
        for (int p = 0; p < 9; ++p) {
          if (entry.positions & (1u << p)) continue;
          const int cell = kGroupCells.cells[g][p];
          if (work_->cells[cell] & entry.digits) RemoveCellDigits(cell, entry.digits);
        }
      },
      [&](int normalised) {
        if (caching_ && normalised == kScopeEverything) quietClean_ = groups;
      });
}

bool Solver::SeekUniqueValues(int scope) {
  static constexpr int kTexts[3] = {1037, 1038, 1039};
  GroupTable groups;
  LineSummary lines;
  return PassScheme(
      scope, kTexts,
      [&](int) {
        BuildGroups(groups);
        BuildLines(lines);
        return true;
      },
      [&](int g) {
        const DigitSet unique = UniqueCandidates(lines, groups, g);
        if (!unique) return;
        for (int d = 1; d <= 9; ++d) {
          if (!(unique & DigitBit(d))) continue;
          for (int p = 0; p < 9; ++p) {
            const int cell = kGroupCells.cells[g][p];
            if (work_->cells[cell] & DigitBit(d)) {
              SetCellDigit(cell, d);
              break;
            }
          }
        }
      },
      [](int) {});
}

bool Solver::SeekUnmistakableValuesIn3x3Group(int scope) {
  static constexpr int kTexts[3] = {1034, 1035, 1036};
  LineSummary lines;
  return PassScheme(
      scope, kTexts,
      [&](int) {
        BuildLines(lines);
        return true;
      },
      [&](int g) {
        if (g >= 9 && g < 18) {
          // A digit of a row confined to one block, in more than one cell, leaves the block's
          // other rows.
          const int r = g - 9;
          // Only digits that also stand elsewhere in the block can go; cells only lose
          // candidates during a pass, so the summary of its start is enough to know.
          const DigitSet fire[3] = {lines.RowConfinedToBlockElsewhere(r, 0),
                                    lines.RowConfinedToBlockElsewhere(r, 1),
                                    lines.RowConfinedToBlockElsewhere(r, 2)};
          if (!(fire[0] | fire[1] | fire[2])) return;
          for (int d = 1; d <= 9; ++d) {
            for (int k = 0; k < 3; ++k) {
              if (!(fire[k] & DigitBit(d))) continue;
              const int b = r / 3 * 3 + k;
              for (int p = 0; p < 9; ++p) {
                const int cell = CellOfBlock(b, p);
                if (RowOf(cell) != r) RemoveCellDigit(cell, d);
              }
            }
          }
        } else if (g < 9) {
          const int c = g;
          const DigitSet fire[3] = {lines.ColumnConfinedToBlockElsewhere(c, 0),
                                    lines.ColumnConfinedToBlockElsewhere(c, 1),
                                    lines.ColumnConfinedToBlockElsewhere(c, 2)};
          if (!(fire[0] | fire[1] | fire[2])) return;
          for (int d = 1; d <= 9; ++d) {
            for (int k = 0; k < 3; ++k) {
              if (!(fire[k] & DigitBit(d))) continue;
              const int b = k * 3 + c / 3;
              for (int p = 0; p < 9; ++p) {
                const int cell = CellOfBlock(b, p);
                if (ColumnOf(cell) != c) RemoveCellDigit(cell, d);
              }
            }
          }
        } else {
          // A digit of a block confined to one of its lines, in more than one cell, leaves that
          // line outside the block.
          const int b = g - 18;
          DigitSet columns[3], rows[3];
          DigitSet any = 0;
          for (int k = 0; k < 3; ++k) {
            columns[k] = lines.BlockConfinedToColumnElsewhere(b, k);
            rows[k] = lines.BlockConfinedToRowElsewhere(b, k);
            any |= columns[k] | rows[k];
          }
          if (!any) return;
          for (int d = 1; d <= 9; ++d) {
            for (int k = 0; k < 3; ++k) {
              if (columns[k] & DigitBit(d)) {
                const int column = b % 3 * 3 + k;
                for (int row = 0; row < 9; ++row) {
                  if (row / 3 != b / 3) RemoveCellDigit(CellAt(column, row), d);
                }
              }
              if (rows[k] & DigitBit(d)) {
                const int row = b / 3 * 3 + k;
                for (int column = 0; column < 9; ++column) {
                  if (column / 3 != b % 3) RemoveCellDigit(CellAt(column, row), d);
                }
              }
            }
          }
        }
      },
      [](int) {});
}

bool Solver::SameNumSetInDiffFields(int scope) {
  static constexpr int kTexts[3] = {1031, 1032, 1033};
  return PassScheme(
      scope, kTexts, [](int) { return true; },
      [&](int g) {
        const auto& cells = kGroupCells.cells[g];
        // Cells change only when a rule fires, so a group without two equal sets of two or
        // more digits has nothing to do.
        bool pair = false;
        for (int p = 0; p < 8 && !pair; ++p) {
          const DigitSet m = work_->cells[cells[p]];
          if (CountDigits(m) < 2) continue;
          for (int q = p + 1; q < 9; ++q) {
            if (work_->cells[cells[q]] == m) {
              pair = true;
              break;
            }
          }
        }
        if (!pair) return;
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
      },
      [](int) {});
}

bool Solver::BenachbarteSpaltenZeilenDesBlocks() {
  bool changed = false;
  for (;;) {
    if (state_.StopRequested) return changed;
    const Cells copy = work_->cells;
    GroupTable groups;
    BuildGroups(groups);
    // The rule reads nothing but the fixed cells: on the fixed cells of a pass that found
    // nothing, it finds nothing again.
    if (caching_ && quietNeighbours_ && *quietNeighbours_ == groups) return changed;
    Announce(1061);

    // Digit d is forced into position `at` of a line when each of the two other lines of its
    // band (stack) either holds d already or has its cell at that position fixed.
    auto forced = [](const GroupEntry& a, const GroupEntry& b, int at, int d) {
      const unsigned done = (a.digits >> d) | (a.positions >> at);
      const unsigned other = (b.digits >> d) | (b.positions >> at);
      return (done & other & 1) != 0;
    };
    // The other two lines of a line's band or stack.
    static constexpr int8_t kOther1[9] = {1, 2, 0, 4, 5, 3, 7, 8, 6};
    static constexpr int8_t kOther2[9] = {2, 0, 1, 5, 3, 4, 8, 6, 7};
    // Which cells are forced, from the table alone: by the row test, or by the column test
    // when the row test does not set the cell.
    std::array<int8_t, 81> rowDigit, columnDigit;
    uint64_t byRow[2] = {0, 0}, byColumn[2] = {0, 0};
    auto mark = [](uint64_t* bits, int cell) { bits[cell >> 6] |= uint64_t{1} << (cell & 63); };
    for (int line = 0; line < 9; ++line) {
      const int j1 = kOther1[line], j2 = kOther2[line];
      const DigitSet rowPair = groups[RowGroup(j1)].digits & groups[RowGroup(j2)].digits;
      const DigitSet columnPair = groups[ColumnGroup(j1)].digits & groups[ColumnGroup(j2)].digits;
      if (rowPair) {
        for (int k = 0; k < 3; ++k) {
          const DigitSet blockDigits = groups[BlockGroup(line / 3 * 3 + k)].digits;
          const int d = SingleDigit(static_cast<DigitSet>(rowPair & ~blockDigits));
          if (d <= 0) continue;
          for (int c = k * 3; c < k * 3 + 3; ++c) {
            if (forced(groups[ColumnGroup(kOther1[c])], groups[ColumnGroup(kOther2[c])], line, d)) {
              rowDigit[CellAt(c, line)] = static_cast<int8_t>(d);
              mark(byRow, CellAt(c, line));
            }
          }
        }
      }
      if (columnPair) {
        for (int k = 0; k < 3; ++k) {
          const DigitSet blockDigits = groups[BlockGroup(k * 3 + line / 3)].digits;
          const int d = SingleDigit(static_cast<DigitSet>(columnPair & ~blockDigits));
          if (d <= 0) continue;
          for (int r = k * 3; r < k * 3 + 3; ++r) {
            if (forced(groups[RowGroup(kOther1[r])], groups[RowGroup(kOther2[r])], line, d)) {
              columnDigit[CellAt(line, r)] = static_cast<int8_t>(d);
              mark(byColumn, CellAt(line, r));
            }
          }
        }
      }
    }
    for (int half = 0; half < 2; ++half) {
      for (uint64_t bits = byRow[half] | byColumn[half]; bits; bits &= bits - 1) {
        const int at = __builtin_ctzll(bits);
        const int cell = half * 64 + at;
        if (IsFixed(work_->cells[cell])) continue;
        SetCellDigit(cell, (byRow[half] >> at) & 1 ? rowDigit[cell] : columnDigit[cell]);
      }
    }
    if (work_->cells == copy) {
      if (caching_) quietNeighbours_ = groups;
      return changed;
    }
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
    ++generation_;
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
      s.ForgetTables();
      // A loop stopped by the change limit must not stop the calculation around a hidden run.
      if (hidden && s.stoppedByLimit_) s.state_.StopRequested = false;
      s.runChanges_ = changes;
      s.stoppedByLimit_ = limit;
      s.state_.LiveBoard = live;
      --s.runDepth_;
    }
  } restore{*this, savedChanges, savedLimit, savedLive, !live};

  ++runDepth_;
  ForgetTables();
  runChanges_ = 0;
  stoppedByLimit_ = false;
  state_.StopRequested = false;
  state_.LiveBoard = live;
  state_.TechniqueChanges = 0;

  Fill1To9(live ? 0 : 1);
  if (!live) {
    // Inside one hidden run nothing but the run itself writes the board: its tables can be
    // kept up to date and reused from pass to pass.
    tracker_.Reset(board.cells);
    caching_ = true;
  }
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

void Solver::ForgetTables() {
  caching_ = false;
  linesGeneration_ = kNoGeneration;
  quietNeighbours_.reset();
  quietClean_.reset();
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
