#pragma once
// The solving aids and the logical solver built from them.
//
// A Solver with a host works on the host's visible board: its changes are paced, selected,
// recorded for undo and announced. A Solver without a host works on the board a hidden run (or
// Attach) gives it. A hosted Solver runs hidden calculations through an inner hostless one, so
// the visible board and its history are never touched by them. Hidden runs go through the
// faster HiddenChain (hidden_chain.h) as long as their board stays consistent.

#include <memory>

#include "model/board.h"
#include "model/tables.h"
#include "solve/ports.h"
#include "solve/run_state.h"

namespace sudoku {

// Scope bits of the scoped techniques.
enum Scope : int {
  kScopeRows = 1,
  kScopeColumns = 2,
  kScopeBlocks = 4,
  kScopeAll = 64,
  kScopeRepeat = 128,
  kScopeEverything = 199,
};

class Solver {
 public:
  explicit Solver(RunState& state, EventPump* pump = nullptr, SolverHost* host = nullptr);
  ~Solver();
  Solver(const Solver&) = delete;
  Solver& operator=(const Solver&) = delete;

  RunState& State() { return state_; }

  // Fills the candidates and chains the techniques until none changes anything; returns whether
  // the board ended solved. Live when `board` is the host's board, hidden otherwise; a hidden
  // run changes `board` in place and nothing else.
  bool RunCalculation(BoardRecord& board);

  // A hostless solver works on this board outside of RunCalculation.
  void Attach(BoardRecord& board) { work_ = &board; }

  bool AutoClean(int scope);
  bool SeekUniqueValues(int scope);
  bool SeekUnmistakableValuesIn3x3Group(int scope);
  bool SameNumSetInDiffFields(int scope);
  bool BenachbarteSpaltenZeilenDesBlocks();
  bool Fill1To9(int mode);

  // The only way a technique writes a cell.
  void TechniqueChangeCell(int cell, DigitSet set);
  void SetCellDigit(int cell, int digit) { TechniqueChangeCell(cell, DigitBit(digit)); }
  void RemoveCellDigits(int cell, DigitSet set);
  void RemoveCellDigit(int cell, int digit) { RemoveCellDigits(cell, DigitBit(digit)); }

  void RequestStop();
  void WaitInterruptible(unsigned ms);
  void ProcessOneMessage(unsigned ms);

  // A hidden run lets pending events through at most this often, looking at the clock after
  // every so many passes that changed something.
  static constexpr uint64_t kHiddenYieldMs = 15;
  static constexpr unsigned kHiddenPassesPerLook = 16;
  // A run that has made more weighted changes than this loops and is stopped.
  static constexpr int kRunChangeLimit = 999;

 private:
  // The hidden chain follows the techniques of this class; it lets events through as they do.
  friend class HiddenChain;

  bool Live() const { return host_ != nullptr; }
  bool HiddenRun(BoardRecord& board);
  bool Chain(BoardRecord& board, bool live);
  void Announce(int textId);
  void BetweenPasses();
  // Runs the passes of a scoped technique: build(scope) prepares a pass's tables, treat(g)
  // works on group g.
  template <class Build, class Treat>
  bool PassScheme(int scope, const int (&texts)[3], Build build, Treat treat);

  RunState& state_;
  EventPump* pump_;
  SolverHost* host_;
  BoardRecord* work_ = nullptr;
  std::unique_ptr<Solver> hidden_;

  int runDepth_ = 0;
  int runChanges_ = 0;
  bool stoppedByLimit_ = false;
  uint64_t lastYield_ = 0;
  unsigned hiddenPasses_ = 0;
};

// LoadBoardFromString with the solver check: true when the text has 81 characters and the
// logical solver solves the puzzle completely; the record then holds the solver's final state.
bool LoadBoardFromString(BoardRecord& record, std::string_view text, bool check, Solver& solver);

}  // namespace sudoku
