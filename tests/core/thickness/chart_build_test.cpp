// The thickness chart build: sensor points, axis ranges, title lines, series order and viewing positions.
#include "core/thickness/chart_build.h"

#include <gtest/gtest.h>

#include "core/gfx/recording_canvas.h"
#include "core/text/messages.h"
#include "support/file_builder.h"

namespace thickness {
namespace {

// A .DTM file held in memory: raw r gives 5r micrometres (zero offset 0, factor 200).
datafiles::LoadedFile dtm(std::uint16_t length, std::uint16_t nominal,
                          const std::vector<std::array<std::uint16_t, 4>>& samples) {
  datafiles::LoadedFile f;
  f.kind = datafiles::FileKind::Dtm;
  f.thk.Length = length;
  f.thk.NominalThickness = nominal;
  f.thk.VelocityFactor = 200;
  f.body = testsupport::thicknessBody(samples);
  return f;
}

const std::array<gfx::Color, 7> kColors{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
const text::NumberFormat kNf{",", " "};

TEST(ChartBuildPoints, EachSampleIsATwoMillimetreStepWithOneClosingPoint) {
  // N = 10.0 mm; sensor 1: 8.0 mm, contact lost, 9.0 mm; sensor 2 starts with a marker.
  const auto f = dtm(7, 100, {{1600, 65535, 0, 0}, {65535, 1800, 0, 0}, {1800, 65534, 0, 0}});
  const auto pts = sensorPoints(f);
  ASSERT_EQ(pts[0].size(), 7u);
  const double xs[7] = {0, 1, 2, 3, 4, 5, 6};
  for (int i = 0; i < 7; ++i) EXPECT_DOUBLE_EQ(pts[0][i].x, xs[i]);
  EXPECT_NEAR(pts[0][0].y, 8.0, 1e-6);
  EXPECT_EQ(pts[0][0].color, 0xFFFFE8u);  // 20 % below N: first cyan shade
  EXPECT_NEAR(pts[0][2].y, 8.0, 1e-6);    // contact lost repeats the last value
  EXPECT_EQ(pts[0][2].color, kContactLostColor);
  EXPECT_NEAR(pts[0][4].y, 9.0, 1e-6);
  EXPECT_NEAR(pts[0][6].y, 9.0, 1e-6);
  EXPECT_EQ(pts[0][6].color, pts[0][5].color);
  // A marker first plots 0 in its class colour.
  EXPECT_DOUBLE_EQ(pts[1][0].y, 0);
  EXPECT_EQ(pts[1][0].color, kContactLostColor);
  EXPECT_EQ(pts[1][4].color, kSpeedExceededColor);
  EXPECT_NEAR(pts[1][4].y, 9.0, 1e-6);
  // Thickness 0 is valid and purple.
  EXPECT_EQ(pts[2][0].color, 0x800080u);
}

TEST(ChartBuildPoints, AShortBodyEndsTheBandsWhereTheDataEndAndNoSampleGivesOnePointAtZero) {
  std::vector<std::array<std::uint16_t, 4>> samples(10, {1000, 1000, 1000, 1000});
  auto f = dtm(100, 100, samples);
  f.body.push_back(0x12);  // half a sample more
  const auto pts = sensorPoints(f);
  ASSERT_EQ(pts[3].size(), 21u);
  EXPECT_DOUBLE_EQ(pts[3].back().x, 20);

  const auto none = sensorPoints(dtm(1, 100, {{1000, 1000, 1000, 1000}}));
  ASSERT_EQ(none[0].size(), 1u);
  EXPECT_DOUBLE_EQ(none[0][0].x, 0);
  EXPECT_DOUBLE_EQ(none[0][0].y, 0);
}

TEST(ChartBuild, Length101GivesAxesTo111And106WithIncrement11) {
  std::vector<std::array<std::uint16_t, 4>> samples(50, {1000, 1000, 1000, 1000});
  const auto f = dtm(101, 100, samples);
  Chart3D c;
  setupThicknessChart(c);
  const gfx::Color cursor = buildThicknessChart(c, f, {5.0f, 5.0f}, kColors, kNf);
  EXPECT_EQ(cursor, 0x77u);
  EXPECT_DOUBLE_EQ(c.bottomAxis().maximum, 111);
  EXPECT_DOUBLE_EQ(c.bottomAxis().increment, 11);
  EXPECT_DOUBLE_EQ(c.topAxis().maximum, 106);
  EXPECT_DOUBLE_EQ(c.topAxis().increment, 11);
  EXPECT_DOUBLE_EQ(c.leftAxis().maximum, 7.0);
  EXPECT_DOUBLE_EQ(c.bottomAxis().minimum, 0);
  EXPECT_EQ(c.bottomAxis().labelColor, 0x55u);
  EXPECT_EQ(c.topAxis().labelColor, 0x55u);
  EXPECT_EQ(c.leftAxis().labelColor, 0x55u);
  EXPECT_EQ(c.depthAxis().labelColor, 0x66u);
  EXPECT_EQ(c.titleFont.color, 0x66u);
  EXPECT_TRUE(c.titleVisible);
  EXPECT_DOUBLE_EQ(c.series(0).points.back().x, 100);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(c.series(i).color, kColors[i]);
}

TEST(ChartBuild, NoValidReadingGivesALeftAxisTo2AndTitlesOfZero) {
  const auto f = dtm(10, 100, {{65535, 65535, 65535, 65535}});
  Chart3D c;
  buildThicknessChart(c, f, {0.0f, 0.0f}, kColors, kNf);
  EXPECT_DOUBLE_EQ(c.leftAxis().maximum, 2.0);
  ASSERT_EQ(c.titleLines.size(), 2u);
  EXPECT_EQ(c.titleLines[0], "Максимальная толщина " + text::formatFloat(0.0f, "###.0", kNf));
  EXPECT_EQ(c.titleLines[1], "Минимальная толщина " + text::formatFloat(0.0f, "###.0", kNf));
  // A sensor of nothing but lost contact is a black band at height 0.
  for (const ChartPoint& p : c.series(0).points) {
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.color, kContactLostColor);
  }
}

TEST(ChartBuild, TitlesCarryTheExtremesInTheLocaleForm) {
  const auto f = dtm(10, 100, {{1600, 1600, 1600, 1600}});
  Chart3D c;
  buildThicknessChart(c, f, {9.5f, 7.25f}, kColors, kNf);
  EXPECT_EQ(c.titleLines[0], "Максимальная толщина 9,5");
  EXPECT_EQ(c.titleLines[1], "Минимальная толщина " + text::formatFloat(7.25f, "###.0", kNf));
}

TEST(ChartBuild, PlacesGetTheSensorsAndEveryBandBecomesActiveAgain) {
  const auto f = dtm(4, 100, {{1000, 1200, 1400, 1600}, {1000, 1200, 1400, 1600}});
  Chart3D c;
  setupThicknessChart(c);
  c.moveBack(0);  // Series1 now at place 2, Series2 in front
  c.series(2).active = false;
  buildThicknessChart(c, f, {8.0f, 5.0f}, kColors, kNf);
  // The series at place 1 (Series2) takes sensor 1's points and colour and keeps its title.
  EXPECT_EQ(c.series(1).title, "Датчик №2");
  EXPECT_NEAR(c.series(1).points[0].y, 5.0, 1e-6);
  EXPECT_EQ(c.series(1).color, 0x11u);
  EXPECT_NEAR(c.series(0).points[0].y, 6.0, 1e-6);
  EXPECT_EQ(c.series(0).color, 0x22u);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(c.series(i).active);
}

TEST(ChartBuild, ASensorOfLostContactLiesAsABlackRibbonOnTheFloorIn3D) {
  const auto f = dtm(40, 100, std::vector<std::array<std::uint16_t, 4>>(20, {65535, 1600, 1600, 1600}));
  Chart3D c;
  setupThicknessChart(c);
  buildThicknessChart(c, f, {8.0f, 8.0f}, kColors, kNf);
  gfx::RecordingCanvas canvas(800, 500);
  c.draw(canvas, {0, 0, 800, 500});
  int black = 0;
  for (const gfx::DrawOp& op : canvas.ops()) {
    if ((op.kind == gfx::DrawOp::Polygon || op.kind == gfx::DrawOp::FillRect) && op.brush.color == 0) ++black;
  }
  EXPECT_GT(black, 0);
  // Its shapes cover the floor of the front slot along the whole length.
  ASSERT_FALSE(c.layout().shapes[0].empty());
  const gfx::Point mid = c.layout().projection.pixel(0.5 * 40 / 50, 0, 0.125);
  EXPECT_EQ(c.seriesAt(mid.x, mid.y), 0);
}

TEST(ChartPositions, BeginFrontAndUpSetTheirAnglesAndAxes) {
  Chart3D c;
  c.bottomAxis().maximum = 110;
  c.topAxis().maximum = 105;
  setUpPosition(c);
  EXPECT_TRUE(c.view3D);
  EXPECT_EQ(c.rotation, 360);
  EXPECT_EQ(c.elevation, 270);
  EXPECT_FALSE(c.leftAxis().visible);
  EXPECT_TRUE(c.topAxis().visible);
  EXPECT_DOUBLE_EQ(c.topAxis().maximum, 110);
  c.zoomAxes(75);
  setBeginPosition(c);
  EXPECT_EQ(c.rotation, 349);
  EXPECT_EQ(c.elevation, 299);
  EXPECT_FALSE(c.topAxis().visible);
  EXPECT_FALSE(c.leftAxis().visible);  // only the front view shows it again
  EXPECT_FALSE(c.axesZoomed());
  EXPECT_DOUBLE_EQ(c.bottomAxis().maximum, 110);
  setFrontPosition(c);
  EXPECT_FALSE(c.view3D);
  EXPECT_TRUE(c.leftAxis().visible);
  EXPECT_FALSE(c.topAxis().visible);
}

}  // namespace
}  // namespace thickness
