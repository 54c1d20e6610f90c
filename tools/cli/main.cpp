// sudoku-cli: the solving core for scripts and checks. Reads puzzle strings, one per line, from
// standard input; '.' counts as '0'.

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/puzzle_string.h"
#include "solve/solver.h"

namespace {

using namespace sudoku;

constexpr const char* kUsage =
    "usage: sudoku-cli <command> [arguments] < puzzles\n"
    "\n"
    "Reads puzzle strings (81 characters, '0' or '.' for an empty cell), one per line.\n"
    "\n"
    "commands:\n"
    "  solve            per line: <solved 0|1> <steps> <cells>, the result of the logical\n"
    "                   solver, its weighted steps and the 81 final candidate sets as three\n"
    "                   hex digits each; a line that is not 81 characters gives\n"
    "                   'error: <reason>'\n"
    "  transform S T    per line: the variant with the digits shifted by S and\n"
    "                   transformation T (0-7)\n"
    "  isnew            the first line is the candidate, the others the list: prints\n"
    "                   '1 <givens>' when no entry is a variant of it, else '0 <givens>'\n"
    "  --help           this text\n";

int Fail(const std::string& message) {
  std::cerr << "sudoku-cli: " << message << " (see sudoku-cli --help)\n";
  return 2;
}

bool ReadPuzzleLine(std::string& line) {
  if (!std::getline(std::cin, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  for (char& ch : line) {
    if (ch == '.') ch = '0';
  }
  return true;
}

bool ParseInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const std::string s(text);
  const long v = std::strtol(s.c_str(), &end, 10);
  if (*end != '\0' || v < -1000000 || v > 1000000) return false;
  value = static_cast<int>(v);
  return true;
}

int Solve() {
  RunState state;
  Solver solver(state);
  std::string line, out;
  static constexpr char kHex[] = "0123456789abcdef";
  while (ReadPuzzleLine(line)) {
    if (line.size() != 81) {
      out = "error: line has " + std::to_string(line.size()) + " characters, expected 81";
    } else {
      BoardRecord board;
      LoadBoardFromString(board, line);
      const bool solved = solver.RunCalculation(board);
      out = solved ? "1 " : "0 ";
      out += std::to_string(state.TechniqueChanges);
      out += ' ';
      for (DigitSet s : board.cells) {
        out += kHex[(s >> 8) & 15];
        out += kHex[(s >> 4) & 15];
        out += kHex[s & 15];
      }
    }
    std::cout << out << '\n';
  }
  return 0;
}

int Transform(int shift, int t) {
  std::string line;
  while (ReadPuzzleLine(line)) std::cout << TransformSudoku(line, shift, t) << '\n';
  return 0;
}

int IsNew() {
  std::string candidate, line;
  if (!ReadPuzzleLine(candidate)) return Fail("isnew needs a candidate line on standard input");
  std::vector<std::string> list;
  while (ReadPuzzleLine(line)) list.push_back(line);
  int givens = 0;
  const bool isNew = IsNewSudoku(candidate, list, &givens);
  std::cout << (isNew ? 1 : 0) << ' ' << givens << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return Fail("no command given");
  const std::string_view command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "solve") {
    if (args.size() != 1) return Fail("solve takes no arguments");
    return Solve();
  }
  if (command == "transform") {
    int shift = 0, t = 0;
    if (args.size() != 3 || !ParseInt(args[1], shift) || !ParseInt(args[2], t) || t < 0 ||
        t > 7) {
      return Fail("transform takes a digit shift S and a transformation T from 0 to 7");
    }
    return Transform(shift, t);
  }
  if (command == "isnew") {
    if (args.size() != 1) return Fail("isnew takes no arguments");
    return IsNew();
  }
  return Fail("unknown command '" + std::string(command) + "'");
}
