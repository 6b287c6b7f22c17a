// The text printout of a map: groups of six positions with indications, printed as characters in block rows.
#include <cstdlib>

#include "core/defectmap/defect_codes.h"
#include "core/defectmap/map_print_job.h"

namespace defectmap {

printing::PrintStatus MapPrintJob::PrintText() {
  if (!hasMap()) return printing::PrintStatus::Printed;
  if (!printer_.beginDoc("А.Дефект")) return printing::PrintStatus::NotStarted;
  setUpTextPage();
  PrintHeaderBlock();
  pageNo = 1;
  PrintSheetNumber();

  pendingRows_.clear();
  bool gap = true;
  printPos = 0;
  while (printPos < map_.length()) {
    if (map_.HasIndicationAt(printPos)) {
      PrintTextGroup();
      gap = true;
    } else {
      ++printPos;
      if (gap) {
        gap = false;
        // One blank column between groups that are not adjacent.
        if (printX != pageMarginLeft) printX += charWidth;
      }
    }
  }
  flushText();
  printY += blockHeight + lineStep;
  PrintFooter();
  return printing::endStatus(printer_.endDoc());
}

void MapPrintJob::setUpTextPage() {
  printCanvas = &printer_.canvas();
  printCanvas->setBrush(gfx::Brush{gfx::kWhite});
  printCanvas->setFont(kPrintFont);
  charWidth = std::abs(printCanvas->textWidth("#"));
  const int h = std::abs(printCanvas->textHeight("#"));
  lineStep = int(1.9 * h);
  blockHeight = 2 * lineStep * (map_.layers() + 1);
  groupWidth = 6 * charWidth;
  printX = pageMarginLeft;
  printY = pageMarginTop;
}

// Texts of the table rows wait here while they continue column by column: the font is
// fixed-pitch, so neighbouring texts of a row print as one string with every character in
// its column. Row 0 holds the group labels.
void MapPrintJob::queueText(std::size_t row, const std::string& text) {
  if (pendingRows_.size() <= row) pendingRows_.resize(row + 1);
  PendingText& p = pendingRows_[row];
  if (!p.text.empty() && p.x + int(codePoints(p.text)) * charWidth == printX) {
    p.text += text;
    return;
  }
  flushRow(row);
  p.x = printX;
  p.text = text;
}

void MapPrintJob::flushRow(std::size_t row) {
  if (row >= pendingRows_.size()) return;
  std::string& text = pendingRows_[row].text;
  // The blanks that fill out the last cell of a wide group print nothing.
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (!text.empty()) printCanvas->textOut(pendingRows_[row].x, printY + int(row) * lineStep, text);
  text.clear();
}

void MapPrintJob::flushText() {
  for (std::size_t r = 0; r < pendingRows_.size(); ++r) flushRow(r);
}

void MapPrintJob::printRowTitles() {
  const int n = map_.layers();
  gfx::Canvas* c = printCanvas;
  c->textOut(printX, printY, kPositionRowTitle);
  for (int i = 1; i <= n; ++i) {
    c->textOut(printX, printY + (2 * i - 1) * lineStep, typeRowTitle(i - 1, n));
    c->textOut(printX, printY + 2 * i * lineStep, kSizeRowTitle);
  }
  printX += 7 * charWidth;
}

// A label fills five of its six columns and nothing else is written in that row, so
// labels of adjacent groups print as one text with the blank between them.
void MapPrintJob::queueLabel(const std::string& label) {
  if (!pendingRows_.empty() && !pendingRows_[0].text.empty() &&
      pendingRows_[0].x + int(codePoints(pendingRows_[0].text)) * charWidth + charWidth == printX) {
    pendingRows_[0].text += " " + label;
  } else {
    queueText(0, label);
  }
}

void MapPrintJob::PrintTextGroup() {
  const int n = map_.layers();
  const std::string label = groupLabel(printPos);
  // A group with sizes of two or three digits widens its columns; the others print as ever.
  const int w = map_.TextColumnWidth(printPos, n);
  if (printer_.pageWidth() - pageMarginRight - charWidth < printX + w * groupWidth) {
    flushText();
    printX = pageMarginLeft;
    printY += blockHeight;
  }
  if (printer_.pageHeight() - pageMarginBottom - lineStep < printY + blockHeight) {
    flushText();
    newSheet();
    ++pageNo;
    printX = pageMarginLeft;
    printY = pageMarginTop;
    PrintHeaderBlock();
    PrintSheetNumber();
  }
  if (printX == pageMarginLeft) printRowTitles();
  queueLabel(label);
  for (int k = 0; k < 6; ++k) {
    for (int i = 1; i <= n; ++i) {
      const CellTextResult t = map_.CellText(printPos, i);
      const std::size_t typeRow = std::size_t(2 * i - 1);
      if (!t.found) {
        flushRow(typeRow);
        flushRow(typeRow + 1);
        continue;
      }
      queueText(typeRow, padToColumns(t.type, w));
      queueText(typeRow + 1, padToColumns(t.size, w));
    }
    ++printPos;
    printX += w * charWidth;
  }
}

}  // namespace defectmap
