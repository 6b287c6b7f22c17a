// Tests of the instrument-screen raster: primitives and their clamping, rounding, font, numbers, painting.
#include "core/flawdetector/hd_screen.h"

#include <gtest/gtest.h>

#include "core/flawdetector/glyph_font.h"
#include "core/flawdetector/screen_text.h"
#include "core/gfx/recording_canvas.h"

namespace flaw {
namespace {

HDScreen PlainScreen(bool dht = false) {
  HDScreen s;
  s.width = 160;
  s.height = 80;
  s.dht = dht;
  s.loadInstrumentFont();
  return s;
}

// Ink cells of glyph g within its first columns and rows.
int InkOf(int g, int columns = 5, int rows = 7) {
  std::string_view p = glyphPattern(g);
  int n = 0;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) n += p[std::size_t(6 * r + c)] == '#';
  return n;
}

int CountCells(const HDScreen& s, std::uint8_t index) {
  int n = 0;
  for (int x = 0; x < kRasterColumns; ++x)
    for (int y = 0; y < kRasterRows; ++y) n += s.cell(x, y) == index;
  return n;
}

// The 5 x 7 block with top-left (x, y) as glyph rows, '#' where the cell holds ink.
std::string Block(const HDScreen& s, int x, int y) {
  std::string out;
  for (int r = 0; r < 7; ++r) {
    if (r) out += ' ';
    for (int c = 0; c < 5; ++c) out += s.cell(x + c, y - r) == kInkCell ? '#' : '.';
  }
  return out;
}

TEST(HDScreenZoom, StepsBetweenOneAndTenAndTellsTheLimit) {
  HDScreen s;  // starts at 3
  EXPECT_FALSE(s.zoomOut());
  EXPECT_TRUE(s.zoomOut());
  EXPECT_EQ(s.zoomX, kMinZoom);
  EXPECT_TRUE(s.zoomOut());  // stays at the limit
  EXPECT_EQ(s.zoomY, 1);
  for (int z = 2; z < 10; ++z) EXPECT_FALSE(s.zoomIn()) << z;
  EXPECT_TRUE(s.zoomIn());
  EXPECT_TRUE(s.zoomIn());
  EXPECT_EQ(s.zoomX, kMaxZoom);
  EXPECT_EQ(s.zoomY, 10);
}

TEST(HDScreenRounding, TiesGoDownOtherwiseNearest) {
  EXPECT_EQ(RoundHalfDown(2.5f), 2);
  EXPECT_EQ(RoundHalfDown(3.5f), 3);
  EXPECT_EQ(RoundHalfDown(2.6f), 3);
  EXPECT_EQ(RoundHalfDown(2.4f), 2);
  EXPECT_EQ(RoundHalfDown(-2.5f), -3);
  EXPECT_EQ(RoundHalfDown(-2.4f), -2);
  EXPECT_EQ(RoundHalfDown(7.0f), 7);
  // The quotient is taken in float first: 255 / 3.2 = 79.6875 rounds up to 80.
  EXPECT_EQ(RoundHalfDown(255.0f / 3.2f), 80);
  EXPECT_EQ(RoundHalfDown(255.0f / 2.4f), 106);
}

TEST(HDScreenRounding, FormatTenths) {
  EXPECT_EQ(FormatTenths(0), "0.0");
  EXPECT_EQ(FormatTenths(5), "0.5");
  EXPECT_EQ(FormatTenths(123), "12.3");
  EXPECT_EQ(FormatTenths(65535), "6553.5");
}

TEST(HDScreenPrimitives, ColumnRunClampsIntoTheScreen) {
  HDScreen s = PlainScreen();
  s.penIndex = kTraceCell;
  s.DrawColumnRun(5, 300, 200);  // both ends above the raster: one cell at Hd - 1
  EXPECT_EQ(s.cell(5, 79), kTraceCell);
  EXPECT_EQ(CountCells(s, kTraceCell), 1);

  s.ClearRaster();
  s.DrawColumnRun(160 + 5, 2, -4);  // beyond the right edge, ends reversed and below 0
  EXPECT_EQ(CountCells(s, kTraceCell), 3);
  for (int y = 0; y <= 2; ++y) EXPECT_EQ(s.cell(159, y), kTraceCell);

  s.ClearRaster();
  s.DrawColumnRun(-3, 10, 12);
  EXPECT_EQ(s.cell(0, 11), kTraceCell);
}

TEST(HDScreenPrimitives, ColumnRunOfThicknessRecordStopsBelowTheReadouts) {
  HDScreen s = PlainScreen(true);  // Hd = 64
  s.penIndex = kTraceCell;
  s.DrawColumnRun(7, 250, 250);
  EXPECT_EQ(s.cell(7, 63), kTraceCell);
  EXPECT_EQ(CountCells(s, kTraceCell), 1);
}

TEST(HDScreenPrimitives, RowRunOrdersAndClamps) {
  HDScreen s = PlainScreen(true);
  s.penIndex = kGateCell;
  s.DrawRowRun(170, 150, 90);  // y above Hd goes to Hd - 1 = 63
  EXPECT_EQ(CountCells(s, kGateCell), 10);
  EXPECT_EQ(s.cell(150, 63), kGateCell);
  EXPECT_EQ(s.cell(159, 63), kGateCell);
  s.ClearRaster();
  s.DrawRowRun(-10, 2, -1);
  EXPECT_EQ(CountCells(s, kGateCell), 3);
  EXPECT_EQ(s.cell(0, 0), kGateCell);
  s.ClearRaster();
  s.DrawRowRun(4, 4, 20);  // a grid dot
  EXPECT_EQ(CountCells(s, kGateCell), 1);
  EXPECT_EQ(s.cell(4, 20), kGateCell);
}

TEST(HDScreenPrimitives, DiagonalSteps) {
  HDScreen s = PlainScreen();
  s.penIndex = kGateCell;
  s.DrawDiagonal(137, 43, 140, 40);  // falling
  s.DrawDiagonal(137, 36, 140, 39);  // rising
  EXPECT_EQ(CountCells(s, kGateCell), 8);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.cell(137 + i, 43 - i), kGateCell);
    EXPECT_EQ(s.cell(137 + i, 36 + i), kGateCell);
  }
  // The shorter side decides the length; the ends are clamped into the screen first.
  s.ClearRaster();
  s.DrawDiagonal(10, -5, 20, 2);
  EXPECT_EQ(CountCells(s, kGateCell), 3);
  EXPECT_EQ(s.cell(12, 2), kGateCell);
  // Right end left of the start: it still steps right, and stops at the screen's edge.
  s.ClearRaster();
  s.DrawDiagonal(158, 10, 100, 70);
  EXPECT_EQ(CountCells(s, kGateCell), 2);
  EXPECT_EQ(s.cell(159, 11), kGateCell);
}

TEST(HDScreenFont, GlyphPatternsDrawAsTabled) {
  HDScreen s = PlainScreen();
  for (int g = 0; g < kFontGlyphs; ++g) {
    s.ClearRaster();
    s.DrawGlyph(50, 40, g);
    EXPECT_EQ(Block(s, 50, 40), glyphPattern(g)) << "glyph " << g;
  }
  EXPECT_EQ(glyphPattern(31), "..##. .#.#. .#.#. .#.#. .#.#. ##### #...#");
}

TEST(HDScreenFont, LoadGlyphTakesOnlyBlackAsInk) {
  HDScreen s = PlainScreen();
  GlyphImage image;
  image.fill(gfx::kWhite);
  image[7 * 2 + 3] = gfx::kBlack;
  image[0] = 0x010101;  // near-black is not ink
  s.LoadGlyph(5, image);
  s.DrawGlyph(10, 20, 5);
  EXPECT_EQ(CountCells(s, kInkCell), 1);
  EXPECT_EQ(s.cell(12, 17), kInkCell);
}

TEST(HDScreenFont, GlyphIsCutAtTheEdges) {
  HDScreen s = PlainScreen();
  s.penIndex = kGateCell;  // ink is index 3 whatever the pen
  s.DrawGlyph(160 - 3, 40, 8);
  EXPECT_EQ(Block(s, 157, 40).substr(0, 5), ".##..");
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 157; ++x) ASSERT_EQ(s.cell(x, y), 0);
  int inkColumns = 0;
  for (int x = 157; x < 160; ++x)
    for (int y = 34; y <= 40; ++y) inkColumns += s.cell(x, y) == kInkCell;
  EXPECT_EQ(inkColumns, CountCells(s, kInkCell));
  EXPECT_EQ(CountCells(s, kInkCell), InkOf(8, 3));

  s.ClearRaster();
  s.DrawGlyph(10, 3, 8);  // rows below 0 are cut
  EXPECT_EQ(CountCells(s, kInkCell), InkOf(8, 5, 4));
  s.ClearRaster();
  s.DrawGlyph(10, 80, 8);  // top row above the screen: the glyph is not drawn at all
  EXPECT_EQ(CountCells(s, kInkCell), 0);
  s.DrawGlyph(-2, 40, 8);  // left of the screen: the visible columns only
  EXPECT_EQ(Block(s, 0, 40).substr(0, 3), "##.");
}

TEST(HDScreenFont, CharactersOfTheTable) {
  HDScreen a = PlainScreen(), b = PlainScreen();
  a.DrawChar(20, 40, 0xD1);  // Cyrillic С
  b.DrawChar(20, 40, 'C');
  EXPECT_EQ(Block(a, 20, 40), glyphPattern(20));
  EXPECT_EQ(a.raster, b.raster);
  a.ClearRaster();
  a.DrawChar(20, 40, 'A');
  EXPECT_EQ(Block(a, 20, 40), glyphPattern(23));
  a.ClearRaster();
  a.DrawChar(20, 40, 0xC4);  // Д
  EXPECT_EQ(Block(a, 20, 40), glyphPattern(31));
  a.ClearRaster();
  a.DrawChar(20, 40, 'x');
  a.DrawChar(20, 40, '.');
  EXPECT_EQ(CountCells(a, kInkCell), 0);
  a.DrawSmallDigit(20, 40, '7');
  EXPECT_EQ(Block(a, 20, 40), glyphPattern(17));
}

TEST(HDScreenNumbers, TenthsDrawers) {
  HDScreen s = PlainScreen();
  s.DrawTenths(30, 50, 5);
  EXPECT_EQ(Block(s, 30, 50), glyphPattern(0));
  EXPECT_EQ(Block(s, 36, 50), glyphPattern(15));  // the small 5 marks the tenths

  s.ClearRaster();
  s.DrawTenths(30, 50, 123);
  EXPECT_EQ(Block(s, 30, 50), glyphPattern(1));
  EXPECT_EQ(Block(s, 36, 50), glyphPattern(2));
  EXPECT_EQ(Block(s, 42, 50), glyphPattern(13));

  s.ClearRaster();
  s.DrawPaddedTenths(30, 50, 70);
  EXPECT_EQ(Block(s, 30, 50), glyphPattern(0));
  EXPECT_EQ(Block(s, 36, 50), glyphPattern(7));
  EXPECT_EQ(Block(s, 42, 50), "..... ..... ..... ..... ..... ..... .....");

  s.ClearRaster();
  s.DrawPaddedTenths(30, 50, 12345);  // four characters: one step to the left
  EXPECT_EQ(Block(s, 24, 50), glyphPattern(1));
  EXPECT_EQ(Block(s, 42, 50), glyphPattern(4));

  s.ClearRaster();
  s.DrawTenthsWithPoint(30, 50, 123);
  EXPECT_EQ(Block(s, 30, 50), glyphPattern(1));
  EXPECT_EQ(Block(s, 36, 50), glyphPattern(2));
  EXPECT_EQ(s.cell(43, 45), kInkCell);  // the point, in the glyph's second column
  EXPECT_EQ(Block(s, 45, 50), glyphPattern(3));
  EXPECT_EQ(CountCells(s, kInkCell), InkOf(1) + InkOf(2) + 1 + InkOf(3));
}

TEST(HDScreenPainting, OneRectanglePerRunOfEqualColour) {
  HDScreen s = PlainScreen();
  gfx::RecordingCanvas canvas(800, 600);
  s.AttachCanvas(&canvas);
  s.colors = {0xFFFFFF, 0x111111, 0x222222, 0x333333, 0x444444, 0x555555};
  s.penIndex = kTraceCell;
  s.DrawColumnRun(2, 0, 2);
  s.penIndex = kGateCell;
  s.DrawRowRun(2, 2, 3);
  s.penIndex = kTraceCell;
  s.DrawColumnRun(2, 5, 79);  // a run reaching the top row
  s.zoomX = 4;
  s.zoomY = 2;
  s.marginX = 20;
  s.textY = 10;
  s.PaintRaster();
  auto rects = canvas.ofKind(gfx::DrawOp::FillRect);
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0].rect, (gfx::Rect{28, 10 + 77 * 2, 32, 10 + 80 * 2}));
  EXPECT_EQ(rects[0].brush.color, 0x222222u);
  EXPECT_EQ(rects[1].rect, (gfx::Rect{28, 10 + 76 * 2, 32, 10 + 77 * 2}));
  EXPECT_EQ(rects[1].brush.color, 0x444444u);
  EXPECT_EQ(rects[2].rect, (gfx::Rect{28, 10, 32, 10 + 75 * 2}));
  // Two font heights (Courier New 12 at 96 dpi is 16 pixels) and the picture below.
  EXPECT_EQ(s.textY, 10 + 2 * 16 + 80 * 2);
  EXPECT_EQ(s.originX, 80 * 4 + 20);
}

TEST(HDScreenPainting, BackgroundWithAndWithoutRecord) {
  HDScreen s = PlainScreen();
  gfx::RecordingCanvas canvas(300, 200);
  s.colors[0] = 0x123456;
  s.AttachCanvas(&canvas);
  EXPECT_EQ(canvas.font().name, "Courier New");
  EXPECT_EQ(canvas.font().pointSize, 12);
  s.PaintBackground();
  std::uint8_t sample = 0;
  s.samples = &sample;
  s.PaintBackground();
  auto fills = canvas.ofKind(gfx::DrawOp::FillRect);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].brush.color, gfx::sys::kAppWorkSpace);
  EXPECT_EQ(fills[0].rect, (gfx::Rect{0, 0, 300, 200}));
  EXPECT_EQ(fills[1].brush.color, 0x123456u);
}

TEST(HDScreenPainting, TextLinesAdvanceByTheirHeight) {
  HDScreen s = PlainScreen();
  gfx::RecordingCanvas canvas;
  canvas.setMetrics(8, 15);
  s.colors[5] = 0x00AA00;
  s.AttachCanvas(&canvas);
  s.marginX = 20;
  s.textY = 5;
  s.WriteTextLine("abc");
  s.WriteTitleLine(7, "title");
  s.printing = 1;
  s.lineFactor = 1.6f;
  s.WriteTextLine("printed");
  auto texts = canvas.ofKind(gfx::DrawOp::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].at, (gfx::Point{20, 5}));
  EXPECT_EQ(texts[0].font.name, "Arial");
  EXPECT_EQ(texts[0].font.pointSize, 10);
  EXPECT_TRUE(texts[0].font.italic);
  EXPECT_EQ(texts[0].font.color, 0x00AA00u);
  EXPECT_EQ(texts[1].at, (gfx::Point{27, 20}));
  EXPECT_EQ(texts[2].at, (gfx::Point{20, 20 + 22}));  // trunc(15 x 1.5)
  EXPECT_EQ(texts[2].font.name, "Courier New");
  EXPECT_FALSE(texts[2].font.italic);
  EXPECT_EQ(s.textY, 42 + 24);  // trunc(15 x 1.6)
}

TEST(HDScreenText, RasterAsText) {
  HDScreen s = PlainScreen();
  s.penIndex = kGridCell;
  s.DrawRowRun(0, 0, 79);
  s.penIndex = kGateCell;
  s.DrawRowRun(159, 159, 0);
  auto lines = rasterText(s);
  ASSERT_EQ(lines.size(), 80u);
  EXPECT_EQ(lines[0], "1" + std::string(159, '.'));
  EXPECT_EQ(lines[79], std::string(159, '.') + "4");
}

}  // namespace
}  // namespace flaw
