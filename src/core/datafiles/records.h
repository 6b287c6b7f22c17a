// The decoded header records of the three result-file formats, fields in the unit's order and widths.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace datafiles {

// Thickness file (.DTM), type byte 1.
struct ThicknessHeader {
  std::uint8_t Year = 0, Month = 0, Day = 0;
  std::uint8_t StartHour = 0, StartMinute = 0, StartSecond = 0;
  std::array<std::uint8_t, 3> Reserved{};  // bytes 9 to 11, not shown
  std::uint8_t EndHour = 0, EndMinute = 0, EndSecond = 0;
  std::string Section;  // UTF-8, up to the first zero byte of its 32
  std::string Product;
  std::uint16_t Diameter = 0;
  std::uint16_t NominalThickness = 0;  // tenths of a millimetre
  std::uint8_t Block = 0;
  std::uint8_t RawTemperature = 0;
  std::uint8_t Channels = 0;
  std::uint16_t Length = 0;  // millimetres
  std::uint16_t UnitNumber = 0;
  std::uint16_t ValuesRead = 0;  // 16-bit values in the body, low 16 bits
  std::uint8_t Option = 0;
  std::array<std::uint16_t, 4> ZeroOffset{};
  std::uint16_t VelocityFactor = 0;
};

// Defect-map file (.DAU), type byte 2.
struct DefectMapHeader {
  std::uint8_t Year = 0, Month = 0, Day = 0;
  std::uint8_t StartHour = 0, StartMinute = 0, StartSecond = 0;
  std::array<std::uint8_t, 3> Reserved{};
  std::uint8_t EndHour = 0, EndMinute = 0, EndSecond = 0;
  std::string Weld;
  std::string Product;
  std::uint16_t Diameter = 0;
  std::uint16_t NominalThickness = 0;
  std::uint8_t Block = 0;
  std::uint8_t RawTemperature = 0;
  std::uint8_t Layers = 0;
  std::uint16_t Length = 0;
  std::uint16_t UnitNumber = 0;
  std::uint16_t BytesRead = 0;  // body bytes read, low 16 bits
  std::uint8_t Option = 0;
};

// Manual flaw-detector (.DHN, type 3) and thickness-gauge (.DHT, type 4) record.
struct FlawHeader {
  std::uint8_t Year = 0, Month = 0, Day = 0;
  std::uint8_t Hour = 0, Minute = 0, Second = 0;
  std::uint16_t Block = 0;
  std::uint16_t UnitNumber = 0;
  std::uint8_t Gain = 0;
  std::uint8_t Flags = 0;
  std::uint16_t DefectX = 0, DefectY = 0;
  std::uint16_t GateStart = 0, GateWidth = 0;
  std::uint8_t GateLevel = 0;
  std::uint8_t Angle = 0;  // half-degrees
  std::uint16_t Velocity = 0;
  std::uint16_t PrismDelay = 0;
  std::uint8_t RawTemperature = 0;
  std::uint16_t SweepStart = 0, SweepRange = 0;
  std::uint16_t Frequency = 0;
  std::uint8_t AScanRead = 0;
  std::uint16_t GateStartMm = 0, GateWidthMm = 0, SweepStartMm = 0, SweepRangeMm = 0;
  std::uint16_t AgcDepth = 0, AgcLength = 0, ExtraDepth = 0, ExtraLength = 0;
  std::uint16_t AgcGateStart = 0, AgcGateWidth = 0;
  std::uint16_t AgcGateLevel = 0, AgcGateOn = 0;
  std::uint16_t AuxValue = 0;
  std::string ObjectName;                 // UTF-8, from the object-name block
  std::uint8_t TvgCount = 0;              // points in use, 0 when none
  std::array<std::uint8_t, 8> TvgGain{};  // dB
  std::array<std::uint16_t, 8> TvgTime{};
  std::uint8_t HeaderLength = 0;  // 64 or 80
  std::uint16_t ExtraGateStart = 0, ExtraGateWidth = 0;
  std::uint8_t ExtraGateLevel = 0, ExtraGateOn = 0;
  std::array<std::uint8_t, 2> ExtraReserved{};
  std::uint8_t ExtraNinth = 0;
  std::uint8_t ObjectBlockSize = 32;  // 32, or 34 in the extended form
  std::uint8_t AScanLength = 140;
};

// Flag bits of FlawHeader::Flags.
constexpr std::uint8_t kFlagTvgMode = 0x03;      // value 1: TVG points in use
constexpr std::uint8_t kFlagShowAux = 0x04;      // show AuxValue
constexpr std::uint8_t kFlagCombined = 0x20;     // probe connection combined
constexpr std::uint8_t kFlagShortLayout = 0x40;  // bytes 42-49 absent

}  // namespace datafiles
