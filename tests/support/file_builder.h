// Builds result files of every kind and form from field values, with a correct checksum, for tests and samples.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

// Header of a thickness (.DTM) or defect-map (.DAU) file.
struct MapLikeFields {
  std::uint8_t type = 1;  // 1 thickness, 2 defect map
  int headerSize = 128;   // 96 or 128
  std::uint8_t day = 15, month = 6, year = 7;
  std::uint8_t startHour = 10, startMinute = 20, startSecond = 30;
  std::array<std::uint8_t, 3> reserved{};
  std::uint8_t endHour = 11, endMinute = 5, endSecond = 0;
  std::string section = "Участок 1";  // UTF-8; the weld of a defect map
  std::string product = "Труба 325x8";
  std::uint16_t diameter = 325;
  std::uint16_t nominal = 80;  // tenths of a millimetre
  std::uint8_t block = 3;
  std::uint8_t temperature = 12;
  std::uint8_t channels = 4;  // layers of a defect map
  std::uint16_t length = 100;
  std::uint16_t unitNumber = 1234;
  std::uint8_t optionFlag = 0, option = 0;
  std::array<std::uint16_t, 4> zeroOffset{0, 0, 0, 0};
  std::uint16_t velocityFactor = 200;
  Bytes body;  // appended as is
};

// Header and body of a flaw-detector (.DHN, type 3) or thickness-gauge (.DHT, type 4) record.
struct FlawFields {
  std::uint8_t type = 3;
  std::uint8_t day = 5, month = 6, year = 2;
  std::uint8_t hour = 14, minute = 30, second = 15;
  std::uint16_t block = 7;
  std::uint8_t temperature = 20;
  std::uint16_t unitNumber = 4321;
  std::uint8_t gain = 42;
  std::uint8_t flags = 0x21;  // TVG mode 1, combined probe, long layout
  std::uint16_t defectX = 120, defectY = 45;
  std::uint16_t gateStart = 200, gateWidth = 300;
  std::uint8_t gateLevel = 50;
  std::uint8_t angle = 130;  // half-degrees
  std::uint16_t velocity = 3240;
  std::uint16_t prismDelay = 1234;
  std::uint16_t sweepStart = 0, sweepRange = 1000;
  std::uint16_t frequency = 2500;
  std::uint16_t agcGateStart = 150, agcGateWidth = 100;
  std::uint8_t agcGateLevel = 40, agcGateOn = 0;
  std::uint16_t gateStartMm = 20, gateWidthMm = 30, sweepStartMm = 0, sweepRangeMm = 100;
  std::uint8_t objectFlag = 0;
  std::uint16_t auxValue = 0;
  std::uint8_t tvgCountByte = 255;              // points - 1; 255 no points; 0 gives the 64-byte header
  std::array<std::uint8_t, 8> tvgGainStored{};  // 3 x dB
  // In the 64-byte header of the long layout only the low byte of the first time is stored.
  std::array<std::uint16_t, 8> tvgTime{};
  std::uint8_t aScanCode = 0;       // 0 plain, 9, or n > 9 (extended)
  std::uint8_t extensionCount = 9;  // L for codes above 9
  std::uint16_t extraGateStart = 0, extraGateWidth = 0;
  std::uint8_t extraGateLevel = 0, extraGateOn = 0;
  std::string objectName;  // UTF-8
  Bytes aScan;             // padded or cut to the A-scan length
};

Bytes buildMapLike(const MapLikeFields& fields);
Bytes buildFlaw(const FlawFields& fields);

// Header size (64 or 80) of a flaw record, as the reader computes it.
int flawHeaderSize(const FlawFields& fields);

// Recomputes the checksum byte at position - 1 over length bytes.
void fixChecksum(Bytes& bytes, int length, int position);

// Raw thickness readings, four per position, as a .DTM body.
Bytes thicknessBody(const std::vector<std::array<std::uint16_t, 4>>& positions);
// Defect-map cells (value, class) as a .DAU body, cells[mm * layers + layer].
Bytes mapBody(const std::vector<std::array<std::uint8_t, 2>>& cells);

// Writes bytes to path (creating directories); false on failure.
bool writeBytes(const std::string& path, const Bytes& bytes);

// A fresh empty directory under the system temp directory.
std::string makeTempDir(const std::string& tag);

}  // namespace testsupport
