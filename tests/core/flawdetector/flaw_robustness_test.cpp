// Untrusted records: any header values and any body length draw within the screen and never fail.
#include <gtest/gtest.h>

#include <random>

#include "core/flawdetector/flaw_picture.h"
#include "core/flawdetector/flaw_print.h"
#include "core/flawdetector/parameter_text.h"
#include "core/gfx/recording_canvas.h"
#include "core/gfx/recording_printer.h"

namespace flaw {
namespace {

TEST(FlawRobustness, RandomRecordsStayInsideTheScreen) {
  std::mt19937 rng(1234);
  auto u16 = [&] { return std::uint16_t(rng() & 0xFFFF); };
  auto u8 = [&] { return std::uint8_t(rng() & 0xFF); };
  for (int round = 0; round < 400; ++round) {
    datafiles::LoadedFile file;
    file.kind = (round & 1) ? datafiles::FileKind::Dht : datafiles::FileKind::Dhn;
    file.DhExtended = (round & 2) != 0;
    datafiles::FlawHeader& r = file.flaw;
    r.Flags = u8();
    r.Gain = u8();
    r.DefectX = u16();
    r.DefectY = u16();
    r.GateStart = u16();
    r.GateWidth = u16();
    r.GateLevel = u8();
    r.SweepStart = (round % 5 == 0) ? 0 : u16();
    r.SweepRange = (round % 7 == 0) ? r.SweepStart + 1 : u16();
    r.AgcGateOn = std::uint16_t(rng() % 4);
    r.AgcGateStart = u16();
    r.AgcGateWidth = u16();
    r.AgcGateLevel = u8();
    r.ExtraGateOn = std::uint8_t(rng() % 4);
    r.ExtraGateStart = u16();
    r.ExtraGateWidth = u16();
    r.ExtraGateLevel = u8();
    r.AuxValue = u16();
    r.GateStartMm = u16();
    r.GateWidthMm = u16();
    r.SweepStartMm = u16();
    r.SweepRangeMm = u16();
    r.TvgCount = u8();
    r.AScanLength = (round % 3 == 0) ? 220 : u8();
    file.body.resize(rng() % 300);
    for (auto& b : file.body) b = u8();

    HDScreen s;
    s.loadInstrumentFont();
    setRecord(s, file, (round & 4) ? "00000419" : "");
    gfx::RecordingCanvas picture(2500, 1400), panel(800, 230);
    s.AttachCanvas(&picture);
    s.textCanvas = &panel;
    s.zoomX = s.zoomY = 1 + round % 10;
    s.textY = s.topY;
    BuildScreen(s);
    for (int x = 0; x < kRasterColumns; ++x)
      for (int y = 0; y < kRasterRows; ++y)
        if (x >= s.width || y >= s.height) ASSERT_EQ(s.cell(x, y), 0) << "cell outside the screen " << x << "," << y;
    for (const auto& op : picture.ofKind(gfx::DrawOp::FillRect)) {
      ASSERT_GE(op.rect.left, 0);
      ASSERT_LE(op.rect.right, 2500);
    }
    if (round % 50 == 0) {
      gfx::RecordingPrinter printer(4800, 6600);
      PrintScreen(printer, file, {}, kDefaultFlawColors, "00000419");
      EXPECT_TRUE(printer.ended());
    }
  }
}

}  // namespace
}  // namespace flaw
