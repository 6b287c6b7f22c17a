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

using testsupport::FlawFields;

const std::string kRussian = "00000419";
const std::string kEnglish = "00000409";

datafiles::LoadedFile Load(const FlawFields& fields) {
  const auto bytes = testsupport::buildFlaw(fields);
  auto result = datafiles::loadDataBytes(fields.type == 4 ? "rec.DHT" : "rec.DHN", bytes);
  EXPECT_TRUE(result.ok) << (result.refusal.messages.empty() ? "" : result.refusal.messages.front());
  return result.file;
}

// A quiet record: no TVG, nothing on the trace, the gate in the middle of the sweep.
FlawFields QuietFields() {
  FlawFields s;
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
  b.screen.loadInstrumentFont();
  setRecord(b.screen, b.file, locale);
  b.ok = fillRaster(b.screen);
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

std::string GlyphOf(unsigned char ch) { return std::string(glyphPattern(glyphForChar(ch))); }

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
  FlawFields fields = QuietFields();
  fields.gateLevel = 0;
  fields.aScan[10] = 255;
  fields.aScan[11] = 32;  // 10 rows
  b.file = Load(fields);
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
  FlawFields fields = QuietFields();
  fields.type = 4;
  fields.tvgCountByte = 3;
  fields.aScanCode = 220;
  fields.extensionCount = 12;
  fields.objectFlag = 1;
  fields.aScan.assign(220, 0);
  fields.aScan[219] = 255;
  fields.aScan[100] = 255;
  b.file = Load(fields);
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
  datafiles::LoadedFile file = Load(QuietFields());
  file.body.assign(3, 255);  // fewer samples than the header announces
  HDScreen s;
  setRecord(s, file, kRussian);
  EXPECT_EQ(s.sampleCount, 3u);
  fillRaster(s);
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
  FlawFields fields = QuietFields();  // sweep 0..1000 over 140 columns, gate 200 + 300
  b.file = Load(fields);
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
  FlawFields fields = QuietFields();
  fields.gateStart = 800;
  fields.gateWidth = 300;
  b.file = Load(fields);
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
  FlawFields fields = QuietFields();
  fields.sweepStart = 500;
  fields.sweepRange = 500;
  b.file = Load(fields);
  Build(b);
  EXPECT_FALSE(b.ok);
  EXPECT_EQ(Count(b.screen, kGateCell), 0);
  EXPECT_GT(Count(b.screen, kInkCell), 0);  // the read-outs are there all the same
  EXPECT_GT(Count(b.screen, kGridCell), 0);
}

TEST(FlawPictureGates, AgcAndExtraGateLegendsByLocale) {
  FlawFields fields = QuietFields();
  fields.tvgCountByte = 3;
  fields.aScanCode = 9;
  fields.objectFlag = 1;
  fields.agcGateOn = 3;
  fields.agcGateStart = 100;
  fields.agcGateWidth = 200;
  fields.agcGateLevel = 25;
  Built ru, en;
  ru.file = Load(fields);
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

  fields.agcGateOn = 0;
  fields.extraGateOn = 1;
  fields.extraGateStart = 100;
  fields.extraGateWidth = 100;
  fields.extraGateLevel = 90;
  Built ex, exEn;
  ex.file = Load(fields);
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
  FlawFields fields = QuietFields();
  fields.gain = 7;
  fields.flags = 0x20 | 0x01 | 0x04;  // combined probe, TVG in use, aux value shown
  fields.auxValue = 345;
  fields.defectY = 45;
  fields.defectX = 1234;
  fields.gateStartMm = 87;
  fields.gateWidthMm = 6;
  fields.sweepStartMm = 0;
  fields.sweepRangeMm = 12345;  // cut to 12340 when read
  fields.gateLevel = 50;
  Built ru, en;
  ru.file = Load(fields);
  en.file = ru.file;
  Build(ru, kRussian);
  Build(en, kEnglish);
  const HDScreen& s = ru.screen;
  EXPECT_EQ(Block(s, 142, 79), GlyphOf(0xD1));  // С: combined
  EXPECT_EQ(Block(en.screen, 142, 79), GlyphOf('C'));
  EXPECT_EQ(Block(s, 148, 79), GlyphOf('0'));  // gain 07
  EXPECT_EQ(Block(s, 154, 79), GlyphOf('7'));
  EXPECT_EQ(Block(s, 111, 78), GlyphOf('3'));  // aux 34.5
  EXPECT_EQ(Block(s, 123, 78), std::string(glyphPattern(15)));
  EXPECT_EQ(Block(s, 79, 78), GlyphOf(0xC2));  // В Р Ч two rows below the top
  EXPECT_EQ(Block(s, 91, 78), GlyphOf(0xD7));
  EXPECT_EQ(Block(en.screen, 79, 78), GlyphOf('D'));
  EXPECT_EQ(Block(en.screen, 85, 78), GlyphOf('A'));
  EXPECT_EQ(Block(s, 148, 70), GlyphOf('4'));  // Y = 4.5, two digits, right-aligned
  EXPECT_EQ(Block(s, 154, 70), std::string(glyphPattern(15)));
  EXPECT_EQ(Block(s, 136, 60), GlyphOf('1'));  // X = 123.4
  EXPECT_EQ(Block(s, 154, 60), std::string(glyphPattern(14)));
  EXPECT_EQ(Block(s, 148, 50), GlyphOf('8'));  // gate start in mm, bit 6 clear: 8.7
  EXPECT_EQ(Block(s, 154, 40), GlyphOf('0'));  // gate width 0.6: its small 6 falls off the edge
  EXPECT_EQ(Block(s, 142, 30), GlyphOf('5'));  // level 50 %
  EXPECT_EQ(Block(s, 148, 30), GlyphOf('0'));
  EXPECT_EQ(Block(s, 142, 20), GlyphOf('0'));  // sweep start 00
  EXPECT_EQ(Block(s, 136, 10), GlyphOf('1'));  // sweep range 1234: four characters, one step left
  EXPECT_EQ(Block(s, 154, 10), GlyphOf('4'));
}

TEST(FlawPictureReadouts, ThicknessRecordShowsTheReadingWithAPoint) {
  FlawFields fields = QuietFields();
  fields.type = 4;
  fields.flags = 0x40 | 0x01;  // short layout, TVG
  fields.defectY = 123;
  fields.gateStart = 456;
  Built b;
  b.file = Load(fields);
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

FlawFields PlainWithEcho() {
  FlawFields fields;  // .DHN, TVG in use, combined probe, June 2002
  fields.tvgCountByte = 1;
  fields.tvgGainStored = {30, 60};
  fields.tvgTime = {10, 50};
  fields.aScan.assign(140, 6);
  for (int i = 40; i < 48; ++i) fields.aScan[std::size_t(i)] = std::uint8_t(30 * (i - 39));
  for (int i = 48; i < 56; ++i) fields.aScan[std::size_t(i)] = std::uint8_t(30 * (56 - i));
  for (int i = 90; i < 95; ++i) fields.aScan[std::size_t(i)] = 120;
  return fields;
}

FlawFields ExtendedThickness() {
  FlawFields fields;
  fields.type = 4;
  fields.flags = 0x40;
  fields.tvgCountByte = 255;
  fields.aScanCode = 220;
  fields.extensionCount = 12;
  fields.objectFlag = 1;
  fields.objectName = "Труба 7";
  fields.agcGateOn = 1;
  fields.gateStart = 600;
  fields.gateWidth = 600;  // runs out of the screen
  fields.defectY = 87;
  fields.aScan.assign(220, 3);
  for (int i = 0; i < 12; ++i) fields.aScan[std::size_t(i)] = std::uint8_t(250 - 20 * i);
  for (int i = 150; i < 160; ++i) fields.aScan[std::size_t(i)] = 200;
  return fields;
}

void ExpectScreen(const FlawFields& fields, const std::string& name) {
  Built b;
  b.file = Load(fields);
  Build(b);
  const auto actual = rasterText(b.screen);
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
  b.file = Load(QuietFields());
  b.screen.loadInstrumentFont();
  setRecord(b.screen, b.file, kRussian);
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
