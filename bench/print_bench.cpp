// Printouts into PDF files: the text print of the densest defect map, and the thickness table and graphic prints of the
// longest file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench_files.h"
#include "core/datafiles/reader.h"
#include "core/printing/fresh_views.h"
#include "core/printing/print_file.h"
#include "qt/qt_printer.h"

namespace {

const datafiles::LoadedFile& longThickness() {
  static const datafiles::LoadedFile file = benchfiles::thicknessRun(65535, 2, false);
  return file;
}

const datafiles::LoadedFile& denseMap() {
  static const datafiles::LoadedFile file = benchfiles::denseMap(3);
  return file;
}

void printToPdf(benchmark::State& state, const datafiles::LoadedFile& file, printing::PrintMode mode) {
  benchfiles::ensureGuiApp();
  text::NumberFormat nf;
  printing::FreshViews views(file, nf, {}, {});
  const printing::PrintSources sources = views.printSources({}, "00000419", mode);
  const QString pdf = QString("/tmp/terv_print_bench_%1.pdf").arg(getpid());
  for (auto _ : state) {
    qtx::QtPrinter printer(pdf);
    benchmark::DoNotOptimize(printing::printFile(printer, file, mode, sources));
  }
  std::remove(pdf.toLocal8Bit().constData());
}

void BM_PrintDenseMapTextToPdf(benchmark::State& state) { printToPdf(state, denseMap(), printing::PrintMode::Text); }
BENCHMARK(BM_PrintDenseMapTextToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_PrintLongThicknessTableToPdf(benchmark::State& state) {
  printToPdf(state, longThickness(), printing::PrintMode::Text);
}
BENCHMARK(BM_PrintLongThicknessTableToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_PrintLongThicknessGraphicToPdf(benchmark::State& state) {
  printToPdf(state, longThickness(), printing::PrintMode::Graphic);
}
BENCHMARK(BM_PrintLongThicknessGraphicToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
