#include "solve/hidden_chain.h"

#include "model/geometry.h"
#include "solve/rules.h"
#include "solve/solver.h"

namespace sudoku {
namespace {

// The 20 other cells of each cell's row, column and block.
struct PeerTable {
  std::array<CellBits, 81> peers{};
  constexpr PeerTable() {
    for (int a = 0; a < 81; ++a) {
      for (int b = 0; b < 81; ++b) {
        if (a != b &&
            (RowOf(a) == RowOf(b) || ColumnOf(a) == ColumnOf(b) || BlockOf(a) == BlockOf(b))) {
          peers[a].w[b >> 6] |= uint64_t{1} << (b & 63);
        }
      }
    }
  }
};
constexpr PeerTable kPeers{};

// Where each cell stands: its three groups, its bit in each group's positions, and as bit
// masks its groups and its block.
struct Place {
  uint8_t column, row, block;  // group indexes
  uint16_t inColumn, inRow, inBlock;
  uint32_t groups, blocks;
};
struct PlaceTable {
  std::array<Place, 81> at{};
  constexpr PlaceTable() {
    for (int i = 0; i < 81; ++i) {
      const int column = ColumnOf(i), row = RowOf(i), block = BlockOf(i);
      at[i] = {static_cast<uint8_t>(ColumnGroup(column)),
               static_cast<uint8_t>(RowGroup(row)),
               static_cast<uint8_t>(BlockGroup(block)),
               static_cast<uint16_t>(1u << row),
               static_cast<uint16_t>(1u << column),
               static_cast<uint16_t>(1u << PositionInBlock(i)),
               1u << ColumnGroup(column) | 1u << RowGroup(row) | 1u << BlockGroup(block),
               1u << block};
    }
  }
};
constexpr PlaceTable kPlaces{};

CellBits BitsOf(const CellSet& set) {
  CellBits bits;
  for (int i = 0; i < 11; ++i) bits.w[i / 8] |= uint64_t{set.bytes[i]} << (i % 8 * 8);
  bits.w[1] &= (uint64_t{1} << (81 - 64)) - 1;
  return bits;
}

// The rows first, then the columns, then the blocks: the order of a pass over all groups.
constexpr int kPassOrder[27] = {9, 10, 11, 12, 13, 14, 15, 16, 17, 0,  1,  2,  3, 4,
                                5, 6,  7,  8,  18, 19, 20, 21, 22, 23, 24, 25, 26};

}  // namespace

HiddenChain::HiddenChain(Solver& solver) : solver_(solver), state_(solver.State()) {}

inline void HiddenChain::Narrow(int cell, DigitSet to, int weight) {
  if (!to) {
    beyond_ = true;  // an empty cell: no solution
    return;
  }
  cells_[cell] = to;
  weight_ += weight;
  ++changes_;
  const Place& place = kPlaces.at[cell];
  staleBlocks_ |= place.blocks;
  uniqueToSee_ |= place.groups;
  sameToSee_ |= place.groups;
  // Only an open cell can narrow to one digit: a fixed one would be empty.
  if (IsFixed(to)) Fixed(cell);
}

std::optional<bool> HiddenChain::Run(BoardRecord& board) {
  const CellBits givens = BitsOf(board.givens);
  // Givens are fixed digits here; anything else the general techniques handle.
  bool odd = false;
  givens.ForEach([&](int cell) {
    const int d = SingleDigit(board.cells[cell]);
    odd |= d <= 0 || board.cells[cell] != DigitBit(d);
  });
  if (odd) return std::nullopt;

  struct Restore {
    bool& live;
    bool saved;
    ~Restore() { live = saved; }
  } restore{state_.LiveBoard, state_.LiveBoard};
  state_.StopRequested = false;
  state_.LiveBoard = false;

  // Fill1To9 with mode 1: every open cell holds all nine digits; one step if that changed any.
  cells_ = board.cells;
  bool filled = false;
  const CellBits open = CellBits{{~uint64_t{0}, (uint64_t{1} << (81 - 64)) - 1}}.Without(givens);
  open.ForEach([&](int cell) {
    filled |= cells_[cell] != kAllDigits;
    cells_[cell] = kAllDigits;
  });
  base_ = filled ? 1 : 0;
  givens.ForEach([&](int cell) { Fixed(cell); });

  while (!stopped_ && !beyond_) {
    if (Repeat(&HiddenChain::NeighboursPass)) continue;
    if (Repeat(&HiddenChain::CleanPass)) continue;
    if (Repeat(&HiddenChain::UniquePass)) continue;
    if (Repeat(&HiddenChain::LockedPass)) continue;
    if (Repeat(&HiddenChain::SameSetsPass)) continue;
    break;
  }
  state_.TechniqueChanges = base_ + weight_;
  // A consistent board stays far below the change limit (a cell weighs at most 8 on its way
  // from nine digits to one); should one reach it, the general techniques stop where they do.
  if (beyond_ || weight_ > Solver::kRunChangeLimit) return std::nullopt;
  board.cells = cells_;
  return groups_ == kCompleteGroupTable;
}

bool HiddenChain::Repeat(bool (HiddenChain::*pass)()) {
  bool changed = false;
  while ((this->*pass)()) {
    changed = true;
    if (beyond_ || Yield()) break;
  }
  return changed;
}

bool HiddenChain::Yield() {
  // Events may start a run of their own, which starts TechniqueChanges afresh.
  state_.TechniqueChanges = base_ + weight_;
  solver_.BetweenPasses();
  base_ = state_.TechniqueChanges - weight_;
  stopped_ = state_.StopRequested;
  return stopped_;
}

void HiddenChain::Fixed(int cell) {
  const DigitSet digit = cells_[cell];
  const Place& place = kPlaces.at[cell];
  groups_[place.column].positions |= place.inColumn;
  groups_[place.row].positions |= place.inRow;
  groups_[place.block].positions |= place.inBlock;
  groups_[place.column].digits |= digit;
  groups_[place.row].digits |= digit;
  groups_[place.block].digits |= digit;
  fixed_.Add(cell);
  fixOrder_[fixCount_++] = static_cast<uint8_t>(cell);
}

const LineSummary& HiddenChain::Lines() {
  if (staleBlocks_) {
    lines_.Rebuild(cells_, staleBlocks_);
    staleBlocks_ = 0;
  }
  return lines_;
}

bool HiddenChain::NeighboursPass() {
  if (neighboursQuietAt_ == fixCount_) return false;
  NeighbourForced forced;
  forced.Find(groups_);
  const uint32_t before = changes_;
  CellBits{{forced.cells[0], forced.cells[1]}}.ForEach([&](int cell) {
    const DigitSet set = cells_[cell];
    if (IsFixed(set)) return;
    const auto to = DigitBit(forced.digit[cell]);
    // The rule sets the digit even when the cell does not hold it; on a board with a
    // solution it always does.
    if (!(set & to)) {
      beyond_ = true;
      return;
    }
    Narrow(cell, to, 1);
  });
  if (changes_ != before) return true;
  neighboursQuietAt_ = fixCount_;
  return false;
}

bool HiddenChain::CleanPass() {
  // After a pass no open cell holds a digit fixed in its groups when that pass began, so only
  // the cells fixed since then can take digits away, and only from their open peers.
  CellBits touched;
  for (; cleanUpTo_ < fixCount_; ++cleanUpTo_) touched |= kPeers.peers[fixOrder_[cleanUpTo_]];
  touched = touched.Without(fixed_);
  // The pass works with the fixed digits of its start, and each cell's three removals (its
  // row's digits, then its column's, then its block's) are steps of their own.
  const GroupTable start = groups_;
  const uint32_t before = changes_;
  touched.ForEach([&](int cell) {
    const Place& place = kPlaces.at[cell];
    const DigitSet s0 = cells_[cell];
    const auto s1 = static_cast<DigitSet>(s0 & ~start[place.row].digits);
    const auto s2 = static_cast<DigitSet>(s1 & ~start[place.column].digits);
    const auto s3 = static_cast<DigitSet>(s2 & ~start[place.block].digits);
    if (s3 == s0) return;
    const int k0 = CountDigits(s0), k1 = CountDigits(s1), k2 = CountDigits(s2);
    const int k3 = CountDigits(s3);
    // Each removal weighs the digits it takes, but 1 when it leaves one digit: k0 - k3 in
    // all, or up to the last count above 1 and then 1 when the cell ends fixed (no branches:
    // which removal fixes the cell is anyone's guess).
    int lastOpen = k0;
    lastOpen = k1 > 1 ? k1 : lastOpen;
    lastOpen = k2 > 1 ? k2 : lastOpen;
    Narrow(cell, s3, k3 == 1 ? k0 - lastOpen + 1 : k0 - k3);
  });
  return changes_ != before;
}

bool HiddenChain::UniquePass() {
  uint32_t see = uniqueToSee_;
  if (!see) return false;
  uniqueToSee_ = 0;
  const LineSummary& lines = Lines();
  // The unique digits of the pass's start, before its own changes fix cells.
  std::array<DigitSet, 27> unique{};
  for (; see; see &= see - 1) {
    const int g = __builtin_ctz(see);
    unique[g] = UniqueCandidates(lines, groups_, g);
  }
  const uint32_t before = changes_;
  for (int g : kPassOrder) {
    if (!unique[g]) continue;
    SetUniqueValues(cells_, g, unique[g], [&](int cell, int d) {
      if (cells_[cell] != DigitBit(d)) Narrow(cell, DigitBit(d), 1);
    });
  }
  return changes_ != before;
}

bool HiddenChain::LockedPass() {
  if (lockedQuietAt_ == changes_) return false;
  LockedDigits locked;
  locked.Find(Lines());
  const uint32_t before = changes_;
  if (locked.any) {
    for (int g : kPassOrder) {
      RemoveLockedCandidates(locked, g, [&](int cell, int d) {
        const DigitSet set = cells_[cell];
        if (set & DigitBit(d)) Narrow(cell, static_cast<DigitSet>(set & ~DigitBit(d)), 1);
      });
    }
  }
  if (changes_ != before) return true;
  lockedQuietAt_ = changes_;
  return false;
}

bool HiddenChain::SameSetsPass() {
  if (!sameToSee_) return false;
  const uint32_t before = changes_;
  // Groups are looked at in pass order; changes on the way put groups back on the list, those
  // still to come in this pass as well as those for the next.
  for (int g : kPassOrder) {
    if (!(sameToSee_ & (1u << g))) continue;
    sameToSee_ &= ~(1u << g);
    // Equal sets need two open cells.
    const unsigned open = ~groups_[g].positions & 0x1FFu;
    if (!(open & (open - 1))) continue;
    RemoveSameSets(cells_, g, [&](int cell, DigitSet m) {
      const DigitSet set = cells_[cell];
      if (!(set & m)) return;
      const auto to = static_cast<DigitSet>(set & ~m);
      Narrow(cell, to, ChangeWeight(CountDigits(set), CountDigits(to)));
    });
  }
  return changes_ != before;
}

}  // namespace sudoku
