#pragma once
// Many different puzzles quickly, for measurements and tests: random grids thinned at random
// to 32-39 givens, kept when the logical solver finishes them and no kept puzzle (nor one to
// avoid) is a variant of them.

#include <cstdint>
#include <string>
#include <vector>

namespace sudoku {

std::vector<std::string> DistinctPuzzles(size_t count, uint32_t seed,
                                         const std::vector<std::string>& avoid = {});

}  // namespace sudoku
