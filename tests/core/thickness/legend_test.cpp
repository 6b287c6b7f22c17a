// The thickness legend: palette rows, label texts and places, nominals at and beyond the byte's range.
#include "core/thickness/legend.h"

#include <gtest/gtest.h>

#include "core/gfx/recording_canvas.h"
#include "core/text/messages.h"
#include "core/thickness/readings.h"

namespace thickness {
namespace {

using gfx::DrawOp;
const text::NumberFormat kNf{",", " "};

TEST(LegendLabels, Nominal10mmReadsFromTheFirstShadeDown) {
  EXPECT_EQ(legendLabels(100, kNf),
            (std::vector<std::string>{"-0,2мм.", "-1,8мм.", "-3,6мм.", "-5,4мм.", "-7,2мм.", "-9,0мм."}));
  EXPECT_EQ(legendLabels(100, {".", ","})[1], "-1.8мм.");
}

TEST(LegendLabels, NominalsOf256mmAndMoreAreNotCutToAByte) {
  // 256.0 mm: a byte would hold 0 and the labels would turn positive-signed negatives.
  EXPECT_EQ(legendLabels(2560, kNf),
            (std::vector<std::string>{"-5,1мм.", "-51,0мм.", "-102,0мм.", "-153,0мм.", "-204,0мм.", "-255,0мм."}));
  EXPECT_EQ(legendLabels(65535, kNf)[5], "-6552,0мм.");
}

TEST(LegendLabels, NominalsBelow1mmUseTheirTenthsAndNeverGoNegative) {
  const auto half = legendLabels(5, kNf);  // 0.5 mm: the scale spans 0.4 mm
  EXPECT_EQ(half[5], "-0,4мм.");
  EXPECT_EQ(half[1], "-0,1мм.");
  for (std::uint16_t n : {0, 1, 2, 9}) {
    for (const std::string& s : legendLabels(n, kNf)) EXPECT_EQ(s.find("--"), std::string::npos) << s;
  }
  EXPECT_EQ(legendLabels(0, kNf)[0], "0,0мм.");
  EXPECT_EQ(legendLabels(1, kNf)[5], "0,0мм.");
}

TEST(LegendPalette, RowsOfEightPixelsForTheDesignHeight) {
  EXPECT_EQ(legendRowHeight(440), 8);
  gfx::RecordingCanvas c(155, 440);
  drawLegendPalette(c, 8);
  const auto rects = c.ofKind(DrawOp::Rectangle);
  ASSERT_EQ(rects.size(), 53u);
  EXPECT_EQ(rects[0].rect, (gfx::Rect{1, 7, 30, 16}));
  EXPECT_EQ(rects[0].brush.color, kContactLostColor);
  EXPECT_EQ(rects[0].pen.style, gfx::PenStyle::Clear);
  EXPECT_EQ(rects[1].brush.color, kThicknessExceededColor);
  EXPECT_EQ(rects[2].brush.color, kSpeedExceededColor);
  EXPECT_EQ(rects[3].rect, (gfx::Rect{1, 31, 30, 40}));
  EXPECT_EQ(rects[3].brush.color, 0xDFFFDFu);
  EXPECT_EQ(rects[52].rect, (gfx::Rect{1, 423, 30, 432}));
  EXPECT_EQ(rects[52].brush.color, 0x800080u);
  const DrawOp* ak = c.findText(text::msg(text::Msg::AK));
  ASSERT_NE(ak, nullptr);
  EXPECT_EQ(ak->at, (gfx::Point{35, 6}));
  EXPECT_EQ(ak->brush.style, gfx::BrushStyle::Clear);
  EXPECT_EQ(ak->font.pixelHeight, 12);
  ASSERT_NE(c.findText(text::msg(text::Msg::bigvel)), nullptr);
  EXPECT_EQ(c.findText(text::msg(text::Msg::bigvel))->at, (gfx::Point{35, 22}));
}

TEST(LegendPalette, LabelsStandBesideTheFirstShadeAndTheLastShadeOfEachRow) {
  gfx::RecordingCanvas c(155, 440);
  drawLegendLabels(c, 8, 100, kNf);
  const auto texts = c.ofKind(DrawOp::Text);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0].at, (gfx::Point{35, 32}));
  EXPECT_EQ(texts[0].text, "-0,2мм.");
  EXPECT_EQ(texts[1].at, (gfx::Point{35, 102}));
  EXPECT_EQ(texts[5].at, (gfx::Point{35, 422}));
  EXPECT_EQ(texts[5].text, "-9,0мм.");
  EXPECT_EQ(texts[5].brush.style, gfx::BrushStyle::Clear);
}

}  // namespace
}  // namespace thickness
