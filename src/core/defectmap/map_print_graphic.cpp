// The graphic printout of a map: page header, sheet number, legend box, map strips and footer, in printer pixels.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/defectmap/defect_codes.h"
#include "core/defectmap/map_print_job.h"

namespace defectmap {

namespace {

const gfx::Font kRulerFont{"Courier new", 0, 6, gfx::kBlack};

}  // namespace

printing::PrintStatus MapPrintJob::PrintGraphic() {
  if (!hasMap()) return printing::PrintStatus::Printed;
  if (!printer_.beginDoc("А.Дефект")) return printing::PrintStatus::NotStarted;
  setUpGraphicPage();
  PrintHeaderBlock();
  pageNo = 1;
  PrintSheetNumber();
  printY += 2 * lineStep;
  PrintLegend();
  printY += 2 * lineStep;
  strip_.marginTop = printY;
  setUpStrips();
  printStrips();

  printCanvas->setFont(kPrintFont);
  lineStep = 2 * std::abs(printCanvas->textHeight("#"));
  printCanvas->setBrush(gfx::Brush{gfx::kWhite});
  printY = strip_.marginTop - lineStep;
  PrintFooter();
  return printing::endStatus(printer_.endDoc());
}

void MapPrintJob::setUpGraphicPage() {
  printCanvas = &printer_.canvas();
  printCanvas->setFont(kPrintFont);
  const int pw = printer_.pageWidth();
  const int ph = printer_.pageHeight();
  charWidth = std::abs(printCanvas->textWidth("#"));
  lineStep = 2 * std::abs(printCanvas->textWidth("#"));
  printX = pageMarginLeft;
  printY = pageMarginTop;
  printScale = charWidth * 2.0f / 3.0f;
  stripWidth = pw - pageMarginLeft - pageMarginRight;
  if (charWidth > 0) stripWidth = int(std::ceil(double(stripWidth) / charWidth) * charWidth);
  pageBottom = ph - pageMarginTop - pageMarginBottom;
  // At least one millimetre a strip, whatever the page and font.
  stripMm = printScale > 0.0f ? std::max(1, truncToInt(stripWidth / double(printScale))) : std::max(1, map_.length());
  printPos = 0;
  strip_ = RunFrame{};
  strip_.scale = printScale;
  strip_.marginLeft = pageMarginLeft;
  strip_.marginTop = pageMarginTop;
}

void MapPrintJob::setUpStrips() {
  const int h = std::abs(printCanvas->textHeight("#"));
  charWidth = std::abs(printCanvas->textWidth("#"));
  strip_.sizeFactor = 0.2f * h;
  strip_.rowHeight = int(strip_.sizeFactor * 8);
  blockHeight = 2 * lineStep + strip_.rowHeight * (map_.layers() + 1);
  strip_.firstMm = 0;
}

bool MapPrintJob::stripHasIndication() const {
  for (int p = printPos; p < printPos + stripMm && p < map_.length(); ++p)
    if (map_.HasIndicationAt(p)) return true;
  return false;
}

// Only the strips that hold an indication are printed, each with its own ruler.
void MapPrintJob::printStrips() {
  while (printPos < map_.length()) {
    if (stripHasIndication()) {
      if (strip_.marginTop + blockHeight > pageBottom) continueStripsOnNewSheet();
      DrawStripFrame();
      DrawStripRuler();
      for (int l = 0; l < map_.layers(); ++l) DrawStripRuns(l);
      strip_.marginTop += blockHeight;
    }
    printPos += stripMm;
    strip_.firstMm = printPos;
  }
}

void MapPrintJob::continueStripsOnNewSheet() {
  ++pageNo;
  newSheet();
  printY = strip_.marginTop = pageMarginTop;
  // The font is the ruler's once a strip has been drawn.
  lineStep = 2 * std::abs(printCanvas->textHeight("#"));
  PrintHeaderBlock();
  PrintSheetNumber();
  printY += 2 * lineStep;
  strip_.marginTop = printY;
}

void MapPrintJob::PrintLegend() {
  gfx::Canvas& c = *printCanvas;
  const int cw = charWidth;
  const int ls = lineStep;
  const auto& labels = legendLabels();
  const int colStep = c.textWidth(" Превышение скорости") + 5 * cw;
  const int boxWidth = 3 * colStep;
  const int x0 = pageMarginLeft + cw;
  const std::string title = "Условные обозначения дефектов :";
  PrintLineAt(x0 + boxWidth / 2 - c.textWidth(title) / 2, title);
  printY += ls;
  int x = x0;
  for (int k = 0; k < 6; ++k) {
    printCanvas->fillRect(gfx::Rect{x, printY, x + 2 * cw, printY + ls}, map_.DefectColors[std::size_t(k)]);
    printCanvas->setBrush(gfx::Brush{gfx::kWhite});
    printCanvas->textOut(int(2.6 * cw + x), printY, labels[std::size_t(k)]);
    if (k == 2 || k == 5) {
      printY = int(1.5 * ls + printY);
      x = x0;
    } else {
      x += colStep;
    }
  }
  gfx::Canvas& pc = *printCanvas;
  pc.setPen(gfx::Pen{});
  const int top = int(printY - 5.3 * ls);
  pc.moveTo(x0 - cw, printY);
  pc.lineTo(x0 - cw, top);
  pc.lineTo(x0 + boxWidth + cw, top);
  pc.lineTo(x0 + boxWidth + cw, printY);
  pc.lineTo(x0 - cw, printY);
  printY += 2 * ls;
}

void MapPrintJob::DrawStripFrame() {
  gfx::Canvas& c = *printCanvas;
  const int pw = printer_.pageWidth();
  const int t = strip_.marginTop;
  const int r = strip_.rowHeight;
  const int l = pageMarginLeft;
  const int n = map_.layers();
  const int endX = truncToInt((double(map_.length()) - strip_.firstMm) * strip_.scale + l);
  int right = std::max(pw - pageMarginRight, l);
  if (endX < right) {
    right = endX;
    c.fillRect(gfx::Rect{endX, t - 3 * lineStep, pw, t - 3 * lineStep + n * r + 1}, gfx::kWhite);
  }
  c.fillRect(gfx::Rect{l, t, right, t + n * r}, gfx::sys::kBtnFace);
  c.setPen(gfx::Pen{});
  if (r > 0) {
    for (int y = t; y <= t + n * r; y += r) c.line(l, y, right, y);
  }
  c.line(right, t, right, t + n * r);
  c.line(l, t, l, t + n * r);
}

void MapPrintJob::DrawStripRuler() {
  gfx::Canvas& c = *printCanvas;
  const int pw = printer_.pageWidth();
  const int l = pageMarginLeft;
  const int t = strip_.marginTop;
  // The ruler of the object's last strip ends where the object does.
  const int endX = truncToInt((double(map_.length()) - strip_.firstMm) * strip_.scale + l);
  const int rightEdge = std::max(l, std::min(pw - pageMarginRight, endX));
  c.setFont(kRulerFont);
  c.setPen(gfx::Pen{});
  c.setBrush(gfx::Brush{gfx::kWhite});
  const int h = std::abs(c.textHeight("#"));
  const int majorTick = 2 * h;
  const int minorTick = int(0.7 * h);
  c.line(l, t, rightEdge, t);
  const float scale = strip_.scale;
  if (!(scale > 0.0f)) return;
  const long long step = rulerStep(100, scale);
  const long long minorStep = step / 10;
  const int firstMm = strip_.firstMm;
  const auto xOf = [&](long long pos) { return truncToInt((double(pos) - firstMm) * scale + l); };
  const auto inside = [&](int x) { return x >= l && x <= rightEdge; };
  long long pos = truncToInt64(std::floor(double(firstMm) / double(step)) * double(step));
  const long long last = truncToInt64(double(pw - l) / scale + firstMm);
  while (pos < last) {
    int x = xOf(pos);
    if (inside(x)) {
      c.line(x, t - majorTick, x, t);
      const std::string label = map_.FormatPosition(int(pos));
      c.textOut(x - std::abs(c.textWidth(label) / 2), t - 3 * std::abs(c.textHeight(label)) - 2, label);
    }
    for (int k = 1; k <= 9; ++k) {
      pos += minorStep;
      x = xOf(pos);
      if (inside(x)) c.line(x, truncToInt(t - (k == 5 ? 1.3 : 0.6) * minorTick), x, t);
    }
    pos += minorStep;
  }
}

void MapPrintJob::DrawStripRuns(int layer) {
  const int n = map_.layers();
  if (!map_.cells || n <= 0 || !(strip_.scale > 0.0f)) return;
  const std::int64_t first = 2LL * n * strip_.firstMm + 2LL * layer;
  const std::int64_t limit = first + truncToInt64(double(stripWidth) / strip_.scale * 2.0 * n);
  map_.drawRuns(*printCanvas, strip_, compositor_, layer, first, limit);
}

}  // namespace defectmap
