// Printing a comparison through the one printer interface: the printer, the PDF file and the tests.
#include "core/compare/compare_print.h"

#include <algorithm>

#include "core/compare/compare_text.h"
#include "core/printing/thickness_print_blocks.h"
#include "core/text/wrap.h"

namespace compare {
namespace {

// The worst positions as a table with columns as wide as their widest text; returns the y below.
int worstTable(gfx::Canvas& cv, const Comparison& c, int x, int y, int step, const text::NumberFormat& nf) {
  std::vector<std::vector<std::string>> rows = {worstHeader()};
  for (const Spot& s : worstPositions(c)) rows.push_back(worstRow(c, s, nf));
  std::vector<int> widths(rows[0].size(), 0);
  for (const auto& row : rows)
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], cv.textWidth(row[i]));
  const int gap = cv.textWidth("  ");
  for (const auto& row : rows) {
    int cx = x;
    for (std::size_t i = 0; i < row.size(); ++i) {
      cv.textOut(cx, y, row[i]);
      cx += widths[i] + gap;
    }
    y += step;
  }
  return y;
}

}  // namespace

std::vector<std::string> reportLines(const Comparison& c, const CompareReport& r) {
  std::vector<std::string> lines = {caption::kPrintTitle, caption::kEarlierRun + r.earlierName,
                                    caption::kLaterRun + r.laterName, matchLine(c, r.nf), periodLine(c, r.nf)};
  for (Warning w : c.warnings) lines.push_back(warningText(w));
  return lines;
}

printing::PrintStatus printComparison(gfx::Printer& p, const Comparison& c, const CompareReport& r) {
  if (!p.beginDoc(caption::kPrintTitle)) return printing::PrintStatus::NotStarted;
  gfx::Canvas& cv = p.canvas();
  printing::setThicknessPrintFont(cv);
  const printing::ThicknessPageMetrics m = printing::measureThicknessPage(cv, p.pageWidth(), p.pageHeight());
  const int step = m.lineH + m.gap;
  int y = printing::HeaderBlock(cv, r.header, m.Wp);
  const int room = p.pageWidth() - 400;
  for (const std::string& line : reportLines(c, r))
    for (const std::string& piece :
         text::wrapLine(line, room, [&cv](const std::string& s) { return cv.textWidth(s); })) {
      cv.textOut(200, y, piece);
      y += step;
    }
  // The chart takes what the table leaves of the page, at most two fifths of it.
  const int tableHeight = 22 * step;
  const int chartHeight = std::clamp(p.pageHeight() - 200 - tableHeight - y - step, 0, p.pageHeight() * 2 / 5);
  if (chartHeight > 10 * m.lineH) {
    drawLossChart(cv, {200, y + m.gap, p.pageWidth() - 200, y + m.gap + chartHeight}, c, r.window, r.nf);
    printing::setThicknessPrintFont(cv);
    y += chartHeight + step;
  }
  cv.textOut(200, y, caption::kWorstTitle);
  worstTable(cv, c, 200, y + step, step, r.nf);
  return printing::endStatus(p.endDoc());
}

}  // namespace compare
