// The statistics window's figures on the largest legal files: thickness statistics, thin zones, map runs.
#include <benchmark/benchmark.h>

#include "bench_files.h"
#include "core/analysis/map_stats.h"
#include "core/analysis/stats_tables.h"
#include "core/analysis/thickness_stats.h"
#include "core/analysis/thin_zones.h"

namespace {

const datafiles::LoadedFile& longestRun() {
  static const datafiles::LoadedFile file = benchfiles::thicknessRun(65535, 7, true);
  return file;
}

const datafiles::LoadedFile& densestMap() {
  static const datafiles::LoadedFile file = benchfiles::denseMap(7);
  return file;
}

// What opening the window costs for a .DTM: the statistics and the zones at the default threshold.
void BM_ThicknessStatsAndZones(benchmark::State& state) {
  const auto& f = longestRun();
  text::NumberFormat nf;
  for (auto _ : state) {
    auto t = analysis::thicknessStatsTable(analysis::thicknessStats(f), nf);
    auto z = analysis::thinZones(f, analysis::defaultZoneThreshold(f.thk.NominalThickness));
    benchmark::DoNotOptimize(t.rows.size() + z.size());
  }
}
BENCHMARK(BM_ThicknessStatsAndZones)->Unit(benchmark::kMillisecond);

// The same for the densest map: every run of three layers over 65 535 mm, and its table.
void BM_MapStats(benchmark::State& state) {
  const auto& f = densestMap();
  text::NumberFormat nf;
  for (auto _ : state) {
    auto t = analysis::mapStatsTable(analysis::mapStats(f), nf);
    benchmark::DoNotOptimize(t.rows.size());
  }
}
BENCHMARK(BM_MapStats)->Unit(benchmark::kMillisecond);

}  // namespace
