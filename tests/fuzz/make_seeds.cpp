// Writes the seed corpus of every harness from what the program itself writes: game files,
// records and memory points of a played game, an exported list of own puzzles, the settings
// a run leaves behind, and the tables and module of a painted skin (with small pictures, so
// that the fuzzer spends its time on the structure, not on decoding).
//
//   fuzz_seeds <out dir> <painted skin dir> <rcc>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <cstdio>
#include <string>
#include <variant>

#include "fuzz/fuzz_support.h"
#include "game/cell_operations.h"
#include "library/builtin_puzzles.h"
#include "library/catalogue.h"
#include "library/game_files.h"
#include "library/hall_of_fame.h"
#include "model/puzzle_string.h"
#include "settings/ini_settings_store.h"
#include "solve/solver.h"

namespace {

using namespace sudoku;

QString out;

void Seed(const char* harness, const std::string& name, std::string_view bytes) {
  const QString dir = out + "/" + harness;
  QDir().mkpath(dir);
  QFile file(dir + "/" + QString::fromStdString(name));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", qPrintable(file.fileName()));
    std::exit(1);
  }
}

std::string Str(const auto& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

QByteArray Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "fuzz_seeds: cannot read %s\n", qPrintable(path));
    std::exit(1);
  }
  return file.readAll();
}

// A game as a player leaves it: moves, an undo, memory points, time on the clock, a win in
// the hall of fame, own puzzles and options written.
void PlayAGame(fuzz::GameBench& bench) {
  GameController& game = bench.game;
  const std::string puzzle(BuiltinPuzzleText(kFirstBuiltinPuzzleId));
  game.ChoosePuzzle(TransformSudoku(puzzle, 2, 5), "1.6.3");
  for (int cell = 0, moves = 0; cell < 81 && moves < 6; ++cell) {
    if (game.CurrentBoard().cells[cell]) continue;
    game.SelectCell(cell);
    game.SetDigit(1 + moves % 9);
    bench.pump.now += 1500;
    if (++moves == 3) game.SetMemoryPoint(0);
  }
  game.History().Undo();
  game.AddDigit(7);
  game.SetMemoryPoint(4);
  game.ClockTick();
  Settings& settings = bench.settings;
  settings.WriteSettingInt(setting::kVelocity, 3);
  settings.WriteSettingBool(setting::kShowStateWnd, true);
  settings.WriteSettingInt(setting::kOffsStateWndX, -12);
  settings.WriteSettingString(setting::kLastSkinDLL, "SdSkinNacht.rcc");
  settings.WriteSettingBinary(setting::kSaveLastGame, game.FillGameRecord().ToBytes());
  HallOfFame(settings).Enter("1", "J\xFCrgen", 123000, 45);
  fuzz::QuietCataloguePort port;
  std::string own;
  for (int id = kFirstBuiltinPuzzleId; id < kFirstBuiltinPuzzleId + 3; ++id) {
    // One given more, from the solution: a new puzzle that is still solvable.
    std::string p(BuiltinPuzzleText(id));
    RunState state;
    Solver solver(state);
    BoardRecord solved;
    LoadBoardFromString(solved, p);
    solver.RunCalculation(solved);
    const size_t empty = p.find('0');
    p[empty] = BoardToString(solved)[empty];
    own += p + "\r\n";
  }
  Catalogue(settings, port).ImportSampleText(own);
}

void GameSeeds(fuzz::GameBench& bench) {
  Seed("game_file", "whole.sud", GameFileBytes(bench.game, true));
  Seed("game_file", "state.sud", GameFileBytes(bench.game, false));
  const std::string record = Str(bench.game.FillGameRecord().ToBytes());
  const std::string memory = Str(MemoryBlockToBytes(bench.game.Memory()));
  const std::string actions("\x08\x00\x05\x00\x0d\x01\x01\x04\x0a\x30", 10);
  Seed("game_record", "last-game", "\x03" + record + memory + actions);
  Seed("game_record", "whole-game", "\x07" + record + memory + actions);
  Seed("list_file", "own.txt", SampleListText(bench.settings));
  std::string builtin;
  for (int id = kFirstBuiltinPuzzleId; id < kFirstBuiltinPuzzleId + 4; ++id) {
    builtin += std::string(BuiltinPuzzleText(id)) + "\r\n";
  }
  Seed("list_file", "builtin.txt", builtin);
}

void StringSeeds(fuzz::GameBench& bench) {
  const std::string puzzle(BuiltinPuzzleText(kFirstBuiltinPuzzleId + 7));
  Seed("puzzle_string", "puzzle", "\x03" + puzzle);
  Seed("puzzle_string", "variant", "\xFD" + TransformSudoku(puzzle, 4, 6));
  Seed("puzzle_string", "board", "\x01" + TextLine(bench.game.CurrentBoard()));
  Seed("puzzle_string", "cell", std::string(1, '\0') + CellClipboardText(0x0222));
}

// Each value as the settings harness reads it.
void SettingsSeed(MemorySettingsStore& store) {
  std::string seed;
  const std::pair<const char*, int> keys[] = {
      {"", 0}, {setting::kSamplesKey, 1}, {setting::kHallOfFameKey, 2}};
  for (const auto& [key, index] : keys) {
    for (const auto& [name, value] : store.keys[key]) {
      seed += static_cast<char>(index);
      seed += static_cast<char>(name.size());
      seed += name;
      seed += static_cast<char>(value.index());
      if (const auto* number = std::get_if<int64_t>(&value)) {
        for (int i = 0; i < 8; ++i) seed += static_cast<char>(*number >> (8 * i));
        continue;
      }
      const std::string bytes = std::holds_alternative<std::string>(value)
                                    ? std::get<std::string>(value)
                                    : Str(std::get<std::vector<uint8_t>>(value));
      seed += static_cast<char>(bytes.size() & 0xFF);
      seed += static_cast<char>(bytes.size() >> 8);
      seed += bytes;
    }
  }
  Seed("settings", "after-a-game", seed + std::string("\x01\x05\x05\x00", 4));

  // The same values in the settings file the program writes.
  const QString file = out + "/settings-file-work.conf";
  {
    IniSettingsStore ini(file, "2.0");
    for (const auto& [key, values] : store.keys) {
      for (const auto& [name, value] : values) {
        if (const auto* number = std::get_if<int64_t>(&value)) {
          ini.PutInt(key, name, *number);
        } else if (const auto* text = std::get_if<std::string>(&value)) {
          ini.PutString(key, name, *text);
        } else {
          ini.PutBinary(key, name, std::get<std::vector<uint8_t>>(value));
        }
      }
    }
  }
  Seed("settings_file", "after-a-game.conf", Read(file).toStdString());
  QFile::remove(file);
}

void SkinSeeds(const QString& painted, const QString& rcc) {
  // The tables as painted, with pictures of two sizes.
  std::string tables;
  for (int id = 100; id <= 106; ++id) {
    const QString path = painted + "/rcdata/" + QString::number(id) + ".bin";
    if (!QFile::exists(path)) {
      tables += "\xFF\xFF";
      continue;
    }
    const QByteArray bytes = Read(path);
    tables += static_cast<char>(bytes.size() & 0xFF);
    tables += static_cast<char>(bytes.size() >> 8);
    tables += bytes.toStdString();
  }
  const std::string draw("\x05\x00\xFF\x01\x00\x00\x00\x00\x02\x00\x07\x00\x00\x00", 14);
  Seed("skin_tables", "small", "\x1F\x15" + tables + draw);
  Seed("skin_tables", "large", "\x7F\x7F" + tables + draw);

  // A module: the painted strings and tables, small pictures, in each format rcc writes.
  const QString work = out + "/skin-module-work";
  QDir(work).removeRecursively();
  QString qrc = "<RCC><qresource prefix=\"/skin\">\n";
  for (const char* file : {"string/100.txt", "string/101.txt", "rcdata/100.bin", "rcdata/101.bin",
                           "rcdata/102.bin", "rcdata/103.bin", "rcdata/104.bin", "rcdata/105.bin",
                           "bitmap/100.png", "bitmap/101.png", "bitmap/102.png"}) {
    const QString name = file;
    QDir().mkpath(work + "/" + name.section('/', 0, 0));
    if (name.startsWith("bitmap")) {
      QImage(painted + "/" + name).scaled(24, 16).save(work + "/" + name, "PNG");
    } else {
      QFile::copy(painted + "/" + name, work + "/" + name);
    }
    qrc += "<file alias=\"" + name.section('.', 0, 0) + "\">" + name + "</file>\n";
  }
  qrc += "</qresource></RCC>\n";
  QFile list(work + "/skin.qrc");
  list.open(QIODevice::WriteOnly);
  list.write(qrc.toUtf8());
  list.close();
  const QStringList formats[] = {
      {"--format-version", "1", "--no-compress"},
      {"--format-version", "2", "--compress-algo", "zlib", "--threshold", "0"},
      {"--format-version", "3", "--compress-algo", "zstd", "--threshold", "0"},
      {}};
  int n = 0;
  for (const QStringList& format : formats) {
    const QString module = work + "/module.rcc";
    QProcess p;
    p.setWorkingDirectory(work);
    p.start(rcc, QStringList{"--binary", "skin.qrc", "-o", module} + format);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
      std::fprintf(stderr, "fuzz_seeds: rcc failed\n");
      std::exit(1);
    }
    Seed("skin_module", "module-" + std::to_string(++n) + ".rcc", Read(module).toStdString());
  }
  QDir(work).removeRecursively();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: fuzz_seeds <out dir> <painted skin dir> <rcc>\n", stderr);
    return 2;
  }
  out = QString::fromLocal8Bit(argv[1]);
  const QString painted = QString::fromLocal8Bit(argv[2]), rcc = QString::fromLocal8Bit(argv[3]);
  int qtArgc = 1;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(qtArgc, argv);
  fuzz::GameBench bench;
  PlayAGame(bench);
  GameSeeds(bench);
  StringSeeds(bench);
  SettingsSeed(bench.store);
  SkinSeeds(painted, rcc);
  return 0;
}
