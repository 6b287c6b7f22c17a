// Defect map printouts: the graphic strips with header, legend and footer, the text table printed and as lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/gfx/recording_printer.h"
#include "map_fixture.h"

namespace defectmap {
namespace {

using printing::PrintStatus;
using testing::FakeScrollBar;
using testing::MapFixture;

// Pages of 4800 x 6800 printer pixels; the recorder's characters are 40 wide and 80 high.
struct PrintFixture : MapFixture {
  PrintFixture(int layers, int length) : MapFixture(layers, length), printer(4800, 6800) {
    hdr.Day = 2;
    hdr.Month = 11;
    hdr.Year = 8;
    hdr.StartHour = 13;
    hdr.StartMinute = 40;
    hdr.EndHour = 13;
    hdr.EndMinute = 52;
    hdr.EndSecond = 31;
    hdr.UnitNumber = 117;
    hdr.Weld = "Шов 12";
    hdr.Product = "Труба";
    hdr.Diameter = 530;
    hdr.NominalThickness = 100;
    hdr.Block = 1;
    hdr.RawTemperature = 18;
    captions.protocol = "Протокол №";
    protocol.protocolNumber = "7";
    captions.object = "Объект:";
    protocol.objectName = "Газопровод";
    protocol.operatorName = "Иванов";
    protocol.conclusion = {"годен"};
  }
  std::vector<std::string> allTexts() const {
    std::vector<std::string> out;
    for (const auto& page : printer.pages())
      for (const auto& t : page->texts()) out.push_back(t);
    return out;
  }
  bool printed(const std::string& s) const {
    for (const auto& t : allTexts())
      if (t == s) return true;
    return false;
  }
  std::vector<gfx::DrawOp> fills(std::size_t page, gfx::Color c) const {
    std::vector<gfx::DrawOp> out;
    for (const auto& op : printer.pages()[page]->ofKind(gfx::DrawOp::FillRect))
      if (op.brush.color == c) out.push_back(op);
    return out;
  }
  gfx::RecordingPrinter printer;
  protocol::ProtocolFields protocol;
  protocol::LabelCaptions captions;
};

TEST(DefectMapPrintGraphic, MapWithoutIndicationsIsOneSheetWithHeaderLegendAndFooter) {
  PrintFixture f(2, 500);
  ASSERT_EQ(f.map.PrintGraphic(f.printer, f.protocol, f.captions), PrintStatus::Printed);
  ASSERT_EQ(f.printer.pages().size(), 1u);
  EXPECT_TRUE(f.printer.ended());
  const auto& page = *f.printer.pages()[0];
  const auto texts = page.texts();
  ASSERT_GE(texts.size(), 7u);
  EXPECT_EQ(texts[0], "Протокол №7");
  EXPECT_EQ(texts[1], "УИУ\"ВЕРТАН\"№ 117");
  EXPECT_EQ(texts[2], "Дата:02-11-2008   Начало:13:40:00   Окончание: 13:52:31");
  EXPECT_EQ(texts[3], "Объект:Газопровод");
  EXPECT_EQ(texts[4], "Шов:Шов 12  Изделие:Труба");
  EXPECT_EQ(texts[5], "Диаметр:530 мм Толщина:10,0 мм  Блок:1  Температура:+18C");
  EXPECT_EQ(page.findText("Протокол №7")->at, (gfx::Point{200, 100}));
  EXPECT_EQ(page.findText("Лист1")->at, (gfx::Point{4800 - 100 - 200, 100}));
  EXPECT_TRUE(f.printed("Всего листов:1"));
  EXPECT_TRUE(f.printed("Проконтролировано: 500 мм"));
  EXPECT_TRUE(f.printed("Дефектоскопист: Иванов"));
  EXPECT_EQ(page.findText("годен")->at.x, 400);
  EXPECT_TRUE(f.fills(0, gfx::sys::kBtnFace).empty());  // no strip
}

TEST(DefectMapPrintGraphic, LegendBoxInTwoRowsOfThree) {
  PrintFixture f(1, 100);
  f.map.PrintGraphic(f.printer, f.protocol, f.captions);
  const auto& page = *f.printer.pages()[0];
  // Header 7 lines from 100 at 80; two blank steps; the title at the centre of the box.
  const gfx::DrawOp* title = page.findText("Условные обозначения дефектов :");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->at, (gfx::Point{240 + 1500 - 620, 820}));
  const auto& colors = f.map.DefectColors;
  EXPECT_EQ(f.fills(0, colors[0])[0].rect, (gfx::Rect{240, 980, 320, 1060}));
  EXPECT_EQ(f.fills(0, colors[2])[0].rect, (gfx::Rect{2240, 980, 2320, 1060}));
  EXPECT_EQ(f.fills(0, colors[3])[0].rect, (gfx::Rect{240, 1100, 320, 1180}));
  EXPECT_EQ(f.fills(0, colors[5])[0].rect, (gfx::Rect{2240, 1100, 2320, 1180}));
  EXPECT_EQ(page.findText(" Объемный")->at, (gfx::Point{344, 980}));
  EXPECT_EQ(page.findText(" Нарушение контакта")->at, (gfx::Point{2344, 1100}));
  const auto lines = page.ofKind(gfx::DrawOp::Line);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0].rect, (gfx::Rect{200, 1220, 200, 796}));
  EXPECT_EQ(lines[1].rect, (gfx::Rect{200, 796, 3280, 796}));
  EXPECT_EQ(lines[3].rect, (gfx::Rect{3280, 1220, 200, 1220}));
}

TEST(DefectMapPrintGraphic, OnlyStripsWithIndicationsEachWithItsOwnRuler) {
  PrintFixture f(1, 1000);
  f.set(5, 0, 4, 0);
  f.set(400, 0, 2, 3);  // strips are 169 mm: the second one printed starts at 338
  f.map.PrintGraphic(f.printer, f.protocol, f.captions);
  const auto frames = f.fills(0, gfx::sys::kBtnFace);
  ASSERT_EQ(frames.size(), 2u);
  const int rowsTop = 1540;
  const int rowHeight = 128;  // 0.2 x 80 x 8
  EXPECT_EQ(frames[0].rect, (gfx::Rect{200, rowsTop, 4700, rowsTop + rowHeight}));
  const int blockHeight = 160 + rowHeight * 2;
  EXPECT_EQ(frames[1].rect.top, rowsTop + blockHeight);
  // The first bar: size 4 at 16 px a unit, 26.67 px/mm, on the row's bottom line.
  const auto bars = f.fills(0, f.map.DefectColors[0]);
  ASSERT_EQ(bars.size(), 2u);  // the legend swatch and the bar
  EXPECT_EQ(bars[1].rect, (gfx::Rect{333, rowsTop + rowHeight - 64 + 1, 360, rowsTop + rowHeight}));
  EXPECT_TRUE(f.printed("340"));
  EXPECT_FALSE(f.printed("330"));
  EXPECT_TRUE(f.printed("0"));
  EXPECT_EQ(f.printer.pages()[0]->findText("340")->font.pointSize, 6);
}

TEST(DefectMapPrintGraphic, LastStripEndsAtTheObjectsEnd) {
  PrintFixture f(1, 200);
  f.set(180, 0, 1, 1);
  f.map.PrintGraphic(f.printer, f.protocol, f.captions);
  const auto frames = f.fills(0, gfx::sys::kBtnFace);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].rect.right, 1026);  // (200 - 169) x 26.67 + 200
  EXPECT_TRUE(f.printed("Проконтролировано: 200 мм"));
}

TEST(DefectMapPrintGraphic, LastStripsRulerEndsWithTheObject) {
  PrintFixture f(1, 200);
  f.set(180, 0, 1, 1);
  f.map.PrintGraphic(f.printer, f.protocol, f.captions);
  const auto& page = *f.printer.pages()[0];
  const int rowsTop = 1540;
  const int end = 1026;  // (200 - 169) x 26.67 + 200
  // Ticks every 10 mm from the strip's first position up to the object's end at 200 mm.
  for (const char* label : {"170", "180", "190", "200"}) EXPECT_NE(page.findText(label), nullptr) << label;
  for (const char* label : {"210", "300", "330"}) EXPECT_EQ(page.findText(label), nullptr) << label;
  bool baseLine = false;
  for (const auto& op : page.ofKind(gfx::DrawOp::Line)) {
    if (std::max(op.rect.top, op.rect.bottom) > rowsTop || std::min(op.rect.top, op.rect.bottom) < rowsTop - 200)
      continue;  // not the ruler's
    EXPECT_LE(std::max(op.rect.left, op.rect.right), end) << op.rect.left << "," << op.rect.top;
    baseLine = baseLine || op.rect == gfx::Rect{200, rowsTop, end, rowsTop};
  }
  EXPECT_TRUE(baseLine);
}

TEST(DefectMapPrintGraphic, FullSheetsContinueWithHeaderAndSheetNumber) {
  PrintFixture f(3, 20000);
  for (int p = 0; p < 20000; p += 169) f.set(p, 1, 3, 2);
  f.map.PrintGraphic(f.printer, f.protocol, f.captions);
  const std::size_t sheets = f.printer.pages().size();
  ASSERT_GT(sheets, 2u);
  EXPECT_NE(f.printer.pages()[1]->findText("Лист2"), nullptr);
  EXPECT_NE(f.printer.pages()[1]->findText("УИУ\"ВЕРТАН\"№ 117"), nullptr);
  EXPECT_TRUE(f.printed("Всего листов:" + std::to_string(sheets)));
  for (const auto& page : f.printer.pages())
    for (const auto& op : page->ofKind(gfx::DrawOp::FillRect)) EXPECT_LE(op.rect.bottom, 6800) << op.rect.top;
}

TEST(DefectMapPrintGraphic, LongConclusionGoesOnToANewSheet) {
  // Conclusions of every length around a sheet's worth, so that each footer line, the
  // sheet count included, is at some point the first one on a new sheet.
  for (std::size_t lines = 60; lines < 80; ++lines) {
    PrintFixture f(1, 100);
    f.protocol.conclusion.assign(lines, "строка заключения");
    f.map.PrintGraphic(f.printer, f.protocol, f.captions);
    ASSERT_GE(f.printer.pages().size(), 2u);
    for (const auto& page : f.printer.pages())
      for (const auto& op : page->ofKind(gfx::DrawOp::Text)) EXPECT_LE(op.at.y + 80, 6800 - 40) << op.text;
    EXPECT_TRUE(f.printed("Всего листов:" + std::to_string(f.printer.pages().size()))) << lines;
  }
}

// Both forms: every sheet a long conclusion goes on to starts with the header and carries its number.
TEST(DefectMapPrintGraphic, ConclusionSheetsCarryTheHeaderAndTheirNumber) {
  for (const bool textForm : {false, true}) {
    PrintFixture f(1, 100);
    f.set(10, 0, 5, 0);
    for (int i = 1; i <= 60; ++i) f.protocol.conclusion.push_back("строка " + std::to_string(i));
    if (textForm)
      f.map.PrintText(f.printer, f.protocol, f.captions);
    else
      f.map.PrintGraphic(f.printer, f.protocol, f.captions);
    const std::size_t sheets = f.printer.pages().size();
    ASSERT_GE(sheets, 2u) << textForm;
    EXPECT_TRUE(f.printed("Всего листов:" + std::to_string(sheets))) << textForm;
    for (std::size_t p = 1; p < sheets; ++p) {
      const auto& page = *f.printer.pages()[p];
      const auto texts = page.ofKind(gfx::DrawOp::Text);
      ASSERT_GE(texts.size(), 8u);
      EXPECT_EQ(texts[0].text, "Протокол №7");
      EXPECT_EQ(texts[0].at, (gfx::Point{200, 100}));
      EXPECT_EQ(texts[1].text, "УИУ\"ВЕРТАН\"№ 117");
      EXPECT_EQ(texts[5].text, "Диаметр:530 мм Толщина:10,0 мм  Блок:1  Температура:+18C");
      const gfx::DrawOp* number = page.findText("Лист" + std::to_string(p + 1));
      ASSERT_NE(number, nullptr) << textForm << " " << p;
      EXPECT_EQ(number->at.y, 100);
      // The conclusion goes on below the header block's seven lines.
      const int headerBottom = texts[6].at.y;
      for (std::size_t i = 7; i < texts.size(); ++i) {
        if (texts[i].text == number->text) continue;
        EXPECT_GT(texts[i].at.y, headerBottom) << texts[i].text;
        EXPECT_LE(texts[i].at.y + 80, 6800 - 40) << texts[i].text;
      }
    }
  }
}

TEST(DefectMapPrintGraphic, ScreenStateComesBackUntouched) {
  PrintFixture f(2, 1000);
  FakeScrollBar bar;
  f.map.SetScrollBar(&bar);
  f.map.FitToWidth();
  f.map.ZoomOutV();
  f.map.ZoomInH();
  f.map.ScrollTo(3);
  f.set(10, 0, 5, 0);
  const DefectMap before = f.map;
  bar.min = bar.max = bar.largeStep = bar.pos = -7;
  f.map.PrintGraphic(f.printer, f.protocol, f.captions);
  EXPECT_EQ(f.map.canvas, &f.canvas);
  EXPECT_EQ(f.map.scale, before.scale);
  EXPECT_EQ(f.map.firstMm, before.firstMm);
  EXPECT_EQ(f.map.rowHeight, 70);
  EXPECT_EQ(f.map.sizeFactor, 9.0f);
  EXPECT_EQ(f.map.marginLeft, 90);
  EXPECT_EQ(f.map.marginTop, 90);
  EXPECT_EQ(f.map.scrollUnit, 20);
  EXPECT_EQ(bar.max, -7);
  EXPECT_EQ(bar.pos, -7);
}

TEST(DefectMapPrintGraphic, AShownMapPrintsAsItIsWithoutDrawingOnTheScreen) {
  PrintFixture f(1, 1000);
  f.set(10, 0, 5, 0);
  f.redraw();
  const DefectMap& shown = f.map;
  const std::size_t screenOps = f.canvas.ops().size();
  ASSERT_EQ(shown.PrintGraphic(f.printer, f.protocol, f.captions), PrintStatus::Printed);
  ASSERT_EQ(shown.PrintText(f.printer, f.protocol, f.captions), PrintStatus::Printed);
  EXPECT_EQ(f.canvas.ops().size(), screenOps);
  // The printed strip's ruler has ticks of its own; the screen keeps its ruler.
  EXPECT_EQ(shown.majorTick, 30);
  EXPECT_EQ(shown.minorTick, 15);
  EXPECT_EQ(shown.rulerTarget, 100);
}

TEST(DefectMapPrintGraphic, NothingWithoutAMap) {
  DefectMap m;
  gfx::RecordingPrinter p(4800, 6800);
  EXPECT_EQ(m.PrintGraphic(p, protocol::ProtocolFields{}), PrintStatus::Printed);
  EXPECT_TRUE(p.pages().empty());
  EXPECT_EQ(m.PrintText(p, protocol::ProtocolFields{}), PrintStatus::Printed);
  EXPECT_TRUE(p.pages().empty());
}

TEST(DefectMapTextTable, OneIndicationAtTheFirstMillimetre) {
  MapFixture f(1, 100);
  f.set(0, 0, 7, 0);
  std::vector<std::string> lines;
  f.map.BuildTextTable(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"КООР:  00001 ", "Н ТИП: O     ", "РАЗМ:  7     "}));
}

TEST(DefectMapTextTable, GroupsOfSixAndRowTitlesByLayerCount) {
  MapFixture f(3, 100);
  f.set(20, 0, 1, 1);
  f.set(23, 2, 5, 250);  // 3 mm further: the same group
  f.set(30, 1, 12, 2);   // 10 mm further: a new group, no blank column in the preview
  std::vector<std::string> lines;
  f.map.BuildTextTable(lines);
  ASSERT_EQ(lines.size(), 7u);
  // The second group's size of two digits gives its positions three columns each.
  EXPECT_EQ(lines[0],
            "КООР:  00021 "
            "00031             ");
  EXPECT_EQ(lines[1],
            "В ТИП: #     "
            "                  ");
  EXPECT_EQ(lines[2],
            "РАЗМ:  1     "
            "                  ");
  EXPECT_EQ(lines[3],
            "С ТИП:       "
            "|                 ");
  EXPECT_EQ(lines[4],
            "РАЗМ:  "
            "      "
            "12                ");
  EXPECT_EQ(lines[5],
            "Н ТИП:    A  "
            "                  ");
  EXPECT_EQ(lines[6],
            "РАЗМ:     K  "
            "                  ");
}

TEST(DefectMapTextTable, BlockRowClosesAfterElevenGroups) {
  MapFixture f(2, 200);
  for (int g = 0; g < 12; ++g) f.set(g * 6, 1, 1, 3);
  std::vector<std::string> lines;
  f.map.BuildTextTable(lines);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0].rfind("КООР:  00001 00007 ", 0), 0u);
  EXPECT_EQ(lines[0].size(), std::string("КООР:  ").size() + 66);
  EXPECT_EQ(lines[5], "КООР:  00067 ");
  EXPECT_EQ(lines[1].rfind("В ТИП:       ", 0), 0u);  // nothing in the upper layer
  EXPECT_EQ(lines[3].rfind("Н ТИП: -     -     ", 0), 0u);
}

TEST(DefectMapTextTable, MoreThanThreeLayersKeepsSevenLines) {
  MapFixture f(5, 20);
  f.set(2, 0, 3, 0);
  f.set(2, 4, 3, 0);
  std::vector<std::string> lines;
  f.map.BuildTextTable(lines);
  EXPECT_EQ(lines.size(), 7u);
}

TEST(DefectMapPrintText, GroupsWithABlankColumnBetweenNonAdjacentOnes) {
  PrintFixture f(2, 100);
  f.set(0, 0, 4, 0);
  f.set(6, 1, 5, 250);  // adjacent group: no gap
  f.set(20, 0, 2, 1);   // after a gap: one blank column
  ASSERT_EQ(f.map.PrintText(f.printer, f.protocol, f.captions), PrintStatus::Printed);
  const auto& page = *f.printer.pages()[0];
  const int lineStep = int(1.9 * 80);
  const int top = 100 + 7 * lineStep;  // below the header block
  EXPECT_EQ(page.findText("КООР:  ")->at, (gfx::Point{200, top}));
  EXPECT_EQ(page.findText("В ТИП: ")->at, (gfx::Point{200, top + lineStep}));
  EXPECT_EQ(page.findText("Н ТИП: ")->at, (gfx::Point{200, top + 3 * lineStep}));
  // Adjacent groups' labels share one text, each label over its own six columns.
  ASSERT_NE(page.findText("00001 00007"), nullptr);
  EXPECT_EQ(page.findText("00001 00007")->at, (gfx::Point{480, top}));
  EXPECT_EQ(page.findText("O")->at, (gfx::Point{480, top + lineStep}));
  EXPECT_EQ(page.findText("4")->at, (gfx::Point{480, top + 2 * lineStep}));
  EXPECT_EQ(page.findText("A")->at, (gfx::Point{720, top + 3 * lineStep}));
  EXPECT_EQ(page.findText("K")->at, (gfx::Point{720, top + 4 * lineStep}));
  ASSERT_NE(page.findText("00021"), nullptr);
  EXPECT_EQ(page.findText("00021")->at, (gfx::Point{480 + 480 + 40, top}));
  EXPECT_TRUE(f.printed("Всего листов:1"));
}

TEST(DefectMapPrintText, NeighbouringCharactersShareOneTextAndLongSizesStandAlone) {
  PrintFixture f(1, 100);
  f.set(0, 0, 4, 0);
  f.set(1, 0, 12, 0);
  f.set(2, 0, 5, 0);
  f.set(4, 0, 1, 3);  // after a blank column
  f.map.PrintText(f.printer, f.protocol, f.captions);
  const auto& page = *f.printer.pages()[0];
  const int lineStep = int(1.9 * 80);
  const int top = 100 + 7 * lineStep;
  // The size of two digits gives every position of the group three columns.
  ASSERT_NE(page.findText("O  O  O"), nullptr);
  EXPECT_EQ(page.findText("O  O  O")->at, (gfx::Point{480, top + lineStep}));
  EXPECT_EQ(page.findText("-")->at, (gfx::Point{480 + 4 * 3 * 40, top + lineStep}));
  std::vector<std::pair<std::string, int>> sizes;
  for (const auto& op : page.ofKind(gfx::DrawOp::Text))
    if (op.at.y == top + 2 * lineStep && op.at.x >= 480) sizes.emplace_back(op.text, op.at.x);
  EXPECT_EQ(sizes, (std::vector<std::pair<std::string, int>>{{"4  12 5", 480}, {"1", 480 + 4 * 3 * 40}}));
}

// Sizes of two and three digits: each stands apart from its neighbours and under its own
// type symbol, the group's columns as wide as its widest size and a blank; a group of
// one-digit sizes keeps its one-character columns. Preview and printout alike.
TEST(DefectMapPrintText, WideSizesStandApartUnderTheirTypesInPreviewAndPrint) {
  PrintFixture f(1, 100);
  f.set(0, 0, 12, 0);
  f.set(1, 0, 255, 1);
  f.set(2, 0, 7, 2);
  f.set(3, 0, 99, 3);
  f.set(20, 0, 3, 0);
  std::vector<std::string> lines;
  f.map.BuildTextTable(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "КООР:  00001                   00021 ",
                       "Н ТИП: O   #   |   -           O     ",
                       "РАЗМ:  12  255 7   99          3     ",
                   }));

  f.map.PrintText(f.printer, f.protocol, f.captions);
  const auto& page = *f.printer.pages()[0];
  const int lineStep = int(1.9 * 80);
  const int top = 100 + 7 * lineStep;
  std::vector<std::tuple<int, int, std::string>> table;  // column x, row, text
  for (const auto& op : page.ofKind(gfx::DrawOp::Text))
    if (op.at.y >= top && op.at.y <= top + 2 * lineStep && op.at.x >= 480)
      table.emplace_back(op.at.x, (op.at.y - top) / lineStep, op.text);
  std::sort(table.begin(), table.end());
  // The second group follows after one blank column: 480 + 24 columns + 1.
  EXPECT_EQ(table, (std::vector<std::tuple<int, int, std::string>>{
                       {480, 0, "00001"},
                       {480, 1, "O   #   |   -"},
                       {480, 2, "12  255 7   99"},
                       {1480, 0, "00021"},
                       {1480, 1, "O"},
                       {1480, 2, "3"},
                   }));
}

TEST(DefectMapPrintText, BlockRowsWrapAndSheetsFollow) {
  PrintFixture f(3, 20000);
  for (int p = 0; p < 20000; p += 7) f.set(p, 0, 1, 0);
  f.map.PrintText(f.printer, f.protocol, f.captions);
  ASSERT_GT(f.printer.pages().size(), 2u);
  EXPECT_NE(f.printer.pages()[1]->findText("Лист2"), nullptr);
  for (const auto& page : f.printer.pages())
    for (const auto& op : page->ofKind(gfx::DrawOp::Text)) {
      EXPECT_LE(op.at.x + 40 * int(op.text.size() > 5 ? 1 : op.text.size()), 4800) << op.text;
      EXPECT_LE(op.at.y + 80, 6800 - 40) << op.text;
    }
}

}  // namespace
}  // namespace defectmap
