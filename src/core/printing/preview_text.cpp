// BuildPreviewText: the lines of the text preview of a thickness or defect-map file.
#include "core/printing/preview_text.h"

#include "core/defectmap/defect_map.h"
#include "core/protocol/protocol_text.h"
#include "core/text/messages.h"
#include "core/text/wrap.h"
#include "core/thickness/value_table.h"

namespace printing {
namespace {

using text::msg;
using text::Msg;

}  // namespace

void appendValueTableLines(const thickness::ValueTable& table, std::vector<std::string>& lines) {
  const std::size_t rows = table.rowCount();
  if (rows == 0) return;
  lines.reserve(lines.size() + rows);
  std::string line;
  for (int c = 0; c <= 4; ++c) line += table.cell(0, c) + "\t";
  lines.push_back(std::move(line));
  for (std::size_t r = 1; r < rows; ++r) {
    line.clear();
    for (int c = 0; c <= 4; ++c) {
      line += table.cell(r, c);
      line += "\t\t";
    }
    lines.push_back(std::move(line));
  }
}

std::vector<std::string> BuildPreviewText(const datafiles::LoadedFile& file, const PreviewSources& s) {
  std::vector<std::string> lines;
  const ReportHeader& h = s.header;
  lines.push_back(msg(Msg::fil) + s.fileName);
  lines.push_back(h[0]);
  lines.push_back(h[1] + " \t" + h[2] + " \t" + h[3] + " \t" + h[4]);
  lines.push_back(h[5]);
  lines.push_back(h[6]);
  lines.push_back(h[7] + " \t" + h[8] + "\t" + h[9] + "\t" + h[10]);

  if (file.DtmOpen()) {
    if (s.table) appendValueTableLines(*s.table, lines);
  } else if (s.map) {
    s.map->BuildTextTable(lines);
  }

  auto memo = protocol::conclusionLines(s.protocol);
  if (memo.empty()) memo.emplace_back();
  memo.front() = msg(Msg::zakl) + memo.front();
  for (const std::string& line : memo)
    for (std::string& piece : text::wrapLineToColumns(line, kPreviewColumns)) lines.push_back(std::move(piece));

  const unsigned length = file.DtmOpen() ? file.thk.Length : file.map.Length;
  lines.push_back(msg(Msg::control) + std::to_string(length) + msg(Msg::mm) + ".");
  lines.push_back("  " + std::string(protocol::kDefCaption) + " " + s.protocol.operatorName);
  return lines;
}

}  // namespace printing
