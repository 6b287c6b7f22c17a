// The blocks of a thickness printout: report header, legend, conclusion, footer and the page label.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/gfx/canvas.h"
#include "core/printing/report_header.h"
#include "core/text/numfmt.h"

namespace printing {

// Page metrics of the thickness prints, taken from the printer page with the print font set.
struct ThicknessPageMetrics {
  int pageWidth = 0;
  int pageHeight = 0;
  int Wp = 0;     // W' = page width - 400
  int Hp = 0;     // H' = page height - 400
  int lineH = 0;  // |TextHeight| of the font size's decimal text
  int gap = 0;    // lineH div 2
};

// "Courier New", size 10, black: the font of every thickness printout.
gfx::Font thicknessPrintFont();
// Sets the print font and a white brush on the canvas (text cells print on white).
void setThicknessPrintFont(gfx::Canvas& c);
ThicknessPageMetrics measureThicknessPage(gfx::Canvas& c, int pageWidth, int pageHeight);

// "Результаты  толщинометрии" and the eleven header lines; returns the y below them.
int HeaderBlock(gfx::Canvas& c, const ReportHeader& header, int width);

// The sample boxes of the three reading classes and the five columns of deviation colours
// for a nominal of N whole millimetres; returns the y below them.
int LegendBlock(gfx::Canvas& c, int width, int y, int N, int lineH, const text::NumberFormat& nf);

// True when a conclusion line at y still leaves room for the footer above the page label.
bool conclusionLineFits(const ThicknessPageMetrics& m, int y);

// The memo lines as the conclusion block prints them: each wrapped to the room between the
// caption and the right margin, 200 pixels from the page edge (the print font set on c).
std::vector<std::string> conclusionPieces(gfx::Canvas& c, const ThicknessPageMetrics& m,
                                          const std::vector<std::string>& lines);

// The conclusion caption at (200, y) and the memo lines from idx on, one per line, while
// they fit on the page (at least one when atLeastOne, so that a sheet always advances);
// idx is left at the first line not written. Returns the y below the last line written.
int ConclusionBlock(gfx::Canvas& c, const ThicknessPageMetrics& m, int y, const std::vector<std::string>& lines,
                    std::size_t& idx, bool atLeastOne = false);

// Inspected length, operator and the number of sheets below y.
void FooterBlock(gfx::Canvas& c, const ThicknessPageMetrics& m, int y, unsigned lengthMm,
                 const std::string& operatorName, int sheets);

// "Лист N" at the foot of a page: the graphic page's place (right edge at W') and the
// table pages' place (right edge 200 pixels from the page edge).
void graphicPageLabel(gfx::Canvas& c, const ThicknessPageMetrics& m, int pageNo);
void tablePageLabel(gfx::Canvas& c, const ThicknessPageMetrics& m, int pageNo);

}  // namespace printing
