// The printed page of a flaw-detector record: header lines, the enlarged screen and the parameter text.
#include "core/flawdetector/flaw_print.h"

#include <algorithm>
#include <cstdlib>

#include "core/datafiles/header_text.h"
#include "core/datafiles/reader.h"
#include "core/flawdetector/flaw_picture.h"
#include "core/flawdetector/parameter_text.h"
#include "core/protocol/protocol_text.h"
#include "core/text/messages.h"
#include "core/text/wrap.h"

namespace flaw {

void DrawPrintHeader(HDScreen& s) {
  if (!s.headerCanvas || !s.record) return;
  gfx::Canvas& c = *s.headerCanvas;
  const datafiles::FlawHeader& r = *s.record;
  c.setBrush(gfx::Brush{gfx::kWhite, gfx::BrushStyle::Solid});
  c.fillRect(gfx::Rect{0, 0, c.width(), c.height()});

  const std::string title = "Протокол №: " + s.protocolText;
  const std::string line2 = "УИУ\"ВЕРТАН\"№ " + std::to_string(r.UnitNumber) + "     " +
                            "Дата:" + datafiles::dateText(r.Day, r.Month, r.Year) + "   " +
                            "Начало:" + datafiles::timeText(r.Hour, r.Minute, r.Second);
  const int dx = (std::abs(c.textWidth(line2)) - std::abs(c.textWidth(title))) / 2;
  s.WriteTitleLine(dx, title);
  s.WriteTextLine(line2);
  s.WriteTextLine("Объект: " + s.objectText);
  const std::string line4 = "ПЭП №  " + std::to_string(r.Block) + "    " +
                            datafiles::temperatureText(datafiles::Temperature(r.RawTemperature));
  s.WriteTextLine(line4);
  s.textY += int(float(c.textHeight(line4)) * 1.3f);
}

namespace {

// The sheet number stands this far above the foot of the page, below the last text line.
constexpr int kSheetNumberFromFoot = 200;

// The parameter text, conclusion and operator below the picture, continued on further sheets
// when they do not fit: each further sheet repeats the header lines, every sheet is numbered
// at its foot, and the last line gives the number of sheets. A record that fits on one sheet
// prints as that one page alone.
class ParameterPages {
 public:
  // headerFont: the font the first sheet's header was measured with, so that every header
  // centres its title alike.
  ParameterPages(gfx::Printer& printer, HDScreen& s, const gfx::Font& headerFont)
      : printer_(printer), s_(s), headerFont_(headerFont) {}

  void print(const std::vector<std::string>& lines) {
    // Lines wrap inside the margins that frame the picture.
    const int room = printer_.pageWidth() - 2 * s_.marginX;
    const text::TextMeasure width = [this](const std::string& t) { return s_.TextLineWidth(t); };
    for (const std::string& line : lines)
      for (const std::string& piece : text::wrapLine(line, room, width)) write(piece);
    if (sheets_ == 1) return;
    // The count is taken once the sheet its line lands on exists.
    const std::string total = text::msg(text::Msg::allist);
    if (!fits(total)) nextSheet();
    write(total + std::to_string(sheets_));
    numberSheet();
  }

 private:
  bool fits(const std::string& line) {
    const int h = s_.TextLineHeight(line);
    return s_.textY + h + h / 2 <= printer_.pageHeight() - kSheetNumberFromFoot;
  }

  void write(const std::string& line) {
    // A sheet holds at least its header and one line, however small the page.
    if (!fits(line) && !freshSheet_) nextSheet();
    s_.WriteTextLine(line);
    freshSheet_ = false;
  }

  void numberSheet() {
    const std::string label = text::msg(text::Msg::page) + " " + std::to_string(sheets_);
    gfx::Canvas& c = *s_.pictureCanvas;
    c.textOut(printer_.pageWidth() - s_.marginX - s_.TextLineWidth(label), printer_.pageHeight() - kSheetNumberFromFoot,
              label);
  }

  void nextSheet() {
    numberSheet();
    printer_.newPage();
    ++sheets_;
    s_.pictureCanvas = s_.headerCanvas = &printer_.canvas();
    s_.headerCanvas->setFont(headerFont_);
    s_.textY = s_.topY + 20;
    DrawPrintHeader(s_);
    freshSheet_ = true;
  }

  gfx::Printer& printer_;
  HDScreen& s_;
  gfx::Font headerFont_;
  int sheets_ = 1;
  bool freshSheet_ = false;
};

}  // namespace

PrintOutcome PrintScreen(gfx::Printer& printer, const datafiles::LoadedFile& file,
                         const protocol::ProtocolFields& fields, const std::array<gfx::Color, 6>& colors,
                         const std::string& localeId) {
  PrintOutcome outcome;
  HDScreen s;
  s.colors = colors;
  s.loadInstrumentFont();
  setRecord(s, file, localeId);
  s.lineFactor = 1.6f;
  s.printing = 1;
  s.conclusionLines = protocol::conclusionLines(fields);
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
  outcome.sweepOk = fillRaster(s);
  s.textY = s.topY + 20;
  s.protocolText = fields.protocolNumber;
  s.objectText = fields.objectName;
  const gfx::Font headerFont = s.headerCanvas->font();
  DrawPrintHeader(s);
  s.PaintRaster();
  if (s.record) {
    const PrintedConclusion printed{s.conclusionLines, s.operatorText};
    ParameterPages(printer, s, headerFont).print(parameterTextLines(*s.record, s.extended, &printed));
  }
  outcome.result = printing::endStatus(printer.endDoc());
  outcome.zoom = z;
  outcome.marginX = s.marginX;
  return outcome;
}

}  // namespace flaw
