// Comparing two of the longest legal runs (65 535 mm): the offset search with the losses, and one chart repaint.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench_files.h"
#include "core/compare/comparison.h"
#include "core/compare/loss_chart.h"
#include "qt/qt_canvas.h"

namespace {

const datafiles::LoadedFile& longest() {
  static const datafiles::LoadedFile file = benchfiles::thicknessRun(65535, 11, true);
  return file;
}

// What tervtool compare and the window do first: 501 offsets scored, then the losses of the overlap.
void BM_CompareLongestPair(benchmark::State& state) {
  const auto& f = longest();
  for (auto _ : state) {
    const compare::Comparison c = compare::compareRuns(f, f, {});
    benchmark::DoNotOptimize(c.positions.size());
  }
}
BENCHMARK(BM_CompareLongestPair)->Unit(benchmark::kMillisecond);

// The comparison chart of the whole overlap at 1280 x 720.
void BM_LossChartRepaint(benchmark::State& state) {
  benchfiles::ensureGuiApp();
  const compare::Comparison c = compare::compareRuns(longest(), longest(), {});
  QImage image(1280, 720, QImage::Format_RGB32);
  for (auto _ : state) {
    qtx::QtCanvas canvas(image);
    compare::drawLossChart(canvas, {0, 0, 1280, 720}, c, compare::wholeOverlap(c), {});
  }
}
BENCHMARK(BM_LossChartRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
