// One print routine for every kind of file, serving the printer, the PDF file and the tests alike.
#include "core/printing/print_file.h"

#include "core/defectmap/defect_map.h"
#include "core/flawdetector/flaw_print.h"

namespace printing {
namespace {

PrintStatus printMap(gfx::Printer& p, PrintMode mode, const PrintSources& s) {
  if (!s.map) return PrintStatus::NotStarted;
  return mode == PrintMode::Text ? s.map->PrintText(p, s.protocol) : s.map->PrintGraphic(p, s.protocol);
}

}  // namespace

ThicknessReport makeThicknessReport(const datafiles::LoadedFile& file, const PrintSources& s) {
  ThicknessReport r;
  r.header = BuildReportHeader(file, s.protocol, s.thkThreshold, s.nf);
  r.conclusion = s.protocol.conclusion;
  r.operatorName = s.protocol.operatorName;
  r.lengthMm = file.thk.Length;
  r.nominalMm = file.thk.NominalThickness / 10;
  r.table = s.table;
  r.chart = s.chart;
  r.nf = s.nf;
  return r;
}

PrintStatus printFile(gfx::Printer& p, const datafiles::LoadedFile& file, PrintMode mode, const PrintSources& s) {
  switch (file.kind) {
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht:
      return flaw::PrintScreen(p, file, s.protocol, s.flawColors, s.localeId).result;
    case datafiles::FileKind::Dau:
      return printMap(p, mode, s);
    case datafiles::FileKind::Dtm: {
      const ThicknessReport r = makeThicknessReport(file, s);
      return mode == PrintMode::Text ? printThicknessText(p, r) : printThicknessGraphic(p, r);
    }
    case datafiles::FileKind::None:
      break;
  }
  return PrintStatus::NotStarted;
}

}  // namespace printing
