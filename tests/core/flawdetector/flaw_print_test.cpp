// Tests of the printed flaw-detector page: scale and margin, header lines, picture place, parameter text.
#include "core/flawdetector/flaw_print.h"

#include <gtest/gtest.h>

#include "core/datafiles/reader.h"
#include "core/gfx/recording_printer.h"
#include "support/file_builder.h"

namespace flaw {
namespace {

datafiles::LoadedFile PlainFile(std::uint8_t temperature = 20) {
  testsupport::FlawFields fields;  // 5 June 2002 14:30:15, unit 4321, block 7
  fields.temperature = temperature;
  fields.aScan.assign(140, 30);
  auto result = datafiles::loadDataBytes("rec.DHN", testsupport::buildFlaw(fields));
  EXPECT_TRUE(result.ok);
  return result.file;
}

protocol::ProtocolFields Fields() { return {"17/3", "Труба 325", "Петров", {"Годен", "без замечаний"}}; }

TEST(FlawPrint, ScaleAndMarginFromThePage) {
  gfx::RecordingPrinter printer(4800, 6600);
  const auto outcome = PrintScreen(printer, PlainFile(), Fields(), kDefaultFlawColors, "00000419");
  EXPECT_EQ(outcome.result, printing::PrintStatus::Printed);
  EXPECT_EQ(outcome.zoom, 17);
  EXPECT_EQ(outcome.marginX, 346);
  ASSERT_EQ(printer.pages().size(), 1u);
  EXPECT_TRUE(printer.ended());
  // Every cell of the picture is a 17 x 17 block from the margin on.
  // The page background and the header's white come first, then the cells.
  auto rects = printer.pages()[0]->ofKind(gfx::DrawOp::FillRect);
  ASSERT_GT(rects.size(), 2u);
  rects.erase(rects.begin(), rects.begin() + 2);
  for (const auto& op : rects) {
    EXPECT_EQ(op.rect.width(), 17);
    EXPECT_EQ((op.rect.left - 346) % 17, 0);
    EXPECT_GE(op.rect.left, 346);
    EXPECT_LE(op.rect.right, 346 + 160 * 17);
  }
}

TEST(FlawPrint, HeaderLinesThenPictureThenParameters) {
  gfx::RecordingPrinter printer(4800, 6600);  // text cells 40 x 80
  PrintScreen(printer, PlainFile(200), Fields(), kDefaultFlawColors, "00000419");
  const auto& page = *printer.pages()[0];
  const auto texts = page.ofKind(gfx::DrawOp::Text);
  ASSERT_GE(texts.size(), 4u);
  const std::string line2 = "УИУ\"ВЕРТАН\"№ 4321     Дата:05-06-2002   Начало:14:30:15";
  const std::string title = "Протокол №: 17/3";
  EXPECT_EQ(texts[0].text, title);
  const int dx = (40 * 55 - 40 * 16) / 2;  // 55 and 16 characters
  EXPECT_EQ(texts[0].at, (gfx::Point{346 + dx, 220}));
  EXPECT_EQ(texts[1].text, line2);
  EXPECT_EQ(texts[1].at, (gfx::Point{346, 220 + 192}));  // trunc(80 x 1.6 x 1.5)
  EXPECT_EQ(texts[1].font.name, "Courier New");
  EXPECT_EQ(texts[2].text, "Объект: Труба 325");
  EXPECT_EQ(texts[2].at.y, 412 + 128);
  EXPECT_EQ(texts[3].text, "ПЭП №  7    Температура:-55C");  // byte 200 stands for 200 - 255
  EXPECT_EQ(texts[3].at.y, 540 + 128);
  // The header page is cleared to white before the header is written.
  const auto fills = page.ofKind(gfx::DrawOp::FillRect);
  ASSERT_GT(fills.size(), 2u);
  EXPECT_EQ(fills[1].brush.color, gfx::kWhite);
  EXPECT_EQ(fills[1].rect, (gfx::Rect{0, 0, 4800, 6600}));

  // The picture starts below the header: 668 + 128 + trunc(80 x 1.3).
  const int pictureTop = 668 + 128 + 104;
  int top = 1 << 30, bottom = 0;
  for (std::size_t i = 2; i < fills.size(); ++i) {
    top = std::min(top, fills[i].rect.top);
    bottom = std::max(bottom, fills[i].rect.bottom);
  }
  EXPECT_EQ(top, pictureTop);
  EXPECT_EQ(bottom, pictureTop + 80 * 17);

  // Then two font heights (Courier New 12 at 600 dpi: 100) and the parameter lines, 1.6 lines apart.
  const int textTop = pictureTop + 80 * 17 + 200;
  ASSERT_GE(texts.size(), 4u + 7u + 4u);
  EXPECT_EQ(texts[4].text.rfind("Усиление: 42 дБ", 0), 0u);
  EXPECT_EQ(texts[4].at, (gfx::Point{346, textTop}));
  EXPECT_EQ(texts[4].brush.color, gfx::kWhite);  // on the page's white, not on a cell's colour
  EXPECT_EQ(texts[5].at.y, textTop + 128);
  const std::size_t n = texts.size();
  EXPECT_EQ(texts[n - 3].text, " Заключение:Годен");
  EXPECT_EQ(texts[n - 2].text, "без замечаний");
  EXPECT_EQ(texts[n - 1].text, "Дефектоскопист: Петров");
}

TEST(FlawPrint, LongConclusionContinuesOnNumberedSheetsUnderTheHeader) {
  testsupport::FlawFields withTvg;  // the TVG lines take three more lines above the conclusion
  withTvg.tvgCountByte = 2;
  withTvg.tvgTime = {10, 20, 30};
  const auto loaded = datafiles::loadDataBytes("rec.DHN", testsupport::buildFlaw(withTvg));
  ASSERT_TRUE(loaded.ok);
  auto fields = Fields();
  fields.conclusion.clear();
  for (int i = 1; i <= 60; ++i) fields.conclusion.push_back("строка " + std::to_string(i) + "\r\n");

  gfx::RecordingPrinter printer(4800, 6600);
  ASSERT_EQ(PrintScreen(printer, loaded.file, fields, kDefaultFlawColors, "00000419").result,
            printing::PrintStatus::Printed);
  const std::size_t sheets = printer.pages().size();
  ASSERT_GE(sheets, 2u);
  // Every line once, in order, from the conclusion's first to the number of sheets.
  std::vector<std::string> tail;
  for (std::size_t p = 0; p < sheets; ++p) {
    const auto& page = *printer.pages()[p];
    const std::string label = "Лист " + std::to_string(p + 1);
    const gfx::DrawOp* number = page.findText(label);
    ASSERT_NE(number, nullptr) << p;
    EXPECT_EQ(number->at, (gfx::Point{4800 - 346 - 40 * 6 - 40 * int(std::to_string(p + 1).size() - 1), 6400}));
    const auto texts = page.ofKind(gfx::DrawOp::Text);
    std::size_t body = 0;
    if (p > 0) {
      // A further sheet starts with the header lines, its text below them.
      ASSERT_GE(texts.size(), 6u);
      const auto first = printer.pages()[0]->ofKind(gfx::DrawOp::Text);
      for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(texts[i].at, first[i].at) << i;
      EXPECT_EQ(texts[0].text, "Протокол №: 17/3");
      EXPECT_EQ(texts[1].text, "УИУ\"ВЕРТАН\"№ 4321     Дата:05-06-2002   Начало:14:30:15");
      EXPECT_EQ(texts[3].text, "ПЭП №  7    Температура:+20C");
      EXPECT_EQ(texts[4].at.y, 668 + 128 + 104);
      body = 4;
    }
    for (std::size_t i = body; i < texts.size(); ++i) {
      if (texts[i].text == label) continue;
      EXPECT_LE(texts[i].at.y + 80, 6400) << texts[i].text;  // above the sheet number
      if (!tail.empty() || texts[i].text.rfind(" Заключение:", 0) == 0) tail.push_back(texts[i].text);
    }
  }
  std::vector<std::string> expected{" Заключение:строка 1"};
  for (int i = 2; i <= 60; ++i) expected.push_back("строка " + std::to_string(i));
  expected.push_back("Дефектоскопист: Петров");
  expected.push_back("Всего листов:" + std::to_string(sheets));
  EXPECT_EQ(tail, expected);
}

TEST(FlawPrint, TemperatureSignAndSmallPages) {
  gfx::RecordingPrinter printer(200, 300);
  const auto outcome = PrintScreen(printer, PlainFile(12), Fields(), kDefaultFlawColors, "00000419");
  EXPECT_EQ(outcome.zoom, 1);  // a page narrower than 270 pixels still gets one pixel per cell
  EXPECT_NE(printer.pages()[0]->findText("ПЭП №  7    Температура:+12C"), nullptr);
}

class RefusingPrinter : public gfx::RecordingPrinter {
 public:
  RefusingPrinter() : RecordingPrinter(4800, 6600) {}
  bool beginDoc(const std::string&) override { return false; }
};

TEST(FlawPrint, PrinterThatCannotStartPrintsNothing) {
  RefusingPrinter printer;
  EXPECT_EQ(PrintScreen(printer, PlainFile(), Fields(), kDefaultFlawColors, "00000419").result,
            printing::PrintStatus::NotStarted);
  EXPECT_TRUE(printer.pages().empty());
}

}  // namespace
}  // namespace flaw
