// The puzzle generator: grids, attempts per second, and what the editor's 2000 ms search
// reaches for each goal (median over 20 runs, grids from seeds 1 to 20). The 2000 ms are CPU
// time, so that the load of a shared machine takes no attempts away.
//   build/bench/generator_bench [--benchmark_filter=Best]

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "solve/generator.h"

namespace {

using namespace sudoku;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_GenerateFullGrid(benchmark::State& state) {
  PuzzleGenerator generator;
  BoardRecord grid;
  uint32_t seed = 0;
  for (auto _ : state) benchmark::DoNotOptimize(generator.GenerateFullGrid(grid, ++seed));
}
BENCHMARK(BM_GenerateFullGrid)->Unit(benchmark::kMicrosecond);

// One iteration is one attempt on the same grid, the random source running on.
void BM_Attempt(benchmark::State& state) {
  PuzzleGenerator generator;
  BoardRecord grid;
  generator.GenerateFullGrid(grid, 1);
  generator.SetAttemptLimit(1);
  int64_t probes = 0;
  generator.SetProbeObserver([&](int, bool) { ++probes; });
  CellOrder order;
  for (auto _ : state) benchmark::DoNotOptimize(generator.SearchBestPuzzle(true, grid, order, {}));
  state.counters["attempts_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["solver_runs_per_attempt"] =
      static_cast<double>(probes) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Attempt)->Unit(benchmark::kMicrosecond);

// Presses the stop button once the search has used `ms` of CPU time, counted from its first
// look for events (at its start). The search looks for the button after each attempt, where it
// looks at its time limit; the solver never gets to see an event (the clock stands still for
// its yields).
class CpuTimeLimit : public EventPump {
 public:
  CpuTimeLimit(PuzzleGenerator*& generator, uint64_t ms)
      : generator_(generator), budget_(static_cast<std::clock_t>(ms * CLOCKS_PER_SEC / 1000)) {}
  bool DispatchPending() override {
    if (!generator_) return false;
    const std::clock_t now = std::clock();
    if (end_ == 0) end_ = now + budget_;
    if (now >= end_) generator_->Stop();
    return false;
  }
  void Sleep(unsigned) override {}
  uint64_t TickMs() override { return 0; }

 private:
  PuzzleGenerator*& generator_;
  std::clock_t budget_;
  std::clock_t end_ = 0;
};

// The editor's search as it runs: 2000 ms per grid.
void BM_BestIn2000ms(benchmark::State& state) {
  constexpr int kRuns = 20;
  const int mode = static_cast<int>(state.range(0));
  std::vector<double> counts, steps, attempts;
  for (auto _ : state) {
    counts.clear(), steps.clear(), attempts.clear();
    for (uint32_t seed = 1; seed <= kRuns; ++seed) {
      PuzzleGenerator* running = nullptr;
      CpuTimeLimit limit(running, PuzzleGenerator::kSearchLimitMs);
      PuzzleGenerator generator(&limit);
      generator.SetAutoMode(mode);
      BoardRecord grid;
      generator.GenerateFullGrid(grid, seed);
      CellOrder order;
      running = &generator;
      counts.push_back(generator.SearchBestPuzzle(true, grid, order, {}));
      steps.push_back(generator.BestSteps());
      attempts.push_back(generator.Attempts());
    }
  }
  state.counters["median_givens"] = Median(counts);
  state.counters["best_givens"] = *std::min_element(counts.begin(), counts.end());
  state.counters["worst_givens"] = *std::max_element(counts.begin(), counts.end());
  state.counters["median_steps"] = Median(steps);
  state.counters["median_attempts"] = Median(attempts);
}
BENCHMARK(BM_BestIn2000ms)
    ->ArgName("mode")
    ->Arg(kAutoBoth)
    ->Arg(kAutoMinFields)
    ->Arg(kAutoMaxSteps)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
