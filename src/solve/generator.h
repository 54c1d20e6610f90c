#pragma once
// The puzzle generator: a random complete grid, then a search, attempt after attempt, for the
// shortest prefix of a random cell order that the logical solver still solves completely. The
// result is a cell order and a count: the puzzle with n givens is the first n cells of the order
// with their digits from the grid.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "model/board.h"
#include "solve/ports.h"
#include "solve/run_state.h"
#include "solve/solver.h"

namespace sudoku {

using CellOrder = std::array<uint8_t, 81>;

// 32-bit linear congruential generator; the same seed gives the same grid and the same search.
class RandomSource {
 public:
  explicit RandomSource(uint32_t seed = 0) : seed_(seed) {}
  void Reseed(uint32_t seed) { seed_ = seed; }
  uint32_t Seed() const { return seed_; }
  // A number from 0 to n - 1, taken from the high half of the 64-bit product.
  uint32_t Below(uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(seed_) * n) >> 32);
  }

 private:
  uint32_t seed_;
};

// Values of AutoMode: what makes one attempt better than the best so far.
enum : int {
  kAutoBoth = 0,       // fewer givens, or as many with more steps
  kAutoMinFields = 1,  // fewer givens
  kAutoMaxSteps = 2,   // more steps
};

class PuzzleGenerator {
 public:
  static constexpr uint64_t kGridLimitMs = 1000;
  static constexpr uint64_t kSearchLimitMs = 2000;
  // Receives the progress text of the search.
  using Label = std::function<void(const std::string&)>;

  // Events are dispatched through `pump` while the search runs, and its clock measures the
  // limits; without one, nothing is dispatched and the steady clock measures them.
  explicit PuzzleGenerator(EventPump* pump = nullptr);
  ~PuzzleGenerator();
  PuzzleGenerator(const PuzzleGenerator&) = delete;
  PuzzleGenerator& operator=(const PuzzleGenerator&) = delete;

  int AutoMode() const { return autoMode_; }
  // Values outside 0 to 2 count as 0.
  void SetAutoMode(int mode);

  // A random complete grid, the random source reseeded from the high-resolution clock. False
  // when the grid was not complete within kGridLimitMs; the limit is tested after each sweep.
  bool GenerateFullGrid(BoardRecord& board);
  // The same from a given seed: reproducible.
  bool GenerateFullGrid(BoardRecord& board, uint32_t seed);

  // Whether the solver solves the puzzle made of the cells order[0] to order[n] (none when
  // n < 0) with their sets from the grid. TechniqueChanges then holds its steps.
  bool TestPrefix(int n, const CellOrder& order, const BoardRecord& grid);
  int TechniqueChanges() const { return state_.TechniqueChanges; }

  // The search: attempts until kSearchLimitMs have passed (tested before each attempt) or,
  // when unlimited, until Stop. Writes the best order (all zeros when no attempt improved on
  // 81 givens and 0 steps) and returns the best count. `label` shows the progress.
  int SearchBestPuzzle(bool unlimited, const BoardRecord& grid, CellOrder& bestOrder,
                       const Label& label);
  int BestSteps() const { return bestSteps_; }
  // Attempts made by the latest search.
  int Attempts() const { return attempts_; }

  // Ends the search after the attempt in progress (the stop button).
  void Stop() { timeUp_ = true; }
  bool TimeUp() const { return timeUp_; }

  // For scripted runs: at most this many attempts per search; negative means no limit.
  void SetAttemptLimit(int attempts) { attemptLimit_ = attempts; }
  // The limit of a search that is not unlimited; kSearchLimitMs unless set.
  void SetSearchLimit(uint64_t ms) { searchLimitMs_ = ms; }

  RandomSource& Random() { return random_; }

  // Sees every solver test of a candidate puzzle: its number of givens and whether it was
  // solved. For diagnostics and measurements.
  using ProbeObserver = std::function<void(int givens, bool solved)>;
  void SetProbeObserver(ProbeObserver observer) { probeObserver_ = std::move(observer); }

  static constexpr int kPumpAtStart = 100;
  static constexpr int kPumpPerAttempt = 5;
  static constexpr int kPumpPerImprovement = 50;

 private:
  // Up to n pending events, never waiting.
  void PumpMessages(int n);
  uint64_t Now();
  void RandomOrder(CellOrder& order);
  bool Better(int count, int steps) const;

  EventPump* pump_;
  RandomSource random_;
  RunState state_;
  Solver solver_;
  int autoMode_ = kAutoBoth;
  bool timeUp_ = false;
  int attemptLimit_ = -1;
  uint64_t searchLimitMs_ = kSearchLimitMs;
  ProbeObserver probeObserver_;
  int attempts_ = 0;
  int bestCount_ = 81;
  int bestSteps_ = 0;
};

}  // namespace sudoku
