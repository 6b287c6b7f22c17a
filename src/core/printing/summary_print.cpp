// The printed campaign summary: header lines, a ruled table of up to fifty files a page, the class legend.
#include "core/printing/summary_print.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>

#include "core/analysis/stats_tables.h"
#include "core/datafiles/header_text.h"
#include "core/defectmap/defect_codes.h"
#include "core/text/messages.h"

namespace printing {
namespace {

constexpr int kMargin = 200;          // printer pixels around the page
constexpr std::size_t kColumns = 16;  // the summary table without its refusal column
constexpr std::size_t kObjectColumn = 4;
constexpr std::size_t kFirstFigureColumn = 5;
constexpr std::size_t kFirstClassColumn = 10;
constexpr std::size_t kObjectChars = 30;

// The class's type code in legend-slot order, for its symbol.
constexpr std::uint8_t kSlotCodes[analysis::kMapClasses] = {defectmap::kVolume,       defectmap::kVolumePlanar,
                                                            defectmap::kPlanarAcross, defectmap::kPlanarAlong,
                                                            defectmap::kExcessSpeed,  defectmap::kContactLost};

// The first `count` characters of a UTF-8 text.
std::string firstChars(const std::string& s, std::size_t count) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && n++ == count) return s.substr(0, i);
  }
  return s;
}

// s cut (with an ellipsis) to at most width pixels.
std::string fitted(gfx::Canvas& c, const std::string& s, int width) {
  if (c.textWidth(s) <= width) return s;
  for (std::size_t n = defectmap::codePoints(s); n > 0; --n) {
    const std::string cut = firstChars(s, n - 1) + "…";
    if (c.textWidth(cut) <= width) return cut;
  }
  return {};
}

struct PrintTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
  std::vector<bool> refused;
};

PrintTable printTable(const std::vector<analysis::SummaryRow>& rows, const text::NumberFormat& nf) {
  analysis::TextTable t = analysis::summaryTable(rows, nf);
  PrintTable p;
  p.header.assign(t.header.begin(), t.header.begin() + kColumns);
  for (std::size_t s = 0; s < analysis::kMapClasses; ++s)
    p.header[kFirstClassColumn + s] = defectmap::printSymbols(1, kSlotCodes[s]).type;
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    std::vector<std::string>& cells = t.rows[i];
    const std::string& name = cells[0];
    cells[0] = name.substr(name.find_last_of('/') == std::string::npos ? 0 : name.find_last_of('/') + 1);
    cells[kObjectColumn] = firstChars(cells[kObjectColumn], kObjectChars);
    if (rows[i].refused) cells[1] = rows[i].refusal;
    cells.resize(kColumns);
    p.rows.push_back(std::move(cells));
    p.refused.push_back(rows[i].refused);
  }
  return p;
}

// Column widths at the canvas's font: the widest cell and a blank each side; a refused row's
// message does not widen its column.
std::vector<int> columnWidths(gfx::Canvas& c, const PrintTable& t) {
  const int pad = c.textWidth("0");
  std::vector<int> w(kColumns);
  for (std::size_t k = 0; k < kColumns; ++k) w[k] = c.textWidth(t.header[k]) + 2 * pad;
  for (std::size_t r = 0; r < t.rows.size(); ++r) {
    for (std::size_t k = 0; k < kColumns; ++k) {
      if (t.refused[r] && k > 0) break;
      w[k] = std::max(w[k], c.textWidth(t.rows[r][k]) + 2 * pad);
    }
  }
  return w;
}

// The largest font, from 8 points down to 4, at which the table fits the page's width.
std::vector<int> fitFont(gfx::Canvas& c, const PrintTable& t, int width) {
  std::vector<int> w;
  for (int points = 8; points >= 4; --points) {
    c.setFont(gfx::Font{"Arial", 0, points, gfx::kBlack});
    w = columnWidths(c, t);
    if (std::accumulate(w.begin(), w.end(), 0) <= width) break;
  }
  return w;
}

std::string headerLine(const std::vector<analysis::SummaryRow>& rows) {
  const auto first = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return !r.refused; });
  if (first == rows.end()) return {};
  char unit[8];
  std::snprintf(unit, sizeof unit, "%05u", unsigned(first->unitNumber));
  const auto last = std::find_if(rows.rbegin(), rows.rend(), [](const auto& r) { return !r.refused; });
  auto date = [](const analysis::SummaryRow& r) { return datafiles::dateText(r.when[2], r.when[1], r.when[0]); };
  return text::msg(text::Msg::uiu) + unit + "   Период: " + date(*first) + " — " + date(*last);
}

std::string legendLine() {
  std::string s;
  for (std::size_t slot = 0; slot < analysis::kMapClasses; ++slot)
    s += defectmap::printSymbols(1, kSlotCodes[slot]).type + " —" + defectmap::legendLabels()[slot] + "   ";
  return s;
}

// One page's rows from `first`, ruled; returns the y below the table.
int drawRows(gfx::Canvas& c, const PrintTable& t, const std::vector<int>& w, std::size_t first, int y) {
  const int lineH = c.textHeight("Ag") * 5 / 4;
  const int pad = c.textWidth("0");
  const int right = kMargin + std::accumulate(w.begin(), w.end(), 0);
  const std::size_t last = std::min(t.rows.size(), first + kSummaryRowsPerPage);
  auto drawRow = [&](const std::vector<std::string>& cells, bool refused) {
    int x = kMargin;
    for (std::size_t k = 0; k < kColumns; ++k) {
      if (refused && k == 1) {
        c.textOut(x + pad, y + lineH / 8, fitted(c, cells[1], right - x - 2 * pad));
        break;
      }
      // Figures stand right-aligned from the length on.
      const int tx = k >= kFirstFigureColumn ? x + w[k] - pad - c.textWidth(cells[k]) : x + pad;
      c.textOut(tx, y + lineH / 8, cells[k]);
      x += w[k];
    }
    y += lineH;
    c.line(kMargin, y, right, y);
  };
  c.line(kMargin, y, right, y);
  const int top = y;
  drawRow(t.header, false);
  for (std::size_t r = first; r < last; ++r) drawRow(t.rows[r], t.refused[r]);
  // Column rules, broken where a refused row's message runs across.
  int x = kMargin;
  for (std::size_t k = 0; k <= kColumns; ++k) {
    for (std::size_t r = first, yy = std::size_t(top + lineH); r < last; ++r, yy += std::size_t(lineH))
      if (!(t.refused[r] && k > 1 && k < kColumns)) c.line(x, int(yy), x, int(yy) + lineH);
    c.line(x, top, x, top + lineH);
    if (k < kColumns) x += w[k];
  }
  return y;
}

}  // namespace

PrintStatus printSummary(gfx::Printer& printer, const std::vector<analysis::SummaryRow>& rows,
                         const text::NumberFormat& nf) {
  if (!printer.beginDoc("Сводка результатов контроля")) return PrintStatus::NotStarted;
  const PrintTable t = printTable(rows, nf);
  const std::size_t pages = std::max<std::size_t>(1, (t.rows.size() + kSummaryRowsPerPage - 1) / kSummaryRowsPerPage);
  const std::string unit = headerLine(rows);
  for (std::size_t page = 0; page < pages; ++page) {
    if (page > 0) printer.newPage();
    gfx::Canvas& c = printer.canvas();
    c.setPen(gfx::Pen{});
    c.setBrush(gfx::Brush{gfx::kWhite, gfx::BrushStyle::Clear});
    c.setFont(gfx::Font{"Arial", 0, 12, gfx::kBlack, true});
    const int width = printer.pageWidth() - 2 * kMargin;
    c.textOut(kMargin, kMargin, "Сводка результатов контроля");
    const std::string sheet =
        text::msg(text::Msg::page) + " " + std::to_string(page + 1) + " / " + std::to_string(pages);
    c.setFont(gfx::Font{"Arial", 0, 9, gfx::kBlack});
    c.textOut(printer.pageWidth() - kMargin - c.textWidth(sheet), kMargin, sheet);
    int y = kMargin + c.textHeight("Ag") * 2;
    c.textOut(kMargin, y, unit);
    y += c.textHeight("Ag") * 3 / 2;
    c.textOut(kMargin, y, "Файлов: " + std::to_string(rows.size()));
    y += c.textHeight("Ag") * 2;
    const std::vector<int> w = fitFont(c, t, width);
    y = drawRows(c, t, w, page * kSummaryRowsPerPage, y);
    c.textOut(kMargin, y + c.textHeight("Ag"), fitted(c, legendLine(), width));
  }
  return endStatus(printer.endDoc());
}

}  // namespace printing
