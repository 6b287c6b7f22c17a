// Defect map navigation: scrolling, zoom limits, the marker grab and drag, the distance read-out.
#include <gtest/gtest.h>

#include "map_fixture.h"

namespace defectmap {
namespace {

using testing::FakeScrollBar;
using testing::MapFixture;

TEST(DefectMapScroll, FirstPositionFollowsTheScrollBarAndTheMarkerKeepsItsPlace) {
  MapFixture f(1, 1000, 1090);  // 1 px/mm
  f.map.markerX = 190;
  f.map.ScrollTo(3);
  EXPECT_EQ(f.map.firstMm, 60);
  EXPECT_EQ(f.map.markerMm, 160);
  EXPECT_NE(f.canvas.findText("160"), nullptr);  // redrawn
  f.map.scale = 4.0f;
  f.map.ScrollTo(10);
  EXPECT_EQ(f.map.firstMm, 50);
  EXPECT_EQ(f.map.markerMm, 75);
}

TEST(DefectMapScroll, NothingWithoutAScale) {
  MapFixture f(1, 0, 1090);
  f.canvas.clear();
  f.map.ScrollTo(5);
  EXPECT_EQ(f.map.firstMm, 0);
  EXPECT_TRUE(f.canvas.ops().empty());
}

TEST(DefectMapShowPosition, ScrollsOnlyWhenNeededNeverPastTheEndAndNamesTheMillimetre) {
  MapFixture f(1, 1000, 1090);  // the whole weld at 1 px/mm
  f.map.ShowPosition(700);
  EXPECT_EQ(f.map.firstMm, 0);
  EXPECT_EQ(f.map.markerMm, 700);

  FakeScrollBar bar;
  f.map.scrollBar = &bar;
  ASSERT_FALSE(f.map.ZoomInH());  // 2 px/mm: 495 mm on screen
  f.map.ShowPosition(900);
  EXPECT_LE(f.map.firstMm, 1000 - 495);  // no blank beyond the weld's end
  EXPECT_GT(f.map.firstMm, 900 - 495);
  EXPECT_EQ(f.map.markerMm, 900);
  EXPECT_EQ(bar.pos * f.map.scrollUnit / 2, f.map.firstMm);  // the thumb where the map is
  f.map.ShowPosition(100);
  EXPECT_LE(f.map.firstMm, 100);
  EXPECT_EQ(f.map.markerMm, 100);

  MapFixture dense(1, 3000, 1090);  // a third of a pixel a millimetre
  dense.map.ShowPosition(613);
  EXPECT_EQ(dense.map.markerMm, 613);
  // The label under the marker and the side panel say the same millimetre, the last drawn of each.
  const auto texts = dense.canvas.ofKind(gfx::DrawOp::Text);
  ASSERT_GE(texts.size(), 2u);
  for (std::size_t i = texts.size() - 2; i < texts.size(); ++i)
    if (texts[i].text.find_first_not_of(' ') != std::string::npos)
      EXPECT_NE(texts[i].text.find("613"), std::string::npos);
}

TEST(DefectMapZoomH, InDoublesUpToTwentyPixelsThenReportsTheLimit) {
  MapFixture f(1, 1000, 1090);
  FakeScrollBar bar;
  f.map.SetScrollBar(&bar);
  f.map.FitToWidth();
  f.map.markerX = 110;
  f.map.firstMm = 30;
  std::vector<bool> limits;
  for (int i = 0; i < 5; ++i) limits.push_back(f.map.ZoomInH());
  EXPECT_EQ(limits, (std::vector<bool>{false, false, false, false, true}));
  EXPECT_FLOAT_EQ(f.map.scale, 32.0f);
  EXPECT_EQ(bar.max, 1599);       // 1000 x 32 / 20 - 1
  EXPECT_EQ(bar.pos, 48);         // 30 x 32 / 20
  EXPECT_EQ(f.map.markerMm, 30);  // 20 px / 32 + 30
  EXPECT_EQ(f.map.firstMm, 30);
  // At the limit nothing changes any more.
  EXPECT_TRUE(f.map.ZoomInH());
  EXPECT_FLOAT_EQ(f.map.scale, 32.0f);
}

TEST(DefectMapZoomH, OutHalvesDownToAQuarterOfTheFit) {
  MapFixture f(1, 1000, 1090);
  EXPECT_FALSE(f.map.ZoomOutH());
  EXPECT_FLOAT_EQ(f.map.scale, 0.5f);
  EXPECT_TRUE(f.map.ZoomOutH());
  EXPECT_FLOAT_EQ(f.map.scale, 0.25f);
  EXPECT_TRUE(f.map.ZoomOutH());
  EXPECT_FLOAT_EQ(f.map.scale, 0.25f);
  // The view now reaches past the end of the object: white from x 340 on.
  EXPECT_TRUE(f.hasFill({340, 90, 1090, 171}));
}

TEST(DefectMapZoomH, ZoomErasesTheMarkerOnceBeforeTheScaleChanges) {
  MapFixture f(1, 1000, 1090);
  f.map.markerX = 300;
  f.canvas.clear();
  f.map.ZoomInH();
  const auto lines = f.lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0].pen.mode, gfx::PenMode::Xor);
  EXPECT_EQ(lines[1].rect, (gfx::Rect{306, 90, 306, 170}));  // the old 6 mm at 1 px/mm
  int xorLines = 0;
  for (const auto& op : lines)
    if (op.pen.mode == gfx::PenMode::Xor) ++xorLines;
  EXPECT_EQ(xorLines, 8);  // erased once, drawn once
}

TEST(DefectMapZoomH, EmptyObjectReportsTheLimitWithoutDividing) {
  MapFixture f(1, 0, 1090);
  EXPECT_TRUE(f.map.ZoomInH());
  EXPECT_TRUE(f.map.ZoomOutH());
  EXPECT_EQ(f.map.scale, 0.0f);
}

TEST(DefectMapZoomV, ThreeStepsDownToFiftyPixels) {
  MapFixture f(3, 100, 1090, 600);
  EXPECT_FALSE(f.map.ZoomOutV());
  EXPECT_FALSE(f.map.ZoomOutV());
  EXPECT_TRUE(f.map.ZoomOutV());
  EXPECT_EQ(f.map.rowHeight, 50);
  EXPECT_FLOAT_EQ(f.map.sizeFactor, 7.0f);
  f.canvas.clear();
  EXPECT_TRUE(f.map.ZoomOutV());
  EXPECT_EQ(f.map.rowHeight, 50);
  EXPECT_TRUE(f.canvas.ops().empty());
}

TEST(DefectMapZoomV, TallerRowsWhileThePictureHasRoom) {
  // 3 rows: room for 90 when 600 > 270 + 180; 100 needs 480 < 600; 110 needs 510; 120 needs 540...
  MapFixture f(3, 100, 1090, 600);
  std::vector<bool> limits;
  while (limits.size() < 10) {
    limits.push_back(f.map.ZoomInV());
    if (limits.back()) break;
  }
  EXPECT_EQ(f.map.rowHeight, 130);  // (130 + 10) x 3 + 180 = 600 is not below 600
  EXPECT_FLOAT_EQ(f.map.sizeFactor, 15.0f);
  EXPECT_EQ(limits.size(), 5u);
  EXPECT_TRUE(f.map.ZoomInV());
  EXPECT_EQ(f.map.rowHeight, 130);
}

TEST(DefectMapMarkerDrag, GrabInsideTheWindowOnly) {
  MapFixture f(1, 1000, 1090);
  f.map.scale = 2.0f;
  f.map.markerX = 100;
  EXPECT_EQ(f.map.HitMarker(100), 0);
  EXPECT_EQ(f.map.HitMarker(111), 11);
  EXPECT_EQ(f.map.HitMarker(112), -1);  // markerX + 6 mm x 2 px
  EXPECT_EQ(f.map.HitMarker(99), -1);
}

TEST(DefectMapMarkerDrag, StopsTenPixelsBeforeTheRightEdgeAndAtTheMapsLeft) {
  MapFixture f(1, 1000, 1090);
  f.map.MoveMarker(5000);
  EXPECT_EQ(f.map.markerX, 1080);
  EXPECT_EQ(f.map.markerMm, 990);
  f.map.MoveMarker(-40);
  EXPECT_EQ(f.map.markerX, 90);
  EXPECT_EQ(f.map.markerMm, 0);
}

TEST(DefectMapMarkerDrag, MoveErasesTheOldWindowThenDrawsTheNewOne) {
  MapFixture f(2, 1000, 1090);
  f.map.markerX = 200;
  f.set(150, 1, 4, 2);
  f.canvas.clear();
  f.map.MoveMarker(240);
  const auto lines = f.lines();
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[0].rect, (gfx::Rect{200, 90, 200, 250}));
  EXPECT_EQ(lines[4].rect, (gfx::Rect{240, 90, 240, 250}));
  EXPECT_EQ(f.map.markerMm, 150);
  EXPECT_NE(f.canvas.findText("|"), nullptr);  // the side panel shows the new place
  EXPECT_NE(f.canvas.findText(std::string(24, ' ')), nullptr);
}

TEST(DefectMapReadOut, SignedDistanceFromTheMarker) {
  MapFixture f(1, 5000, 1090);
  f.map.scale = 1.0f;
  f.map.markerX = 190;
  f.map.markerMm = 100;
  f.canvas.clear();
  f.map.ShowDistance(185);
  EXPECT_TRUE(f.hasFill({12, 174, 82, 190}));
  const gfx::DrawOp* t = f.canvas.findText("-5");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->at, (gfx::Point{10, 176}));
  f.canvas.clear();
  f.map.ShowDistance(190 + 1500);
  EXPECT_NE(f.canvas.findText("1,50м"), nullptr);
}

TEST(DefectMapReadOut, NothingWithoutAScale) {
  MapFixture f(1, 0, 1090);
  f.canvas.clear();
  f.map.ShowDistance(300);
  EXPECT_TRUE(f.canvas.ops().empty());
}

}  // namespace
}  // namespace defectmap
