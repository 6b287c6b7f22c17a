// DefectMap graphic printout: page header, sheet number, legend box, map strips and footer, in printer pixels.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/defectmap/defect_codes.h"
#include "core/defectmap/defect_map.h"
#include "core/text/numfmt.h"

namespace defectmap {

namespace {

const gfx::Font kPrintFont{"Courier New", 0, 10, gfx::kBlack};
const gfx::Font kRulerFont{"Courier new", 0, 6, gfx::kBlack};

std::string two(int v) { return text::format02(v); }

}  // namespace

void DefectMap::newSheet() {
  gfx::Canvas* old = printCanvas;
  printer_->newPage();
  printCanvas = &printer_->canvas();
  // The page's canvas keeps its pen, brush and font across sheets.
  if (old && old != printCanvas) {
    printCanvas->setPen(old->pen());
    printCanvas->setBrush(old->brush());
    printCanvas->setFont(old->font());
  }
  if (canvas == old) canvas = printCanvas;
}

void DefectMap::PrintLine(const std::string& text) {
  printCanvas->textOut(pageMarginLeft, printY, text);
  printY += lineStep;
}

void DefectMap::fitLine() {
  // A line that would not fit above the bottom margin goes to a new sheet.
  const int h = std::abs(printCanvas->textHeight("#"));
  if (printer_->pageHeight() - pageMarginBottom < printY + h) {
    newSheet();
    ++pageNo;
    printY = pageMarginTop;
  }
}

void DefectMap::PrintLineAt(int x, const std::string& text) {
  fitLine();
  printCanvas->textOut(x, printY, text);
  printY += lineStep;
}

void DefectMap::PrintHeaderBlock() {
  const datafiles::DefectMapHeader& h = *header;
  printCanvas->setFont(kPrintFont);
  printCanvas->setBrush(gfx::Brush{gfx::kWhite});
  const ProtocolText empty;
  const ProtocolText& p = protocol_ ? *protocol_ : empty;
  PrintLine(p.protCaption + p.protText);
  PrintLine("УИУ\"ВЕРТАН\"№ " + std::to_string(h.UnitNumber));
  PrintLine("Дата:" + two(h.Day) + "-" + two(h.Month) + "-20" + two(h.Year) + "   " + "Начало:" + two(h.StartHour) +
            ":" + two(h.StartMinute) + ":" + two(h.StartSecond) + "   " + "Окончание:" + " " + two(h.EndHour) + ":" +
            two(h.EndMinute) + ":" + two(h.EndSecond));
  PrintLine(p.objCaption + p.objText);
  PrintLine("Шов:" + h.Weld + "  " + "Изделие:" + h.Product);
  const int t = h.RawTemperature < 128 ? h.RawTemperature : h.RawTemperature - 255;
  PrintLine("Диаметр:" + std::to_string(h.Diameter) +
            " мм Толщина:" + text::formatScaled(h.NominalThickness, 1, "##.0", numberFormat) +
            " мм  Блок:" + std::to_string(h.Block) + "  Температура:" + (t > 0 ? "+" : "") + std::to_string(t) + "C");
  PrintLine(" ");
}

void DefectMap::PrintSheetNumber() {
  const std::string s = "Лист" + std::to_string(pageNo);
  printCanvas->textOut(printer_->pageWidth() - pageMarginRight - printCanvas->textWidth(s), pageMarginTop, s);
}

void DefectMap::PrintLegend() {
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
    printCanvas->fillRect(gfx::Rect{x, printY, x + 2 * cw, printY + ls}, DefectColors[std::size_t(k)]);
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

void DefectMap::PrintFooter() {
  const ProtocolText empty;
  const ProtocolText& p = protocol_ ? *protocol_ : empty;
  // Every footer line checks the page end, so a long conclusion continues on a new sheet.
  PrintLineAt(pageMarginLeft, " Заключение:");
  for (const std::string& line : p.conclusion) PrintLineAt(2 * pageMarginLeft, line);
  PrintLineAt(pageMarginLeft, "Дефектоскопист: " + p.inspector);
  PrintLineAt(pageMarginLeft, "Проконтролировано: " + std::to_string(length()) + " мм");
  // The count is taken once the sheet this line lands on exists.
  fitLine();
  PrintLineAt(pageMarginLeft, "Всего листов:" + std::to_string(pageNo));
}

void DefectMap::DrawStripFrame() {
  gfx::Canvas& c = *printCanvas;
  const int pw = printer_->pageWidth();
  const int t = marginTop;
  const int r = rowHeight;
  const int l = pageMarginLeft;
  const int n = layers();
  const int endX = truncToInt((double(length()) - firstMm) * scale + l);
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

void DefectMap::DrawStripRuler() {
  gfx::Canvas& c = *printCanvas;
  const int pw = printer_->pageWidth();
  const int l = pageMarginLeft;
  const int t = marginTop;
  const int rightEdge = pw - pageMarginRight;
  c.setFont(kRulerFont);
  c.setPen(gfx::Pen{});
  c.setBrush(gfx::Brush{gfx::kWhite});
  const int h = std::abs(c.textHeight("#"));
  rulerTarget = 100;
  majorTick = 2 * h;
  minorTick = int(0.7 * h);
  c.line(l, t, rightEdge, t);
  if (!(scale > 0.0f)) return;
  const long long step = rulerStep();
  const long long minorStep = step / 10;
  const auto xOf = [&](long long pos) { return truncToInt((double(pos) - firstMm) * scale + l); };
  const auto inside = [&](int x) { return x >= l && x <= rightEdge; };
  long long pos = truncToInt64(std::floor(double(firstMm) / double(step)) * double(step));
  const long long last = truncToInt64(double(pw - l) / scale + firstMm);
  while (pos < last) {
    int x = xOf(pos);
    if (inside(x)) {
      c.line(x, t - majorTick, x, t);
      const std::string label = FormatPosition(int(pos));
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

void DefectMap::DrawStripRuns(int layer) {
  const int n = layers();
  if (!cells || n <= 0 || !(scale > 0.0f)) return;
  const std::int64_t first = 2LL * n * firstMm + 2LL * layer;
  const std::int64_t limit = first + truncToInt64(double(stripWidth) / scale * 2.0 * n);
  scanRuns(layer, first, limit, /*composite=*/scale < 1.0f, &DefectMap::DrawRun);
}

bool DefectMap::PrintGraphic(gfx::Printer& printer, const ProtocolText& protocol) {
  if (!cells || !header) return true;
  if (!printer.beginDoc("А.Дефект")) return false;
  printer_ = &printer;
  protocol_ = &protocol;
  printCanvas = &printer.canvas();
  printCanvas->setFont(kPrintFont);
  const int pw = printer.pageWidth();
  const int ph = printer.pageHeight();
  charWidth = std::abs(printCanvas->textWidth("#"));
  lineStep = 2 * std::abs(printCanvas->textWidth("#"));
  printX = pageMarginLeft;
  printY = pageMarginTop;
  printScale = charWidth * 2.0f / 3.0f;
  stripWidth = pw - pageMarginLeft - pageMarginRight;
  if (charWidth > 0) stripWidth = int(std::ceil(double(stripWidth) / charWidth) * charWidth);
  pageBottom = ph - pageMarginTop - pageMarginBottom;
  // At least one millimetre a strip, whatever the page and font.
  stripMm = printScale > 0.0f ? std::max(1, truncToInt(stripWidth / double(printScale))) : std::max(1, length());
  printPos = 0;

  // The screen state is kept whole (the scroll bar is not touched) and comes back at the end.
  gfx::Canvas* savedCanvas = canvas;
  const int savedMarginLeft = marginLeft, savedMarginTop = marginTop, savedFirstMm = firstMm;
  const int savedRowHeight = rowHeight, savedScrollUnit = scrollUnit;
  const float savedScale = scale, savedSizeFactor = sizeFactor;
  canvas = printCanvas;
  firstMm = 0;
  scrollUnit = 20;
  scale = printScale;
  marginLeft = pageMarginLeft;
  marginTop = printY = pageMarginTop;

  PrintHeaderBlock();
  pageNo = 1;
  PrintSheetNumber();
  printY += 2 * lineStep;
  PrintLegend();
  printY += 2 * lineStep;
  marginTop = printY;

  const int h = std::abs(printCanvas->textHeight("#"));
  charWidth = std::abs(printCanvas->textWidth("#"));
  sizeFactor = 0.2f * h;
  rowHeight = int(sizeFactor * 8);
  blockHeight = 2 * lineStep + rowHeight * (layers() + 1);
  firstMm = 0;

  while (printPos < length()) {
    bool found = false;
    for (int p = printPos; p < printPos + stripMm && p < length() && !found; ++p) found = HasIndicationAt(p);
    if (found) {
      if (marginTop + blockHeight > pageBottom) {
        ++pageNo;
        newSheet();
        printY = marginTop = pageMarginTop;
        lineStep = 2 * std::abs(printCanvas->textHeight("#"));
        PrintHeaderBlock();
        PrintSheetNumber();
        printY += 2 * lineStep;
        marginTop = printY;
      }
      DrawStripFrame();
      DrawStripRuler();
      for (int l = 0; l < layers(); ++l) DrawStripRuns(l);
      marginTop += blockHeight;
    }
    printPos += stripMm;
    firstMm = printPos;
  }

  printCanvas->setFont(kPrintFont);
  lineStep = 2 * std::abs(printCanvas->textHeight("#"));
  printCanvas->setBrush(gfx::Brush{gfx::kWhite});
  printY = marginTop - lineStep;
  PrintFooter();
  const bool ok = printer.endDoc();

  canvas = savedCanvas;
  marginLeft = savedMarginLeft;
  marginTop = savedMarginTop;
  firstMm = savedFirstMm;
  scale = savedScale;
  rowHeight = savedRowHeight;
  sizeFactor = savedSizeFactor;
  scrollUnit = savedScrollUnit;
  printer_ = nullptr;
  protocol_ = nullptr;
  printCanvas = nullptr;
  return ok;
}

}  // namespace defectmap
