// The printed page of a flaw-detector record: header lines, the enlarged screen and the parameter text.
#include "core/flawdetector/flaw_print.h"

#include <algorithm>
#include <cstdlib>

#include "core/datafiles/header_text.h"
#include "core/datafiles/reader.h"
#include "core/flawdetector/flaw_picture.h"
#include "core/flawdetector/parameter_text.h"

namespace flaw {

void DrawPrintHeader(HDScreen& s) {
  if (!s.headerCanvas || !s.record) return;
  gfx::Canvas& c = *s.headerCanvas;
  const datafiles::FlawHeader& r = *s.record;
  c.setBrush(gfx::Brush{gfx::kWhite, gfx::BrushStyle::Solid});
  c.fillRect(gfx::Rect{0, 0, c.width(), c.height()});

  const std::string title = "Протокол №: " + s.protocolText;
  const std::string line2 = "УИУ\"ВЕРТАН\"№ " + std::to_string(r.UnitNumber) + "     " +
                            "Дата:" + datafiles::DateText(r.Day, r.Month, r.Year) + "   " +
                            "Начало:" + datafiles::TimeText(r.Hour, r.Minute, r.Second);
  const int dx = (std::abs(c.textWidth(line2)) - std::abs(c.textWidth(title))) / 2;
  s.WriteTitleLine(dx, title);
  s.WriteTextLine(line2);
  s.WriteTextLine("Объект: " + s.objectText);
  const std::string line4 = "ПЭП №  " + std::to_string(r.Block) + "    " +
                            datafiles::TemperatureText(datafiles::Temperature(r.RawTemperature));
  s.WriteTextLine(line4);
  s.textY += int(float(c.textHeight(line4)) * 1.3f);
}

PrintOutcome PrintScreen(gfx::Printer& printer, const datafiles::LoadedFile& file,
                         const protocol::ProtocolFields& fields, const std::array<gfx::Color, 6>& colors,
                         const std::string& localeId) {
  PrintOutcome outcome;
  HDScreen s;
  s.colors = colors;
  s.loadInstrumentFont();
  SetRecord(s, file, localeId);
  s.lineFactor = 1.6f;
  s.printing = 1;
  s.conclusionLines = fields.conclusion;
  s.operatorText = fields.operatorName;
  if (!printer.beginDoc("View Tervik files")) {
    outcome.result = printing::PrintStatus::NotStarted;
    return outcome;
  }
  const int pw = printer.pageWidth(), ph = printer.pageHeight();
  const int z = std::max(1, std::min(pw, ph) / 270);
  s.zoomX = s.zoomY = z;
  s.dpi = printer.dpi();
  s.pictureCanvas = &printer.canvas();
  s.headerCanvas = &printer.canvas();
  s.marginX = (pw - 160 * z) / 6;
  s.topY = 200;
  s.textY = 220;
  s.viewOffsetX = 80;
  s.viewOffsetY = 40;
  s.originX = s.viewOffsetX * z + s.marginX;
  s.originY = s.viewOffsetY * z + s.textY;

  s.PaintBackground();
  outcome.sweepOk = FillRaster(s);
  s.textY = s.topY + 20;
  s.protocolText = fields.protocolNumber;
  s.objectText = fields.objectName;
  DrawPrintHeader(s);
  s.PaintRaster();
  DrawParameterText(s);
  outcome.result = printing::endStatus(printer.endDoc());
  outcome.zoom = z;
  outcome.marginX = s.marginX;
  return outcome;
}

}  // namespace flaw
