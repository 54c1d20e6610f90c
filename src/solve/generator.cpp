#include "solve/generator.h"

#include <chrono>
#include <cstring>

#include "base/texts.h"
#include "model/geometry.h"
#include "model/tables.h"

namespace sudoku {
namespace {

void Place(GroupTable& groups, int cell, int d) {
  const int row = RowOf(cell), column = ColumnOf(cell);
  GroupEntry* entries[3] = {&groups[ColumnGroup(column)], &groups[RowGroup(row)],
                            &groups[BlockGroup(BlockOf(cell))]};
  const int positions[3] = {row, column, PositionInBlock(cell)};
  for (int k = 0; k < 3; ++k) {
    entries[k]->positions = static_cast<uint16_t>(entries[k]->positions | (1u << positions[k]));
    entries[k]->digits = static_cast<uint16_t>(entries[k]->digits | DigitBit(d));
  }
}

// A group never holds a digit twice while the grid is built, so the digit leaves the group
// with the cell.
void Unplace(GroupTable& groups, int cell, int d) {
  const int row = RowOf(cell), column = ColumnOf(cell);
  GroupEntry* entries[3] = {&groups[ColumnGroup(column)], &groups[RowGroup(row)],
                            &groups[BlockGroup(BlockOf(cell))]};
  const int positions[3] = {row, column, PositionInBlock(cell)};
  for (int k = 0; k < 3; ++k) {
    entries[k]->positions = static_cast<uint16_t>(entries[k]->positions & ~(1u << positions[k]));
    entries[k]->digits = static_cast<uint16_t>(entries[k]->digits & ~DigitBit(d));
  }
}

uint64_t SteadyMs() {
  using namespace std::chrono;
  return static_cast<uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

PuzzleGenerator::PuzzleGenerator(EventPump* pump) : pump_(pump), solver_(state_, pump) {}

PuzzleGenerator::~PuzzleGenerator() = default;

void PuzzleGenerator::SetAutoMode(int mode) {
  autoMode_ = mode >= kAutoBoth && mode <= kAutoMaxSteps ? mode : kAutoBoth;
}

uint64_t PuzzleGenerator::Now() {
  return pump_ ? pump_->TickMs() : SteadyMs();
}

void PuzzleGenerator::PumpMessages(int n) {
  if (!pump_) return;
  for (int i = 0; i < n; ++i) {
    if (!pump_->DispatchPending()) return;
  }
}

bool PuzzleGenerator::GenerateFullGrid(BoardRecord& board) {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return GenerateFullGrid(board, static_cast<uint32_t>(ticks));
}

bool PuzzleGenerator::GenerateFullGrid(BoardRecord& board, uint32_t seed) {
  random_.Reseed(seed);
  board = BoardRecord{};
  GroupTable groups{};
  timeUp_ = false;
  const uint64_t deadline = Now() + kGridLimitMs;

  for (;;) {
    for (int i = 0; i < kCells; ++i) {
      if (board.cells[i] != 0) continue;
      const int block = BlockGroup(BlockOf(i));
      const int column = ColumnGroup(ColumnOf(i));
      const int row = RowGroup(RowOf(i));
      for (int attempt = 0; attempt < 8; ++attempt) {
        // Bit 0 ignores the block, bit 1 the column, bit 2 the row: a digit that clashes in an
        // ignored group is taken out of it again, which lets a stuck sweep move on.
        const int relax = attempt == 0 ? 0 : static_cast<int>(random_.Below(7)) + 1;
        DigitSet used = 0;
        if (!(relax & 1)) used |= groups[block].digits;
        if (!(relax & 2)) used |= groups[column].digits;
        if (!(relax & 4)) used |= groups[row].digits;
        const auto free = static_cast<DigitSet>(kAllDigits & ~used);
        if (!free) continue;
        const int d = NthDigit(free, static_cast<int>(random_.Below(CountDigits(free))) + 1);
        const int ignored[3] = {relax & 1 ? block : -1, relax & 2 ? column : -1,
                                relax & 4 ? row : -1};
        for (int g : ignored) {
          if (g < 0) continue;
          for (int p = 0; p < 9; ++p) {
            const int cell = kGroupCells.cells[g][p];
            if (board.cells[cell] == DigitBit(d)) {
              board.cells[cell] = 0;
              Unplace(groups, cell, d);
              break;
            }
          }
        }
        board.cells[i] = DigitBit(d);
        Place(groups, i, d);
        break;
      }
    }
    if (Now() >= deadline) timeUp_ = true;
    if (timeUp_ || groups == kCompleteGroupTable) break;
  }
  return !timeUp_;
}

bool PuzzleGenerator::TestPrefix(int n, const CellOrder& order, const BoardRecord& grid) {
  BoardRecord scratch;
  int givens = 0;
  for (; givens <= n && givens < kCells; ++givens) {
    const int cell = order[givens];
    scratch.cells[cell] = grid.cells[cell];
    scratch.givens.Add(cell);
  }
  const bool solved = solver_.RunCalculation(scratch);
  if (probeObserver_) probeObserver_(givens, solved);
  return solved;
}

void PuzzleGenerator::RandomOrder(CellOrder& order) {
  order.fill(255);
  for (int v = 0; v < kCells; ++v) {
    // The (k + 1)-th free slot; the last value draws too, from a range of one.
    uint32_t k = random_.Below(static_cast<uint32_t>(kCells - v));
    for (int slot = 0; slot < kCells; ++slot) {
      if (order[slot] != 255) continue;
      if (k-- == 0) {
        order[slot] = static_cast<uint8_t>(v);
        break;
      }
    }
  }
}

bool PuzzleGenerator::Better(int count, int steps) const {
  switch (autoMode_) {
    case kAutoMinFields:
      return count < bestCount_;
    case kAutoMaxSteps:
      return steps > bestSteps_;
    default:
      return count < bestCount_ || (count == bestCount_ && steps > bestSteps_);
  }
}

int PuzzleGenerator::SearchBestPuzzle(bool unlimited, const BoardRecord& grid, CellOrder& bestOrder,
                                      const Label& label) {
  auto show = [&] {
    if (label) label(FormatText(1046, bestCount_, bestSteps_));
  };
  bestCount_ = 81;
  bestSteps_ = 0;
  attempts_ = 0;
  bestOrder.fill(0);
  show();
  timeUp_ = false;
  const uint64_t deadline = unlimited ? 0 : Now() + searchLimitMs_;
  PumpMessages(kPumpAtStart);

  CellOrder order;
  for (;;) {
    // An attempt that has begun always finishes: the limits are looked at only here.
    if (!unlimited && Now() >= deadline) timeUp_ = true;
    if (timeUp_ || (attemptLimit_ >= 0 && attempts_ >= attemptLimit_)) break;
    ++attempts_;

    int steps = 0;
    RandomOrder(order);

    // Bisection for the shortest solvable prefix; the first probe has 26 cells.
    int lo = 0, hi = 80, mid = 25;
    for (;;) {
      if (TestPrefix(mid, order, grid)) {
        hi = mid;
        steps = state_.TechniqueChanges;
      } else {
        lo = mid;
      }
      if (lo + 1 == hi) break;
      mid = (lo + hi) / 2;
    }

    // Each cell in turn goes to the end of the puzzle, and the end is dropped as long as the
    // rest is still solved.
    const int rounds = lo + 1;
    for (int round = 0; round < rounds; ++round) {
      const uint8_t first = order[0];
      std::memmove(&order[0], &order[1], static_cast<size_t>(hi));
      order[hi] = first;
      while (TestPrefix(hi - 1, order, grid)) {
        --hi;
        steps = state_.TechniqueChanges;
      }
    }

    const int count = hi + 1;
    if (Better(count, steps)) {
      bestCount_ = count;
      bestSteps_ = steps;
      bestOrder = order;
      show();
      PumpMessages(kPumpPerImprovement);
    }
    PumpMessages(kPumpPerAttempt);
  }
  return bestCount_;
}

}  // namespace sudoku
