#pragma once
// Game files ("SUD0": the whole game with its undo history; "SUD1": the current state only),
// the text forms of the board for other programs, and the list of own puzzles.
//
// Writers build the file's bytes in memory and WriteFileReplacing puts them on disk, so a
// failed save never leaves a half-written file in place of the old one.

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "game/game_controller.h"
#include "model/board.h"
#include "settings/settings.h"

namespace sudoku {

// The magic, the 220-byte record and, for a whole game, the undo history.
std::string GameFileBytes(const GameController& game, bool wholeGame);

// Nine CR LF lines of nine cells joined by the separator: a given as "[d]" ("Err" when its
// set is not one digit), any other cell as its digits joined by blanks.
std::string CellTableText(const BoardRecord& board, char separator);

// The candidates as a picture of characters: three lines per grid row, a given as a square of
// '*' around its digit; trailing blanks removed, lines in CR LF.
std::string FormattedText(const BoardRecord& board);

// Exactly 81 characters, no line end: each cell's digit when it holds one, else '0'.
std::string TextLine(const BoardRecord& board);

// The stored own puzzles up to the first missing number, the valid ones only, one per CR LF
// line; empty when there are none.
std::string SampleListText(Settings& settings);

// Replaces the file: the content goes to a new file beside it, which is then renamed over the
// old one. Throws TextError(532) when anything fails; the old file is then left as it was.
void WriteFileReplacing(const std::filesystem::path& file, std::string_view content);

void SaveGameFile(const std::filesystem::path& file, const GameController& game, bool wholeGame);
void ExportSampleList(const std::filesystem::path& file, Settings& settings);

// Opens a game file. Throws TextError: 531 when the file cannot be read (the game untouched);
// 529 for a missing or unknown magic and 530 for a short record, both before the game is
// touched; 535 from LoadGameRecord; 531 for a history that ends early, after the record has
// been loaded (the history then keeps the snapshots read).
void LoadGameFile(const std::filesystem::path& file, GameController& game);
// The same from a stream; the file's errors except 531 for a file that cannot be opened.
void LoadGameStream(std::istream& in, GameController& game);

}  // namespace sudoku
