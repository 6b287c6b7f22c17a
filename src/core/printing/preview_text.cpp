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

void writeValueTableLines(const thickness::ValueTable& table, const PreviewLineSink& sink) {
  const std::size_t rows = table.rowCount();
  if (rows == 0) return;
  std::string line;
  for (int c = 0; c <= 4; ++c) line += table.cell(0, c) + "\t";
  sink(std::move(line));
  for (std::size_t r = 1; r < rows; ++r) {
    line.clear();
    for (int c = 0; c <= 4; ++c) {
      line += table.cell(r, c);
      line += "\t\t";
    }
    sink(std::move(line));
  }
}

void appendValueTableLines(const thickness::ValueTable& table, std::vector<std::string>& lines) {
  lines.reserve(lines.size() + table.rowCount());
  writeValueTableLines(table, [&lines](std::string&& line) { lines.push_back(std::move(line)); });
}

void writePreviewText(const datafiles::LoadedFile& file, const PreviewSources& s, const PreviewLineSink& sink) {
  const ReportHeader& h = s.header;
  sink(msg(Msg::fil) + s.fileName);
  sink(std::string(h[0]));
  sink(h[1] + " \t" + h[2] + " \t" + h[3] + " \t" + h[4]);
  sink(std::string(h[5]));
  sink(std::string(h[6]));
  sink(h[7] + " \t" + h[8] + "\t" + h[9] + "\t" + h[10]);

  if (file.DtmOpen()) {
    if (s.table) writeValueTableLines(*s.table, sink);
  } else if (s.map) {
    std::vector<std::string> table;
    s.map->BuildTextTable(table);
    for (std::string& line : table) sink(std::move(line));
  }

  auto memo = protocol::conclusionLines(s.protocol);
  if (memo.empty()) memo.emplace_back();
  memo.front() = msg(Msg::zakl) + memo.front();
  for (const std::string& line : memo)
    for (std::string& piece : text::wrapLineToColumns(line, kPreviewColumns)) sink(std::move(piece));

  const unsigned length = file.DtmOpen() ? file.thk.Length : file.map.Length;
  sink(msg(Msg::control) + std::to_string(length) + msg(Msg::mm) + ".");
  sink("  " + std::string(protocol::kDefCaption) + " " + s.protocol.operatorName);
}

std::vector<std::string> BuildPreviewText(const datafiles::LoadedFile& file, const PreviewSources& s) {
  std::vector<std::string> lines;
  writePreviewText(file, s, [&lines](std::string&& line) { lines.push_back(std::move(line)); });
  return lines;
}

}  // namespace printing
