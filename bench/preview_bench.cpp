// Preview text of the longest thickness file (Length 65535, every sample a reading) and the densest defect map.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench_files.h"
#include "core/datafiles/reader.h"
#include "core/defectmap/defect_map.h"
#include "core/printing/preview_text.h"
#include "core/printing/report_header.h"
#include "core/thickness/value_table.h"

namespace {

const datafiles::LoadedFile& longThickness() {
  static const datafiles::LoadedFile file = benchfiles::thicknessRun(65535, 2, false);
  return file;
}

void BM_PreviewLongThickness(benchmark::State& state) {
  const auto& file = longThickness();
  text::NumberFormat nf;
  const auto all = thickness::fillAllValues(file, nf);
  printing::PreviewSources s;
  s.fileName = "/data/long.dtm";
  s.protocol = {"12", "Труба 3", "Иванов", {"Стенка в норме", "Дефектов нет"}};
  s.table = &all.table;
  for (auto _ : state) {
    s.header = printing::BuildReportHeader(file, s.protocol, 95, nf);
    auto lines = printing::BuildPreviewText(file, s);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_PreviewLongThickness)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PreviewDenseMap(benchmark::State& state) {
  const datafiles::LoadedFile file = benchfiles::denseMap(3);
  text::NumberFormat nf;
  defectmap::DefectMap map;
  map.SetHeader(&file.map);
  map.SetCells(file.body.data(), file.body.size());
  printing::PreviewSources s;
  s.fileName = "/data/dense.dau";
  s.map = &map;
  for (auto _ : state) {
    s.header = printing::BuildReportHeader(file, {}, 0, nf);
    auto lines = printing::BuildPreviewText(file, s);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_PreviewDenseMap)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
