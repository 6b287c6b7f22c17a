// The thickness chart on the longest legal .DTM file (65 535 mm) and on a 200 mm file: build, repaint in each position,
// open-and-show.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <random>

#include "bench_files.h"
#include "core/datafiles/reader.h"
#include "core/thickness/chart_build.h"
#include "core/thickness/value_table.h"
#include "qt/qt_canvas.h"

namespace {

// Every sample different (the worst case for joining steps), a few markers.
datafiles::LoadedFile makeFile(std::uint16_t length) { return benchfiles::thicknessRun(length, 7, true); }

const datafiles::LoadedFile& fileOf(int length) {
  static const datafiles::LoadedFile longest = makeFile(65535);
  static const datafiles::LoadedFile shortest = makeFile(200);
  return length > 200 ? longest : shortest;
}

// The Qt canvas counting the shapes it is asked to fill (each costs about a microsecond).
class CountingCanvas : public qtx::QtCanvas {
 public:
  using qtx::QtCanvas::fillRect;
  using qtx::QtCanvas::QtCanvas;
  void fillRect(const gfx::Rect& r) override {
    ++rects;
    qtx::QtCanvas::fillRect(r);
  }
  void polygon(const std::vector<gfx::Point>& points) override {
    ++polygons;
    vertices += points.size();
    qtx::QtCanvas::polygon(points);
  }
  std::size_t rects = 0;
  std::size_t polygons = 0;
  std::size_t vertices = 0;
};

const std::array<gfx::Color, 7> kColors{0x800040, 0xC0BCBD, 0xC5ABB9, 0xB6A7B5, 0x800000, 0x000000, 0x0000FF};

thickness::Chart3D builtChart(const datafiles::LoadedFile& f) {
  thickness::Chart3D chart;
  thickness::setupThicknessChart(chart);
  const auto all = thickness::fillAllValues(f, text::NumberFormat{});
  thickness::buildThicknessChart(chart, f, all.extremes, kColors, text::NumberFormat{});
  return chart;
}

// The chart build of a load or a colour command: points of the four sensors, axes, title.
void BM_ChartBuild(benchmark::State& state) {
  const auto& f = fileOf(int(state.range(0)));
  const auto all = thickness::fillAllValues(f, text::NumberFormat{});
  thickness::Chart3D chart;
  for (auto _ : state) {
    thickness::buildThicknessChart(chart, f, all.extremes, kColors, text::NumberFormat{});
    benchmark::DoNotOptimize(chart.series(0).points.data());
  }
}
BENCHMARK(BM_ChartBuild)->Arg(200)->Arg(65535)->Unit(benchmark::kMillisecond);

// One repaint of AutoChrt at width x height in position 0 (start), 1 (front), 2 (top).
void chartRepaint(benchmark::State& state, int width, int height) {
  benchfiles::ensureGuiApp();
  thickness::Chart3D chart = builtChart(fileOf(int(state.range(0))));
  switch (state.range(1)) {
    case 1:
      thickness::setFrontPosition(chart);
      break;
    case 2:
      thickness::setUpPosition(chart);
      break;
    default:
      thickness::setBeginPosition(chart);
      break;
  }
  QImage image(width, height, QImage::Format_RGB32);
  CountingCanvas canvas(image);
  for (auto _ : state) {
    chart.draw(canvas, gfx::Rect{0, 0, width, height});
    benchmark::DoNotOptimize(image.constBits());
  }
  // CHART_PNG_DIR=dir keeps the last picture of each case, to compare before and after a change.
  if (const char* dir = std::getenv("CHART_PNG_DIR"))
    image.save(QString("%1/chart_%2_%3_%4.png").arg(dir).arg(state.range(0)).arg(state.range(1)).arg(width));
  const double n = double(std::max<std::int64_t>(1, state.iterations()));
  state.counters["rects"] = double(canvas.rects) / n;
  state.counters["polygons"] = double(canvas.polygons) / n;
  state.counters["vertices"] = double(canvas.vertices) / n;
}
void BM_ChartRepaint(benchmark::State& state) { chartRepaint(state, 1280, 720); }
BENCHMARK(BM_ChartRepaint)->ArgsProduct({{200, 65535}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

// The same at 3840 x 2160, a 4K screen.
void BM_ChartRepaint4K(benchmark::State& state) { chartRepaint(state, 3840, 2160); }
BENCHMARK(BM_ChartRepaint4K)->ArgsProduct({{200, 65535}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

// What a .DTM load costs the view: the hidden table fill, the chart build and the first paint.
void BM_OpenAndShowChart(benchmark::State& state) {
  benchfiles::ensureGuiApp();
  const auto& f = fileOf(int(state.range(0)));
  QImage image(1280, 720, QImage::Format_RGB32);
  for (auto _ : state) {
    thickness::Chart3D chart = builtChart(f);
    qtx::QtCanvas canvas(image);
    chart.draw(canvas, gfx::Rect{0, 0, 1280, 720});
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_OpenAndShowChart)->Arg(65535)->Unit(benchmark::kMillisecond);

}  // namespace
