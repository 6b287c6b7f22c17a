// Test-file builder for every kind and form of result file.
#include "support/file_builder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/text/cp1251.h"

namespace testsupport {
namespace {

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = std::uint8_t(v & 0xFF);
  b[at + 1] = std::uint8_t(v >> 8);
}

void putText(Bytes& b, std::size_t at, std::size_t width, const std::string& utf8) {
  const std::string cp = text::utf8ToCp1251(utf8);
  for (std::size_t i = 0; i < width; ++i) b[at + i] = i < cp.size() ? std::uint8_t(cp[i]) : 0;
}

}  // namespace

void fixChecksum(Bytes& bytes, int length, int position) {
  std::uint8_t sum = 0;
  for (int i = 0; i < length; ++i) {
    if (i != position - 1) sum = std::uint8_t(sum + bytes[i]);
  }
  bytes[position - 1] = sum;
}

Bytes buildMapLike(const MapLikeFields& s) {
  Bytes b(s.headerSize, 0);
  b[0] = 0x55;
  b[1] = 0xAA;
  b[2] = s.type;
  b[3] = s.day;
  b[4] = s.month;
  b[5] = s.year;
  b[6] = s.startHour;
  b[7] = s.startMinute;
  b[8] = s.startSecond;
  b[9] = s.reserved[0];
  b[10] = s.reserved[1];
  b[11] = s.reserved[2];
  b[12] = s.endHour;
  b[13] = s.endMinute;
  b[14] = s.endSecond;
  putText(b, 15, 32, s.section);
  putText(b, 47, 32, s.product);
  put16(b, 79, s.diameter);
  put16(b, 81, s.nominal);
  b[83] = s.block;
  b[84] = s.temperature;
  b[85] = s.channels;
  put16(b, 86, s.length);
  put16(b, 88, s.unitNumber);
  b[90] = s.optionFlag;
  b[91] = s.option;
  if (s.headerSize >= 128) {
    for (int i = 0; i < 4; ++i) put16(b, 92 + 2 * i, s.zeroOffset[i]);
    put16(b, 100, s.velocityFactor);
  }
  fixChecksum(b, s.headerSize, s.headerSize);
  b.insert(b.end(), s.body.begin(), s.body.end());
  return b;
}

int flawHeaderSize(const FlawFields& s) { return s.tvgCountByte == 0 ? 64 : 80; }

Bytes buildFlaw(const FlawFields& s) {
  const int base = (s.flags & 0x40) ? 42 : 50;
  const int headerSize = flawHeaderSize(s);
  Bytes h(256, 0);
  h[0] = 0x55;
  h[1] = 0xAA;
  h[2] = s.type;
  h[3] = s.day;
  h[4] = s.month;
  h[5] = s.year;
  h[6] = s.hour;
  h[7] = s.minute;
  h[8] = s.second;
  put16(h, 9, s.block);
  h[11] = s.temperature;
  put16(h, 12, s.unitNumber);
  h[14] = s.gain;
  h[15] = s.flags;
  put16(h, 16, s.defectX);
  put16(h, 18, s.defectY);
  put16(h, 20, s.gateStart);
  put16(h, 22, s.gateWidth);
  h[24] = s.gateLevel;
  h[25] = s.angle;
  put16(h, 26, s.velocity);
  put16(h, 28, s.prismDelay);
  put16(h, 30, s.sweepStart);
  put16(h, 32, s.sweepRange);
  put16(h, 34, s.frequency);
  put16(h, 36, s.agcGateStart);
  put16(h, 38, s.agcGateWidth);
  h[40] = s.agcGateLevel;
  h[41] = s.agcGateOn;
  if (base == 50) {
    put16(h, 42, s.gateStartMm);
    put16(h, 44, s.gateWidthMm);
    put16(h, 46, s.sweepStartMm);
    put16(h, 48, s.sweepRangeMm);
  }
  h[base] = s.objectFlag;
  put16(h, base + 1, s.auxValue);
  h[base + 3] = s.tvgCountByte;
  for (int i = 0; i < 8; ++i) {
    if (base + 4 + i < headerSize - 1) h[base + 4 + i] = s.tvgGainStored[i];
    if (base + 13 + 2 * i < headerSize - 1) put16(h, base + 12 + 2 * i, s.tvgTime[i]);
  }
  // The 64-byte header of the long layout keeps its one time in byte 62; 63 is the checksum.
  if (base + 13 == headerSize - 1) h[base + 12] = std::uint8_t(s.tvgTime[0]);
  const bool extended = headerSize == 80 && s.aScanCode != 0;
  if (headerSize == 80) h[base + 28] = s.aScanCode;

  // The extension: 8 gate bytes and the ninth, padded to its count.
  Bytes ext;
  if (extended) {
    Bytes gate(9, 0);
    put16(gate, 0, s.extraGateStart);
    put16(gate, 2, s.extraGateWidth);
    gate[4] = s.extraGateLevel;
    gate[5] = s.extraGateOn;
    if (s.aScanCode == 9) {
      ext = gate;
    } else {
      ext.push_back(s.extensionCount);
      Bytes payload(s.extensionCount, 0);
      std::copy_n(gate.begin(), std::min<std::size_t>(9, payload.size()), payload.begin());
      ext.insert(ext.end(), payload.begin(), payload.end());
    }
  }
  // Checksum over the header and the extension, kept in the last header byte.
  Bytes sumBuf(h.begin(), h.begin() + headerSize);
  sumBuf.insert(sumBuf.end(), ext.begin(), ext.end());
  fixChecksum(sumBuf, int(sumBuf.size()), headerSize);

  Bytes out(sumBuf.begin(), sumBuf.begin() + headerSize);
  const std::size_t objectSize = extended ? 34 : 32;
  if (s.objectFlag == 1 || extended) {
    Bytes obj(objectSize, 0);
    putText(obj, 0, objectSize, s.objectName);
    out.insert(out.end(), obj.begin(), obj.end());
  }
  const std::size_t aLen = extended && s.aScanCode > 9 ? s.aScanCode : 140;
  Bytes a = s.aScan;
  a.resize(aLen, 0);
  out.insert(out.end(), a.begin(), a.end());
  out.insert(out.end(), ext.begin(), ext.end());
  return out;
}

Bytes thicknessBody(const std::vector<std::array<std::uint16_t, 4>>& positions) {
  Bytes b;
  b.reserve(positions.size() * 8);
  for (const auto& p : positions) {
    for (std::uint16_t v : p) {
      b.push_back(std::uint8_t(v & 0xFF));
      b.push_back(std::uint8_t(v >> 8));
    }
  }
  return b;
}

Bytes mapBody(const std::vector<std::array<std::uint8_t, 2>>& cells) {
  Bytes b;
  b.reserve(cells.size() * 2);
  for (const auto& c : cells) {
    b.push_back(c[0]);
    b.push_back(c[1]);
  }
  return b;
}

bool writeBytes(const std::string& path, const Bytes& bytes) {
  std::error_code ec;
  const auto parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  std::ofstream out(path, std::ios::binary);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

std::string makeTempDir(const std::string& tag) {
  std::random_device rd;
  const auto dir = std::filesystem::temp_directory_path() /
                   ("terv-" + tag + "-" + std::to_string(rd()) + std::to_string(rd() % 100000));
  std::filesystem::create_directories(dir);
  return dir.string();
}

}  // namespace testsupport
