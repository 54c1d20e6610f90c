#pragma once
// The program's string table: every German text that code shows, by number.

#include <cstdarg>
#include <stdexcept>
#include <string>

namespace sudoku {

// The text with this number, UTF-8; empty when the table has no such entry.
std::string Text(int id);

// Text(id) used as a printf format.
std::string FormatText(int id, ...);

// An error that carries the number of its message text.
class TextError : public std::runtime_error {
 public:
  explicit TextError(int id) : std::runtime_error(Text(id)), id_(id) {}
  int id() const { return id_; }

 private:
  int id_;
};

}  // namespace sudoku
