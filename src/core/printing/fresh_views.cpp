// The views of a file as they stand right after opening it, for printing and previewing without a window.
#include "core/printing/fresh_views.h"

#include "core/protocol/protocol_file.h"
#include "core/thickness/chart_build.h"

namespace printing {

FreshViews::FreshViews(const datafiles::LoadedFile& file, const text::NumberFormat& nf,
                       const std::array<gfx::Color, 7>& thicknessColors, const std::array<gfx::Color, 6>& defectColors)
    : file_(file), nf_(nf) {
  if (auto loaded = protocol::loadProtocolFile(file.name)) protocol_ = std::move(*loaded);
  if (file.DtmOpen()) {
    all_ = thickness::fillAllValues(file, nf);
    thicknessColors_ = thicknessColors;
  } else if (file.DauOpen()) {
    defectmap::bindMap(map_, file, defectColors, nf);
  }
}

PrintSources FreshViews::printSources(const std::array<gfx::Color, 6>& flawColors, const std::string& localeId,
                                      PrintMode mode) {
  PrintSources s;
  s.protocol = protocol_;
  s.nf = nf_;
  s.flawColors = flawColors;
  s.thkThreshold = threshold();
  s.localeId = localeId;
  if (file_.DtmOpen()) {
    s.table = &all_.table;
    if (mode == PrintMode::Graphic) s.chart = &chart();
  } else if (file_.DauOpen()) {
    s.map = &map_;
  }
  return s;
}

// Built when a printout first asks for it: the preview never shows the chart, whose points
// are the larger part of a long file's memory.
const thickness::Chart3D& FreshViews::chart() {
  if (!chartBuilt_) {
    thickness::setupThicknessChart(chart_);
    thickness::buildThicknessChart(chart_, file_, all_.extremes, thicknessColors_, nf_);
    thickness::setBeginPosition(chart_);
    chartBuilt_ = true;
  }
  return chart_;
}

std::vector<std::string> FreshViews::previewLines(const std::string& fileName) {
  std::vector<std::string> lines;
  writePreview(fileName, [&lines](std::string&& line) { lines.push_back(std::move(line)); });
  return lines;
}

void FreshViews::writePreview(const std::string& fileName, const PreviewLineSink& sink) {
  PreviewSources s;
  s.fileName = fileName;
  s.protocol = protocol_;
  s.header = BuildReportHeader(file_, protocol_, threshold(), nf_);
  if (file_.DtmOpen()) s.table = &all_.table;
  if (file_.DauOpen()) s.map = &map_;
  writePreviewText(file_, s, sink);
}

}  // namespace printing
