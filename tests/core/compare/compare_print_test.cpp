// The comparison printout on the recording printer: one page, header, lines, chart above the worst-positions table.
#include "core/compare/compare_print.h"

#include <gtest/gtest.h>

#include "core/compare/compare_text.h"
#include "core/gfx/recording_printer.h"
#include "support/run_pair.h"

namespace compare {
namespace {

TEST(ComparePrint, OnePageWithChartAboveTheWorstPositions) {
  const Comparison c = compareRuns(comparetest::buildRun({}), comparetest::buildRun(comparetest::laterShape(150)), {});
  ASSERT_TRUE(c.compared());
  CompareReport r;
  r.header[0] = "Протокол №: 5";
  r.earlierName = "/data/A.DTM";
  r.laterName = "/data/B.DTM";
  r.window = wholeOverlap(c);
  r.nf = {",", " "};
  gfx::RecordingPrinter printer(4960, 7016);
  ASSERT_EQ(printComparison(printer, c, r), printing::PrintStatus::Printed);
  ASSERT_EQ(printer.pages().size(), 1u);
  const gfx::RecordingCanvas& page = *printer.pages()[0];
  const gfx::DrawOp* title = page.findText(caption::kPrintTitle);
  const gfx::DrawOp* head = page.findText("Позиция, мм");
  ASSERT_TRUE(title && head && page.findText("Протокол №: 5") && page.findText("Последний контроль: /data/B.DTM"));
  // 20 rows under the table's header, the first the worst: 750 mm, 0,40 mm.
  const gfx::DrawOp* first = page.findText("750");
  ASSERT_TRUE(first);
  EXPECT_GT(first->at.y, head->at.y);
  int rows = 0;
  for (const gfx::DrawOp& op : page.ofKind(gfx::DrawOp::Text))
    if (op.at.x == head->at.x && op.at.y > head->at.y) ++rows;
  EXPECT_EQ(rows, 20);
  // The chart lies between the lines and the table, and inside the page.
  int chartTop = 1 << 30, chartBottom = 0;
  for (const gfx::DrawOp& op : page.ofKind(gfx::DrawOp::Line))
    if (op.pen.color == kSensorColors[0]) {
      chartTop = std::min({chartTop, op.rect.top, op.rect.bottom});
      chartBottom = std::max({chartBottom, op.rect.top, op.rect.bottom});
    }
  EXPECT_GT(chartTop, title->at.y);
  EXPECT_LT(chartBottom, head->at.y);
  for (const gfx::DrawOp& op : page.ofKind(gfx::DrawOp::Text)) EXPECT_LT(op.at.y, 7016 - 200) << op.text;
}

}  // namespace
}  // namespace compare
