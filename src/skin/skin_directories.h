#pragma once
// Where skin modules are looked for.

#include <QStringList>

namespace sudoku {

// In this order: the program's own directory (so a build tree keeps working), the user's data
// directory (a player adds skins there without root) and the installed data directory. A module
// in an earlier directory hides one of the same file name in a later one.
QStringList SkinDirectories();

// `candidates` in their order, each directory once however it is spelled.
QStringList UniqueDirectories(const QStringList& candidates);

}  // namespace sudoku
