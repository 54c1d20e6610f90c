#pragma once
// The standard skin compiled into the program: its resources live under ":/skin".

namespace sudoku {

// Makes the compiled-in skin resources available. Safe to call more than once.
void RegisterBuiltinSkin();

}  // namespace sudoku
