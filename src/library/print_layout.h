#pragma once
// What goes on which printed page: the print options with the rules of their dialog, and the
// placing of boards for the current game and for a list of catalogue entries.

#include <string>
#include <vector>

#include "base/mul_div.h"
#include "model/board.h"

namespace sudoku {

enum PrintMode : int {
  kPrintPuzzle = 0,
  kPrintSolution = 1,
  kPrintBothOnOnePage = 2,
  kPrintBothOnTwoPages = 3,
};

// Kept for the run and shared by both print commands, so one presets the other.
struct PrintOptions {
  int mode = kPrintPuzzle;
  bool inColor = false;
  bool givensOnly = true;
  int perPage = 1;  // 1, 2 or 4 (lists only)
  bool perPageRaised = false;  // the mode raised perPage from 1 to 2
  bool boardHasEntries = false;  // set when the game's print starts

  // Puzzle and solution on one page need two places at least: such a mode raises one per page
  // to two, and leaving it lowers a raised count again.
  void ChooseMode(int newMode);
  void ChoosePerPage(int count);
  bool GivensOnlyEnabled() const { return mode != kPrintSolution && boardHasEntries; }
  bool OnePerPageEnabled() const { return mode != kPrintBothOnOnePage; }
  int ColorDepth() const { return inColor ? 6 : 1; }
};

// One board on the printout: its page (from 0), its square and what it shows.
struct PrintedBoard {
  int page = 0;
  int left = 0, top = 0, size = 0;
  BoardRecord board;
};

// A cell that is not a given holds digits.
bool BoardHasEntries(const BoardRecord& board);
// Every cell but the givens cleared, then solved by the program's own solver as far as it gets.
void SolveFromGivens(BoardRecord& board);

// The current game on a page of `width` x `height` device pixels.
std::vector<PrintedBoard> PlanGamePrint(const BoardRecord& current, const PrintOptions& options,
                                        int width, int height);

struct PrintListEntry {
  std::string variant;  // the puzzle string as the chooser shows it
  std::string number;   // its puzzle number
};

// The selected catalogue entries, `options.perPage` to a page; in the two-pages mode the
// solutions follow on pages of their own. Entries that are no puzzle strings are left out.
std::vector<PrintedBoard> PlanListPrint(const std::vector<PrintListEntry>& entries,
                                        const PrintOptions& options, int width, int height);

}  // namespace sudoku
