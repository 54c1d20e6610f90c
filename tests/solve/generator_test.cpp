// The puzzle generator: grids, the search and its goals, its time limits on a fake clock.

#include "solve/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/texts.h"
#include "model/puzzle_string.h"
#include "model/tables.h"
#include "support/boards.h"
#include "support/fake_host.h"

namespace sudoku {
namespace {

// Each dispatched event stands for a millisecond of other work, so the fake clock counts how
// often the generator lets events through. Sleeping is counted: the generator must never wait.
class BusyPump : public test::FakePump {
 public:
  BusyPump() { Tick(); }
  void Sleep(unsigned ms) override {
    ++sleeps;
    FakePump::Sleep(ms);
  }
  int sleeps = 0;
  // Called with every tick, after the clock moved.
  std::function<void()> onTick;

 private:
  void Tick() {
    pending.push_back([this] {
      now += 1;
      if (onTick) onTick();
      Tick();
    });
  }
};

// A clock that moves by `step` every time it is read.
class RunningClock : public test::FakePump {
 public:
  uint64_t step = 0;
  int reads = 0;
  uint64_t TickMs() override {
    ++reads;
    return now += step;
  }
};

struct Result {
  int count = 0;
  int steps = 0;
  CellOrder order{};
  std::vector<std::string> labels;
  bool operator==(const Result&) const = default;
};

Result Search(PuzzleGenerator& generator, const BoardRecord& grid, int attempts) {
  Result r;
  generator.SetAttemptLimit(attempts);
  r.count = generator.SearchBestPuzzle(true, grid, r.order,
                                       [&](const std::string& text) { r.labels.push_back(text); });
  r.steps = generator.BestSteps();
  return r;
}

Result SearchFromSeed(uint32_t seed, int mode, int attempts, BoardRecord* gridOut = nullptr) {
  PuzzleGenerator generator;
  generator.SetAutoMode(mode);
  BoardRecord grid;
  EXPECT_TRUE(generator.GenerateFullGrid(grid, seed));
  if (gridOut) *gridOut = grid;
  return Search(generator, grid, attempts);
}

std::string PuzzleOf(const BoardRecord& grid, const CellOrder& order, int count) {
  std::string text(81, '0');
  for (int i = 0; i < count; ++i) text[order[i]] = DigitChar(grid.cells[order[i]]);
  return text;
}

TEST(RandomSource, IsTheSpecifiedCongruentialGenerator) {
  RandomSource random(12345);
  const uint32_t ranges[] = {100, 7, 81, 1, 9, 0x80000000u, 3};
  const uint32_t expected[] = {38, 2, 6, 0, 5, 733578529, 1};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(random.Below(ranges[i]), expected[i]) << i;
  EXPECT_EQ(random.Seed(), 1889648464u);
}

TEST(GenerateFullGrid, EveryGridIsASolution) {
  PuzzleGenerator generator;
  std::set<std::string> distinct;
  for (uint32_t seed = 0; seed < 300; ++seed) {
    BoardRecord grid;
    grid.SetName("old");
    grid.givens.Add(3);
    ASSERT_TRUE(generator.GenerateFullGrid(grid, seed)) << seed;
    EXPECT_TRUE(IsSolved(grid.cells)) << seed;
    BoardRecord bare;  // name, givens and marks cleared
    bare.cells = grid.cells;
    EXPECT_EQ(grid, bare);
    distinct.insert(BoardToString(grid));
    if (seed == 1) {  // the same on every machine
      EXPECT_EQ(
          BoardToString(grid),
          "138475269264913857597826134823154796915267483476389512389542671652791348741638925");
    }
  }
  EXPECT_EQ(distinct.size(), 300u);

  BoardRecord fromClock;
  ASSERT_TRUE(generator.GenerateFullGrid(fromClock));
  EXPECT_TRUE(IsSolved(fromClock.cells));
}

TEST(GenerateFullGrid, TheLimitIsTestedAfterEachSweep) {
  RunningClock clock;
  PuzzleGenerator generator(&clock);
  BoardRecord grid;
  // Seed 27 completes its grid in the first sweep: the clock is read at the start and once
  // after that sweep.
  ASSERT_TRUE(generator.GenerateFullGrid(grid, 27));
  EXPECT_EQ(clock.reads, 2);
  EXPECT_EQ(clock.dispatched, 0);

  // The limit is looked at before completeness: a sweep that ends late loses its grid.
  clock.step = PuzzleGenerator::kGridLimitMs;
  EXPECT_FALSE(generator.GenerateFullGrid(grid, 27));
  EXPECT_TRUE(generator.TimeUp());
  clock.step = PuzzleGenerator::kGridLimitMs - 1;
  EXPECT_TRUE(generator.GenerateFullGrid(grid, 27));
  EXPECT_FALSE(generator.TimeUp());
}

TEST(SearchBestPuzzle, EveryResultIsSolvedWithTheReportedSteps) {
  RunState state;
  Solver solver(state);
  for (uint32_t seed : {2u, 5u, 11u}) {
    for (int mode = 0; mode <= 2; ++mode) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " mode " + std::to_string(mode));
      BoardRecord grid;
      const Result r = SearchFromSeed(seed, mode, 4, &grid);

      CellOrder sorted = r.order;
      std::sort(sorted.begin(), sorted.end());
      for (int i = 0; i < 81; ++i) ASSERT_EQ(sorted[i], i);

      ASSERT_LT(r.count, 81);
      BoardRecord puzzle;
      ASSERT_TRUE(LoadBoardFromString(puzzle, PuzzleOf(grid, r.order, r.count), true, solver));
      EXPECT_EQ(state.TechniqueChanges, r.steps);
      EXPECT_EQ(puzzle.cells, grid.cells);  // the one solution is the grid
      // The reduction leaves no given at the end that could go.
      EXPECT_FALSE(LoadBoardFromString(puzzle, PuzzleOf(grid, r.order, r.count - 1), true, solver));

      EXPECT_EQ(r.labels.front(), "Beste Möglichkeit: 81 Werte, 0 Schritte");
      EXPECT_EQ(r.labels.back(), FormatText(1046, r.count, r.steps));
    }
  }
}

TEST(SearchBestPuzzle, IsReproducibleFromASeed) {
  const Result a = SearchFromSeed(7, kAutoBoth, 5);
  EXPECT_EQ(SearchFromSeed(7, kAutoBoth, 5), a);
  EXPECT_NE(SearchFromSeed(8, kAutoBoth, 5).order, a.order);

  // No attempt, no improvement: 81 givens, 0 steps, an order of zeros.
  const Result none = SearchFromSeed(7, kAutoBoth, 0);
  EXPECT_EQ(none.count, 81);
  EXPECT_EQ(none.steps, 0);
  EXPECT_EQ(none.order, CellOrder{});
  EXPECT_EQ(none.labels, std::vector<std::string>{FormatText(1046, 81, 0)});
}

// The result of each attempt alone: an attempt draws 81 numbers for its order and nothing
// else, so attempt j starts after 81 * j draws.
std::vector<std::pair<int, int>> SingleAttempts(uint32_t seed, int attempts) {
  std::vector<std::pair<int, int>> results;
  for (int j = 0; j < attempts; ++j) {
    PuzzleGenerator generator;
    BoardRecord grid;
    generator.GenerateFullGrid(grid, seed);
    for (int k = 0; k < 81 * j; ++k) generator.Random().Below(1);
    const Result r = Search(generator, grid, 1);
    results.emplace_back(r.count, r.steps);
  }
  return results;
}

TEST(SearchBestPuzzle, EachGoalReplacesTheBestByItsOwnRule) {
  constexpr uint32_t kSeed = 1;
  constexpr int kAttempts = 12;
  const auto attempts = SingleAttempts(kSeed, kAttempts);
  bool sameCountMoreSteps = false, moreStepsMoreGivens = false;

  for (int mode = 0; mode <= 2; ++mode) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    int count = 81, steps = 0;
    std::vector<std::string> labels = {FormatText(1046, count, steps)};
    for (const auto& [c, s] : attempts) {
      const bool fewer = c<count, equal = c == count, more = s> steps;
      if (mode == kAutoMinFields && equal && more) sameCountMoreSteps = true;
      if (mode == kAutoMaxSteps && more && c > count) moreStepsMoreGivens = true;
      const bool better = mode == kAutoMinFields  ? fewer
                          : mode == kAutoMaxSteps ? more
                                                  : fewer || (equal && more);
      if (better) {
        count = c, steps = s;
        labels.push_back(FormatText(1046, count, steps));
      }
    }
    const Result r = SearchFromSeed(kSeed, mode, kAttempts);
    EXPECT_EQ(r.count, count);
    EXPECT_EQ(r.steps, steps);
    EXPECT_EQ(r.labels, labels);
  }
  // The seed is chosen so that the rules make a difference.
  EXPECT_TRUE(sameCountMoreSteps);
  EXPECT_TRUE(moreStepsMoreGivens);
}

TEST(SearchBestPuzzle, BisectsFromTwentySixCells) {
  for (uint32_t seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE(seed);
    PuzzleGenerator generator;
    std::vector<std::pair<int, bool>> probes;
    generator.SetProbeObserver(
        [&](int givens, bool solved) { probes.emplace_back(givens, solved); });
    BoardRecord grid;
    ASSERT_TRUE(generator.GenerateFullGrid(grid, seed));
    const Result r = Search(generator, grid, 1);

    ASSERT_GE(probes.size(), 2u);
    EXPECT_EQ(probes[0].first, 26);
    // The bisection over prefixes of lo + 1 to hi + 1 cells.
    int lo = 0, hi = 80;
    size_t i = 0;
    for (;; ++i) {
      ASSERT_LT(i, probes.size());
      const int mid = probes[i].first - 1;
      EXPECT_EQ(mid, i == 0 ? 25 : (lo + hi) / 2);
      (probes[i].second ? hi : lo) = mid;
      if (lo + 1 == hi) break;
    }
    // Then the reduction, which ends on a puzzle that cannot lose its last cell.
    EXPECT_LE(r.count, hi + 1);
    EXPECT_EQ(probes.back(), std::make_pair(r.count - 1, false));
  }
}

TEST(SearchBestPuzzle, StopsAtTheFirstLookAfterTheLimit) {
  BusyPump pump;
  PuzzleGenerator generator(&pump);
  BoardRecord grid;
  ASSERT_TRUE(generator.GenerateFullGrid(grid, 3));
  const uint64_t deadline = pump.now + PuzzleGenerator::kSearchLimitMs;
  // The clock as each attempt left it: nothing is dispatched between an attempt's last events
  // and the look at the limit before the next one.
  std::vector<uint64_t> endOf(1);
  pump.onTick = [&] {
    endOf.resize(static_cast<size_t>(generator.Attempts()) + 1);
    endOf.back() = pump.now;
  };
  // A bound far above the attempts that fit, so that a search that never looks at the clock
  // fails instead of hanging.
  generator.SetAttemptLimit(2000);
  CellOrder order;
  const int count = generator.SearchBestPuzzle(false, grid, order, nullptr);
  const int attempts = generator.Attempts();
  EXPECT_LT(count, 81);
  EXPECT_TRUE(generator.TimeUp());
  ASSERT_GT(attempts, 10);
  ASSERT_EQ(endOf.size(), static_cast<size_t>(attempts) + 1);
  EXPECT_LT(endOf[attempts - 1], deadline);  // the last attempt began in time
  EXPECT_GE(endOf[attempts], deadline);      // and no other one after it
  EXPECT_EQ(pump.sleeps, 0);
}

TEST(SearchBestPuzzle, UnlimitedRunsUntilStoppedAndFinishesTheAttempt) {
  BusyPump pump;
  PuzzleGenerator generator(&pump);
  BoardRecord grid;
  ASSERT_TRUE(generator.GenerateFullGrid(grid, 3));
  const uint64_t start = pump.now;
  int attemptsAtStop = -1;
  pump.timed.emplace_back(start + 3000, [&] {
    attemptsAtStop = generator.Attempts();
    generator.Stop();
  });
  generator.SetAttemptLimit(2000);
  CellOrder order;
  generator.SearchBestPuzzle(true, grid, order, nullptr);
  EXPECT_GE(pump.now, start + 3000);
  ASSERT_GT(attemptsAtStop, 0);
  // The attempt under way when the button was pressed is the last one.
  EXPECT_EQ(generator.Attempts(), attemptsAtStop);

  // A stop left over from before does not end the next search.
  generator.Stop();
  generator.SetAttemptLimit(2);
  generator.SearchBestPuzzle(true, grid, order, nullptr);
  EXPECT_EQ(generator.Attempts(), 2);
}

TEST(SearchBestPuzzle, TheStopButtonIsHeardBeforeTheFirstAttempt) {
  BusyPump pump;
  PuzzleGenerator generator(&pump);
  BoardRecord grid;
  ASSERT_TRUE(generator.GenerateFullGrid(grid, 3));
  pump.pending.push_front([&] { generator.Stop(); });
  CellOrder order;
  order.fill(9);
  EXPECT_EQ(generator.SearchBestPuzzle(true, grid, order, nullptr), 81);
  EXPECT_EQ(generator.Attempts(), 0);
  EXPECT_EQ(order, CellOrder{});
}

// The editor checks every puzzle the player types: one whose techniques undo each other for
// ever must still end, unsolved, and the generator's own test of a prefix likewise.
TEST(EditorCheck, ALoopingPuzzleEndsUnsolved) {
  constexpr std::string_view kLooping =
      "010000003500602010602034050005000040304900270029070001000000005000405006000009000";
  BusyPump pump;
  RunState state;
  Solver solver(state, &pump);
  BoardRecord board;
  EXPECT_FALSE(LoadBoardFromString(board, kLooping, true, solver));
  EXPECT_LE(state.TechniqueChanges, 1 + Solver::kRunChangeLimit + 9);
  EXPECT_EQ(pump.sleeps, 0);

  PuzzleGenerator generator(&pump);
  const BoardRecord grid = test::Puzzle(kLooping);
  CellOrder order{};
  int n = 0;
  for (int i = 0; i < 81; ++i) {
    if (grid.IsGiven(i)) order[n++] = static_cast<uint8_t>(i);
  }
  EXPECT_FALSE(generator.TestPrefix(n - 1, order, grid));
  EXPECT_LE(generator.TechniqueChanges(), 1 + Solver::kRunChangeLimit + 9);
}

}  // namespace
}  // namespace sudoku
