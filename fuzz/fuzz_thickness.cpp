// A .DTM file's whole path: value tables, threshold entry and search, legend, the chart built and
// drawn in every position, the preview text, CSV and both printouts on a recording printer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/analysis/stats_tables.h"
#include "core/analysis/thin_zones.h"
#include "core/compare/compare_text.h"
#include "core/compare/comparison.h"
#include "core/compare/loss_chart.h"
#include "core/datafiles/header_text.h"
#include "core/gfx/recording_canvas.h"
#include "core/gfx/recording_printer.h"
#include "core/printing/csv_export.h"
#include "core/printing/preview_text.h"
#include "core/printing/print_file.h"
#include "core/printing/report_header.h"
#include "core/settings/settings.h"
#include "core/thickness/chart_build.h"
#include "core/thickness/legend.h"
#include "core/thickness/threshold_input.h"
#include "core/thickness/value_table.h"
#include "fuzz_input.h"

namespace {

// The run compared with itself, searched and at an offset from the input: the texts, the worst
// positions and the loss chart of whatever overlap there is.
void compareWithItself(const datafiles::LoadedFile& file, const text::NumberFormat& nf, std::uint8_t seed) {
  for (const bool searched : {true, false}) {
    compare::CompareOptions options;
    if (!searched) options.offsetMm = 2 * (int(seed) - 128);
    options.tminUm = seed * 40;
    const compare::Comparison c = compare::compareRuns(file, file, options);
    (void)compare::refusalText(c, nf);
    (void)compare::summaryLines(c, nf);
    for (const compare::Spot& s : compare::worstPositions(c)) (void)compare::worstRow(c, s, nf);
    for (std::size_t i = 0; i < c.positions.size(); i += 1 + c.positions.size() / 16)
      (void)compare::positionRow(c, c.positions[i], nf);
    gfx::RecordingCanvas canvas(800, 500);
    const gfx::Rect area{0, 0, 800, 500};
    compare::drawLossChart(canvas, area, c, compare::wholeOverlap(c), nf);
    (void)compare::positionAt(canvas, area, compare::wholeOverlap(c), 400);
  }
}

// The first and last rows of a table: the cells are formatted on demand, any of them may be asked for.
void readCells(const thickness::ValueTable& t) {
  const std::size_t rows = t.rowCount();
  for (std::size_t r = 0; r < rows; r = (r == 40 && rows > 80) ? rows - 40 : r + 1) {
    for (int c = 0; c < thickness::ValueTable::kColumns; ++c) (void)t.cell(r, c);
  }
  (void)t.cell(rows, 0);
  (void)t.fixedRowColor();
}

void drawChart(thickness::Chart3D& chart, int w, int h, const gfx::Color cross) {
  gfx::RecordingCanvas canvas(w, h);
  chart.draw(canvas, gfx::Rect{0, 0, w, h});
  for (int x : {0, w / 3, w / 2, w - 1}) {
    (void)chart.bottomValueAt(x);
    (void)chart.seriesAt(x, h / 2);
    if (thickness::readoutHit(chart, x, h / 2)) thickness::drawCrossHair(canvas, chart, x, h / 2, cross);
  }
  (void)chart.leftValueAt(h / 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto loaded = fuzzinput::loadMapLike(data, size, 1);
  if (!loaded) return 0;
  const datafiles::LoadedFile& file = *loaded;
  const text::NumberFormat nf = fuzzinput::numberFormat(data, size);
  (void)datafiles::HeaderTexts(file, nf);

  const thickness::AllValues all = thickness::fillAllValues(file, nf);
  readCells(all.table);
  const std::uint16_t nominal = file.thk.NominalThickness;
  // A threshold typed from header bytes, then the search with the stored value.
  const std::string typed(reinterpret_cast<const char*>(&file.RawHeader[3]), 6);
  const thickness::ThresholdEntry entry = thickness::evaluateThreshold(typed, nf.decimal, nominal);
  (void)thickness::thresholdMessage(entry.verdict, nf.decimal);
  const std::uint16_t threshold =
      entry.stores() ? entry.tenths : std::uint16_t(file.RawHeader[9] | (file.RawHeader[10] << 8));
  const auto found = thickness::thresholdSearch(file, all.table.rowCount() - 1, threshold);
  readCells(thickness::fillThreshold(file, found, nf));

  (void)thickness::legendLabels(nominal, nf);
  gfx::RecordingCanvas legend(60, 400);
  thickness::drawLegendPalette(legend, thickness::legendRowHeight(400));
  thickness::drawLegendLabels(legend, thickness::legendRowHeight(400), nominal, nf);

  const settings::Settings colors = settings::SetDefaultSettings(".");
  thickness::Chart3D chart;
  thickness::setupThicknessChart(chart);
  const gfx::Color cross = thickness::buildThicknessChart(chart, file, all.extremes, colors.ThicknessColors, nf);
  thickness::setBeginPosition(chart);
  drawChart(chart, 640, 400, cross);
  thickness::setFrontPosition(chart);
  drawChart(chart, 300 + data[0] % 64, 120, cross);
  thickness::setUpPosition(chart);
  chart.zoomAxes(150);
  drawChart(chart, 1280, 720, cross);
  chart.undoZoom();

  (void)printing::csvThickness(file, nf);
  (void)analysis::csvText(analysis::statsTable(file, nf));
  (void)analysis::thinZones(file, std::uint16_t(data[0] * 4));
  compareWithItself(file, nf, size > 1 ? data[size - 1] : std::uint8_t(0));

  printing::PrintSources sources;
  sources.protocol = fuzzinput::protocolOf(file);
  sources.thkThreshold = threshold;
  sources.table = &all.table;
  sources.chart = &chart;
  sources.nf = nf;
  printing::PreviewSources preview;
  preview.fileName = "/data/f.DTM";
  preview.protocol = sources.protocol;
  preview.header = printing::BuildReportHeader(file, sources.protocol, threshold, nf);
  preview.table = &all.table;
  (void)printing::BuildPreviewText(file, preview);

  for (auto mode : {printing::PrintMode::Graphic, printing::PrintMode::Text}) {
    gfx::RecordingPrinter printer(4960, 7016);
    (void)printing::printFile(printer, file, mode, sources);
  }
  return 0;
}
