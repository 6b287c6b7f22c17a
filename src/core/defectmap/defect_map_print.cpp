// DefectMap graphic print (placeholder).
#include "core/defectmap/defect_map.h"

namespace defectmap {
bool DefectMap::PrintGraphic(gfx::Printer&, const ProtocolText&) { return false; }
void DefectMap::PrintHeaderBlock() {}
void DefectMap::PrintSheetNumber() {}
void DefectMap::PrintLegend() {}
void DefectMap::PrintFooter() {}
void DefectMap::PrintLine(const std::string&) {}
void DefectMap::PrintLineAt(int, const std::string&) {}
void DefectMap::DrawStripFrame() {}
void DefectMap::DrawStripRuler() {}
void DefectMap::DrawStripRuns(int) {}
void DefectMap::newSheet() {}
bool DefectMap::PrintText(gfx::Printer&, const ProtocolText&) { return false; }
void DefectMap::PrintTextGroup() {}
void DefectMap::BuildTextTable(std::vector<std::string>&) {}
void DefectMap::AppendTextGroup() {}
}  // namespace defectmap
