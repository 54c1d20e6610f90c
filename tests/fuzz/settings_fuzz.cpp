// Settings values as a damaged or hand-edited store holds them: any value of any type and
// length under any name. The program reads them all: the options at start, the own puzzles,
// the hall of fame, the memory points and the last game.
//
// Input: values, each a key (0 main, 1 "Samples", 2 "Hall Of Fame"), a name (length byte and
// bytes), a type (0 integer, 1 string, 2 binary) and the data (16-bit length and bytes; an
// integer takes 8 bytes); then the actions of the game.

#include <array>

#include "base/texts.h"
#include "fuzz/fuzz_support.h"
#include "library/catalogue.h"
#include "library/game_files.h"
#include "library/hall_of_fame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  fuzz::Input in(data, size);
  fuzz::GameBench bench;
  const char* keys[] = {"", setting::kSamplesKey, setting::kHallOfFameKey};
  for (int values = 0; values < 64 && in.Left() > 4; ++values) {
    const char* key = keys[in.Byte() % 3];
    const std::string name(in.Bytes(in.Byte() % 32));
    const uint8_t type = in.Byte() % 3;
    if (type == 0) {
      bench.store.PutInt(key, name, static_cast<int64_t>(in.U32() | uint64_t{in.U32()} << 32));
      continue;
    }
    const std::string_view value = in.Bytes(in.U16() % 4096);
    if (type == 1) {
      bench.store.PutString(key, name, value);
    } else {
      bench.store.PutBinary(key, name, {value.begin(), value.end()});
    }
  }

  Settings& settings = bench.settings;
  const StartupSettings options = StartupSettings::Read(settings);
  StepDelayForVelocity(options.velocity);
  settings.ReadSettingString(setting::kLastSkinDLL, "");
  settings.ReadSettingInt(setting::kLastAutoMode, 0, 0, 2);

  fuzz::QuietCataloguePort port;
  Catalogue catalogue(settings, port);
  std::vector<std::string> list;
  catalogue.FillSampleList(list);
  SampleListText(settings);
  // Deleting an own entry renumbers the hall of fame.
  if (list.size() > static_cast<size_t>(catalogue.BuiltinCount())) {
    catalogue.DeleteOwnSamples(list, {catalogue.BuiltinCount()}, 0);
  }

  HallOfFame hall(settings);
  for (const std::string& id : bench.store.ValueNames(setting::kHallOfFameKey)) {
    hall.HasEntry(id);
    if (const auto table = hall.Read(id)) table->FilledPlaces();
    hall.Enter(id, "Fuzz", 1 + in.U32() % 100000, in.U32());
  }

  bench.game.LoadMemoryPoints();
  std::array<uint8_t, GameRecord::kSize> record{};
  if (settings.ReadSettingBinary(setting::kSaveLastGame, record, record)) {
    const GameRecord r = GameRecord::FromBytes(record);
    if (GivensConsistent(r.board)) {
      try {
        bench.game.LoadGameRecord(r, true);
      } catch (const TextError&) {
      }
    }
  }
  bench.Play(in);
  return 0;
}
