// Tests of the flaw-detector picture: screen sizes, grids, trace scaling, gates, read-outs, whole screens.
#include "core/flawdetector/flaw_picture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/datafiles/reader.h"
#include "core/flawdetector/glyph_font.h"
#include "core/flawdetector/screen_text.h"
#include "core/gfx/recording_canvas.h"
#include "support/file_builder.h"

namespace flaw {
namespace {

using testsupport::FlawSpec;

const std::string kRussian = "00000419";
const std::string kEnglish = "00000409";

datafiles::LoadedFile Load(const FlawSpec& spec) {
  const auto bytes = testsupport::buildFlaw(spec);
  auto result = datafiles::LoadDataBytes(spec.type == 4 ? "rec.DHT" : "rec.DHN", bytes);
  EXPECT_TRUE(result.ok) << (result.messages.empty() ? "" : result.messages.front());
  return result.file;
}

// A quiet record: no TVG, nothing on the trace, the gate in the middle of the sweep.
FlawSpec QuietSpec() {
  FlawSpec s;
  s.flags = 0x00;
  s.gain = 42;
  s.aScan.assign(140, 0);
  return s;
}

struct Built {
  datafiles::LoadedFile file;
  HDScreen screen;
  bool ok = true;
};

void Build(Built& b, const std::string& locale = kRussian) {
  b.screen.LoadInstrumentFont();
  SetRecord(b.screen, b.file, locale);
  b.ok = FillRaster(b.screen);
}

int Count(const HDScreen& s, std::uint8_t index) {
  int n = 0;
  for (int x = 0; x < s.width; ++x)
    for (int y = 0; y < s.height; ++y) n += s.cell(x, y) == index;
  return n;
}

std::string Block(const HDScreen& s, int x, int y) {
  std::string out;
  for (int r = 0; r < 7; ++r) {
    if (r) out += ' ';
    for (int c = 0; c < 5; ++c) out += s.cell(x + c, y - r) == kInkCell ? '#' : '.';
  }
  return out;
}

std::string GlyphOf(unsigned char ch) { return std::string(GlyphPattern(GlyphForChar(ch))); }

TEST(FlawPictureSize, ByFormAndLength) {
  EXPECT_EQ(ScreenSizeFor(true, 220).width, 240);
  EXPECT_EQ(ScreenSizeFor(true, 220).height, 126);
  EXPECT_EQ(ScreenSizeFor(true, 200).width, 160);
  EXPECT_EQ(ScreenSizeFor(true, 200).height, 120);
  EXPECT_EQ(ScreenSizeFor(true, 200).rowStep, 15);
  EXPECT_EQ(ScreenSizeFor(false, 140).height, 80);
  EXPECT_EQ(ScreenSizeFor(false, 140).rowStep, 10);
}

TEST(FlawPictureTrace, PlainRecordClampsTheTopAmplitude) {
  Built b;
  FlawSpec spec = QuietSpec();
  spec.gateLevel = 0;
  spec.aScan[10] = 255;
  spec.aScan[11] = 32;  // 10 rows
  b.file = Load(spec);
  Build(b);
  EXPECT_EQ(b.screen.width, 160);
  EXPECT_EQ(b.screen.height, 80);
  for (int y = 0; y <= 79; ++y) EXPECT_NE(b.screen.cell(10, y), 0) << y;
  EXPECT_EQ(b.screen.cell(10, 79), kTraceCell);
  // Column 11 runs from the previous sample's row down to its own.
  EXPECT_EQ(b.screen.cell(11, 79), kTraceCell);
  EXPECT_EQ(b.screen.cell(11, 10), kTraceCell);
  EXPECT_EQ(b.screen.cell(11, 9), 0);
  EXPECT_EQ(b.screen.cell(12, 10), kTraceCell);
  EXPECT_EQ(b.screen.cell(12, 0), kTraceCell);
}

TEST(FlawPictureTrace, ExtendedThicknessRecordWith220Samples) {
  Built b;
  FlawSpec spec = QuietSpec();
  spec.type = 4;
  spec.tvgCountByte = 3;
  spec.aScanCode = 220;
  spec.extensionCount = 12;
  spec.objectFlag = 1;
  spec.aScan.assign(220, 0);
  spec.aScan[219] = 255;
  spec.aScan[100] = 255;
  b.file = Load(spec);
  ASSERT_TRUE(b.file.DhExtended);
  Build(b);
  EXPECT_EQ(b.screen.width, 240);
  EXPECT_EQ(b.screen.height, 126);
  EXPECT_EQ(b.screen.usableHeight(), 110);
  EXPECT_EQ(b.screen.cell(100, 106), kTraceCell);
  EXPECT_EQ(b.screen.cell(100, 107), 0);
  EXPECT_EQ(b.screen.cell(219, 106), kTraceCell);  // the last sample is drawn
}

TEST(FlawPictureTrace, ShortBodyIsBoundedByWhatIsThere) {
  datafiles::LoadedFile file = Load(QuietSpec());
  file.body.assign(3, 255);  // fewer samples than the header announces
  HDScreen s;
  SetRecord(s, file, kRussian);
  EXPECT_EQ(s.sampleCount, 3u);
  FillRaster(s);
  EXPECT_EQ(s.cell(2, 79), kTraceCell);
  EXPECT_EQ(s.cell(3, 5), 0);
}

TEST(FlawPictureGrid, PlainFlawDetectorGrid) {
  HDScreen s;
  s.width = 160;
  s.height = 80;
  DrawGridDhn(s);
  // Rows 0, 20, 40, 60 dotted every 4 columns up to 140; columns 0, 24, ... 120 dotted every 4 rows from 3.
  EXPECT_EQ(s.cell(4, 20), kGridCell);
  EXPECT_EQ(s.cell(140, 60), kGridCell);
  EXPECT_EQ(s.cell(144, 60), 0);
  EXPECT_EQ(s.cell(5, 20), 0);
  EXPECT_EQ(s.cell(24, 7), kGridCell);
  EXPECT_EQ(s.cell(24, 8), 0);
  EXPECT_EQ(s.cell(120, 79), kGridCell);
  EXPECT_EQ(Count(s, kGridCell), 4 * 35 + 6 * 20 - 0);
}

TEST(FlawPictureGrid, ThicknessGridsLeaveTheReadoutRowsFree) {
  HDScreen s;
  s.width = 240;
  s.height = 126;
  s.dht = true;
  s.extended = true;
  DrawGridDht(s);
  EXPECT_EQ(s.cell(5, 24), kGridCell);
  EXPECT_EQ(s.cell(220, 99), kGridCell);
  EXPECT_EQ(s.cell(25, 104), kGridCell);
  for (int x = 0; x < 240; ++x)
    for (int y = 106; y < 126; ++y) ASSERT_EQ(s.cell(x, y), 0);
  HDScreen p;
  p.dht = true;
  DrawGridDht(p);
  EXPECT_EQ(p.cell(4, 15), kGridCell);
  EXPECT_EQ(p.cell(4, 63), kGridCell);
  EXPECT_EQ(p.cell(48, 63), kGridCell);
  for (int y = 65; y < 80; ++y) EXPECT_EQ(p.cell(48, y), 0);
}

TEST(FlawPictureGates, GateOneIsTwoRowsAtItsLevel) {
  Built b;
  FlawSpec spec = QuietSpec();  // sweep 0..1000 over 140 columns, gate 200 + 300
  b.file = Load(spec);
  Build(b);
  for (int x = 27; x <= 68; ++x) {
    EXPECT_EQ(b.screen.cell(x, 40), kGateCell) << x;
    EXPECT_EQ(b.screen.cell(x, 39), kGateCell) << x;
  }
  EXPECT_NE(b.screen.cell(26, 40), kGateCell);
  EXPECT_NE(b.screen.cell(69, 40), kGateCell);
  EXPECT_EQ(b.screen.cell(40, 41), 0);
  EXPECT_EQ(b.screen.cell(40, 38), 0);
}

TEST(FlawPictureGates, GateRunningOutOfTheScreenGetsAnArrowHead) {
  Built b;
  FlawSpec spec = QuietSpec();
  spec.gateStart = 800;
  spec.gateWidth = 300;
  b.file = Load(spec);
  Build(b);
  for (int x = 111; x <= 140; ++x) EXPECT_EQ(b.screen.cell(x, 40), kGateCell) << x;
  EXPECT_NE(b.screen.cell(141, 40), kGateCell);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(b.screen.cell(137 + i, 43 - i), kGateCell);
    EXPECT_EQ(b.screen.cell(137 + i, 36 + i), kGateCell);
  }
  EXPECT_EQ(b.screen.cell(136, 44), 0);
}

TEST(FlawPictureGates, ZeroSweepLeavesTheGatesOut) {
  Built b;
  FlawSpec spec = QuietSpec();
  spec.sweepStart = 500;
  spec.sweepRange = 500;
  b.file = Load(spec);
  Build(b);
  EXPECT_FALSE(b.ok);
  EXPECT_EQ(Count(b.screen, kGateCell), 0);
  EXPECT_GT(Count(b.screen, kInkCell), 0);  // the read-outs are there all the same
  EXPECT_GT(Count(b.screen, kGridCell), 0);
}

TEST(FlawPictureGates, AgcAndExtraGateLegendsByLocale) {
  FlawSpec spec = QuietSpec();
  spec.tvgCountByte = 3;
  spec.aScanCode = 9;
  spec.objectFlag = 1;
  spec.agcGateOn = 3;
  spec.agcGateStart = 100;
  spec.agcGateWidth = 200;
  spec.agcGateLevel = 25;
  Built ru, en;
  ru.file = Load(spec);
  en.file = ru.file;
  Build(ru, kRussian);
  Build(en, kEnglish);
  const int row = 119;  // Hd - 1 of a 160 x 120 screen
  EXPECT_EQ(Block(ru.screen, 30, row), GlyphOf(0xC0));
  EXPECT_EQ(Block(ru.screen, 36, row), GlyphOf(0xD0));
  EXPECT_EQ(Block(ru.screen, 42, row), GlyphOf(0xD3));
  EXPECT_EQ(Block(ru.screen, 48, row), GlyphOf('-'));
  EXPECT_EQ(Block(ru.screen, 54, row), GlyphOf(0xD3));
  EXPECT_EQ(Block(en.screen, 36, row), GlyphOf('G'));
  EXPECT_EQ(Block(en.screen, 42, row), GlyphOf('C'));
  EXPECT_EQ(Block(en.screen, 54, row), GlyphOf('S'));
  // The AGC gate line is one row at its own level: 25 % of 120 = 30.
  const int x = RoundHalfDown(float(100 * 140.0 / 1000)) - 1 + 3;
  EXPECT_EQ(ru.screen.cell(x, 30), kGateCell);
  EXPECT_NE(ru.screen.cell(x, 29), kGateCell);

  spec.agcGateOn = 0;
  spec.extraGateOn = 1;
  spec.extraGateStart = 100;
  spec.extraGateWidth = 100;
  spec.extraGateLevel = 90;
  Built ex, exEn;
  ex.file = Load(spec);
  exEn.file = ex.file;
  Build(ex, kRussian);
  Build(exEn, kEnglish);
  EXPECT_EQ(Block(ex.screen, 30, row), GlyphOf(0xC4));
  EXPECT_EQ(Block(ex.screen, 36, row), GlyphOf(0xD1));
  EXPECT_EQ(Block(ex.screen, 42, row), "..... ..... ..... ..... ..... ..... .....");
  EXPECT_EQ(Block(exEn.screen, 30, row), GlyphOf('D'));
  EXPECT_EQ(Block(exEn.screen, 36, row), GlyphOf('S'));
}

TEST(FlawPictureReadouts, PlainRecordDigitsAndLetters) {
  FlawSpec spec = QuietSpec();
  spec.gain = 7;
  spec.flags = 0x20 | 0x01 | 0x04;  // combined probe, TVG in use, aux value shown
  spec.auxValue = 345;
  spec.defectY = 45;
  spec.defectX = 1234;
  spec.gateStartMm = 87;
  spec.gateWidthMm = 6;
  spec.sweepStartMm = 0;
  spec.sweepRangeMm = 12345;  // cut to 12340 when read
  spec.gateLevel = 50;
  Built ru, en;
  ru.file = Load(spec);
  en.file = ru.file;
  Build(ru, kRussian);
  Build(en, kEnglish);
  const HDScreen& s = ru.screen;
  EXPECT_EQ(Block(s, 142, 79), GlyphOf(0xD1));  // С: combined
  EXPECT_EQ(Block(en.screen, 142, 79), GlyphOf('C'));
  EXPECT_EQ(Block(s, 148, 79), GlyphOf('0'));   // gain 07
  EXPECT_EQ(Block(s, 154, 79), GlyphOf('7'));
  EXPECT_EQ(Block(s, 111, 78), GlyphOf('3'));   // aux 34.5
  EXPECT_EQ(Block(s, 123, 78), std::string(GlyphPattern(15)));
  EXPECT_EQ(Block(s, 79, 78), GlyphOf(0xC2));   // В Р Ч two rows below the top
  EXPECT_EQ(Block(s, 91, 78), GlyphOf(0xD7));
  EXPECT_EQ(Block(en.screen, 79, 78), GlyphOf('D'));
  EXPECT_EQ(Block(en.screen, 85, 78), GlyphOf('A'));
  EXPECT_EQ(Block(s, 148, 70), GlyphOf('4'));   // Y = 4.5, two digits, right-aligned
  EXPECT_EQ(Block(s, 154, 70), std::string(GlyphPattern(15)));
  EXPECT_EQ(Block(s, 136, 60), GlyphOf('1'));   // X = 123.4
  EXPECT_EQ(Block(s, 154, 60), std::string(GlyphPattern(14)));
  EXPECT_EQ(Block(s, 148, 50), GlyphOf('8'));   // gate start in mm, bit 6 clear: 8.7
  EXPECT_EQ(Block(s, 154, 40), GlyphOf('0'));  // gate width 0.6: its small 6 falls off the edge
  EXPECT_EQ(Block(s, 142, 30), GlyphOf('5'));   // level 50 %
  EXPECT_EQ(Block(s, 148, 30), GlyphOf('0'));
  EXPECT_EQ(Block(s, 142, 20), GlyphOf('0'));   // sweep start 00
  EXPECT_EQ(Block(s, 136, 10), GlyphOf('1'));   // sweep range 1234: four characters, one step left
  EXPECT_EQ(Block(s, 154, 10), GlyphOf('4'));
}

TEST(FlawPictureReadouts, ThicknessRecordShowsTheReadingWithAPoint) {
  FlawSpec spec = QuietSpec();
  spec.type = 4;
  spec.flags = 0x40 | 0x01;  // short layout, TVG
  spec.defectY = 123;
  spec.gateStart = 456;
  Built b;
  b.file = Load(spec);
  Build(b, kEnglish);
  const HDScreen& s = b.screen;
  EXPECT_EQ(Block(s, 142, 79), GlyphOf('S'));  // separate probe
  EXPECT_EQ(Block(s, 79, 79), GlyphOf('1'));
  EXPECT_EQ(Block(s, 85, 79), GlyphOf('2'));
  EXPECT_EQ(s.cell(92, 74), kInkCell);  // the point
  EXPECT_EQ(Block(s, 94, 79), GlyphOf('3'));
  EXPECT_EQ(Block(s, 79, 62), GlyphOf('D'));   // DAC two rows below the usable height
  EXPECT_EQ(Block(s, 142, 50), GlyphOf('4'));  // gate start in µs with the short layout
}

// Whole screens against the expected pictures kept beside the tests.
std::vector<std::string> Expected(const std::string& name) {
  std::ifstream in(std::string(TERV_SOURCE_DIR) + "/tests/core/flawdetector/screens/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

FlawSpec PlainWithEcho() {
  FlawSpec spec;  // .DHN, TVG in use, combined probe, June 2002
  spec.tvgCountByte = 1;
  spec.tvgGainStored = {30, 60};
  spec.tvgTime = {10, 50};
  spec.aScan.assign(140, 6);
  for (int i = 40; i < 48; ++i) spec.aScan[std::size_t(i)] = std::uint8_t(30 * (i - 39));
  for (int i = 48; i < 56; ++i) spec.aScan[std::size_t(i)] = std::uint8_t(30 * (56 - i));
  for (int i = 90; i < 95; ++i) spec.aScan[std::size_t(i)] = 120;
  return spec;
}

FlawSpec ExtendedThickness() {
  FlawSpec spec;
  spec.type = 4;
  spec.flags = 0x40;
  spec.tvgCountByte = 255;
  spec.aScanCode = 220;
  spec.extensionCount = 12;
  spec.objectFlag = 1;
  spec.objectName = "Труба 7";
  spec.agcGateOn = 1;
  spec.gateStart = 600;
  spec.gateWidth = 600;  // runs out of the screen
  spec.defectY = 87;
  spec.aScan.assign(220, 3);
  for (int i = 0; i < 12; ++i) spec.aScan[std::size_t(i)] = std::uint8_t(250 - 20 * i);
  for (int i = 150; i < 160; ++i) spec.aScan[std::size_t(i)] = 200;
  return spec;
}

void ExpectScreen(const FlawSpec& spec, const std::string& name) {
  Built b;
  b.file = Load(spec);
  Build(b);
  const auto actual = RasterText(b.screen);
  if (std::getenv("TERV_WRITE_SCREENS")) {
    std::ofstream out(std::string(TERV_SOURCE_DIR) + "/tests/core/flawdetector/screens/" + name);
    for (const auto& line : actual) out << line << "\n";
  }
  const auto expected = Expected(name);
  ASSERT_EQ(expected.size(), actual.size()) << name;
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << name << " line " << i;
}

TEST(FlawPictureWhole, PlainFlawDetectorRecord) { ExpectScreen(PlainWithEcho(), "plain_dhn.txt"); }
TEST(FlawPictureWhole, ExtendedThicknessRecord) { ExpectScreen(ExtendedThickness(), "extended_dht.txt"); }

TEST(FlawPictureBuild, PaintsPictureAndParameterText) {
  Built b;
  b.file = Load(QuietSpec());
  b.screen.LoadInstrumentFont();
  SetRecord(b.screen, b.file, kRussian);
  gfx::RecordingCanvas picture(2000, 994), panel(1000, 160);
  b.screen.AttachCanvas(&picture);
  b.screen.textCanvas = &panel;
  b.screen.textY = b.screen.topY;
  EXPECT_TRUE(BuildScreen(b.screen));
  EXPECT_EQ(b.screen.pictureCanvas, &picture);
  ASSERT_FALSE(picture.ofKind(gfx::DrawOp::FillRect).empty());
  EXPECT_EQ(picture.ofKind(gfx::DrawOp::FillRect)[0].brush.color, 0xFFFFFFu);
  // Row H - 1 of the picture starts at topY.
  int top = 1 << 30;
  const auto fills = picture.ofKind(gfx::DrawOp::FillRect);
  for (std::size_t i = 1; i < fills.size(); ++i) top = std::min(top, fills[i].rect.top);
  EXPECT_EQ(top, 10);
  EXPECT_TRUE(picture.ofKind(gfx::DrawOp::Text).empty());
  auto texts = panel.ofKind(gfx::DrawOp::Text);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].at, (gfx::Point{20, 5}));
  EXPECT_EQ(panel.ofKind(gfx::DrawOp::FillRect)[0].brush.color, gfx::sys::kBtnFace);
}

}  // namespace
}  // namespace flaw
