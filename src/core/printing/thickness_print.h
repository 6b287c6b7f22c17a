// The thickness printouts: the graphic page (header, chart, legend, conclusion, footer) and the table pages.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/gfx/printer.h"
#include "core/printing/print_status.h"
#include "core/printing/report_header.h"
#include "core/text/numfmt.h"

namespace thickness {
class Chart3D;
class ValueTable;
}  // namespace thickness

namespace printing {

// Everything a thickness printout shows besides the page itself.
struct ThicknessReport {
  ReportHeader header;                           // built by BuildReportHeader just before the print
  std::vector<std::string> conclusion;           // ZaklMem, one entry per line
  std::string operatorName;                      // DefEdt
  unsigned lengthMm = 0;                         // the thickness header's Length
  int nominalMm = 0;                             // nominal thickness in whole millimetres
  const thickness::ValueTable* table = nullptr;  // the grid as shown (text pages)
  const thickness::Chart3D* chart = nullptr;     // the chart as shown (graphic page); drawn as a copy
  text::NumberFormat nf;
};

// The chart's band of the graphic page: 5 % of the page width off the left and right,
// from one quarter to one half of the page height.
gfx::Rect chartBand(int pageWidth, int pageHeight);

// Data rows of a table page, as indexes into rows 1 .. RowCount - 1 of the grid.
struct RowRange {
  std::size_t first = 0;  // first data row (1-based, as the grid counts)
  std::size_t count = 0;
  bool operator==(const RowRange&) const = default;
};

// Data rows that fit on the first table page: (H' - 9 lineH - 8 gap - 70) div (lineH + gap),
// at least one so that every page advances.
int rowsPerPage(int Hp, int lineH, int gap);

// The pages of a table with dataRows data rows: the first takes perPage rows, every later
// one perPage + 1 (or all that are left). Always at least one page (a table without data
// rows prints its header row alone).
std::vector<RowRange> tablePages(std::size_t dataRows, int perPage);

PrintStatus printThicknessGraphic(gfx::Printer& printer, const ThicknessReport& report);
PrintStatus printThicknessText(gfx::Printer& printer, const ThicknessReport& report);

}  // namespace printing
