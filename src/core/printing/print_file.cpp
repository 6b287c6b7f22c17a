// One print routine for every kind of file, serving the printer, the PDF file and the tests alike.
#include "core/printing/print_file.h"

#include "core/defectmap/defect_map.h"
#include "core/flawdetector/flaw_print.h"

namespace printing {
namespace {

PrintStatus printFlaw(gfx::Printer& p, const datafiles::LoadedFile& file, const PrintSources& s) {
  flaw::ProtocolFields fields;
  fields.protocol = s.protocol.protocolNumber;
  fields.object = s.protocol.objectName;
  fields.conclusionLines = s.protocol.conclusion;
  fields.operatorName = s.protocol.operatorName;
  switch (flaw::PrintScreen(p, file, fields, s.flawColors, s.localeId).result) {
    case flaw::PrintResult::Printed:
      return PrintStatus::Printed;
    case flaw::PrintResult::NotStarted:
      return PrintStatus::NotStarted;
    case flaw::PrintResult::WriteFailed:
      break;
  }
  return PrintStatus::WriteFailed;
}

PrintStatus printMap(gfx::Printer& p, PrintMode mode, const PrintSources& s) {
  if (!s.map) return PrintStatus::NotStarted;
  defectmap::ProtocolText t;
  t.protCaption = std::string(protocol::kProtCaption);
  t.protText = s.protocol.protocolNumber;
  t.objCaption = std::string(protocol::kObjCaption);
  t.objText = s.protocol.objectName;
  t.inspector = s.protocol.operatorName;
  t.conclusion = s.protocol.conclusion;
  for (std::string& line : t.conclusion)
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  const bool ok = mode == PrintMode::Text ? s.map->PrintText(p, t) : s.map->PrintGraphic(p, t);
  if (ok) return PrintStatus::Printed;
  return p.pageNumber() > 0 ? PrintStatus::WriteFailed : PrintStatus::NotStarted;
}

}  // namespace

ThicknessReport MakeThicknessReport(const datafiles::LoadedFile& file, const PrintSources& s) {
  ThicknessReport r;
  r.header = BuildReportHeader(file, {s.protocol.protocolNumber, s.protocol.objectName}, s.thkThreshold, s.nf);
  r.conclusion = s.protocol.conclusion;
  r.operatorName = s.protocol.operatorName;
  r.lengthMm = file.thk.Length;
  r.nominalMm = file.thk.NominalThickness / 10;
  r.table = s.table;
  r.chart = s.chart;
  r.nf = s.nf;
  return r;
}

PrintStatus PrintFile(gfx::Printer& p, const datafiles::LoadedFile& file, PrintMode mode, const PrintSources& s) {
  switch (file.kind) {
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht:
      return printFlaw(p, file, s);
    case datafiles::FileKind::Dau:
      return printMap(p, mode, s);
    case datafiles::FileKind::Dtm: {
      const ThicknessReport r = MakeThicknessReport(file, s);
      return mode == PrintMode::Text ? PrintThicknessText(p, r) : PrintThicknessGraphic(p, r);
    }
    case datafiles::FileKind::None:
      break;
  }
  return PrintStatus::NotStarted;
}

}  // namespace printing
