// Defect map on screen: background, end of the object, ruler, bars, marker and side panel, to the pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "core/defectmap/defect_codes.h"
#include "map_fixture.h"

namespace defectmap {
namespace {

using testing::MapFixture;

constexpr std::array<gfx::Color, 6> kColors{0x000011, 0x000022, 0x000033, 0x000044, 0x000055, 0x000066};

TEST(DefectMapBackground, NoMapIsOneWorkspaceFill) {
  DefectMap m;
  gfx::RecordingCanvas c(640, 480);
  m.SetCanvas(&c);
  m.Redraw();
  ASSERT_EQ(c.ops().size(), 1u);
  EXPECT_EQ(c.ops()[0].kind, gfx::DrawOp::FillRect);
  EXPECT_EQ(c.ops()[0].rect, (gfx::Rect{0, 0, 640, 480}));
  EXPECT_EQ(c.ops()[0].brush.color, gfx::sys::kAppWorkSpace);
}

TEST(DefectMapBackground, RowsFrameAndBandUnderTheRows) {
  MapFixture f(2, 1000, 1090);  // fit: 1 px/mm, end exactly at the right edge
  f.redraw();
  const int b = 90 + 2 * 80;
  EXPECT_TRUE(f.hasFill({90, 90, 1090, b}));
  EXPECT_EQ(f.fillsOf(gfx::sys::kBtnFace).size(), 1u);
  for (int y : {90, 170, 250}) EXPECT_TRUE(f.hasLine(0, y, 1090, y)) << y;
  EXPECT_TRUE(f.hasLine(89, 0, 89, b));
  EXPECT_TRUE(f.hasLine(1090, 90, 1090, b));
  EXPECT_TRUE(f.hasFill({0, b + 1, 1090, b + 31}));
  EXPECT_FALSE(f.hasFill({1000 + 90, 90, 1090, b + 1}));  // no end area
}

TEST(DefectMapBackground, EndOfObjectInsideTheViewIsWhite) {
  MapFixture f(1, 1000, 1090);
  f.map.scale = 0.5f;  // zoomed out: the object ends at x 590
  f.redraw();
  const int b = 170;
  EXPECT_TRUE(f.hasFill({590, 90, 1090, b + 1}));
  EXPECT_TRUE(f.hasFill({90, 90, 590, b}));
  EXPECT_TRUE(f.hasLine(590, 90, 590, b));
  EXPECT_TRUE(f.hasLine(0, 90, 590, 90));
  EXPECT_TRUE(f.hasLine(0, 170, 590, 170));
}

TEST(DefectMapRuler, OnePixelPerMillimetreStepsByHundred) {
  MapFixture f(1, 1000, 1090);
  f.redraw();
  EXPECT_EQ(f.map.rulerTarget, 100);
  EXPECT_EQ(f.map.majorTick, 30);
  EXPECT_EQ(f.map.minorTick, 15);
  EXPECT_TRUE(f.hasFill({0, 0, 1090, 90}));  // ruler band
  EXPECT_TRUE(f.hasLine(90, 90, 1090, 90));  // base line
  // Majors at 0, 100, ... 900 with their labels centred above (8 px a character, 16 high).
  for (int pos = 0; pos < 1000; pos += 100) {
    const int x = pos + 90;
    EXPECT_TRUE(f.hasLine(x, 60, x, 90)) << pos;
    const gfx::DrawOp* label = f.canvas.findText(std::to_string(pos));
    ASSERT_NE(label, nullptr) << pos;
  }
  EXPECT_EQ(f.canvas.findText("100")->at, (gfx::Point{190 - 12, 90 - 48 - 2}));
  EXPECT_EQ(f.canvas.findText("0")->at, (gfx::Point{90 - 4, 40}));
  // Minor ticks every 10 mm: 9 px long, the fifth 20 px.
  EXPECT_TRUE(f.hasLine(100, 81, 100, 90));
  EXPECT_TRUE(f.hasLine(130, 81, 130, 90));
  EXPECT_TRUE(f.hasLine(140, 70, 140, 90));
  EXPECT_TRUE(f.hasLine(240, 70, 240, 90));
  EXPECT_TRUE(f.hasLine(150, 81, 150, 90));
  EXPECT_FALSE(f.hasLine(140, 81, 140, 90));
  EXPECT_EQ(f.canvas.findText("1,00м"), nullptr);  // 1000 is not below the last position
}

TEST(DefectMapRuler, StepFollowsTheScaleAndLabelsChangeUnit) {
  MapFixture f(1, 60000, 1090);
  f.map.scale = 1.0f / 64;  // 64 mm a pixel: majors every 5 m, 78 px apart
  f.map.markerMm = 0;
  f.redraw();
  EXPECT_NE(f.canvas.findText("5,00м"), nullptr);
  EXPECT_NE(f.canvas.findText("50,00м"), nullptr);
  EXPECT_TRUE(f.hasLine(168, 60, 168, 90));
  EXPECT_TRUE(f.hasLine(246, 60, 246, 90));
}

TEST(DefectMapRuler, LabelsStayWholeInsideTheView) {
  for (int width = 980; width <= 1100; width += 7) {
    for (const float scale : {2.0f, 1.0f, 0.5f, 1.0f / 64}) {
      MapFixture f(1, 60000, width);
      f.map.scale = scale;
      f.map.markerMm = 0;
      f.redraw();
      int labels = 0;
      for (const auto& op : f.canvas.ofKind(gfx::DrawOp::Text)) {
        // The ruler's labels; not the marker's below the rows nor the side panel's at the far left.
        if (op.at.y != 40 || op.at.x < 20) continue;
        ++labels;
        EXPECT_LE(op.at.x + 8 * int(codePoints(op.text)), width) << op.text << " at scale " << scale;
      }
      // A label for every major tick in the view.
      int majors = 0;
      for (const auto& op : f.lines())
        if (op.rect.top == 60) ++majors;
      EXPECT_EQ(labels, majors) << width << " " << scale;
    }
  }
}

TEST(DefectMapRuler, EmptyObjectHasNoSteps) {
  MapFixture f(2, 0, 1090);
  f.redraw();
  int majors = 0;
  for (const auto& op : f.lines())
    if (op.rect.top == 60) ++majors;
  EXPECT_EQ(majors, 0);
  EXPECT_TRUE(f.hasLine(90, 90, 1090, 90));
  EXPECT_TRUE(f.hasFill({90, 90, 1090, 251}));  // everything right of the start is the end area
}

TEST(DefectMapBars, RunOfThreeCellsIsOneBarOnTheRowsBottomLine) {
  MapFixture f(2, 100, 1090);
  f.map.setColors(kColors);
  f.map.scale = 10.0f;
  for (int p = 2; p < 5; ++p) f.set(p, 1, 4, 1);
  f.redraw();
  const auto bars = f.fillsOf(kColors[1]);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].rect, (gfx::Rect{110, 211, 140, 250}));
  EXPECT_EQ(bars[0].rect.height(), 39);
}

TEST(DefectMapBars, SizeCappedAtTheRowAndSplitByChange) {
  MapFixture f(2, 100, 1090);
  f.map.setColors(kColors);
  f.map.scale = 10.0f;
  f.set(0, 0, 9, 0);
  f.set(1, 0, 9, 0);
  f.set(2, 0, 3, 0);  // same class, other size: a new run
  f.set(3, 0, 1, 3);  // size 1: 10 px, 9 visible
  f.redraw();
  const auto vol = f.fillsOf(kColors[0]);
  ASSERT_EQ(vol.size(), 2u);
  EXPECT_EQ(vol[0].rect, (gfx::Rect{90, 91, 110, 170}));
  EXPECT_EQ(vol[1].rect, (gfx::Rect{110, 141, 120, 170}));
  ASSERT_EQ(f.fillsOf(kColors[3]).size(), 1u);
  EXPECT_EQ(f.fillsOf(kColors[3])[0].rect, (gfx::Rect{120, 161, 130, 170}));
}

TEST(DefectMapBars, SpecialCodesUseTheirSlotsAndUnknownCodesAreIgnored) {
  MapFixture f(1, 100, 1090);
  f.map.setColors(kColors);
  f.map.scale = 10.0f;
  f.set(0, 0, 2, 250);
  f.set(1, 0, 2, 251);
  f.set(2, 0, 2, 99);
  f.set(3, 0, 2, 4);
  f.redraw();
  ASSERT_EQ(f.fillsOf(kColors[5]).size(), 1u);
  EXPECT_EQ(f.fillsOf(kColors[5])[0].rect.left, 90);
  ASSERT_EQ(f.fillsOf(kColors[4]).size(), 1u);
  EXPECT_EQ(f.fillsOf(kColors[4])[0].rect.left, 100);
  int others = 0;
  for (const auto& op : f.canvas.ofKind(gfx::DrawOp::FillRect))
    if (op.rect.left >= 110 && op.rect.left < 130 && op.rect.top > 90) ++others;
  EXPECT_EQ(others, 0);
}

TEST(DefectMapBars, RunStartedLeftOfTheViewIsDrawnFromTheFirstPosition) {
  MapFixture f(1, 100, 1090);
  f.map.setColors(kColors);
  f.map.scale = 10.0f;
  f.map.firstMm = 5;
  for (int p = 0; p < 8; ++p) f.set(p, 0, 2, 2);
  f.redraw();
  ASSERT_EQ(f.fillsOf(kColors[2]).size(), 1u);
  EXPECT_EQ(f.fillsOf(kColors[2])[0].rect, (gfx::Rect{90, 151, 120, 170}));
}

TEST(DefectMapBars, ShortBodyDrawsWhatIsThere) {
  MapFixture f(3, 50, 1090);
  f.map.setColors(kColors);
  f.map.scale = 10.0f;
  for (int p = 0; p < 50; ++p) f.set(p, 2, 3, 1);
  f.map.SetCells(f.body.data(), 2 * 3 * 20 + 3);  // 20 positions and a fragment
  f.redraw();
  const auto bars = f.fillsOf(kColors[1]);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].rect.left, 90);
  EXPECT_EQ(bars[0].rect.right, 90 + 200);
}

TEST(DefectMapBars, ManyLayersAreAllDrawn) {
  MapFixture f(5, 100, 1090, 900);
  f.map.setColors(kColors);
  f.set(10, 4, 1, 0);
  f.redraw();
  EXPECT_TRUE(f.hasLine(0, 90 + 5 * 80, 190, 490) || f.hasLine(0, 490, 1090, 490));
  ASSERT_EQ(f.fillsOf(kColors[0]).size(), 1u);
  EXPECT_EQ(f.fillsOf(kColors[0])[0].rect.bottom, 490);
}

TEST(DefectMapBars, NoLayersDrawsTheFrameAndNothingElse) {
  MapFixture f(0, 100, 1090);
  f.redraw();
  EXPECT_TRUE(f.hasLine(0, 90, 1090, 90));
  EXPECT_TRUE(f.hasFill({0, 91, 1090, 121}));
  f.map.MoveMarker(300);
  f.map.ShowDistance(200);
  EXPECT_FALSE(f.map.HasIndicationAt(5));
}

// A canvas that keeps the pixels fills leave, to compare two ways of painting.
class PixelCanvas : public gfx::RecordingCanvas {
 public:
  PixelCanvas(int w, int h) : RecordingCanvas(w, h), px_(std::size_t(w) * h, 0xFFFFFFFF) {}
  void fillRect(const gfx::Rect& r) override {
    for (int y = std::max(0, r.top); y < std::min(height(), r.bottom); ++y)
      for (int x = std::max(0, r.left); x < std::min(width(), r.right); ++x)
        px_[std::size_t(y) * width() + x] = brush().color;
  }
  using RecordingCanvas::fillRect;
  const std::vector<gfx::Color>& pixels() const { return px_; }

 private:
  std::vector<gfx::Color> px_;
};

TEST(DefectMapBars, DenseMapAtLowScaleLeavesTheSamePixelsAsBarByBar) {
  for (float scale : {0.9f, 0.37f, 0.0234f}) {
    datafiles::DefectMapHeader hdr;
    hdr.Layers = 3;
    hdr.Length = 6000;
    std::vector<std::uint8_t> body(2 * 3 * 6000);
    std::mt19937 rng(7);
    const std::uint8_t types[] = {0, 1, 2, 3, 250, 251, 9};
    for (std::size_t i = 0; i < body.size(); i += 2) {
      body[i] = rng() % 3 == 0 ? 0 : std::uint8_t(rng() % 10);
      body[i + 1] = types[rng() % 7];
      if (rng() % 4 == 0 && i >= 6) {  // some runs longer than one cell
        body[i] = body[i - 6];
        body[i + 1] = body[i - 5];
      }
    }
    DefectMap composite;
    PixelCanvas a(500, 400);
    composite.SetHeader(&hdr);
    composite.SetCells(body.data(), body.size());
    composite.SetCanvas(&a);
    composite.setColors(kColors);
    composite.scale = scale;
    composite.firstMm = 17;
    for (int l = 0; l < 3; ++l) composite.DrawLayerRuns(l);

    // Reference: every run painted on its own, in scan order.
    DefectMap direct;
    PixelCanvas b(500, 400);
    direct.SetHeader(&hdr);
    direct.SetCells(body.data(), body.size());
    direct.SetCanvas(&b);
    direct.setColors(kColors);
    direct.scale = scale;
    direct.firstMm = 17;
    const std::int64_t limit = std::int64_t(std::ceil(410.0 / scale)) + 17;
    for (int l = 0; l < 3; ++l) {
      std::int64_t start = 17;
      std::int64_t p = 17;
      const auto at = [&](std::int64_t q) { return 2 * (q * 3 + l); };
      for (; p < 6000 && p < limit; ++p) {
        if (body[at(p)] != body[at(start)] || body[at(p) + 1] != body[at(start) + 1]) {
          if (body[at(start)]) direct.DrawRun(l, at(start), at(p));
          start = p;
        }
      }
      if (start < 6000 && body[at(start)]) direct.DrawRun(l, at(start), at(p));
    }
    EXPECT_EQ(a.pixels(), b.pixels()) << scale;
    EXPECT_LT(a.ofKind(gfx::DrawOp::FillRect).size(), 5000u);
  }
}

TEST(DefectMapMarker, XorLinesAndLabel) {
  MapFixture f(1, 1000, 1090);
  f.map.markerX = 200;
  f.map.markerMm = 110;
  f.canvas.clear();
  f.map.DrawMarker();
  const auto lines = f.lines();
  ASSERT_EQ(lines.size(), 4u);
  for (const auto& op : lines) {
    EXPECT_EQ(op.pen.mode, gfx::PenMode::Xor);
    EXPECT_EQ(op.pen.width, 3);
    EXPECT_EQ(op.pen.color, gfx::kYellow);
  }
  EXPECT_EQ(lines[0].rect, (gfx::Rect{200, 90, 200, 170}));
  EXPECT_EQ(lines[1].rect, (gfx::Rect{206, 90, 206, 170}));
  EXPECT_EQ(lines[2].rect, (gfx::Rect{200, 173, 206, 173}));
  EXPECT_EQ(lines[3].rect, (gfx::Rect{200, 87, 206, 87}));
  const gfx::DrawOp* label = f.canvas.findText("110");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->at, (gfx::Point{188, 177}));
  EXPECT_EQ(label->brush.color, gfx::kWhite);
  EXPECT_EQ(f.canvas.pen().mode, gfx::PenMode::Copy);
}

TEST(DefectMapMarker, EraseRepeatsTheLinesAndBlanksTheLabel) {
  MapFixture f(1, 1000, 1090);
  f.map.markerX = 200;
  f.canvas.clear();
  f.map.DrawMarker();
  const auto drawn = f.lines();
  f.canvas.clear();
  f.map.EraseMarker();
  const auto erased = f.lines();
  ASSERT_EQ(erased.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(erased[i].rect, drawn[i].rect);
    EXPECT_EQ(erased[i].pen, drawn[i].pen);
  }
  const gfx::DrawOp* blanks = f.canvas.findText(std::string(24, ' '));
  ASSERT_NE(blanks, nullptr);
  EXPECT_EQ(blanks->at, (gfx::Point{200 - 96, 177}));
}

// Pixels an odd number of times under the XOR lines among ops: what those lines leave
// changed on the picture. A line w pixels wide covers w pixels across its length.
std::set<std::pair<int, int>> xorChanged(const std::vector<gfx::DrawOp>& ops) {
  std::set<std::pair<int, int>> odd;
  const auto flip = [&](int x, int y) {
    if (!odd.erase({x, y})) odd.insert({x, y});
  };
  for (const auto& op : ops) {
    if (op.kind != gfx::DrawOp::Line || op.pen.mode != gfx::PenMode::Xor) continue;
    const int half = op.pen.width / 2;
    const gfx::Rect& r = op.rect;
    const bool vertical = r.left == r.right;
    const int from = vertical ? std::min(r.top, r.bottom) : std::min(r.left, r.right);
    const int to = vertical ? std::max(r.top, r.bottom) : std::max(r.left, r.right);
    for (int a = from; a <= to; ++a)
      for (int d = -half; d <= half; ++d) vertical ? flip(r.left + d, a) : flip(a, r.top + d);
  }
  return odd;
}

TEST(DefectMapMarker, VisibleAtEveryScaleAndGoneWhenDrawnTwice) {
  // From 2 pixels a millimetre down to the most a 65 m map zooms out to.
  MapFixture f(2, 65535, 1090);
  for (float scale = 2.0f; scale > 1000.0f / 65535 / 4 / 2; scale /= 2) {
    f.map.scale = scale;
    f.map.markerX = 300;
    f.canvas.clear();
    f.map.DrawMarker();
    const auto drawn = f.canvas.ops();
    const auto changed = xorChanged(drawn);
    // Both sides show whole on a row between the top and bottom lines.
    int shown = 0;
    for (const auto& [x, y] : changed)
      if (y == 90 + 80) ++shown;
    EXPECT_EQ(shown, 2 * 3) << scale;
    EXPECT_GE(f.map.HitMarker(300 + 3), 0) << scale;  // and can be taken hold of
    f.map.EraseMarker();
    EXPECT_TRUE(xorChanged(f.canvas.ops()).empty()) << scale;
  }
}

TEST(DefectMapSidePanel, IndicationsUnderTheMarker) {
  MapFixture f(2, 100, 1090);
  f.map.markerMm = 40;
  f.set(40, 0, 7, 0);
  f.set(42, 1, 5, 250);
  f.set(45, 0, 3, 251);
  f.set(46, 0, 9, 1);   // right of the window
  f.set(43, 0, 2, 50);  // unknown class: nothing
  f.canvas.clear();
  f.map.DrawSidePanel();
  // cw = 8 + 2; "#" 16 high; row 80.
  EXPECT_TRUE(f.hasFill({0, 0, 90 - 20, 250}));
  EXPECT_TRUE(f.hasLine(0, 90, 90, 90));
  EXPECT_TRUE(f.hasLine(0, 170, 90, 170));
  EXPECT_TRUE(f.hasLine(0, 250, 90, 250));
  EXPECT_EQ(f.canvas.findText("40")->at, (gfx::Point{10, 90 - 48 - 2}));
  EXPECT_EQ(f.canvas.findText("0")->at, (gfx::Point{20, 110}));
  EXPECT_EQ(f.canvas.findText("7")->at, (gfx::Point{20, 130}));
  EXPECT_EQ(f.canvas.findText("A")->at, (gfx::Point{40, 190}));
  EXPECT_EQ(f.canvas.findText("K")->at, (gfx::Point{40, 210}));
  const auto texts = f.canvas.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "X"), 2);
  EXPECT_EQ(f.canvas.findText("9"), nullptr);
  EXPECT_EQ(f.canvas.findText("2"), nullptr);
  EXPECT_EQ(texts.size(), 7u);
}

TEST(DefectMapSidePanel, StopsAtTheEndOfTheObject) {
  MapFixture f(1, 50, 1090);
  f.map.markerMm = 47;
  f.set(49, 0, 1, 3);
  f.canvas.clear();
  f.map.DrawSidePanel();
  EXPECT_EQ(f.canvas.findText("-")->at.x, (2 + 2) * 10);
  EXPECT_EQ(f.canvas.texts().size(), 3u);
}

}  // namespace
}  // namespace defectmap
