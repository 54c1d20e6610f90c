// Puzzle strings and cell texts from outside: a cell pasted from the clipboard, the lines of
// an imported list and the editor's puzzle, checked, turned into variants and solved.
//
// Input: one byte for the digit shift, the rest the text.

#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "game/cell_operations.h"
#include "library/builtin_puzzles.h"
#include "model/puzzle_string.h"
#include "solve/solver.h"

namespace {

std::vector<std::string> Builtin() {
  std::vector<std::string> puzzles;
  for (int id = sudoku::kFirstBuiltinPuzzleId; !sudoku::BuiltinPuzzleText(id).empty(); ++id) {
    puzzles.emplace_back(sudoku::BuiltinPuzzleText(id));
  }
  return puzzles;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  fuzz::Input in(data, size);
  const int shift = static_cast<int8_t>(in.Byte()) % 40;
  const std::string text(in.Rest());

  const int givens = CountFilled(text);
  FirstFilledPosition(text);
  RunState state;
  Solver solver(state);
  BoardRecord board;
  LoadBoardFromString(board, text);
  LoadBoardFromString(board, text, true, solver);
  GivensConsistent(board);
  static const std::vector<std::string> builtin = Builtin();
  IsNewSudoku(text, builtin);
  // Every variant of a puzzle is recognised as one, so that no list holds it twice.
  for (int t = 0; t < 8; ++t) {
    const std::string variant = TransformSudoku(text, shift, t);
    if (IsSudokuString(text) && givens >= 1 && !IsVariantOf(variant, text)) std::abort();
  }

  ParseCellClipboardText(text);
  return 0;
}
