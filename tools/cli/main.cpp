// sudoku-cli: the solving core for scripts and checks. Most commands read puzzle strings, one
// per line, from standard input; '.' counts as '0'. The generator and the catalogue take none.

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "library/builtin_puzzles.h"
#include "model/puzzle_string.h"
#include "solve/distinct_puzzles.h"
#include "solve/generator.h"
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
    "\n"
    "commands without input:\n"
    "  generate --seed N --attempts K [--mode M]\n"
    "                   a grid from seed N (0-4294967295), then exactly K attempts of the\n"
    "                   search without a time limit: prints '<grid> <bestcount> <beststeps>\n"
    "                   <order>', the order as 81 cell indexes of two digits each\n"
    "  generate [--mode M] [--ms T] [--seed N]\n"
    "                   the search as the editor runs it, for T milliseconds (default 2000),\n"
    "                   from seed N or else a fresh one: prints '<puzzle> <givens> <steps>'\n"
    "                   goals M: 0 fewest givens, then most steps (default); 1 fewest\n"
    "                   givens; 2 most steps\n"
    "  catalogue        the built-in puzzles in catalogue order, one per line\n"
    "  puzzles N [--seed S]\n"
    "                   N different puzzles (1-1000000) that the logical solver finishes,\n"
    "                   none a variant of another or of a built-in one, one per line; the\n"
    "                   same seed (default 1) gives the same list\n"
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

// Standard input line by line without a stream call per line. Output is flushed whenever
// input would have to wait, so that the tool still answers line by line when used by hand.
class LineReader {
 public:
  // The next line without its '\n'; valid until the next call. False at the end of input.
  bool Next(std::string_view& line) {
    for (;;) {
      const auto start = buffer_.begin() + static_cast<std::ptrdiff_t>(begin_);
      const auto stop = buffer_.begin() + static_cast<std::ptrdiff_t>(end_);
      const auto newline = std::find(start, stop, '\n');
      if (newline != stop || (eof_ && start != stop)) {
        line = std::string_view(&*start, static_cast<size_t>(newline - start));
        begin_ = static_cast<size_t>(newline - buffer_.begin()) + (newline != stop);
        return true;
      }
      if (eof_) return false;
      Refill();
    }
  }

 private:
  void Refill() {
    // Keep the partial line, and make room for a long one.
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(begin_));
    end_ -= begin_;
    begin_ = 0;
    if (buffer_.size() - end_ < kChunk) buffer_.resize(end_ + kChunk);
    std::streamsize n = std::cin.readsome(buffer_.data() + end_, kChunk);
    if (n <= 0) {
      std::cout.flush();
      if (std::cin.peek() == std::char_traits<char>::eof()) {
        eof_ = true;
        return;
      }
      n = std::cin.readsome(buffer_.data() + end_, kChunk);
    }
    end_ += static_cast<size_t>(n);
  }

  static constexpr std::streamsize kChunk = 1 << 16;
  std::vector<char> buffer_;
  size_t begin_ = 0, end_ = 0;
  bool eof_ = false;
};

// Each candidate set as its three lowercase hex digits.
struct HexTable {
  std::array<std::array<char, 3>, 4096> text{};
  constexpr HexTable() {
    constexpr char kHex[] = "0123456789abcdef";
    for (int s = 0; s < 4096; ++s) text[s] = {kHex[s >> 8], kHex[(s >> 4) & 15], kHex[s & 15]};
  }
};
constexpr HexTable kHexTable{};

int Solve() {
  RunState state;
  Solver solver(state);
  LineReader reader;
  std::string_view text;
  std::string line, out;
  while (reader.Next(text)) {
    line.assign(text);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.clear();
    if (line.size() != 81) {
      out = "error: line has " + std::to_string(line.size()) + " characters, expected 81";
    } else {
      BoardRecord board;
      LoadBoardFromString(board, line);  // '.' is no digit: an empty cell like '0'
      const bool solved = solver.RunCalculation(board);
      out = solved ? "1 " : "0 ";
      out += std::to_string(state.TechniqueChanges);
      out += ' ';
      const size_t at = out.size();
      out.resize(at + 3 * 81);
      for (int i = 0; i < 81; ++i) {
        const auto& hex = kHexTable.text[board.cells[i] & 0xFFF];
        std::copy(hex.begin(), hex.end(), out.begin() + static_cast<std::ptrdiff_t>(at + 3 * i));
      }
    }
    out += '\n';
    std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
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

bool ParseSeed(std::string_view text, uint32_t& value) {
  if (text.empty() || text.size() > 10) return false;
  uint64_t v = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
    v = v * 10 + static_cast<uint64_t>(ch - '0');
  }
  if (v > 0xFFFFFFFFu) return false;
  value = static_cast<uint32_t>(v);
  return true;
}

struct GenerateOptions {
  bool hasSeed = false;
  uint32_t seed = 0;
  int attempts = -1;
  int mode = 0;
  int ms = -1;
};

// The generator's options; false with a message when one is wrong.
bool ParseGenerateOptions(const std::vector<std::string_view>& args, GenerateOptions& options,
                          std::string& error) {
  for (size_t i = 1; i < args.size(); i += 2) {
    const std::string_view name = args[i];
    if (i + 1 >= args.size()) {
      error = "generate option " + std::string(name) + " needs a value";
      return false;
    }
    const std::string_view value = args[i + 1];
    if (name == "--seed") {
      if (!ParseSeed(value, options.seed)) {
        error = "generate --seed takes a number from 0 to 4294967295";
        return false;
      }
      options.hasSeed = true;
    } else if (name == "--attempts") {
      if (!ParseInt(value, options.attempts) || options.attempts < 0) {
        error = "generate --attempts takes a number from 0 to 1000000";
        return false;
      }
    } else if (name == "--mode") {
      if (!ParseInt(value, options.mode) || options.mode < 0 || options.mode > 2) {
        error = "generate --mode takes 0, 1 or 2";
        return false;
      }
    } else if (name == "--ms") {
      if (!ParseInt(value, options.ms) || options.ms < 1) {
        error = "generate --ms takes a number of milliseconds from 1 to 1000000";
        return false;
      }
    } else {
      error = "unknown generate option '" + std::string(name) + "'";
      return false;
    }
  }
  if (options.attempts >= 0 && !options.hasSeed) {
    error = "generate --attempts needs --seed";
    return false;
  }
  if (options.attempts >= 0 && options.ms >= 0) {
    error = "generate takes either --attempts or --ms";
    return false;
  }
  return true;
}

int Generate(const GenerateOptions& options) {
  PuzzleGenerator generator;
  generator.SetAutoMode(options.mode);
  BoardRecord grid;
  const bool complete = options.hasSeed ? generator.GenerateFullGrid(grid, options.seed)
                                        : generator.GenerateFullGrid(grid);
  if (!complete) {
    std::cerr << "sudoku-cli: no complete grid within the time limit\n";
    return 1;
  }
  CellOrder order{};
  const bool scripted = options.attempts >= 0;
  if (scripted) {
    generator.SetAttemptLimit(options.attempts);
  } else if (options.ms > 0) {
    generator.SetSearchLimit(static_cast<uint64_t>(options.ms));
  }
  const int count = generator.SearchBestPuzzle(scripted, grid, order, nullptr);

  std::string out;
  if (scripted) {
    out = BoardToString(grid);
    out += ' ' + std::to_string(count) + ' ' + std::to_string(generator.BestSteps()) + ' ';
    for (uint8_t cell : order) {
      out += static_cast<char>('0' + cell / 10);
      out += static_cast<char>('0' + cell % 10);
    }
  } else {
    std::string puzzle(81, '0');
    for (int i = 0; i < count && i < 81; ++i) puzzle[order[i]] = DigitChar(grid.cells[order[i]]);
    out = puzzle + ' ' + std::to_string(count) + ' ' + std::to_string(generator.BestSteps());
  }
  std::cout << out << '\n';
  return 0;
}

int Catalogue() {
  for (int id = kFirstBuiltinPuzzleId;; ++id) {
    const std::string_view text = BuiltinPuzzleText(id);
    if (text.empty()) break;
    std::cout << text << '\n';
  }
  return 0;
}

std::vector<std::string> BuiltinTexts() {
  std::vector<std::string> texts;
  for (int id = kFirstBuiltinPuzzleId;; ++id) {
    const std::string_view text = BuiltinPuzzleText(id);
    if (text.empty()) break;
    texts.emplace_back(text);
  }
  return texts;
}

// A list file of own puzzles for measurements: `puzzles N [--seed S]`.
int Puzzles(const std::vector<std::string_view>& args) {
  int count = 0;
  uint32_t seed = 1;
  const bool seeded = args.size() == 4 && args[2] == "--seed" && ParseSeed(args[3], seed);
  if ((args.size() != 2 && !seeded) || !ParseInt(args[1], count) || count < 1) {
    return Fail("puzzles takes a count from 1 to 1000000 and optionally --seed S");
  }
  std::string out;
  for (const std::string& p : DistinctPuzzles(static_cast<size_t>(count), seed, BuiltinTexts())) {
    out += p;
    out += '\n';
  }
  std::cout << out;
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
    if (args.size() != 3 || !ParseInt(args[1], shift) || !ParseInt(args[2], t) || t < 0 || t > 7) {
      return Fail("transform takes a digit shift S and a transformation T from 0 to 7");
    }
    return Transform(shift, t);
  }
  if (command == "isnew") {
    if (args.size() != 1) return Fail("isnew takes no arguments");
    return IsNew();
  }
  if (command == "generate") {
    GenerateOptions options;
    std::string error;
    if (!ParseGenerateOptions(args, options, error)) return Fail(error);
    return Generate(options);
  }
  if (command == "catalogue") {
    if (args.size() != 1) return Fail("catalogue takes no arguments");
    return Catalogue();
  }
  if (command == "puzzles") return Puzzles(args);
  return Fail("unknown command '" + std::string(command) + "'");
}
