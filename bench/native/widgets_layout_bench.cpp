// What a repaint of the widgets decides before any GDI call: the digit cells
// of a level display, and the glyph, separator and caption places of a fold
// panel. Both run on every paint, so they should stay far below a blit.
#include <benchmark/benchmark.h>

#include "widgets/logic/FoldGeometry.h"
#include "widgets/logic/VrNumModel.h"

namespace {

void LevelDisplayLayout(benchmark::State& state) {
  hopvox::TVrNumModel m;
  m.SetDigits(3);
  m.SetMax(255);
  int v = 0;
  for (auto _ : state) {
    m.SetValue(v = (v + 7) % 256, nullptr);
    benchmark::DoNotOptimize(m.Layout(11, 20, 41, 25));
  }
}
BENCHMARK(LevelDisplayLayout);

void FoldPanelPaintGeometry(benchmark::State& state) {
  const hopvox::FoldConfig c{};
  for (auto _ : state) {
    hopvox::TRect g = hopvox::FoldGlyphRect(c, {41, 12}, 173, 14);
    benchmark::DoNotOptimize(hopvox::FoldSeparator(c, g, 173, 14));
    benchmark::DoNotOptimize(hopvox::FoldCaption(c, g, 70, 9));
  }
}
BENCHMARK(FoldPanelPaintGeometry);

}  // namespace

BENCHMARK_MAIN();
