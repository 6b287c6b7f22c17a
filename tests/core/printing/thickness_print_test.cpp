// Thickness printouts on a recording printer: block geometry, the rows-per-page rule, the
// no-result page, and conclusions that continue on new sheets.
#include "core/printing/thickness_print.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/gfx/recording_printer.h"
#include "core/printing/thickness_print_blocks.h"
#include "core/thickness/chart_build.h"
#include "core/thickness/value_table.h"

namespace {

using gfx::DrawOp;
using gfx::RecordingCanvas;
using gfx::RecordingPrinter;
using namespace printing;

// Recording metrics: every character 40 wide, every text 80 high: lineH 80, gap 40.
constexpr int kPageW = 4800;
constexpr int kPageH = 6600;
constexpr int kLineH = 80;
constexpr int kGap = 40;
constexpr int kPerPage = (kPageH - 400 - 9 * kLineH - 8 * kGap - 70) / (kLineH + kGap);  // 42

text::NumberFormat comma() { return text::NumberFormat{",", " "}; }

thickness::ValueTable tableOf(std::size_t dataRows) {
  std::vector<thickness::ValueRow> rows(dataRows);
  for (std::size_t k = 0; k < dataRows; ++k) rows[k].sample = std::uint32_t(k);
  return thickness::ValueTable(thickness::TableForm::AllValues, 100, comma(), std::move(rows));
}

ReportHeader header() {
  ReportHeader h;
  for (int i = 0; i < 11; ++i) h[std::size_t(i)] = "H" + std::to_string(i);
  return h;
}

ThicknessReport report(const thickness::ValueTable* table, std::vector<std::string> conclusion = {"Годен"}) {
  ThicknessReport r;
  r.header = header();
  r.conclusion = std::move(conclusion);
  r.operatorName = "Иванов";
  r.lengthMm = 1500;
  r.nominalMm = 10;
  r.table = table;
  r.nf = comma();
  return r;
}

// Position texts (column 0) of the data rows printed on a page, in order.
std::vector<std::string> rowsOn(const RecordingCanvas& page) {
  std::vector<std::string> out;
  for (const DrawOp& op : page.ofKind(DrawOp::Text))
    if (op.at.x == 200 && op.text.size() == 5 && std::all_of(op.text.begin(), op.text.end(), ::isdigit))
      out.push_back(op.text);
  return out;
}

std::string position(std::size_t sample) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%05zu", sample * 2);
  return buf;
}

const DrawOp& textOp(const RecordingCanvas& page, const std::string& s) {
  const DrawOp* op = page.findText(s);
  if (!op) throw std::runtime_error("text not printed: " + s);
  return *op;
}

TEST(ThicknessPrintBlocks, HeaderLinesSitWhereTheLayoutPutsThem) {
  RecordingCanvas c(kPageW, kPageH);
  c.setMetrics(40, 80);
  const int y = HeaderBlock(c, header(), 4400);
  EXPECT_EQ(y, 7 * 80 + 450);
  const DrawOp& title = textOp(c, "Результаты  толщинометрии");
  EXPECT_EQ(title.at, (gfx::Point{(4400 - 25 * 40) / 2, 200}));
  EXPECT_EQ(textOp(c, "H0").at, (gfx::Point{200, 350}));
  EXPECT_EQ(textOp(c, "H1").at, (gfx::Point{200, 460}));
  // Date, start and end on one row, each 30 pixels after the one before.
  EXPECT_EQ(textOp(c, "H2").at, (gfx::Point{200, 570}));
  EXPECT_EQ(textOp(c, "H3").at, (gfx::Point{200 + 80 + 30, 570}));
  EXPECT_EQ(textOp(c, "H4").at, (gfx::Point{200 + 160 + 60, 570}));
  EXPECT_EQ(textOp(c, "H6").at, (gfx::Point{200, 790}));
  EXPECT_EQ(textOp(c, "H7").at, (gfx::Point{200, 900}));
  EXPECT_EQ(textOp(c, "H8").at, (gfx::Point{80 + 230, 900}));
  EXPECT_EQ(textOp(c, "H10").at, (gfx::Point{80 * 3 + 290, 900}));
}

TEST(ThicknessPrintBlocks, LegendBoxesColoursAndDeviationLabels) {
  RecordingCanvas c(kPageW, kPageH);
  c.setMetrics(40, 80);
  const int width = 4400;
  const int y = LegendBlock(c, width, 1000, 10, 80, comma());
  const int g = 1000 + 2 * 80 + 3 * 80 + 20;
  EXPECT_EQ(y, g + 10 * 80 + 20);
  EXPECT_EQ(textOp(c, "Условные обозначения").at, (gfx::Point{2200 - 8 * 40, 1000}));
  EXPECT_EQ(textOp(c, "Отклонения от номинала").at, (gfx::Point{2200 - 10 * 40, 1160 + 160}));

  // The three class samples, outlined, with their labels beside them on white.
  const auto boxes = c.ofKind(DrawOp::Rectangle);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].rect, (gfx::Rect{200, 1160, 360, 1240}));
  EXPECT_EQ(boxes[0].brush.color, 0x000000u);
  EXPECT_EQ(boxes[1].rect.left, 200 + width / 3);
  EXPECT_EQ(boxes[1].brush.color, 0x808080u);
  EXPECT_EQ(boxes[2].rect.left, 200 + 2 * width / 3);
  EXPECT_EQ(boxes[2].brush.color, 0x008080u);
  const DrawOp& contact = textOp(c, " Нарушение контакта");
  EXPECT_EQ(contact.at, (gfx::Point{200 + 160 + 5, 1161}));
  EXPECT_EQ(contact.brush.color, gfx::kWhite);

  // Fifty fills without outline; column 2 starts at 200 + 2 * width / 5.
  const auto fills = c.ofKind(DrawOp::FillRect);
  ASSERT_EQ(fills.size(), 50u);
  EXPECT_EQ(fills[20].rect, (gfx::Rect{200 + 1760, g, 200 + 1760 + 160, g + 80}));
  EXPECT_EQ(fills[29].rect.bottom, g + 800);
  // N = 10: step 1.8 mm, offset 0.18 mm.
  EXPECT_EQ(textOp(c, " 0,2мм").at, (gfx::Point{200 + 165, g + 1}));
  EXPECT_EQ(textOp(c, " 1,8мм").at, (gfx::Point{200 + 165, g + 9 * 80 - 1}));
  EXPECT_NE(c.findText(" 3,8мм"), nullptr);  // 2 x 1.8 + 0.18
  EXPECT_NE(c.findText(" 9,0мм"), nullptr);  // the last column's bottom
}

TEST(ThicknessTextPages, RowsPerPageRule) {
  EXPECT_EQ(rowsPerPage(6200, 80, 40), kPerPage);
  EXPECT_EQ(rowsPerPage(100, 80, 40), 1);  // a tiny page still advances
  EXPECT_EQ(tablePages(0, 42), (std::vector<RowRange>{{1, 0}}));
  EXPECT_EQ(tablePages(1, 42), (std::vector<RowRange>{{1, 1}}));
  EXPECT_EQ(tablePages(42, 42), (std::vector<RowRange>{{1, 42}}));
  EXPECT_EQ(tablePages(43, 42), (std::vector<RowRange>{{1, 42}, {43, 1}}));
  EXPECT_EQ(tablePages(85, 42), (std::vector<RowRange>{{1, 42}, {43, 43}}));
  EXPECT_EQ(tablePages(86, 42), (std::vector<RowRange>{{1, 42}, {43, 43}, {86, 1}}));
}

TEST(ThicknessTextPages, OneDataRowPrintsOnePageWithThatRow) {
  RecordingPrinter p(kPageW, kPageH);
  const auto table = tableOf(1);
  ASSERT_EQ(printThicknessText(p, report(&table)), PrintStatus::Printed);
  ASSERT_EQ(p.pages().size(), 1u);
  const RecordingCanvas& page = *p.pages()[0];
  EXPECT_EQ(rowsOn(page), std::vector<std::string>{"00000"});
  // Header row at the header block's foot, the row one line and gap below.
  const int top = 7 * kLineH + 450;
  EXPECT_EQ(textOp(page, table.cell(0, 0)).at.y, top);
  EXPECT_EQ(textOp(page, "00000").at.y, top + kLineH + kGap);
  // Columns follow the header texts' widths plus 30.
  const DrawOp& second = textOp(page, table.cell(0, 1));
  RecordingCanvas ruler;
  ruler.setMetrics(40, 80);
  EXPECT_EQ(second.at.x, 200 + ruler.textWidth(table.cell(0, 0)) + 30);
  EXPECT_EQ(textOp(page, "Лист 1").at, (gfx::Point{kPageW - 5 * 40 - 200, kPageH - 200}));
  EXPECT_NE(page.findText("Всего листов:1"), nullptr);
  EXPECT_EQ(page.findText("Дефектоскопист: Иванов")->at.x, 200);
  EXPECT_TRUE(p.ended());
}

TEST(ThicknessTextPages, ExactlyPerPagePlusOneLeftFillTheSecondPageAndStop) {
  RecordingPrinter p(kPageW, kPageH);
  const std::size_t n = 2 * std::size_t(kPerPage) + 1;
  const auto table = tableOf(n);
  ASSERT_EQ(printThicknessText(p, report(&table)), PrintStatus::Printed);
  // The two table pages; the conclusion needs a sheet of its own after the full second one.
  ASSERT_EQ(p.pages().size(), 3u);
  EXPECT_TRUE(rowsOn(*p.pages()[2]).empty());
  const auto first = rowsOn(*p.pages()[0]);
  const auto second = rowsOn(*p.pages()[1]);
  ASSERT_EQ(first.size(), std::size_t(kPerPage));
  ASSERT_EQ(second.size(), std::size_t(kPerPage) + 1);
  // Every row exactly once, in order.
  for (std::size_t k = 0; k < n; ++k) EXPECT_EQ(k < first.size() ? first[k] : second[k - first.size()], position(k));
  // The operator line closes the page that has a continuation; the footer is on the last.
  const DrawOp& op = textOp(*p.pages()[0], "Дефектоскопист: Иванов");
  EXPECT_EQ(op.at.y, 7 * kLineH + 450 + kPerPage * (kLineH + kGap) + kLineH + 2 * kGap);
  EXPECT_EQ(p.pages()[0]->findText("Всего листов:2"), nullptr);
  EXPECT_NE(p.pages()[1]->findText("Лист 2"), nullptr);
  EXPECT_EQ(p.pages()[1]->findText("Дефектоскопист: Иванов"), nullptr);
}

TEST(ThicknessTextPages, NoResultTablePrintsTheNoticeOnce) {
  RecordingPrinter p(kPageW, kPageH);
  const thickness::ValueTable table(thickness::TableForm::NoResult, 100, comma(), {});
  ASSERT_EQ(printThicknessText(p, report(&table)), PrintStatus::Printed);
  ASSERT_EQ(p.pages().size(), 1u);
  const RecordingCanvas& page = *p.pages()[0];
  EXPECT_EQ(textOp(page, "ТОЛЩИНЫ НИЖЕ ПОРОГА НЕТ").at, (gfx::Point{400, 7 * kLineH + 450}));
  EXPECT_EQ(page.findText(tableOf(1).cell(0, 0)), nullptr);
  EXPECT_EQ(textOp(page, "Заключение:").at.y, 7 * kLineH + 450 + 2 * kGap + kLineH);
  EXPECT_NE(page.findText("Всего листов:1"), nullptr);
}

// Every conclusion line printed once, in order, over all pages.
std::vector<std::string> conclusionLinesPrinted(const RecordingPrinter& p, int x) {
  std::vector<std::string> out;
  for (const auto& page : p.pages())
    for (const DrawOp& op : page->ofKind(DrawOp::Text))
      if (op.at.x == x) out.push_back(op.text);
  return out;
}

TEST(ThicknessConclusion, LongConclusionContinuesOnNewSheetsWithTheHeader) {
  std::vector<std::string> memo;
  for (int i = 0; i < 100; ++i) memo.push_back("строка " + std::to_string(i) + (i % 2 ? "\r\n" : ""));
  RecordingPrinter p(kPageW, kPageH);
  auto r = report(nullptr, memo);
  thickness::Chart3D chart;
  thickness::setupThicknessChart(chart);
  r.chart = &chart;
  ASSERT_EQ(printThicknessGraphic(p, r), PrintStatus::Printed);
  ASSERT_GE(p.pages().size(), 2u);
  const int x = 11 * 40 + 230;  // after "Заключение:"
  const auto printed = conclusionLinesPrinted(p, x);
  ASSERT_EQ(printed.size(), memo.size());
  for (std::size_t i = 0; i < memo.size(); ++i) EXPECT_EQ(printed[i], "строка " + std::to_string(i));
  const std::string sheets = "Всего листов:" + std::to_string(p.pages().size());
  for (std::size_t i = 0; i < p.pages().size(); ++i) {
    const RecordingCanvas& page = *p.pages()[i];
    EXPECT_NE(page.findText("Результаты  толщинометрии"), nullptr) << "sheet " << i + 1;
    EXPECT_NE(page.findText("Лист " + std::to_string(i + 1)), nullptr);
    EXPECT_EQ(page.findText(sheets) != nullptr, i + 1 == p.pages().size());
    // Nothing runs into the page label's line.
    for (const DrawOp& op : page.ofKind(DrawOp::Text))
      if (op.text.rfind("Лист ", 0) != 0) EXPECT_LT(op.at.y + kLineH, kPageH - 200) << op.text;
  }
  // The chart is on the first sheet only, inside its band.
  const gfx::Rect band = chartBand(kPageW, kPageH);
  EXPECT_EQ(band, (gfx::Rect{240, 1650, 4560, 3300}));
  EXPECT_FALSE(p.pages()[0]->ofKind(DrawOp::Line).empty());
  for (std::size_t i = 1; i < p.pages().size(); ++i) EXPECT_TRUE(p.pages()[i]->ofKind(DrawOp::Line).empty());
}

TEST(ThicknessConclusion, FullTablePageMovesTheConclusionToANewSheet) {
  RecordingPrinter p(kPageW, kPageH);
  const auto table = tableOf(2 * std::size_t(kPerPage) + 1);  // the second page is full
  ASSERT_EQ(printThicknessText(p, report(&table, {"Годен", "к эксплуатации"})), PrintStatus::Printed);
  ASSERT_EQ(p.pages().size(), 3u);
  const RecordingCanvas& last = *p.pages()[2];
  EXPECT_EQ(textOp(last, "Заключение:").at.y, 7 * kLineH + 450);
  EXPECT_NE(last.findText("к эксплуатации"), nullptr);
  EXPECT_NE(last.findText("Всего листов:3"), nullptr);
  EXPECT_EQ(p.pages()[1]->findText("Заключение:"), nullptr);
}

TEST(ThicknessGraphicPage, OnePageWithLegendBelowTheChartBandAndFooter) {
  RecordingPrinter p(kPageW, kPageH);
  auto r = report(nullptr, {"Годен"});
  ASSERT_EQ(printThicknessGraphic(p, r), PrintStatus::Printed);
  ASSERT_EQ(p.pages().size(), 1u);
  const RecordingCanvas& page = *p.pages()[0];
  EXPECT_EQ(textOp(page, "Условные обозначения").at.y, kPageH / 2);
  const int legendEnd = kPageH / 2 + 2 * kLineH + 3 * kLineH + 20 + 10 * kLineH + 20;
  EXPECT_EQ(textOp(page, "Заключение:").at, (gfx::Point{200, legendEnd}));
  EXPECT_EQ(textOp(page, "Годен").at, (gfx::Point{11 * 40 + 230, legendEnd}));
  const int footer = legendEnd + kLineH + kGap;
  EXPECT_EQ(textOp(page, "Проконтролировано: 1500мм.").at, (gfx::Point{200, footer + kLineH + kGap}));
  EXPECT_EQ(textOp(page, "Дефектоскопист: Иванов").at, (gfx::Point{200, footer + 2 * (kLineH + kGap)}));
  EXPECT_EQ(textOp(page, "Всего листов:1").at, (gfx::Point{200, footer + 3 * (kLineH + kGap)}));
  EXPECT_EQ(textOp(page, "Лист 1").at, (gfx::Point{kPageW - 400 - 5 * 40, kPageH - 200}));
}

}  // namespace
