// The thickness printouts: the graphic page (header, chart, legend, conclusion, footer) and the table pages.
#include "core/printing/thickness_print.h"

#include <algorithm>

#include "core/printing/thickness_print_blocks.h"
#include "core/protocol/protocol_fields.h"
#include "core/text/messages.h"
#include "core/thickness/chart3d.h"
#include "core/thickness/value_table.h"

namespace printing {
namespace {

constexpr const char* kJobTitle = "View Tervik files";

// Memo lines loaded from a protocol file keep their line feed; a printed line does not.
std::vector<std::string> printableLines(const std::vector<std::string>& memo) {
  std::vector<std::string> lines;
  lines.reserve(memo.size());
  for (std::string line : memo) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

// The screen chart's fonts are in screen pixels; on paper they keep their size on the page.
void scaleFontsToPrinter(thickness::Chart3D& chart, int dpi) {
  for (gfx::Font* f : {&chart.titleFont, &chart.labelFont})
    if (f->pixelHeight > 0) f->pixelHeight = std::max(1, f->pixelHeight * dpi / 96);
}

void drawChart(gfx::Canvas& c, const thickness::Chart3D& shown, const gfx::Rect& band, int dpi) {
  thickness::Chart3D chart = shown;  // the view keeps its own layout for the read-out
  scaleFontsToPrinter(chart, dpi);
  chart.draw(c, band);
}

// A new sheet of the conclusion: the header block again, then as much conclusion as fits.
int continueConclusion(gfx::Printer& p, const ThicknessPageMetrics& m, const ThicknessReport& r,
                       const std::vector<std::string>& lines, std::size_t& idx) {
  p.newPage();
  gfx::Canvas& c = p.canvas();
  setThicknessPrintFont(c);
  int y = HeaderBlock(c, r.header, m.Wp);
  y = ConclusionBlock(c, m, y, lines, idx, true);
  graphicPageLabel(c, m, p.pageNumber());
  return y;
}

PrintStatus finish(gfx::Printer& p) { return endStatus(p.endDoc()); }

}  // namespace

gfx::Rect chartBand(int pageWidth, int pageHeight) {
  const int side = int(pageWidth * 0.05);
  return gfx::Rect{side, int(pageHeight * 0.25), pageWidth - side, pageHeight - int(pageHeight * 0.5)};
}

int rowsPerPage(int Hp, int lineH, int gap) {
  const int step = lineH + gap;
  if (step <= 0) return 1;
  return std::max(1, (Hp - 9 * lineH - 8 * gap - 70) / step);
}

std::vector<RowRange> tablePages(std::size_t dataRows, int perPage) {
  const std::size_t first = std::size_t(std::max(1, perPage));
  std::vector<RowRange> pages;
  pages.push_back(RowRange{1, std::min(first, dataRows)});
  std::size_t next = 1 + pages.back().count;
  const std::size_t later = first + 1;
  while (next <= dataRows) {
    const std::size_t left = dataRows - next + 1;
    pages.push_back(RowRange{next, std::min(later, left)});
    next += pages.back().count;
  }
  return pages;
}

PrintStatus printThicknessGraphic(gfx::Printer& p, const ThicknessReport& r) {
  if (!p.beginDoc(kJobTitle)) return PrintStatus::NotStarted;
  gfx::Canvas& c = p.canvas();
  setThicknessPrintFont(c);
  const ThicknessPageMetrics m = measureThicknessPage(c, p.pageWidth(), p.pageHeight());
  const std::vector<std::string> lines = conclusionPieces(c, m, printableLines(r.conclusion));
  const gfx::Rect band = chartBand(p.pageWidth(), p.pageHeight());

  HeaderBlock(c, r.header, m.Wp);
  int y = LegendBlock(c, m.Wp, band.bottom, r.nominalMm, m.lineH, r.nf);
  std::size_t idx = 0;
  y = ConclusionBlock(c, m, y, lines, idx);
  const bool onePage = idx >= lines.size();
  if (onePage) FooterBlock(c, m, y, r.lengthMm, r.operatorName, 1);
  graphicPageLabel(c, m, p.pageNumber());
  if (r.chart) drawChart(c, *r.chart, band, p.dpi());
  if (!onePage) {
    while (idx < lines.size()) y = continueConclusion(p, m, r, lines, idx);
    gfx::Canvas& last = p.canvas();
    setThicknessPrintFont(last);
    FooterBlock(last, m, y, r.lengthMm, r.operatorName, p.pageNumber());
  }
  return finish(p);
}

PrintStatus printThicknessText(gfx::Printer& p, const ThicknessReport& r) {
  if (!p.beginDoc(kJobTitle)) return PrintStatus::NotStarted;
  setThicknessPrintFont(p.canvas());
  const ThicknessPageMetrics m = measureThicknessPage(p.canvas(), p.pageWidth(), p.pageHeight());
  const std::vector<std::string> lines = conclusionPieces(p.canvas(), m, printableLines(r.conclusion));
  const int step = m.lineH + m.gap;
  const thickness::ValueTable empty;
  const thickness::ValueTable& table = r.table ? *r.table : empty;
  const std::size_t rowCount = table.rowCount();
  const std::size_t dataRows = rowCount > 0 ? rowCount - 1 : 0;

  int y = 0;
  if (table.cell(0, 0).empty()) {
    gfx::Canvas& c = p.canvas();
    y = HeaderBlock(c, r.header, m.pageWidth - 400);
    c.textOut(400, y, text::msg(text::Msg::undertol));
    tablePageLabel(c, m, p.pageNumber());
  } else {
    const std::vector<RowRange> pages = tablePages(dataRows, rowsPerPage(m.Hp, m.lineH, m.gap));
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) {
        p.newPage();
        setThicknessPrintFont(p.canvas());
      }
      gfx::Canvas& c = p.canvas();
      y = HeaderBlock(c, r.header, m.pageWidth - 400);
      // Column places come from the header row on every page.
      int xs[5];
      xs[0] = 200;
      for (int col = 0; col < 5; ++col) {
        const std::string head = table.cell(0, col);
        c.textOut(xs[col], y, head);
        if (col < 4) xs[col + 1] = xs[col] + c.textWidth(head) + 30;
      }
      std::vector<gfx::TextCell> cells(5);
      for (std::size_t row = pages[i].first; row < pages[i].first + pages[i].count; ++row) {
        y += step;
        for (int col = 0; col < 5; ++col) cells[std::size_t(col)] = {xs[col], table.cell(row, col)};
        c.textRow(y, cells);
      }
      tablePageLabel(c, m, p.pageNumber());
      if (i + 1 < pages.size())
        c.textOut(200, y + m.lineH + 2 * m.gap, std::string(protocol::kDefCaption) + " " + r.operatorName);
    }
  }

  y += 2 * m.gap + m.lineH;
  std::size_t idx = 0;
  if (!conclusionLineFits(m, y)) {
    // The table filled the sheet: the conclusion and footer start a new one.
    p.newPage();
    setThicknessPrintFont(p.canvas());
    y = HeaderBlock(p.canvas(), r.header, m.Wp);
    graphicPageLabel(p.canvas(), m, p.pageNumber());
  }
  y = ConclusionBlock(p.canvas(), m, y, lines, idx);
  while (idx < lines.size()) y = continueConclusion(p, m, r, lines, idx);
  FooterBlock(p.canvas(), m, y, r.lengthMm, r.operatorName, p.pageNumber());
  return finish(p);
}

}  // namespace printing
