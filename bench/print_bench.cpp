// Printouts into PDF files: the text print of the densest defect map, and the thickness table and graphic prints of the longest file.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QString>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "core/datafiles/reader.h"
#include "core/printing/fresh_views.h"
#include "core/printing/print_file.h"
#include "qt/qt_printer.h"
#include "support/file_builder.h"

namespace {

// Fonts need a GUI application; no window is shown.
void ensureApplication() {
  if (QCoreApplication::instance()) return;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "terv_bench";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

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
    return datafiles::LoadDataBytes("/nonexistent/long.dtm", testsupport::buildMapLike(spec)).file;
  }();
  return file;
}

const datafiles::LoadedFile& denseMap() {
  static const datafiles::LoadedFile file = [] {
    datafiles::LoadedFile f;
    f.kind = datafiles::FileKind::Dau;
    f.name = "/nonexistent/dense.dau";
    f.map.Layers = 3;
    f.map.Length = 65535;
    f.body.assign(2 * 3 * 65535, 0);
    std::mt19937 rng(3);
    const std::uint8_t types[6] = {0, 1, 2, 3, 250, 251};
    for (std::size_t i = 0; i < f.body.size(); i += 2) {
      f.body[i] = std::uint8_t(1 + rng() % 9);
      f.body[i + 1] = types[rng() % 6];
    }
    return f;
  }();
  return file;
}

void printToPdf(benchmark::State& state, const datafiles::LoadedFile& file, printing::PrintMode mode) {
  ensureApplication();
  text::NumberFormat nf;
  printing::FreshViews views(file, nf, {}, {});
  const printing::PrintSources sources = views.printSources({}, "00000419");
  const QString pdf = QString("/tmp/terv_print_bench_%1.pdf").arg(getpid());
  for (auto _ : state) {
    qtx::QtPrinter printer(pdf);
    benchmark::DoNotOptimize(printing::PrintFile(printer, file, mode, sources));
  }
  std::remove(pdf.toLocal8Bit().constData());
}

void BM_PrintDenseMapTextToPdf(benchmark::State& state) { printToPdf(state, denseMap(), printing::PrintMode::Text); }
BENCHMARK(BM_PrintDenseMapTextToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_PrintLongThicknessTableToPdf(benchmark::State& state) {
  printToPdf(state, longThickness(), printing::PrintMode::Text);
}
BENCHMARK(BM_PrintLongThicknessTableToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_PrintLongThicknessGraphicToPdf(benchmark::State& state) {
  printToPdf(state, longThickness(), printing::PrintMode::Graphic);
}
BENCHMARK(BM_PrintLongThicknessGraphicToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
