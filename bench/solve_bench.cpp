// Hidden RunCalculation over the puzzle files: microseconds per puzzle for each file.
//   build/bench/solve_bench [--data=DIR] [--benchmark_filter=expert]
// The puzzle files are the *.txt files of DIR, else of $SUDOKU_DATA_DIR, else of
// ../shared/data beside the source tree.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/puzzle_string.h"
#include "solve/solver.h"

namespace {

using namespace sudoku;

std::vector<BoardRecord> LoadFile(const std::filesystem::path& path) {
  std::vector<BoardRecord> boards;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    BoardRecord b;
    if (LoadBoardFromString(b, line)) boards.push_back(b);
  }
  return boards;
}

// Each puzzle timed alone (best of five), then the median over the file.
double MedianMicroseconds(const std::vector<BoardRecord>& boards) {
  RunState state;
  Solver solver(state);
  std::vector<double> times;
  times.reserve(boards.size());
  for (const BoardRecord& puzzle : boards) {
    double best = 1e9;
    for (int rep = 0; rep < 5; ++rep) {
      BoardRecord b = puzzle;
      const auto t0 = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(solver.RunCalculation(b));
      const auto t1 = std::chrono::steady_clock::now();
      best = std::min(best, std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    times.push_back(best);
  }
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

void SolveFile(benchmark::State& st, std::vector<BoardRecord> boards) {
  RunState state;
  Solver solver(state);
  size_t next = 0, solved = 0;
  for (auto _ : st) {
    BoardRecord b = boards[next];
    solved += solver.RunCalculation(b);
    next = next + 1 == boards.size() ? 0 : next + 1;
  }
  st.counters["us_per_puzzle"] = benchmark::Counter(
      static_cast<double>(st.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
  st.counters["median_us"] = MedianMicroseconds(boards);
  st.counters["solved_pct"] =
      100.0 * static_cast<double>(solved) / static_cast<double>(st.iterations());
}

// The folder of --data=DIR or --data DIR, which leave the arguments; else the environment's
// or the default.
std::filesystem::path DataDir(int& argc, char** argv) {
  std::filesystem::path dir = SUDOKU_SOURCE_DIR "/../shared/data";
  if (const char* env = std::getenv("SUDOKU_DATA_DIR"); env && *env) dir = env;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.rfind("--data=", 0) == 0) {
      dir = std::string(arg.substr(7));
    } else if (arg == "--data" && i + 1 < argc) {
      dir = argv[++i];
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return dir;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path dir = DataDir(argc, argv);
  std::vector<fs::path> files;
  if (fs::is_directory(dir)) {
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.path().extension() == ".txt") files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "solve_bench: no puzzle files in %s\n", dir.c_str());
    return 1;
  }
  for (const fs::path& file : files) {
    auto boards = LoadFile(file);
    if (boards.empty()) continue;
    benchmark::RegisterBenchmark(("RunCalculation/" + file.stem().string()).c_str(), SolveFile,
                                 std::move(boards))
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
