#include "solve/distinct_puzzles.h"

#include <numeric>

#include "model/puzzle_index.h"
#include "model/puzzle_string.h"
#include "solve/generator.h"

namespace sudoku {

std::vector<std::string> DistinctPuzzles(size_t count, uint32_t seed,
                                         const std::vector<std::string>& avoid) {
  PuzzleIndex known;
  int index = 0;
  for (const std::string& text : avoid) known.Add(text, index++);
  RandomSource random(seed);
  PuzzleGenerator generator;
  RunState state;
  Solver solver(state);
  BoardRecord grid;
  std::array<uint8_t, 81> cells;
  std::iota(cells.begin(), cells.end(), 0);
  std::vector<std::string> puzzles;
  puzzles.reserve(count);
  int fromGrid = 0;
  while (puzzles.size() < count) {
    // A few puzzles from each grid: grids cost more than thinning them.
    if (fromGrid == 0 && !generator.GenerateFullGrid(grid, random.Below(0xFFFFFFFFu))) continue;
    fromGrid = (fromGrid + 1) % 16;
    for (size_t i = 80; i > 0; --i)
      std::swap(cells[i], cells[random.Below(static_cast<uint32_t>(i + 1))]);
    std::string puzzle(81, '0');
    const size_t givens = 32 + random.Below(8);
    for (size_t i = 0; i < givens; ++i) puzzle[cells[i]] = DigitChar(grid.cells[cells[i]]);
    BoardRecord board;
    if (!known.IsNew(puzzle) || !LoadBoardFromString(board, puzzle, true, solver)) continue;
    known.Add(puzzle, index++);
    puzzles.push_back(std::move(puzzle));
  }
  return puzzles;
}

}  // namespace sudoku
