// Value tables of the longest legal .DTM file (65 535 mm, 32 767 samples): fill, one screenful of cells, search.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bench_files.h"
#include "core/datafiles/reader.h"
#include "core/thickness/value_table.h"

namespace {

const datafiles::LoadedFile& longest() {
  static const datafiles::LoadedFile file = benchfiles::thicknessRun(65535, 7, true);
  return file;
}

// What every .DTM load does for the table: the hidden fill with its extremes.
void BM_FillAllValues(benchmark::State& state) {
  const auto& f = longest();
  text::NumberFormat nf;
  for (auto _ : state) {
    auto all = thickness::fillAllValues(f, nf);
    benchmark::DoNotOptimize(all.extremes);
  }
}
BENCHMARK(BM_FillAllValues)->Unit(benchmark::kMillisecond);

// What showing the table costs: the cells of one screen (40 rows x 7 columns), mid-file.
void BM_ScreenOfCells(benchmark::State& state) {
  const auto& f = longest();
  text::NumberFormat nf;
  const auto all = thickness::fillAllValues(f, nf);
  std::size_t chars = 0;
  for (auto _ : state) {
    for (std::size_t r = 16000; r < 16040; ++r)
      for (int c = 0; c < 7; ++c) chars += all.table.cell(r, c).size();
  }
  benchmark::DoNotOptimize(chars);
}
BENCHMARK(BM_ScreenOfCells)->Unit(benchmark::kMicrosecond);

// tervtool table: every cell of every row as text.
void BM_AllCellsAsText(benchmark::State& state) {
  const auto& f = longest();
  text::NumberFormat nf;
  const auto all = thickness::fillAllValues(f, nf);
  for (auto _ : state) {
    std::string out;
    for (std::size_t r = 0; r < all.table.rowCount(); ++r)
      for (int c = 0; c < 7; ++c) {
        out += all.table.cell(r, c);
        out += c == 6 ? '\n' : '\t';
      }
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_AllCellsAsText)->Unit(benchmark::kMillisecond);

// The threshold query: search over every sample and the table of what it found.
void BM_ThresholdQuery(benchmark::State& state) {
  const auto& f = longest();
  text::NumberFormat nf;
  for (auto _ : state) {
    auto found = thickness::thresholdSearch(f, 32767, std::uint16_t(state.range(0)));
    auto t = thickness::fillThreshold(f, found, nf);
    benchmark::DoNotOptimize(t.rowCount());
  }
}
BENCHMARK(BM_ThresholdQuery)->Arg(60)->Arg(99)->Unit(benchmark::kMillisecond);

}  // namespace
