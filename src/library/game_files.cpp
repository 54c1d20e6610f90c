#include "library/game_files.h"

#include <array>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "base/texts.h"
#include "library/catalogue.h"
#include "model/puzzle_string.h"

namespace sudoku {
namespace {

constexpr char kWholeGameMagic[4] = {'S', 'U', 'D', '0'};
constexpr char kStateMagic[4] = {'S', 'U', 'D', '1'};

bool ReadExactly(std::istream& in, void* data, size_t size) {
  in.read(static_cast<char*>(data), static_cast<std::streamsize>(size));
  return static_cast<size_t>(in.gcount()) == size;
}

// A name beside the file that no other file has.
std::filesystem::path TemporaryBeside(const std::filesystem::path& file) {
  static std::mt19937_64 random{std::random_device{}()};
  std::error_code error;
  for (;;) {
    std::filesystem::path candidate = file;
    candidate += ".tmp" + std::to_string(random() % 1000000000);
    if (!std::filesystem::exists(candidate, error)) return candidate;
  }
}

}  // namespace

std::string GameFileBytes(const GameController& game, bool wholeGame) {
  std::ostringstream out(std::ios::binary);
  out.write(wholeGame ? kWholeGameMagic : kStateMagic, 4);
  const auto record = game.FillGameRecord().ToBytes();
  out.write(reinterpret_cast<const char*>(record.data()), record.size());
  if (wholeGame) game.History().SaveToStream(out);
  return std::move(out).str();
}

std::string CellTableText(const BoardRecord& board, char separator) {
  std::string out;
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const int i = row * 9 + column;
      const DigitSet set = board.cells[i];
      if (board.IsGiven(i)) {
        const int d = SingleDigit(set);
        out += d > 0 ? std::string{'[', static_cast<char>('0' + d), ']'} : "Err";
      } else {
        std::string digits;
        for (int d = 1; d <= 9; ++d) {
          if (!(set & DigitBit(d))) continue;
          if (!digits.empty()) digits += ' ';
          digits += static_cast<char>('0' + d);
        }
        out += digits;
      }
      if (column < 8) out += separator;
    }
    out += "\r\n";
  }
  return out;
}

std::string FormattedText(const BoardRecord& board) {
  std::string out;
  for (int row = 0; row < 9; ++row) {
    for (int j = 0; j < 3; ++j) {
      std::string line(73, ' ');
      for (int column = 0; column < 9; ++column) {
        const int i = row * 9 + column;
        const size_t start = static_cast<size_t>(26 * (column / 3) + 8 * (column % 3));
        const DigitSet set = board.cells[i];
        for (int m = 0; m < 3; ++m) {
          const int d = 3 * j + m + 1;
          char ch = ' ';
          if (board.IsGiven(i)) {
            // A given whose set is not one digit can only come from a damaged file.
            ch = d != 5 ? '*' : IsFixed(set) ? static_cast<char>('0' + SingleDigit(set)) : '?';
          } else if (set & DigitBit(d)) {
            ch = static_cast<char>('0' + d);
          }
          line[start + 2 * static_cast<size_t>(m)] = ch;
        }
      }
      line.erase(line.find_last_not_of(' ') + 1);
      out += line + "\r\n";
    }
    if (row < 8) out += row % 3 == 2 ? "\r\n\r\n" : "\r\n";
  }
  return out;
}

std::string TextLine(const BoardRecord& board) {
  return BoardToString(board);
}

std::string SampleListText(Settings& settings) {
  std::string out;
  for (const std::string& text : ReadOwnSamples(settings.Store())) out += text + "\r\n";
  return out;
}

void WriteFileReplacing(const std::filesystem::path& file, std::string_view content) {
  std::error_code error;
  // Saving through a link replaces the file it points to, not the link.
  std::filesystem::path target = file;
  if (std::filesystem::is_symlink(file, error)) {
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(file, error);
    if (!error) target = resolved;
  }
  if (std::filesystem::is_directory(target, error)) throw TextError(532);
  // A file marked read-only is not replaced behind its owner's back.
  using std::filesystem::perms;
  const std::filesystem::file_status old = std::filesystem::status(target, error);
  const bool exists = !error && std::filesystem::exists(old);
  if (exists && (old.permissions() &
                 (perms::owner_write | perms::group_write | perms::others_write)) == perms::none) {
    throw TextError(532);
  }
  const std::filesystem::path temporary = TemporaryBeside(target);
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(content.data(), static_cast<std::streamsize>(content.size()));
      out.flush();
      written = static_cast<bool>(out);
      out.close();
      written = written && !out.fail();
    }
  }
  if (written) {
    // A replaced file keeps its permissions.
    if (exists) std::filesystem::permissions(temporary, old.permissions(), error);
    std::filesystem::rename(temporary, target, error);
    written = !error;
  }
  if (!written) {
    std::filesystem::remove(temporary, error);
    throw TextError(532);
  }
}

void SaveGameFile(const std::filesystem::path& file, const GameController& game, bool wholeGame) {
  WriteFileReplacing(file, GameFileBytes(game, wholeGame));
}

void ExportSampleList(const std::filesystem::path& file, Settings& settings) {
  WriteFileReplacing(file, SampleListText(settings));
}

void LoadGameFile(const std::filesystem::path& file, GameController& game) {
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) throw TextError(531);
  std::ifstream in(file, std::ios::binary);
  if (!in) throw TextError(531);
  LoadGameStream(in, game);
}

void LoadGameStream(std::istream& in, GameController& game) {
  char magic[4];
  if (!ReadExactly(in, magic, sizeof magic)) throw TextError(529);
  const bool wholeGame = std::memcmp(magic, kWholeGameMagic, 4) == 0;
  if (!wholeGame && std::memcmp(magic, kStateMagic, 4) != 0) throw TextError(529);

  std::array<uint8_t, GameRecord::kSize> record{};
  if (!ReadExactly(in, record.data(), record.size())) throw TextError(530);
  game.LoadGameRecord(GameRecord::FromBytes(record), !wholeGame);

  TUndoList& history = game.History();
  if (wholeGame) {
    try {
      history.LoadFromStream(in);
    } catch (const TextError&) {
      // The game stays playable with the snapshots read: its new moves are recorded.
      history.UndoRecording = true;
      throw;
    }
  }
  history.UndoRecording = true;
}

}  // namespace sudoku
