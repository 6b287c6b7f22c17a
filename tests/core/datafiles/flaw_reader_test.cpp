// Flaw-detector records: the forms and their lengths, the extension, out-of-format refusals, derived depths.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/datafiles/decoders.h"
#include "core/datafiles/reader.h"
#include "core/flawdetector/parameter_text.h"
#include "support/file_builder.h"

namespace {

using datafiles::loadDataBytes;
using testsupport::Bytes;
using testsupport::FlawFields;

TEST(FlawRecord, PlainFormLengths) {
  FlawFields s;
  s.objectFlag = 1;
  s.objectName = "Труба 3";
  Bytes b = testsupport::buildFlaw(s);
  EXPECT_EQ(b.size(), 252u);
  auto r = loadDataBytes("r.DHN", b);
  ASSERT_TRUE(r.ok) << (r.refusal.messages.empty() ? "" : r.refusal.messages[0]);
  EXPECT_EQ(r.file.flaw.ObjectName, "Труба 3");
  EXPECT_EQ(r.file.flaw.TvgCount, 0);
  EXPECT_EQ(r.file.HeaderSize, 80);
  EXPECT_EQ(r.file.body.size(), 141u);

  s.objectFlag = 0;
  EXPECT_EQ(testsupport::buildFlaw(s).size(), 220u);
  s.tvgCountByte = 0;  // one TVG point: the 64-byte header
  b = testsupport::buildFlaw(s);
  EXPECT_EQ(b.size(), 204u);
  r = loadDataBytes("r.dhn", b);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.HeaderSize, 64);
  EXPECT_FALSE(loadDataBytes("r.dht", b).ok);  // type 3 is a .DHN
}

TEST(FlawRecord, LengthMustMatch) {
  FlawFields s;
  Bytes b = testsupport::buildFlaw(s);
  b.push_back(0);
  auto r = loadDataBytes("r.dhn", b);
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.refusal.messages, std::vector<std::string>{"Ошибка длины файла \nr.dhn"});
  s.sweepRange = 0;  // a zero sweep never matches a real length
  EXPECT_FALSE(loadDataBytes("r.dhn", testsupport::buildFlaw(s)).ok);
}

TEST(FlawRecord, ExtendedFormsAndChecksumOverTheExtension) {
  FlawFields s;
  s.objectFlag = 1;
  s.aScanCode = 9;
  s.extraGateStart = 300;
  s.extraGateWidth = 40;
  s.extraGateOn = 1;
  Bytes b = testsupport::buildFlaw(s);
  EXPECT_EQ(b.size(), 263u);
  auto r = loadDataBytes("r.DHN", b);
  ASSERT_TRUE(r.ok) << (r.refusal.messages.empty() ? "" : r.refusal.messages[0]);
  EXPECT_TRUE(r.file.DhExtended);
  EXPECT_EQ(r.file.flaw.ExtraGateStart, 300);
  EXPECT_EQ(r.file.flaw.ObjectBlockSize, 34);
  b[258] ^= 1;  // an extension byte: the checksum covers it
  r = loadDataBytes("r.DHN", b);
  EXPECT_EQ(r.refusal.messages, std::vector<std::string>{"Ошибка контрольной суммы в файле\nr.DHN"});

  s.aScanCode = 200;
  s.extensionCount = 12;
  b = testsupport::buildFlaw(s);
  EXPECT_EQ(b.size(), 327u);
  r = loadDataBytes("r.DHT", [&] {
    Bytes c = b;
    c[2] = 4;
    testsupport::fixChecksum(c, 80, 80);
    return c;
  }());
  // Changing the type without the extension in the sum breaks the checksum.
  EXPECT_FALSE(r.ok);
  s.type = 4;
  r = loadDataBytes("r.DHT", testsupport::buildFlaw(s));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.kind, datafiles::FileKind::Dht);
  EXPECT_EQ(r.file.flaw.AScanLength, 200);
  EXPECT_EQ(r.file.body.size(), 201u);
}

TEST(FlawRecord, OutsideTheFormatIsRefusedWithTheFormatMessage) {
  const std::vector<std::string> form{"Неверный  формат файла\nr.dhn"};
  FlawFields s;
  s.objectFlag = 1;
  s.aScanCode = 5;  // no length of that code
  EXPECT_EQ(loadDataBytes("r.dhn", testsupport::buildFlaw(s)).refusal.messages, form);
  s.aScanCode = 200;
  s.extensionCount = 175;
  EXPECT_EQ(loadDataBytes("r.dhn", testsupport::buildFlaw(s)).refusal.messages, form);
  s.extensionCount = 8;
  EXPECT_EQ(loadDataBytes("r.dhn", testsupport::buildFlaw(s)).refusal.messages, form);
  s.extensionCount = 12;
  s.objectFlag = 0;  // extended without its object block
  EXPECT_EQ(loadDataBytes("r.dhn", testsupport::buildFlaw(s)).refusal.messages, form);
  FlawFields t;
  t.tvgCountByte = 8;  // nine points do not fit
  EXPECT_EQ(loadDataBytes("r.dhn", testsupport::buildFlaw(t)).refusal.messages, form);
  t.tvgCountByte = 7;
  EXPECT_TRUE(loadDataBytes("r.dhn", testsupport::buildFlaw(t)).ok);
}

TEST(FlawRecord, TvgAndDerivedValues) {
  FlawFields s;
  s.tvgCountByte = 2;
  s.tvgGainStored = {61, 30, 9};
  s.tvgTime = {100, 200, 300};
  s.angle = 60;
  s.velocity = 3240;
  s.prismDelay = 100;
  s.agcGateOn = 1;
  s.agcGateStart = 110;
  s.agcGateWidth = 50;
  s.sweepRangeMm = 127;
  auto r = loadDataBytes("r.dhn", testsupport::buildFlaw(s));
  ASSERT_TRUE(r.ok);
  const auto& h = r.file.flaw;
  EXPECT_EQ(h.TvgCount, 3);
  EXPECT_EQ(h.TvgGain[0], 20);
  EXPECT_EQ(h.TvgTime[2], 300);
  EXPECT_EQ(h.SweepRangeMm, 120);
  EXPECT_EQ(r.file.BeamVelocityCos, 2805u);  // 3240 x 34641 / 40000
  EXPECT_EQ(h.AgcDepth, (110 - 10) * 2805 / 2000);
  EXPECT_EQ(h.AgcLength, 50 * 2805 / 2000);
}

TEST(FlawRecord, TheOneTvgTimeOfA64ByteHeaderIsNotTheChecksum) {
  FlawFields s;
  s.tvgCountByte = 0;  // one point: the 64-byte header
  s.tvgGainStored = {30};
  s.tvgTime = {37};
  for (std::uint8_t day = 1; day <= 28; ++day) {  // whatever the checksum comes to
    s.day = day;
    auto r = loadDataBytes("r.dhn", testsupport::buildFlaw(s));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.file.HeaderSize, 64);
    EXPECT_EQ(r.file.flaw.TvgCount, 1);
    EXPECT_EQ(r.file.flaw.TvgTime[0], 37) << int(day);
    EXPECT_THAT(flaw::parameterTextLines(r.file.flaw, false), ::testing::Contains("40.0/10 ")) << int(day);
  }
  // Without bytes 42 to 49 the time has both its bytes inside the header.
  s.flags = 0x61;
  s.tvgTime = {300};
  auto r = loadDataBytes("r.dhn", testsupport::buildFlaw(s));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.HeaderSize, 64);
  EXPECT_EQ(r.file.flaw.TvgTime[0], 300);
}

TEST(FlawRecord, SineTableAndAngleLimits) {
  const auto& s = datafiles::SineTable();
  EXPECT_EQ(s[60], 20000u);
  EXPECT_EQ(s[180], 40000u);
  EXPECT_EQ(s[0], 0u);
  datafiles::FlawHeader h;
  h.Velocity = 1000;
  h.Angle = 181;  // 90.5 degrees: still inside the table
  EXPECT_EQ(datafiles::ComputeBeamVelocity(h), 0u);
  h.Angle = 200;
  EXPECT_EQ(datafiles::ComputeBeamVelocity(h), 1000u * s[90] / 40000u);
  EXPECT_EQ(h.Angle, 90);
  // Below the prism delay the depth is 0.
  h.PrismDelay = 5000;
  h.Angle = 60;
  EXPECT_EQ(datafiles::TimeToDepth(h, 2805, 100), 0);
}

TEST(Thickness, RawToThickness) {
  datafiles::ThicknessHeader h;
  h.ZeroOffset = {200, 200, 6000, 0};
  h.VelocityFactor = 100;
  const auto t = datafiles::RawToThickness({1000, 0xFFFF, 1000, 0xFFFE}, h);
  EXPECT_EQ(t[0], 2400u);
  EXPECT_EQ(t[1], 65535u);
  EXPECT_EQ(t[2], 0u);  // below the zero offset
  EXPECT_EQ(t[3], 65534u);
  h.VelocityFactor = 65535;
  EXPECT_EQ(datafiles::RawToThickness({65000, 0, 0, 0}, h)[0],
            5u * 65000 - 200 > 0 ? std::uint32_t(std::uint64_t(5 * 65000 - 200) * 65535 / 200) : 0u);
}

}  // namespace
