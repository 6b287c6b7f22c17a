// Defect map costs on the densest legal map (65 535 mm, three layers): redraw at 1920 x 1080, preview table, PDF
// prints.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <random>
#include <vector>

#include "bench_files.h"
#include "core/defectmap/defect_map.h"
#include "qt/qt_canvas.h"
#include "qt/qt_printer.h"

namespace {

const datafiles::LoadedFile& dense() {
  benchfiles::ensureGuiApp();
  static const datafiles::LoadedFile m = benchfiles::denseMap(1);
  return m;
}

// state.range(0): how many times the view is zoomed in from the fit scale.
void mapRedraw(benchmark::State& state, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  qtx::QtCanvas canvas(picture);
  defectmap::DefectMap map;
  map.SetHeader(&dense().map);
  map.SetCells(dense().body.data(), dense().body.size());
  map.SetCanvas(&canvas);
  for (int i = 0; i < state.range(0); ++i) map.ZoomInH();
  map.ScrollTo(0);
  for (auto _ : state) {
    map.Redraw();
    benchmark::DoNotOptimize(picture.constBits());
  }
  state.counters["px_per_mm"] = map.scale;
}

void BM_DefectMapRedraw(benchmark::State& state) { mapRedraw(state, 1920, 1080); }
BENCHMARK(BM_DefectMapRedraw)
    ->DenseRange(0, 10, 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same on a 4K screen, 3840 x 2160.
void BM_DefectMapRedraw4K(benchmark::State& state) { mapRedraw(state, 3840, 2160); }
BENCHMARK(BM_DefectMapRedraw4K)
    ->DenseRange(0, 10, 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A marker drag step: erase, draw, side panel.
void BM_DefectMapMarkerMove(benchmark::State& state) {
  QImage picture(1920, 1080, QImage::Format_RGB32);
  qtx::QtCanvas canvas(picture);
  defectmap::DefectMap map;
  map.SetHeader(&dense().map);
  map.SetCells(dense().body.data(), dense().body.size());
  map.SetCanvas(&canvas);
  map.Redraw();
  int x = 100;
  for (auto _ : state) {
    map.MoveMarker(x);
    x = x > 1800 ? 100 : x + 7;
  }
}
BENCHMARK(BM_DefectMapMarkerMove)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The preview's text table of the densest map: every cell of 65 535 x 3 set.
void BM_DefectMapTextTable(benchmark::State& state) {
  defectmap::DefectMap map;
  map.SetHeader(&dense().map);
  map.SetCells(dense().body.data(), dense().body.size());
  for (auto _ : state) {
    std::vector<std::string> lines;
    map.BuildTextTable(lines);
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_DefectMapTextTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The text printout and the graphic printout of the densest map to a PDF file (600 dpi, A4).
void BM_DefectMapPrintPdf(benchmark::State& state) {
  defectmap::DefectMap map;
  map.SetHeader(&dense().map);
  map.SetCells(dense().body.data(), dense().body.size());
  const protocol::ProtocolFields protocol{"1", "Газопровод", "Иванов", {"Годен."}};
  const QString path = QDir::tempPath() + "/terv_bench_defect_map.pdf";
  for (auto _ : state) {
    qtx::QtPrinter printer(path);
    if (state.range(0) == 0)
      map.PrintText(printer, protocol);
    else
      map.PrintGraphic(printer, protocol);
  }
  QFile::remove(path);
}
BENCHMARK(BM_DefectMapPrintPdf)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
