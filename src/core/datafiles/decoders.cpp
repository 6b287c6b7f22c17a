// Header decoding of the three formats; raw readings to thickness; beam velocity and depths.
#include "core/datafiles/decoders.h"

#include <cmath>

#include "core/datafiles/reader.h"
#include "core/text/cp1251.h"

namespace datafiles {
namespace {

std::uint16_t u16(const std::array<std::uint8_t, 256>& b, int i) { return std::uint16_t(b[i] | (b[i + 1] << 8)); }

// Bytes 3 to 91, shared by the thickness and the defect-map headers.
template <typename H>
void decodeCommon(const std::array<std::uint8_t, 256>& b, H& h) {
  h.Day = b[3];
  h.Month = b[4];
  h.Year = b[5];
  h.StartHour = b[6];
  h.StartMinute = b[7];
  h.StartSecond = b[8];
  h.Reserved = {b[9], b[10], b[11]};
  h.EndHour = b[12];
  h.EndMinute = b[13];
  h.EndSecond = b[14];
  h.Product = text::fieldText(&b[47], 32);
  h.Diameter = u16(b, 79);
  h.NominalThickness = u16(b, 81);
  h.Block = b[83];
  h.RawTemperature = b[84];
  h.Length = u16(b, 86);
  h.UnitNumber = u16(b, 88);
  h.Option = b[90] == 1 ? b[91] : 0;
}

}  // namespace

std::uint32_t DecodeThicknessHeader(LoadedFile& file) {
  const auto& b = file.RawHeader;
  ThicknessHeader& h = file.thk;
  h = ThicknessHeader{};
  decodeCommon(b, h);
  h.Section = text::fieldText(&b[15], 32);
  h.Channels = b[85];
  if (file.HeaderSize >= 128) {
    for (int i = 0; i < 4; ++i) h.ZeroOffset[i] = u16(b, 92 + 2 * i);
    h.VelocityFactor = u16(b, 100);
  } else {
    // The short header carries no calibration: no zero offset, unit factor (5 um per raw step).
    h.ZeroOffset = {0, 0, 0, 0};
    h.VelocityFactor = 200;
  }
  file.Temperature = Temperature(h.RawTemperature);
  return 2u * h.Channels * (h.Length / 2u);
}

std::uint32_t DecodeDefectMapHeader(LoadedFile& file) {
  const auto& b = file.RawHeader;
  DefectMapHeader& h = file.map;
  h = DefectMapHeader{};
  decodeCommon(b, h);
  h.Weld = text::fieldText(&b[15], 32);
  h.Layers = b[85];
  file.Temperature = Temperature(h.RawTemperature);
  return 2u * h.Layers * h.Length;
}

const std::array<std::uint32_t, 181>& SineTable() {
  static const std::array<std::uint32_t, 181> table = [] {
    std::array<std::uint32_t, 181> t{};
    const double pi = std::acos(-1.0);
    for (int i = 0; i <= 180; ++i) t[i] = std::uint32_t(std::lround(40000.0 * std::sin(i / 2.0 * pi / 180.0)));
    return t;
  }();
  return table;
}

std::uint32_t ComputeBeamVelocity(FlawHeader& hdr) {
  if (hdr.Angle / 2 > 90) hdr.Angle = 90;
  // An angle byte of 181 (90.5 degrees) would index below the table: take 90 degrees.
  const int index = hdr.Angle > 180 ? 180 : hdr.Angle;
  return std::uint32_t(hdr.Velocity) * SineTable()[180 - index] / 40000u;
}

std::uint16_t TimeToDepth(const FlawHeader& hdr, std::uint32_t beamVelocityCos, std::uint16_t t) {
  std::int64_t d = std::int64_t(t) - hdr.PrismDelay / 10;
  if (d < 0) d = 0;
  const std::int64_t v = hdr.Angle / 2 < 90 ? std::int64_t(beamVelocityCos) : std::int64_t(hdr.Velocity);
  return std::uint16_t(d * v / 2000);
}

std::uint16_t TimeToLength(const FlawHeader& hdr, std::uint32_t beamVelocityCos, std::uint16_t t) {
  const std::uint32_t v = hdr.Angle / 2 < 90 ? beamVelocityCos : hdr.Velocity;
  return std::uint16_t(std::uint32_t(t) * v / 2000u);
}

std::uint32_t DecodeFlawHeader(LoadedFile& file, int headerAndExtensionBytes) {
  const auto& b = file.RawHeader;
  FlawHeader& h = file.flaw;
  const bool extended = file.DhExtended;
  const std::uint8_t aScanLength = h.AScanLength;
  const std::uint8_t objectBlockSize = h.ObjectBlockSize;
  const std::uint8_t headerLength = h.HeaderLength;
  h = FlawHeader{};
  h.AScanLength = aScanLength;
  h.ObjectBlockSize = objectBlockSize;
  h.HeaderLength = headerLength;

  h.Day = b[3];
  h.Month = b[4];
  h.Year = b[5];
  h.Hour = b[6];
  h.Minute = b[7];
  h.Second = b[8];
  h.Block = u16(b, 9);
  h.RawTemperature = b[11];
  h.UnitNumber = u16(b, 12);
  h.Gain = b[14];
  h.Flags = b[15];
  h.DefectX = u16(b, 16);
  h.DefectY = u16(b, 18);
  h.GateStart = u16(b, 20);
  h.GateWidth = u16(b, 22);
  h.GateLevel = b[24];
  h.Angle = b[25];
  h.Velocity = u16(b, 26);
  h.PrismDelay = u16(b, 28);
  h.SweepStart = u16(b, 30);
  h.SweepRange = u16(b, 32);
  h.Frequency = u16(b, 34);
  h.AgcGateStart = u16(b, 36);
  h.AgcGateWidth = u16(b, 38);
  h.AgcGateLevel = b[40];
  h.AgcGateOn = b[41];

  if (extended) {
    const int e = file.extensionStart;
    h.ExtraGateStart = u16(b, e);
    h.ExtraGateWidth = u16(b, e + 2);
    h.ExtraGateLevel = b[e + 4];
    h.ExtraGateOn = b[e + 5];
    h.ExtraReserved = {b[e + 6], b[e + 7]};
    h.ExtraNinth = b[e + 8];
  }

  const int base = (h.Flags & kFlagShortLayout) ? 42 : 50;
  std::uint32_t beamCos = 0;
  if (!(h.Flags & kFlagShortLayout)) {
    h.GateStartMm = u16(b, 42);
    h.GateWidthMm = u16(b, 44);
    h.SweepStartMm = u16(b, 46);
    h.SweepRangeMm = std::uint16_t(u16(b, 48) / 10 * 10);
    beamCos = ComputeBeamVelocity(h);
    if (h.AgcGateOn != 0) {
      h.AgcDepth = TimeToDepth(h, beamCos, h.AgcGateStart);
      h.AgcLength = TimeToLength(h, beamCos, h.AgcGateWidth);
    }
    if (h.ExtraGateOn != 0) {
      h.ExtraDepth = TimeToDepth(h, beamCos, h.ExtraGateStart);
      h.ExtraLength = TimeToLength(h, beamCos, h.ExtraGateWidth);
    }
  }
  file.BeamVelocityCos = beamCos;

  h.AuxValue = u16(b, base + 1);
  h.TvgCount = std::uint8_t(b[base + 3] + 1);
  if (h.TvgCount != 0) {
    for (int i = 0; i < 8; ++i) {
      h.TvgGain[i] = std::uint8_t(b[base + 4 + i] / 3);
      h.TvgTime[i] = u16(b, base + 12 + 2 * i);
    }
    // The 64-byte header of the long layout has room for one TVG point, and its time would
    // take bytes 62 and 63; byte 63 is the header checksum, so the time is byte 62 alone.
    if (base + 13 == h.HeaderLength - 1) h.TvgTime[0] = b[base + 12];
  }
  file.DhObjectBlock = b[base] == 1;
  file.Temperature = Temperature(h.RawTemperature);

  if (h.SweepRange == 0) return 0;
  return std::uint32_t(headerAndExtensionBytes) + h.AScanLength + (file.DhObjectBlock ? h.ObjectBlockSize : 0);
}

std::array<std::uint32_t, 4> RawToThickness(const std::array<std::uint16_t, 4>& raw, const ThicknessHeader& hdr) {
  std::array<std::uint32_t, 4> out{};
  for (int i = 0; i < 4; ++i) {
    const std::uint16_t r = raw[i];
    if (r == 0xFFFF || r == 0xFFFE) {
      out[i] = r;
      continue;
    }
    std::int32_t d = 5 * std::int32_t(r) - std::int32_t(hdr.ZeroOffset[i]);
    if (d < 0) d = 0;
    // 64-bit product: a large factor must not wrap the thickness round to a small one.
    out[i] = std::uint32_t(std::uint64_t(d) * hdr.VelocityFactor / 200u);
  }
  return out;
}

}  // namespace datafiles
