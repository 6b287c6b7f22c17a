// MapPrintJob: sheets, lines, the header block, the sheet number and the footer shared by both printouts.
#include "core/defectmap/map_print_job.h"

#include <cstdlib>

#include "core/datafiles/header_text.h"
#include "core/datafiles/reader.h"
#include "core/text/numfmt.h"
#include "core/text/wrap.h"

namespace defectmap {

namespace {

// A conclusion line as the memo holds it may end with its line feed; the page shows the text.
std::string withoutLineEnd(std::string line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

}  // namespace

printing::PrintStatus DefectMap::PrintGraphic(gfx::Printer& printer, const protocol::ProtocolFields& protocol,
                                              const protocol::LabelCaptions& captions) const {
  return MapPrintJob(*this, printer, protocol, captions).PrintGraphic();
}

printing::PrintStatus DefectMap::PrintText(gfx::Printer& printer, const protocol::ProtocolFields& protocol,
                                           const protocol::LabelCaptions& captions) const {
  return MapPrintJob(*this, printer, protocol, captions).PrintText();
}

MapPrintJob::MapPrintJob(const DefectMap& map, gfx::Printer& printer, const protocol::ProtocolFields& protocol,
                         const protocol::LabelCaptions& captions)
    : map_(map), printer_(printer), protocol_(protocol), captions_(captions) {}

void MapPrintJob::newSheet() {
  gfx::Canvas* old = printCanvas;
  printer_.newPage();
  printCanvas = &printer_.canvas();
  // The page's canvas keeps its pen, brush and font across sheets.
  if (old && old != printCanvas) {
    printCanvas->setPen(old->pen());
    printCanvas->setBrush(old->brush());
    printCanvas->setFont(old->font());
  }
}

void MapPrintJob::PrintLine(const std::string& text) {
  printCanvas->textOut(pageMarginLeft, printY, text);
  printY += lineStep;
}

void MapPrintJob::fitLine() {
  // A line that would not fit above the bottom margin goes to a new sheet, which carries the
  // header and its number like every other sheet of the printout.
  const int h = std::abs(printCanvas->textHeight("#"));
  if (printer_.pageHeight() - pageMarginBottom < printY + h) {
    newSheet();
    ++pageNo;
    printY = pageMarginTop;
    PrintHeaderBlock();
    PrintSheetNumber();
  }
}

void MapPrintJob::PrintLineAt(int x, const std::string& text) {
  fitLine();
  printCanvas->textOut(x, printY, text);
  printY += lineStep;
}

void MapPrintJob::PrintHeaderBlock() {
  using datafiles::timeText;
  const datafiles::DefectMapHeader& h = *map_.header;
  printCanvas->setFont(kPrintFont);
  printCanvas->setBrush(gfx::Brush{gfx::kWhite});
  PrintLine(captions_.protocol + protocol_.protocolNumber);
  PrintLine("УИУ\"ВЕРТАН\"№ " + std::to_string(h.UnitNumber));
  PrintLine("Дата:" + datafiles::dateText(h.Day, h.Month, h.Year) + "   " +
            "Начало:" + timeText(h.StartHour, h.StartMinute, h.StartSecond) + "   " + "Окончание:" + " " +
            timeText(h.EndHour, h.EndMinute, h.EndSecond));
  PrintLine(captions_.object + protocol_.objectName);
  PrintLine("Шов:" + h.Weld + "  " + "Изделие:" + h.Product);
  PrintLine("Диаметр:" + std::to_string(h.Diameter) +
            " мм Толщина:" + text::formatScaled(h.NominalThickness, 1, "##.0", map_.numberFormat) + " мм  Блок:" +
            std::to_string(h.Block) + "  " + datafiles::temperatureText(datafiles::Temperature(h.RawTemperature)));
  PrintLine(" ");
}

void MapPrintJob::PrintSheetNumber() {
  const std::string s = "Лист" + std::to_string(pageNo);
  printCanvas->textOut(printer_.pageWidth() - pageMarginRight - printCanvas->textWidth(s), pageMarginTop, s);
}

void MapPrintJob::PrintFooter() {
  // Every footer line checks the page end, so a long conclusion continues on a new sheet.
  PrintLineAt(pageMarginLeft, " Заключение:");
  // Conclusion lines wrap between their indent and the right margin.
  const int room = printer_.pageWidth() - pageMarginRight - 2 * pageMarginLeft;
  const text::TextMeasure width = [this](const std::string& t) { return std::abs(printCanvas->textWidth(t)); };
  for (const std::string& line : protocol_.conclusion)
    for (const std::string& piece : text::wrapLine(withoutLineEnd(line), room, width))
      PrintLineAt(2 * pageMarginLeft, piece);
  PrintLineAt(pageMarginLeft, "Дефектоскопист: " + protocol_.operatorName);
  PrintLineAt(pageMarginLeft, "Проконтролировано: " + std::to_string(map_.length()) + " мм");
  // The count is taken once the sheet this line lands on exists.
  fitLine();
  PrintLineAt(pageMarginLeft, "Всего листов:" + std::to_string(pageNo));
}

}  // namespace defectmap
