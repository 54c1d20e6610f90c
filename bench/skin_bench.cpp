// The built-in skin drawn at the pixel ratios of common screens: applying it (reading and
// decoding the pictures, drawing every area) and redrawing one cell full of candidates.
//   build/bench/skin_bench

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "skin/builtin_skin.h"
#include "skin/skin_modules.h"
#include "skin/skin_view.h"

namespace {

using namespace sudoku;

struct Cells : CellSource {
  BoardRecord board;
  const BoardRecord& Board() const override { return board; }
  int Cursor() const override { return 40; }
};

// Ratios in hundredths: 100, 150, 200.
void BM_ApplySkin(benchmark::State& state) {
  SkinView view;
  view.SetDevicePixelRatio(state.range(0) / 100.0);
  for (auto _ : state) view.ApplySkin(kBuiltinSkinRoot);
}
BENCHMARK(BM_ApplySkin)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_RedrawCell(benchmark::State& state) {
  Cells cells;
  for (DigitSet& set : cells.board.cells) set = kAllDigits;
  SkinView view;
  view.SetCellSource(&cells);
  view.SetDevicePixelRatio(state.range(0) / 100.0);
  view.ApplySkin(kBuiltinSkinRoot);
  for (auto _ : state) view.RedrawCell(40);
}
BENCHMARK(BM_RedrawCell)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  RegisterBuiltinSkin();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
