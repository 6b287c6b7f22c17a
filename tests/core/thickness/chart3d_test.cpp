// Chart3D: series order, axis zoom, front-view geometry and read-out, click test, step reduction, 3-D offsets.
#include "core/thickness/chart3d.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/gfx/recording_canvas.h"
#include "core/thickness/chart3d_runs.h"

namespace thickness {
namespace {

using gfx::DrawOp;

// A chart with one flat band per given series, axes 0..100 x 0..10.
Chart3D flatChart() {
  Chart3D c;
  c.view3D = false;
  c.bottomAxis().maximum = 100;
  c.bottomAxis().increment = 10;
  c.leftAxis().maximum = 10;
  return c;
}

std::vector<ChartPoint> steps(std::initializer_list<std::pair<double, gfx::Color>> values) {
  std::vector<ChartPoint> pts;
  double x = 0;
  for (const auto& [y, color] : values) {
    pts.push_back({x, y, color});
    pts.push_back({x + 1, y, color});
    x += 2;
  }
  if (!pts.empty()) pts.push_back({x, pts.back().y, pts.back().color});
  return pts;
}

TEST(Chart3DOrder, ClickedSeriesMovesOnePlaceBackAndTheLastStays) {
  Chart3D c;
  EXPECT_TRUE(c.moveBack(0));
  EXPECT_EQ(c.seriesAtPlace(1), 1);
  EXPECT_EQ(c.seriesAtPlace(2), 0);
  EXPECT_EQ(c.placeOf(0), 2);
  EXPECT_TRUE(c.moveBack(0));
  EXPECT_TRUE(c.moveBack(0));
  EXPECT_EQ(c.placeOf(0), 4);
  EXPECT_FALSE(c.moveBack(0));
  EXPECT_EQ(c.seriesAtPlace(4), 0);
  EXPECT_EQ(c.seriesAtPlace(1), 1);
  EXPECT_EQ(c.seriesAtPlace(2), 2);
  EXPECT_EQ(c.seriesAtPlace(3), 3);
}

TEST(Chart3DZoom, WideningAddsAQuarterOfTheSpanAtEachEndAndUndoRestores) {
  Chart3D c = flatChart();
  c.zoomAxes(75);
  EXPECT_TRUE(c.axesZoomed());
  EXPECT_DOUBLE_EQ(c.bottomAxis().minimum, -25);
  EXPECT_DOUBLE_EQ(c.bottomAxis().maximum, 125);
  EXPECT_DOUBLE_EQ(c.leftAxis().minimum, -2.5);
  EXPECT_DOUBLE_EQ(c.leftAxis().maximum, 12.5);
  c.undoZoom();
  EXPECT_FALSE(c.axesZoomed());
  EXPECT_DOUBLE_EQ(c.bottomAxis().minimum, 0);
  EXPECT_DOUBLE_EQ(c.bottomAxis().maximum, 100);
  EXPECT_DOUBLE_EQ(c.leftAxis().maximum, 10);
}

TEST(Chart3DZoom, ANewRangeWhileWidenedIsShownWidenedAndIsWhatUndoRestores) {
  Chart3D c = flatChart();
  c.zoomAxes(75);
  c.setAxisRange(c.bottomAxis(), 0, 200);  // another file loaded while widened
  EXPECT_DOUBLE_EQ(c.bottomAxis().minimum, -50);
  EXPECT_DOUBLE_EQ(c.bottomAxis().maximum, 250);
  c.undoZoom();
  EXPECT_DOUBLE_EQ(c.bottomAxis().minimum, 0);
  EXPECT_DOUBLE_EQ(c.bottomAxis().maximum, 200);
}

TEST(Chart3DFront, PixelToValueInvertsValueToPixel) {
  Chart3D c = flatChart();
  gfx::RecordingCanvas canvas(800, 600);
  c.draw(canvas, {0, 0, 800, 600});
  const gfx::Rect r = c.plotRect();
  EXPECT_EQ(c.w3d(), 0);
  EXPECT_EQ(c.h3d(), 0);
  ASSERT_GT(r.width(), 600);
  ASSERT_GT(r.height(), 400);
  EXPECT_DOUBLE_EQ(c.bottomValueAt(r.left), 0);
  EXPECT_DOUBLE_EQ(c.bottomValueAt(r.right), 100);
  EXPECT_DOUBLE_EQ(c.leftValueAt(r.bottom), 0);
  EXPECT_DOUBLE_EQ(c.leftValueAt(r.top), 10);
  for (double x : {0.0, 12.5, 37.0, 50.0, 99.0}) {
    const int px = r.left + int(x / 100 * r.width());
    EXPECT_NEAR(c.bottomValueAt(px), x, 100.0 / r.width());
  }
  for (double y : {0.0, 2.0, 7.3}) {
    const int py = r.bottom - int(y / 10 * r.height());
    EXPECT_NEAR(c.leftValueAt(py), y, 10.0 / r.height());
  }
  // The read-out counts the rectangle with its right and bottom edges excluded.
  EXPECT_TRUE(readoutHit(c, r.left, r.top));
  EXPECT_TRUE(readoutHit(c, r.right - 1, r.bottom - 1));
  EXPECT_FALSE(readoutHit(c, r.right, r.top));
  EXPECT_FALSE(readoutHit(c, r.left, r.bottom));
}

TEST(Chart3DFront, EachStepIsARectangleOfItsColourFromZeroToItsValue) {
  Chart3D c = flatChart();
  c.series(0).points = steps({{5, 0x0000FF}, {7.5, 0x00FF00}});
  gfx::RecordingCanvas canvas(800, 600);
  c.draw(canvas, {0, 0, 800, 600});
  const gfx::Rect r = c.plotRect();
  auto px = [&](double x) { return int(std::floor(r.left + x / 100 * r.width() + 0.5)); };
  auto py = [&](double y) { return int(std::floor(r.bottom - y / 10 * r.height() + 0.5)); };
  std::vector<DrawOp> bands;
  for (const DrawOp& op : canvas.ofKind(DrawOp::FillRect)) {
    if (op.brush.color == 0x0000FF || op.brush.color == 0x00FF00) bands.push_back(op);
  }
  ASSERT_EQ(bands.size(), 2u);
  EXPECT_EQ(bands[0].rect, (gfx::Rect{px(0), py(5), px(2), r.bottom}));
  EXPECT_EQ(bands[1].rect, (gfx::Rect{px(2), py(7.5), px(4), r.bottom}));
  EXPECT_EQ(bands[0].pen.style, gfx::PenStyle::Clear);
}

TEST(Chart3DHit, TheFrontPlaceWinsAndInactiveOrEmptyPlacesAreMissed) {
  Chart3D c = flatChart();
  c.series(0).points = steps({{4, 1}, {4, 1}});
  c.series(1).points = steps({{8, 2}, {8, 2}});
  gfx::RecordingCanvas canvas(800, 600);
  c.draw(canvas, {0, 0, 800, 600});
  const gfx::Rect r = c.plotRect();
  const int x = r.left + r.width() / 50;            // at 2 mm
  const int low = r.bottom - r.height() / 10;       // at 1 mm: both bands
  const int high = r.bottom - r.height() * 6 / 10;  // at 6 mm: only the higher band
  EXPECT_EQ(c.seriesAt(x, low), 0);
  EXPECT_EQ(c.seriesAt(x, high), 1);
  EXPECT_EQ(c.seriesAt(x, r.top + 2), -1);
  EXPECT_EQ(c.seriesAt(r.right - 5, low), -1);  // beyond the data
  c.moveBack(0);
  c.draw(canvas, {0, 0, 800, 600});
  EXPECT_EQ(c.seriesAt(x, low), 1);
  c.series(1).active = false;
  c.draw(canvas, {0, 0, 800, 600});
  EXPECT_EQ(c.seriesAt(x, low), 0);
  EXPECT_EQ(c.seriesAt(x, high), -1);
}

TEST(Chart3DRuns, EqualNeighboursJoinAndStepsStayExactWhenTheyFit) {
  const auto runs = bandRuns(steps({{3, 7}, {3, 7}, {4, 7}, {4, 8}}), 0, 20, 1000);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_DOUBLE_EQ(runs[0].x0, 0);
  EXPECT_DOUBLE_EQ(runs[0].x1, 4);
  EXPECT_DOUBLE_EQ(runs[1].x1, 6);
  EXPECT_EQ(runs[2].color, 8u);
  EXPECT_DOUBLE_EQ(runs[2].x1, 8);
}

TEST(Chart3DRuns, ManyStepsBecomeOnePerColumnKeepingTheOutlineAndTheDeepestColour) {
  std::vector<std::pair<double, gfx::Color>> values;
  std::vector<ChartPoint> pts;
  for (int k = 0; k < 32767; ++k) {
    const double y = (k == 5000) ? 1.0 : 8.0 + (k % 7) * 0.1;
    const gfx::Color col = (k == 5000) ? 0x800080 : gfx::Color(0x00FF00 + k % 7);
    pts.push_back({2.0 * k, y, col});
    pts.push_back({2.0 * k + 1, y, col});
  }
  pts.push_back({65534, 8, 0});
  const int columns = 1000;
  const auto runs = bandRuns(pts, 0, 65545, columns);
  ASSERT_LE(int(runs.size()), columns);
  const int col = int(10000 / 65545.0 * columns);
  bool deepSeen = false;
  for (const BandRun& r : runs) {
    EXPECT_GE(r.y, 8.0);  // the outline of the column is its highest step
    if (r.x0 <= 10000 && 10000 < r.x1) {
      EXPECT_EQ(r.color, 0x800080u) << "column " << col;
      deepSeen = true;
    }
  }
  EXPECT_TRUE(deepSeen);
}

TEST(Chart3DRuns, PointsOutsideTheAxisAreCutAtItsEnds) {
  const auto runs = bandRuns(steps({{1, 1}, {2, 2}, {3, 3}}), 1, 5, 100);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_DOUBLE_EQ(runs.front().x0, 1);
  EXPECT_DOUBLE_EQ(runs.back().x1, 5);
  EXPECT_TRUE(bandRuns({}, 0, 10, 100).empty());
  EXPECT_TRUE(bandRuns(steps({{1, 1}}), 5, 5, 100).empty());
}

TEST(Chart3DDraw, ALongBandNeverDrawsMoreShapesThanThePlotHasPixelsAcross) {
  Chart3D c;
  c.bottomAxis().maximum = 65545;
  c.leftAxis().maximum = 12;
  for (int s = 0; s < 4; ++s) {
    std::vector<ChartPoint>& pts = c.series(s).points;
    for (int k = 0; k < 32767; ++k) {
      const double y = 5 + ((k * 7 + s) % 13) * 0.5;
      pts.push_back({2.0 * k, y, gfx::Color(k % 50)});
      pts.push_back({2.0 * k + 1, y, gfx::Color(k % 50)});
    }
  }
  for (bool view3D : {false, true}) {
    c.view3D = view3D;
    gfx::RecordingCanvas canvas(1280, 720);
    c.draw(canvas, {0, 0, 1280, 720});
    const int across = c.plotRect().width() + 2;
    for (int place = 0; place < 4; ++place) {
      // Front face, top face and the step face of each column at most.
      EXPECT_LE(int(c.layout().shapes[place].size()), (view3D ? 3 : 1) * across) << view3D;
    }
  }
}

TEST(Chart3DDraw, StartPositionShowsTheBackUpAndToTheRightAndTheTopViewStraightUp) {
  Chart3D c;
  c.bottomAxis().maximum = 110;
  c.leftAxis().maximum = 10;
  gfx::RecordingCanvas canvas(1000, 600);
  c.draw(canvas, {0, 0, 1000, 600});
  EXPECT_GT(c.w3d(), 0);
  EXPECT_GT(c.h3d(), 0);
  const gfx::Rect r = c.plotRect();
  EXPECT_GE(r.left, 0);
  EXPECT_LE(r.right + c.w3d(), 1000);
  EXPECT_GE(r.top - c.h3d(), 0);
  c.rotation = 360;
  c.elevation = 270;
  c.draw(canvas, {0, 0, 1000, 600});
  EXPECT_EQ(c.w3d(), 0);
  EXPECT_GT(c.h3d(), 100);
  EXPECT_FALSE(c.layout().projection.rightSideVisible);
  EXPECT_TRUE(c.layout().projection.topVisible);
}

// The fills of one colour, rectangles and polygons alike, with their vertical extent.
std::vector<std::pair<int, int>> fillsIn(const gfx::RecordingCanvas& canvas, gfx::Color color) {
  std::vector<std::pair<int, int>> out;
  for (const DrawOp& op : canvas.ofKind(DrawOp::FillRect)) {
    if (op.brush.color == color) out.emplace_back(op.rect.top, op.rect.bottom);
  }
  for (const DrawOp& op : canvas.ofKind(DrawOp::Polygon)) {
    if (op.brush.color != color || op.points.empty()) continue;
    int top = op.points[0].y, bottom = top;
    for (const gfx::Point& pt : op.points) {
      top = std::min(top, pt.y);
      bottom = std::max(bottom, pt.y);
    }
    out.emplace_back(top, bottom);
  }
  return out;
}

TEST(Chart3DDraw, FromAboveABandBehindPaintsOnlyTheFrontFacePartAboveTheBandInFront) {
  Chart3D c;
  c.bottomAxis().maximum = 10;
  c.leftAxis().maximum = 10;
  const gfx::Color back = 0x808080;
  c.series(0).points = steps({{8, 0x404040}, {8, 0x404040}});
  c.series(1).points = steps({{5, back}, {5, back}});
  gfx::RecordingCanvas canvas(1000, 600);
  c.draw(canvas, {0, 0, 1000, 600});
  const BoxProjection& p = c.layout().projection;
  ASSERT_TRUE(p.topVisible);
  ASSERT_NE(shade(back, p.frontShade), shade(back, p.topShade));
  EXPECT_TRUE(fillsIn(canvas, shade(back, p.frontShade)).empty());
  // The click test still knows the whole face.
  const gfx::Point hidden = p.pixel(0.2, 0.2, 0.25);
  EXPECT_TRUE(std::any_of(c.layout().shapes[1].begin(), c.layout().shapes[1].end(),
                          [&](const Quad& q) { return q.contains(hidden.x, hidden.y); }));

  // Higher than the band in front: from its value (less a pixel for the seam) up to its own.
  c.series(1).points = steps({{9, back}, {9, back}});
  gfx::RecordingCanvas again(1000, 600);
  c.draw(again, {0, 0, 1000, 600});
  const auto fronts = fillsIn(again, shade(back, p.frontShade));
  ASSERT_EQ(fronts.size(), 1u);
  // A tenth of the height, plus the slant of the lower and upper edges across the step.
  const double expected = std::abs(p.ev.y) / 10 + std::abs(p.eu.y) * 0.4;
  EXPECT_LE(fronts[0].second - fronts[0].first, int(expected + 3));
  EXPECT_GE(fronts[0].second - fronts[0].first, int(expected - 2));
}

TEST(Chart3DDraw, NeighbouringTopFacesOfOneColourAreOnePolygonUnlessAStepParts) {
  auto polygonsIn = [](std::initializer_list<std::pair<double, gfx::Color>> values, gfx::Color color) {
    Chart3D c;
    c.bottomAxis().maximum = 10;
    c.leftAxis().maximum = 10;
    c.series(0).points = steps(values);
    gfx::RecordingCanvas canvas(1000, 600);
    c.draw(canvas, {0, 0, 1000, 600});
    int n = 0;
    for (const DrawOp& op : canvas.ofKind(DrawOp::Polygon))
      n += op.brush.color == shade(color, c.layout().projection.topShade);
    return std::make_pair(n, c.layout().shapes[0].size());
  };
  // Steps a fraction of a pixel apart in height: one shape per colour.
  const auto [green, shapes] =
      polygonsIn({{5, 0x00A000}, {5.01, 0x00A000}, {4.995, 0x00A000}, {5, 0x0000A0}}, 0x00A000);
  EXPECT_EQ(green, 1);
  EXPECT_GE(shapes, 5u);  // every step keeps its own faces for the click test
  // Steps far apart: the faces lie apart on the screen and stay separate shapes.
  EXPECT_EQ(polygonsIn({{5, 0x00A000}, {8, 0x00A000}, {3, 0x00A000}}, 0x00A000).first, 3);
}

TEST(Chart3DDraw, DegenerateTargetsAndRangesDrawNothingHarmful) {
  Chart3D c;
  c.series(0).points = steps({{5, 1}, {-3, 2}, {1e9, 3}});
  for (bool view3D : {true, false}) {
    c.view3D = view3D;
    for (const gfx::Rect& target : {gfx::Rect{0, 0, 0, 0}, gfx::Rect{0, 0, 3, 2}, gfx::Rect{10, 10, 5, 5}}) {
      gfx::RecordingCanvas canvas(10, 10);
      c.draw(canvas, target);
      EXPECT_EQ(c.seriesAt(1, 1) >= -1, true);
    }
    c.bottomAxis().maximum = c.bottomAxis().minimum;  // no span: no bands, no labels
    gfx::RecordingCanvas canvas(400, 300);
    c.draw(canvas, {0, 0, 400, 300});
    EXPECT_TRUE(c.layout().shapes[0].empty());
    c.bottomAxis().maximum = 10;
    c.draw(canvas, {0, 0, 400, 300});
    EXPECT_FALSE(c.layout().shapes[0].empty());  // values below 0 and far above the axis are cut to the box
  }
  EXPECT_TRUE(c.axisLabels(ChartAxis{0, 1e12, 1e-6}).size() <= 1001u);
}

TEST(Chart3DDraw, TitleLinesAreRightAlignedInTheTitleFont) {
  Chart3D c = flatChart();
  c.titleLines = {"first", "second line"};
  c.titleVisible = true;
  c.titleFont.color = 0x123456;
  gfx::RecordingCanvas canvas(800, 600);
  c.draw(canvas, {0, 0, 800, 600});
  const DrawOp* a = canvas.findText("first");
  const DrawOp* b = canvas.findText("second line");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->at.x + 5 * 8, b->at.x + 11 * 8);  // right edges meet
  EXPECT_LT(a->at.y, b->at.y);
  EXPECT_EQ(a->font.color, 0x123456u);
  EXPECT_TRUE(a->font.italic);
  EXPECT_EQ(a->font.pixelHeight, 13);
  EXPECT_EQ(a->font.name, "Arial");
  c.titleVisible = false;
  canvas.clear();
  c.draw(canvas, {0, 0, 800, 600});
  EXPECT_EQ(canvas.findText("first"), nullptr);
}

TEST(Chart3DDraw, CrossHairLinesUseTheNotXorPenAndTheThreeDOffsets) {
  Chart3D c = flatChart();
  gfx::RecordingCanvas canvas(800, 600);
  c.draw(canvas, {0, 0, 800, 600});
  canvas.clear();
  drawCrossHair(canvas, c, 300, 200, 0x00FF00);
  const auto lines = canvas.ofKind(DrawOp::Line);
  ASSERT_EQ(lines.size(), 2u);
  const gfx::Rect r = c.plotRect();
  EXPECT_EQ(lines[0].rect, (gfx::Rect{300, r.top, 300, r.bottom}));
  EXPECT_EQ(lines[1].rect, (gfx::Rect{r.left, 200, r.right, 200}));
  EXPECT_EQ(lines[0].pen.mode, gfx::PenMode::NotXor);
  EXPECT_EQ(lines[0].pen.color, 0x00FF00u);
}

}  // namespace
}  // namespace thickness
