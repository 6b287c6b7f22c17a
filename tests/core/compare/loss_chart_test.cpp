// The comparison chart drawn on the recording canvas: shading of the thinned stretch, gaps at markers,
// the minimum line, a cost that follows the width, and the window round a position.
#include "core/compare/loss_chart.h"

#include <gtest/gtest.h>

#include "core/gfx/recording_canvas.h"
#include "support/run_pair.h"

namespace compare {
namespace {

using comparetest::buildRun;
using comparetest::laterShape;
using comparetest::RunShape;

const text::NumberFormat kNf{",", " "};
const gfx::Rect kArea{0, 0, 1000, 600};

std::vector<gfx::DrawOp> linesIn(const gfx::RecordingCanvas& cv, gfx::Color color) {
  std::vector<gfx::DrawOp> out;
  for (const gfx::DrawOp& op : cv.ofKind(gfx::DrawOp::Line))
    if (op.pen.color == color) out.push_back(op);
  return out;
}

TEST(LossChart, ShadesTheThinnedStretchAndBreaksLinesAtMarkers) {
  RunShape later = laterShape(0);
  // Contact lost on sensor 3 over the later run's 400..600 mm.
  later.marker = [](int x, int i) -> std::uint16_t { return i == 2 && x >= 400 && x < 600 ? 0xFFFF : 0; };
  const Comparison c = compareRuns(buildRun(RunShape{}), buildRun(later), {});
  ASSERT_TRUE(c.compared());
  const ChartWindow w = wholeOverlap(c);
  EXPECT_EQ(w.fromMm, 0);
  EXPECT_EQ(w.toMm, 2000);
  gfx::RecordingCanvas cv(kArea.right, kArea.bottom);
  drawLossChart(cv, kArea, c, w, kNf);

  // 0.2 mm a year over 900..1100 mm: one shaded stretch in each panel, 10 % of the width.
  std::vector<gfx::Rect> shaded;
  for (const gfx::DrawOp& op : cv.ofKind(gfx::DrawOp::FillRect))
    if (op.brush.color == kHighRateShade && op.rect.top > 30) shaded.push_back(op.rect);
  ASSERT_EQ(shaded.size(), 2u);
  EXPECT_EQ(shaded[0].left, shaded[1].left);
  EXPECT_EQ(shaded[0].width(), shaded[1].width());
  EXPECT_NEAR(shaded[0].width(), 0.1 * (1000 - 12 - 12 - 6 * 8), 2);  // the plot width of 8 px characters

  // Sensor 3 draws nothing over the markers: no line of its colour spans the x of 500 mm.
  const int x500 = shaded[0].left - (shaded[0].right - shaded[0].left) * 2;  // 900 mm - 2 x 200 mm
  for (const gfx::DrawOp& op : linesIn(cv, kSensorColors[2])) {
    const int lo = std::min(op.rect.left, op.rect.right), hi = std::max(op.rect.left, op.rect.right);
    EXPECT_FALSE(lo <= x500 && x500 <= hi) << lo << ".." << hi;
  }
  // Sensor 1 does.
  bool crossed = false;
  for (const gfx::DrawOp& op : linesIn(cv, kSensorColors[0]))
    crossed =
        crossed || (std::min(op.rect.left, op.rect.right) <= x500 && x500 <= std::max(op.rect.left, op.rect.right));
  EXPECT_TRUE(crossed);

  // The minimum line across the lower panel, once.
  const auto tmin = linesIn(cv, kTminColor);
  ASSERT_EQ(tmin.size(), 2u);  // the legend's sample and the line
  EXPECT_EQ(tmin[1].rect.top, tmin[1].rect.bottom);
  EXPECT_GT(tmin[1].rect.right - tmin[1].rect.left, 900);
}

TEST(LossChart, ColumnsNotPositionsAndTheWindowRoundAPosition) {
  RunShape earlier;
  earlier.lengthMm = 8000;
  RunShape later = laterShape(0);
  later.lengthMm = 8000;
  const Comparison c = compareRuns(buildRun(earlier), buildRun(later), {});
  ASSERT_TRUE(c.compared());
  gfx::RecordingCanvas cv(400, 300);
  drawLossChart(cv, {0, 0, 400, 300}, c, wholeOverlap(c), kNf);
  // 4 000 positions on fewer than 400 columns: at most two lines a column, sensor and panel.
  EXPECT_LE(linesIn(cv, kSensorColors[1]).size(), 2u * 2u * 400u);

  const ChartWindow w = around(c, 1000);
  EXPECT_EQ(w.fromMm, 800);
  EXPECT_EQ(w.toMm, 1200);
  EXPECT_EQ(w.markMm, 1000);
  EXPECT_EQ(around(c, 10).fromMm, 0);  // kept inside the overlap
  EXPECT_EQ(around(c, 7990).toMm, 8000);
  const gfx::Rect area{0, 0, 800, 400};
  gfx::RecordingCanvas marked(800, 400);
  drawLossChart(marked, area, c, w, kNf);
  const auto mark = linesIn(marked, kMarkColor);
  ASSERT_EQ(mark.size(), 2u);
  const auto at = positionAt(marked, area, w, mark[0].rect.left);
  ASSERT_TRUE(at);
  EXPECT_NEAR(*at, 1000, 2);
}

}  // namespace
}  // namespace compare
