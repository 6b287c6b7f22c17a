// BuildPreviewText: the lines of the text preview of a thickness or defect-map file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/printing/report_header.h"
#include "core/protocol/protocol_fields.h"

namespace thickness {
class ValueTable;
}
namespace defectmap {
class DefectMap;
}

namespace printing {

// What the preview shows besides the file: the protocol as loaded for it, the report header
// built from that protocol, and the table of the file's kind (the value grid as it stands
// for a .DTM file, the map for a .DAU file).
struct PreviewSources {
  std::string fileName;  // full name of the current data file
  ReportHeader header;
  protocol::ProtocolFields protocol;
  const thickness::ValueTable* table = nullptr;
  const defectmap::DefectMap* map = nullptr;
};

// The preview window's width in characters of its fixed-pitch font: conclusion lines wrap there.
inline constexpr int kPreviewColumns = 80;

// The preview lines, tabs included. The caller loads the protocol and builds the header
// first, as the preview command does; a missing table or map contributes no lines.
std::vector<std::string> BuildPreviewText(const datafiles::LoadedFile& file, const PreviewSources& sources);
// The same lines handed over one by one as they are made: the value table of a long run is
// never held as text whole.
using PreviewLineSink = std::function<void(std::string&&)>;
void writePreviewText(const datafiles::LoadedFile& file, const PreviewSources& sources, const PreviewLineSink& sink);

// The thickness grid's lines of the preview: the header row, then every data row.
void appendValueTableLines(const thickness::ValueTable& table, std::vector<std::string>& lines);
void writeValueTableLines(const thickness::ValueTable& table, const PreviewLineSink& sink);

}  // namespace printing
