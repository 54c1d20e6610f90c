#pragma once
// The logical solver's chain for hidden runs, built for speed. It applies the techniques of
// solver.h in the same order, pass for pass, with the same changes and weights, to a private
// copy of the cells, and follows them with tables that it keeps up to date change by change
// instead of rebuilding them on every pass. Those tables rely on the board staying consistent:
// every cell keeps at least one digit and sets only narrow (true on every board that has a
// solution). When a step would leave that, the run gives up without touching the board, and
// the general techniques solve it from the start.

#include <array>
#include <cstdint>
#include <optional>

#include "model/board.h"
#include "model/tables.h"
#include "solve/run_state.h"
#include "solve/summaries.h"

namespace sudoku {

class Solver;

// 81 bits, one per cell: cell i is bit i % 64 of word i / 64.
struct CellBits {
  uint64_t w[2] = {0, 0};

  void Add(int cell) { w[cell >> 6] |= uint64_t{1} << (cell & 63); }
  void Remove(int cell) { w[cell >> 6] &= ~(uint64_t{1} << (cell & 63)); }
  bool Empty() const { return (w[0] | w[1]) == 0; }
  CellBits operator&(const CellBits& o) const { return {{w[0] & o.w[0], w[1] & o.w[1]}}; }
  CellBits& operator|=(const CellBits& o) {
    w[0] |= o.w[0], w[1] |= o.w[1];
    return *this;
  }
  CellBits Without(const CellBits& o) const { return {{w[0] & ~o.w[0], w[1] & ~o.w[1]}}; }
  // Calls f(cell) for each cell in ascending order.
  template <class F>
  void ForEach(F f) const {
    for (int half = 0; half < 2; ++half) {
      for (uint64_t bits = w[half]; bits; bits &= bits - 1) f(half * 64 + __builtin_ctzll(bits));
    }
  }
};

class HiddenChain {
 public:
  explicit HiddenChain(Solver& solver);

  // RunCalculation's hidden run on `board`: whether it ended solved. Nothing, with the board
  // and TechniqueChanges to be redone, when the board left the consistent states.
  std::optional<bool> Run(BoardRecord& board);

 private:
  // One pass of each technique; true when it changed something.
  bool NeighboursPass();
  bool CleanPass();
  bool UniquePass();
  bool LockedPass();
  bool SameSetsPass();
  // Passes until one changes nothing; true when any did.
  bool Repeat(bool (HiddenChain::*pass)());

  // The only write: cell gets `to`, a proper subset of its set, for `weight` steps. An empty
  // set means the board has no solution: the run ends and is handed back.
  void Narrow(int cell, DigitSet to, int weight);
  // Enters a cell that has just become fixed in the tables of fixed cells.
  void Fixed(int cell);
  const LineSummary& Lines();
  // Between two passes: the solver lets events through; true when one asked to stop.
  bool Yield();

  Solver& solver_;
  RunState& state_;
  Cells cells_;
  // Positions and digits of the fixed cells; cells never lose their digit once fixed.
  GroupTable groups_{};
  CellBits fixed_;
  // The fixed cells in the order they became fixed; AutoClean has worked with the first
  // cleanUpTo_ of them.
  std::array<uint8_t, 81> fixOrder_;
  int fixCount_ = 0;
  int cleanUpTo_ = 0;
  // Every change counts.
  uint32_t changes_ = 0;
  // The neighbouring-lines rule reads only the fixed cells: it finds nothing again until
  // more cells are fixed than when it last found nothing.
  int neighboursQuietAt_ = -1;
  // What SeekUniqueValues and SameNumSetInDiffFields do to a group depends on nothing but the
  // group's cells, so they only look again at groups (bit g) whose cells changed since they
  // last did. Everything is new at the start.
  uint32_t uniqueToSee_ = (1u << 27) - 1;
  uint32_t sameToSee_ = (1u << 27) - 1;
  // The locked candidates of a pass that found nothing are found again until a cell changes.
  uint32_t lockedQuietAt_ = ~0u;
  // The summary, and the blocks whose cells changed since it was built.
  LineSummary lines_;
  uint32_t staleBlocks_ = 0x1FF;
  // This run's weighted changes, and TechniqueChanges before them.
  int weight_ = 0;
  int32_t base_ = 0;
  // The board left the consistent states; an event asked to stop.
  bool beyond_ = false;
  bool stopped_ = false;
};

}  // namespace sudoku
