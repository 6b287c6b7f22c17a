// A .DAU file's whole path: the map drawn at several scales and places, its marker and
// read-outs, the text table, the preview text, CSV and both printouts on a recording printer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/analysis/stats_tables.h"
#include "core/datafiles/header_text.h"
#include "core/defectmap/defect_map.h"
#include "core/gfx/recording_canvas.h"
#include "core/gfx/recording_printer.h"
#include "core/printing/csv_export.h"
#include "core/printing/preview_text.h"
#include "core/printing/print_file.h"
#include "core/printing/report_header.h"
#include "core/settings/settings.h"
#include "fuzz_input.h"

namespace {

struct Bar : defectmap::ScrollBar {
  int min = 0, max = 0, step = 0, pos = 0;
  void setRange(int a, int b) override {
    min = a;
    max = b;
  }
  void setLargeStep(int s) override { step = s; }
  void setPosition(int p) override { pos = p; }
  int position() const override { return pos; }
};

void readOut(defectmap::DefectMap& map, int width) {
  for (int x : {0, map.marginLeft, map.marginLeft + 3, width / 2, width - 1, width + 10}) {
    map.MoveMarker(x);
    (void)map.HitMarker(x);
    map.ShowDistance(x);
  }
  for (int mm : {0, 1, map.length() / 2, map.length() - 1, map.length(), map.length() + 5}) {
    (void)map.HasIndicationAt(mm);
    for (int layer = 0; layer <= map.layers(); ++layer) (void)map.CellText(mm, layer);
    (void)map.FormatPosition(mm);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto loaded = fuzzinput::loadMapLike(data, size, 2);
  if (!loaded) return 0;
  const datafiles::LoadedFile& file = *loaded;
  const text::NumberFormat nf = fuzzinput::numberFormat(data, size);
  (void)datafiles::HeaderTexts(file, nf);
  const settings::Settings colors = settings::SetDefaultSettings(".");

  defectmap::DefectMap map;
  Bar bar;
  map.SetScrollBar(&bar);
  defectmap::bindMap(map, file, colors.DefectColors, nf);
  const int width = 200 + (size > 3 ? data[3] : 0) * 8;
  const int height = 120 + (size > 4 ? data[4] : 0) * 2;
  gfx::RecordingCanvas canvas(width, height);
  map.SetCanvas(&canvas);
  map.ClearCanvas();
  map.ScrollTo(0);
  map.Redraw();
  readOut(map, width);
  // Zoomed in and out both ways, at the start, the middle and the end of the strip.
  const int steps = size > 5 ? data[5] % 8 : 0;
  for (int i = 0; i < steps; ++i) map.ZoomInH();
  map.ZoomInV();
  for (int pos : {map.length() / 2, map.length(), 0}) {
    canvas.clear();
    map.ScrollTo(pos);
    map.Redraw();
  }
  readOut(map, width);
  for (int i = 0; i < steps + 3; ++i) map.ZoomOutH();
  map.ZoomOutV();
  map.ZoomOutV();
  canvas.clear();
  map.ScrollTo(bar.max);
  map.Redraw();
  map.EraseMarker();
  map.DrawMarker();
  map.FitToWidth();
  canvas.clear();
  map.Redraw();
  readOut(map, width);

  std::vector<std::string> table;
  map.BuildTextTable(table);
  (void)printing::csvDefectMap(file);
  (void)analysis::csvText(analysis::statsTable(file, nf));

  printing::PrintSources sources;
  sources.protocol = fuzzinput::protocolOf(file);
  sources.map = &map;
  sources.nf = nf;
  printing::PreviewSources preview;
  preview.fileName = "/data/f.dau";
  preview.protocol = sources.protocol;
  preview.header = printing::BuildReportHeader(file, sources.protocol, 0, nf);
  preview.map = &map;
  (void)printing::BuildPreviewText(file, preview);

  for (auto mode : {printing::PrintMode::Graphic, printing::PrintMode::Text}) {
    gfx::RecordingPrinter printer(4960, 7016);
    (void)printing::printFile(printer, file, mode, sources);
  }
  return 0;
}
