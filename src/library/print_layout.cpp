#include "library/print_layout.h"

#include <algorithm>
#include <array>

#include "model/puzzle_string.h"
#include "solve/solver.h"

namespace sudoku {

void PrintOptions::ChooseMode(int newMode) {
  mode = newMode;
  if (mode == kPrintBothOnOnePage && perPage == 1) {
    perPage = 2;
    perPageRaised = true;
  } else if (mode != kPrintBothOnOnePage && perPageRaised) {
    perPage = 1;
    perPageRaised = false;
  }
}

void PrintOptions::ChoosePerPage(int count) {
  perPage = count;
  perPageRaised = false;
}

bool BoardHasEntries(const BoardRecord& board) {
  for (int cell = 0; cell < 81; ++cell) {
    if (!board.IsGiven(cell) && board.cells[static_cast<size_t>(cell)] != 0) return true;
  }
  return false;
}

void SolveFromGivens(BoardRecord& board) {
  ClearNonGivens(board);
  RunState state;
  Solver solver(state);
  solver.RunCalculation(board);
}

std::vector<PrintedBoard> PlanGamePrint(const BoardRecord& current, const PrintOptions& options,
                                        int width, int height) {
  int size = 0, left = 0, top = 0, dx = 0, dy = 0;
  if (options.mode == kPrintBothOnOnePage) {
    if (width > height) {
      size = std::min(MulDiv(width, 40, 100), MulDiv(height, 90, 100));
      left = (width / 2 - size) / 2;
      top = (height - size) / 2;
      dx = width / 2;
    } else {
      size = std::min(MulDiv(height, 40, 100), MulDiv(width, 90, 100));
      top = (height / 2 - size) / 2;
      left = (width - size) / 2;
      dy = height / 2;
    }
  } else {
    size = MulDiv(std::min(width, height), 90, 100);
    left = (width - size) / 2;
    top = (height - size) / 2;
  }

  BoardRecord copy = current;
  const bool keepEntries =
      !options.givensOnly && options.boardHasEntries && options.mode != kPrintSolution;
  if (!keepEntries) ClearNonGivens(copy);
  if (options.mode == kPrintSolution) SolveFromGivens(copy);

  std::vector<PrintedBoard> boards{{0, left, top, size, copy}};
  if (options.mode == kPrintPuzzle || options.mode == kPrintSolution) return boards;
  SolveFromGivens(copy);
  if (options.mode == kPrintBothOnTwoPages) {
    boards.push_back({1, left, top, size, copy});
  } else {
    boards.push_back({0, left + dx, top + dy, size, copy});
  }
  return boards;
}

namespace {

// Slot `slot` of `perPage` on the page, as left, top, width, height.
std::array<int, 4> SlotRect(int slot, int perPage, int width, int height) {
  if (perPage == 2) {
    if (width > height) {
      const int x0 = MulDiv(width, slot, 2), x1 = MulDiv(width, slot + 1, 2);
      return {x0, 0, x1 - x0, height};
    }
    const int y0 = MulDiv(height, slot, 2), y1 = MulDiv(height, slot + 1, 2);
    return {0, y0, width, y1 - y0};
  }
  if (perPage == 4) {
    const int column = slot % 2, row = slot / 2;
    const int x0 = MulDiv(width, column, 2), x1 = MulDiv(width, column + 1, 2);
    const int y0 = MulDiv(height, row, 2), y1 = MulDiv(height, row + 1, 2);
    return {x0, y0, x1 - x0, y1 - y0};
  }
  return {0, 0, width, height};
}

}  // namespace

std::vector<PrintedBoard> PlanListPrint(const std::vector<PrintListEntry>& entries,
                                        const PrintOptions& options, int width, int height) {
  const int perPage = options.perPage == 2 || options.perPage == 4 ? options.perPage : 1;
  std::vector<PrintedBoard> boards;
  int slot = 0, page = 0;
  bool pageUsed = false;
  const int passes = options.mode == kPrintBothOnTwoPages ? 2 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    slot = 0;  // the solutions of the two-pages mode start on a page of their own
    for (const PrintListEntry& entry : entries) {
      const int copies = options.mode == kPrintBothOnOnePage ? 2 : 1;
      for (int c = 0; c < copies; ++c) {
        BoardRecord board;
        if (!LoadBoardFromString(board, entry.variant)) continue;
        board.SetName(entry.number);
        if (options.mode == kPrintSolution || (options.mode == kPrintBothOnOnePage && c == 1) ||
            (options.mode == kPrintBothOnTwoPages && pass == 1)) {
          SolveFromGivens(board);
        }
        const auto [x, y, w, h] = SlotRect(slot, perPage, width, height);
        const int size = MulDiv(std::min(w, h), 90, 100);
        if (slot == 0 && pageUsed) ++page;
        boards.push_back({page, x + (w - size) / 2, y + (h - size) / 2, size, board});
        pageUsed = true;
        if (++slot == perPage) slot = 0;
      }
    }
  }
  return boards;
}

}  // namespace sudoku
