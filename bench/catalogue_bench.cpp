// Own puzzles at scale, N = 1 000, 10 000 and 100 000 generated puzzles (sudoku-cli puzzles N):
// importing a list file, reading the settings file at start, loading the catalogue as the
// chooser does, storing it back unchanged and after deleting the first own puzzle, and the
// duplicate test. The store is the settings file the program uses on this platform, in a
// temporary folder.
//   build/bench/catalogue_bench [--benchmark_filter=/10000]

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "library/catalogue.h"
#include "model/puzzle_index.h"
#include "model/puzzle_string.h"
#include "settings/ini_settings_store.h"
#include "solve/distinct_puzzles.h"

namespace {

using namespace sudoku;

// The first n of one generated list (the same seed gives the same list, longer or shorter).
const std::vector<std::string>& Puzzles(size_t n) {
  static std::vector<std::string> puzzles;
  if (puzzles.size() < n) puzzles = DistinctPuzzles(n, 1);
  static std::vector<std::string> prefix;
  prefix.assign(puzzles.begin(), puzzles.begin() + static_cast<std::ptrdiff_t>(n));
  return prefix;
}

class QuietPort : public CataloguePort {
 public:
  std::string CurrentPuzzleName() override { return {}; }
  void SetListNumber(int) override {}
  void EmptyPlayground() override {}
  void ShowInformation(const std::string& text) override { shown = text; }
  std::string shown;
};

// A settings file holding n own puzzles.
QString StoreFile(const QTemporaryDir& dir, size_t n) {
  const QString file = dir.path() + "/Sudoku" + QString::number(n) + ".conf";
  if (!QFile::exists(file)) {
    IniSettingsStore store(file, "2.0");
    SettingsBatch batch(store);
    store.PutInt("", "Velocity", 1);
    const auto& puzzles = Puzzles(n);
    for (size_t i = 0; i < n; ++i) {
      store.PutString("Samples", SampleValueName(static_cast<unsigned>(i + 1)), puzzles[i]);
    }
  }
  return file;
}

QTemporaryDir& TempDir() {
  static QTemporaryDir dir;
  return dir;
}

void BM_ImportList(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  const std::filesystem::path list = TempDir().path().toStdString() + "/list.txt";
  {
    std::ofstream out(list, std::ios::binary);
    for (const std::string& p : Puzzles(n)) out << p << "\r\n";
  }
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const QString file = TempDir().path() + "/import" + QString::number(++round) + ".conf";
    QuietPort port;
    {
      IniSettingsStore store(file, "2.0");
      Settings settings(store);
      Catalogue catalogue(settings, port);
      state.ResumeTiming();
      catalogue.ImportSampleList(list);
      state.PauseTiming();
      if (store.ValueNames("Samples").size() != n) state.SkipWithError("not all imported");
    }
    QFile::remove(file);
    state.ResumeTiming();
  }
}

// The program's start: the settings file read and parsed.
void BM_OpenStore(benchmark::State& state) {
  const QString file = StoreFile(TempDir(), static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    IniSettingsStore store(file, "2.0");
    benchmark::DoNotOptimize(store.GetInt("", "Velocity"));
  }
}

// One option written while n own puzzles share the file: each such write reaches the disk
// at once.
void BM_WriteOneSetting(benchmark::State& state) {
  const QString file = TempDir().path() + "/one.conf";
  QFile::remove(file);
  QFile::copy(StoreFile(TempDir(), static_cast<size_t>(state.range(0))), file);
  IniSettingsStore store(file, "2.0");
  int velocity = 0;
  for (auto _ : state) store.PutInt("", "Velocity", ++velocity % 25);
}

// The chooser opening: the catalogue loaded from the open store.
void BM_FillSampleList(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  IniSettingsStore store(StoreFile(TempDir(), n), "2.0");
  Settings settings(store);
  QuietPort port;
  Catalogue catalogue(settings, port);
  std::vector<std::string> list;
  for (auto _ : state) {
    catalogue.FillSampleList(list);
    if (list.size() != n + 80) state.SkipWithError("wrong count");
  }
}

// The chooser closing: nothing changed (arg 1 = 0) or the first own puzzle deleted, which
// renumbers all others (arg 1 = 1); the list is put back between runs.
void BM_StoreOwnSamples(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  const bool changed = state.range(1) != 0;
  const QString file = TempDir().path() + "/store.conf";
  QFile::remove(file);
  QFile::copy(StoreFile(TempDir(), n), file);
  IniSettingsStore store(file, "2.0");
  Settings settings(store);
  QuietPort port;
  Catalogue catalogue(settings, port);
  std::vector<std::string> list, shorter;
  catalogue.FillSampleList(list);
  shorter = list;
  shorter.erase(shorter.begin() + 80);
  for (auto _ : state) {
    catalogue.StoreOwnSamples(changed ? shorter : list);
    if (changed) {
      state.PauseTiming();
      catalogue.StoreOwnSamples(list);
      state.ResumeTiming();
    }
  }
}

// The duplicate test of one new puzzle against n known ones, and building the set of keys.
void BM_DuplicateTest(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  const auto& known = Puzzles(n);
  PuzzleIndex index;
  for (size_t i = 0; i < n; ++i) index.Add(known[i], static_cast<int>(i));
  const std::string fresh = TransformSudoku(DistinctPuzzles(1, 99)[0], 3, 5);
  const std::string variant = TransformSudoku(known[n / 2], 4, 6);
  bool which = false;
  for (auto _ : state) {
    which = !which;
    benchmark::DoNotOptimize(index.IsNew(which ? fresh : variant));
  }
}

void BM_BuildIndex(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  const auto& known = Puzzles(n);
  for (auto _ : state) {
    PuzzleIndex index;
    index.Reserve(n);
    for (size_t i = 0; i < n; ++i) index.Add(known[i], static_cast<int>(i));
    benchmark::DoNotOptimize(index);
  }
}

// The rule as written, one known puzzle after the other: for comparison at small n.
void BM_DuplicateTestLinear(benchmark::State& state) {
  const auto& known = Puzzles(static_cast<size_t>(state.range(0)));
  const std::string fresh = TransformSudoku(DistinctPuzzles(1, 99)[0], 3, 5);
  for (auto _ : state) benchmark::DoNotOptimize(IsNewSudoku(fresh, known));
}

constexpr int64_t kSizes[] = {1000, 10000, 100000};

void Sizes(benchmark::internal::Benchmark* b) {
  for (int64_t n : kSizes) b->Arg(n);
}

BENCHMARK(BM_ImportList)->Apply(Sizes)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OpenStore)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteOneSetting)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillSampleList)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreOwnSamples)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuplicateTest)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildIndex)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuplicateTestLinear)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
