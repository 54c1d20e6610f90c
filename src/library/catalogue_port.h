#pragma once
// What the catalogue needs from the running game and the screen: implemented by the main
// window around the game controller, and by fakes in tests.

#include <string>

namespace sudoku {

class CataloguePort {
 public:
  virtual ~CataloguePort() = default;
  // The puzzle number of the running game ("84.2.5"; empty without one).
  virtual std::string CurrentPuzzleName() = 0;
  // Replaces the list number of the running game's puzzle number and refreshes what shows it;
  // 0 empties the board without asking.
  virtual void SetListNumber(int n) = 0;
  // "Leeres Spielfeld" without the question.
  virtual void EmptyPlayground() = 0;
  // An information box with an OK button.
  virtual void ShowInformation(const std::string& text) = 0;
};

}  // namespace sudoku
