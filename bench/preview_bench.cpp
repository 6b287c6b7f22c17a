// Preview text of the longest thickness file (Length 65535, every sample a reading) and the densest defect map.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/datafiles/reader.h"
#include "core/defectmap/defect_map.h"
#include "core/printing/preview_text.h"
#include "core/printing/report_header.h"
#include "core/thickness/value_table.h"
#include "support/file_builder.h"

namespace {

const datafiles::LoadedFile& longThickness() {
  static const datafiles::LoadedFile file = [] {
    testsupport::MapLikeSpec spec;
    spec.length = 65535;
    spec.nominal = 100;
    std::vector<std::array<std::uint16_t, 4>> positions(65535 / 2);
    std::mt19937 rng(2);
    for (auto& p : positions)
      for (auto& r : p) r = std::uint16_t(800 + rng() % 250);
    spec.body = testsupport::thicknessBody(positions);
    return datafiles::LoadDataBytes("long.dtm", testsupport::buildMapLike(spec)).file;
  }();
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
    s.header = printing::BuildReportHeader(file, {s.protocol.protocolNumber, s.protocol.objectName}, 95, nf);
    auto lines = printing::BuildPreviewText(file, s);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_PreviewLongThickness)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PreviewDenseMap(benchmark::State& state) {
  datafiles::LoadedFile file;
  file.kind = datafiles::FileKind::Dau;
  file.map.Layers = 3;
  file.map.Length = 65535;
  file.body.assign(2 * 3 * 65535, 0);
  std::mt19937 rng(3);
  const std::uint8_t types[6] = {0, 1, 2, 3, 250, 251};
  for (std::size_t i = 0; i < file.body.size(); i += 2) {
    file.body[i] = std::uint8_t(1 + rng() % 9);
    file.body[i + 1] = types[rng() % 6];
  }
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
