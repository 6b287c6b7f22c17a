// DefectMap text table: groups of six positions with indications, printed as characters or kept as preview lines.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/defectmap/defect_codes.h"
#include "core/defectmap/defect_map.h"

namespace defectmap {

namespace {

const gfx::Font kPrintFont{"Courier New", 0, 10, gfx::kBlack};

// Position numbers count from 1 and are padded to five digits.
std::string groupLabel(int position) {
  std::string s = std::to_string(position + 1);
  if (s.size() < 5) s.insert(0, 5 - s.size(), '0');
  return s;
}

std::size_t codePoints(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

// Texts of the table rows wait here while they continue column by column: the font is
// fixed-pitch, so neighbouring one-character texts of a row print as one string with every
// character in its column. A text of several characters (a size of two or three digits,
// which overlaps the next columns) is output on its own, in the cell-by-cell order, so
// that what overlaps comes out as it would cell by cell. Row 0 holds the group labels.
void DefectMap::queueText(std::size_t row, const std::string& text, bool joinable) {
  if (pendingRows_.size() <= row) pendingRows_.resize(row + 1);
  PendingText& p = pendingRows_[row];
  const int y = printY + int(row) * lineStep;
  if (joinable && !p.text.empty() && p.x + int(codePoints(p.text)) * charWidth == printX) {
    p.text += text;
    return;
  }
  flushRow(row);
  if (joinable) {
    p.x = printX;
    p.text = text;
  } else {
    printCanvas->textOut(printX, y, text);
  }
}

void DefectMap::flushRow(std::size_t row) {
  if (row >= pendingRows_.size() || pendingRows_[row].text.empty()) return;
  printCanvas->textOut(pendingRows_[row].x, printY + int(row) * lineStep, pendingRows_[row].text);
  pendingRows_[row].text.clear();
}

void DefectMap::flushText() {
  for (std::size_t r = 0; r < pendingRows_.size(); ++r) flushRow(r);
}

void DefectMap::PrintTextGroup() {
  const int n = layers();
  const std::string label = groupLabel(printPos);
  if (printer_->pageWidth() - pageMarginRight - charWidth < printX + groupWidth) {
    flushText();
    printX = pageMarginLeft;
    printY += blockHeight;
  }
  if (printer_->pageHeight() - pageMarginBottom - lineStep < printY + blockHeight) {
    flushText();
    newSheet();
    ++pageNo;
    printX = pageMarginLeft;
    printY = pageMarginTop;
    PrintHeaderBlock();
    PrintSheetNumber();
  }
  gfx::Canvas* c = printCanvas;
  if (printX == pageMarginLeft) {
    c->textOut(printX, printY, kPositionRowTitle);
    for (int i = 1; i <= n; ++i) {
      c->textOut(printX, printY + (2 * i - 1) * lineStep, typeRowTitle(i - 1, n));
      c->textOut(printX, printY + 2 * i * lineStep, kSizeRowTitle);
    }
    printX += 7 * charWidth;
  }
  // A label fills five of its six columns and nothing else is written in that row, so
  // labels of adjacent groups print as one text with the blank between them.
  if (!pendingRows_.empty() && !pendingRows_[0].text.empty() &&
      pendingRows_[0].x + int(codePoints(pendingRows_[0].text)) * charWidth + charWidth == printX) {
    pendingRows_[0].text += " " + label;
  } else {
    queueText(0, label, true);
  }
  for (int k = 0; k < 6; ++k) {
    for (int i = 1; i <= n; ++i) {
      const CellTextResult t = CellText(printPos, i);
      const std::size_t typeRow = std::size_t(2 * i - 1);
      if (!t.found) {
        flushRow(typeRow);
        flushRow(typeRow + 1);
        continue;
      }
      queueText(typeRow, t.type, codePoints(t.type) == 1);
      queueText(typeRow + 1, t.size, codePoints(t.size) == 1);
    }
    ++printPos;
    printX += charWidth;
  }
}

bool DefectMap::PrintText(gfx::Printer& printer, const ProtocolText& protocol) {
  if (!cells || !header) return true;
  if (!printer.beginDoc("А.Дефект")) return false;
  printer_ = &printer;
  protocol_ = &protocol;
  printCanvas = &printer.canvas();
  printCanvas->setBrush(gfx::Brush{gfx::kWhite});
  printCanvas->setFont(kPrintFont);
  charWidth = std::abs(printCanvas->textWidth("#"));
  const int h = std::abs(printCanvas->textHeight("#"));
  lineStep = int(1.9 * h);
  blockHeight = 2 * lineStep * (layers() + 1);
  groupWidth = 6 * charWidth;
  printX = pageMarginLeft;
  printY = pageMarginTop;
  PrintHeaderBlock();
  pageNo = 1;
  PrintSheetNumber();

  pendingRows_.clear();
  bool gap = true;
  printPos = 0;
  while (printPos < length()) {
    if (HasIndicationAt(printPos)) {
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
  const bool ok = printer.endDoc();
  printer_ = nullptr;
  protocol_ = nullptr;
  printCanvas = nullptr;
  return ok;
}

void DefectMap::AppendTextGroup() {
  // Seven lines hold three layers; deeper layers of a larger map are left out of the table.
  const int n = std::min(layers(), 3);
  const std::string label = groupLabel(printPos);
  if (textLines[0].empty()) {
    textLines[0] = kPositionRowTitle;
    for (int i = 1; i <= n; ++i) {
      textLines[std::size_t(2 * i - 1)] = typeRowTitle(i - 1, n);
      textLines[std::size_t(2 * i)] = kSizeRowTitle;
    }
  }
  textLines[0] += label + " ";
  for (int k = 0; k < 6; ++k) {
    for (int i = 1; i <= n; ++i) {
      const CellTextResult t = CellText(printPos, i);
      textLines[std::size_t(2 * i - 1)] += t.found ? t.type : " ";
      textLines[std::size_t(2 * i)] += t.found ? t.size : " ";
    }
    ++printPos;
  }
}

void DefectMap::BuildTextTable(std::vector<std::string>& target) {
  const int n = layers();
  const std::size_t count = n <= 1 ? 3 : n == 2 ? 5 : 7;
  printPos = 0;
  for (std::string& line : textLines) line.clear();
  const auto flush = [&] {
    for (std::size_t i = 0; i < count; ++i) target.push_back(textLines[i]);
  };
  while (printPos < length()) {
    if (codePoints(textLines[0]) >= 73) {
      flush();
      for (std::string& line : textLines) line.clear();
    } else if (HasIndicationAt(printPos)) {
      AppendTextGroup();
    } else {
      ++printPos;
    }
  }
  flush();
}

}  // namespace defectmap
