// Building and painting a flaw-detector screen: the extended 240 x 126 record at zoom 3 and 10.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdlib>

#include "bench_files.h"
#include "core/datafiles/reader.h"
#include "core/flawdetector/flaw_picture.h"
#include "core/gfx/recording_canvas.h"
#include "qt/qt_canvas.h"
#include "support/file_builder.h"

namespace {

datafiles::LoadedFile BusyRecord() {
  testsupport::FlawFields s;
  s.type = 4;
  s.flags = 0x41;
  s.tvgCountByte = 7;
  s.aScanCode = 220;
  s.extensionCount = 12;
  s.objectFlag = 1;
  s.agcGateOn = 3;
  s.extraGateOn = 1;
  s.extraGateStart = 300;
  s.extraGateWidth = 200;
  s.gateStart = 700;
  s.gateWidth = 600;
  s.aScan.resize(220);
  // A noisy trace: every column a run of its own, the worst case for the painter.
  for (int i = 0; i < 220; ++i) s.aScan[std::size_t(i)] = std::uint8_t(i % 2 ? 250 - i : 5 + (i * 37) % 200);
  return datafiles::loadDataBytes("bench.DHT", testsupport::buildFlaw(s)).file;
}

void PaintAtZoom(benchmark::State& state) {
  benchfiles::ensureGuiApp();
  const datafiles::LoadedFile file = BusyRecord();
  const int zoom = int(state.range(0));
  QImage picture(std::max(2000, 20 + 240 * zoom + 20), std::max(994, 10 + 126 * zoom + 20), QImage::Format_RGB32);
  QImage panel(1280, 230, QImage::Format_RGB32);
  flaw::HDScreen screen;
  screen.loadInstrumentFont();
  flaw::setRecord(screen, file, "00000419");
  screen.zoomX = screen.zoomY = zoom;
  for (auto _ : state) {
    qtx::QtCanvas pc(picture), tc(panel);
    screen.AttachCanvas(&pc);
    screen.textCanvas = &tc;
    screen.textY = screen.topY;
    screen.PaintBackground();
    benchmark::DoNotOptimize(flaw::BuildScreen(screen));
    screen.pictureCanvas = screen.textCanvas = nullptr;
  }
}
BENCHMARK(PaintAtZoom)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond);

void FillRasterOnly(benchmark::State& state) {
  const datafiles::LoadedFile file = BusyRecord();
  flaw::HDScreen screen;
  screen.loadInstrumentFont();
  flaw::setRecord(screen, file, "00000419");
  for (auto _ : state) benchmark::DoNotOptimize(flaw::fillRaster(screen));
}
BENCHMARK(FillRasterOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
