// Repairs of fuzz input into accepted files; see fuzz_input.h.
#include "fuzz_input.h"

#include <algorithm>

#include "core/datafiles/reader.h"
#include "core/datafiles/records.h"
#include "core/text/cp1251.h"

namespace fuzzinput {
namespace {

void setChecksum(std::vector<std::uint8_t>& b, const std::vector<std::size_t>& summed, std::size_t at) {
  std::uint8_t sum = 0;
  for (std::size_t i : summed)
    if (i != at) sum = std::uint8_t(sum + b[i]);
  b[at] = sum;
}

std::optional<datafiles::LoadedFile> accepted(const std::string& name, std::vector<std::uint8_t> bytes) {
  datafiles::OpenResult r = datafiles::loadDataBytes(name, std::move(bytes));
  if (!r.ok) return std::nullopt;
  return std::move(r.file);
}

}  // namespace

std::optional<datafiles::LoadedFile> loadMapLike(const std::uint8_t* data, std::size_t size, std::uint8_t type) {
  std::vector<std::uint8_t> b(data, data + size);
  const std::size_t header = !b.empty() && (b[0] & 1) ? 96 : 128;
  if (b.size() < header) b.resize(header);
  b[2] = type;
  const bool fullLength = (b[0] & 0x0E) == 0x0E;
  const std::size_t layers = std::max<std::size_t>(1, b[85]);
  std::size_t length = b[86] | (b[87] << 8);
  if (!fullLength) {
    const std::size_t perMm = type == 1 ? 4 : 2 * layers;  // 2 bytes a sensor reading every 2 mm
    const std::size_t held = (b.size() - header) / perMm;
    length = std::min<std::size_t>(length, 2 * held + 8);
  } else if (type == 2 && layers > 3) {
    // No more cells than the largest legal map announces: 255 layers of 65535 mm only make
    // each run minutes long under the sanitizers without reaching anything new.
    length = std::min<std::size_t>(length, 3 * 65535 / layers);
  }
  b[86] = std::uint8_t(length);
  b[87] = std::uint8_t(length >> 8);
  std::vector<std::size_t> summed(header);
  for (std::size_t i = 0; i < header; ++i) summed[i] = i;
  // A 128-byte header must not pass as a 96-byte one by chance: the 96-byte test comes first.
  setChecksum(b, summed, header - 1);
  if (header == 128) {
    std::uint8_t sum95 = 0;
    for (std::size_t i = 0; i < 95; ++i) sum95 = std::uint8_t(sum95 + b[i]);
    if (sum95 == b[95]) {
      b[95] = std::uint8_t(b[95] + 1);
      setChecksum(b, summed, header - 1);
    }
  }
  return accepted(type == 1 ? "f.DTM" : "f.dau", std::move(b));
}

std::optional<datafiles::LoadedFile> loadFlaw(const std::uint8_t* data, std::size_t size, std::uint8_t type) {
  std::vector<std::uint8_t> b(data, data + size);
  const std::string name = type == 3 ? "f.DHN" : "f.dht";
  if (b.size() < 80) b.resize(80);
  b[2] = type;
  const std::size_t base = (b[15] & datafiles::kFlagShortLayout) ? 42 : 50;
  const std::uint8_t tvg = b[base + 3];
  if (tvg >= 8 && tvg != 255) b[base + 3] = std::uint8_t(tvg & 7);
  const std::size_t headerSize = b[base + 3] == 0 ? 64 : 80;
  // Codes 1 to 8 name no A-scan length, and the extended form always has its object block.
  if (headerSize == 80 && b[base + 28] > 0 && b[base + 28] < 9) b[base + 28] = std::uint8_t(b[base + 28] + 9);
  const std::uint8_t code = headerSize == 80 ? b[base + 28] : 0;
  if (code != 0) b[base] = 1;
  const bool objectBlock = b[base] == 1;

  std::vector<std::size_t> summed(headerSize);
  for (std::size_t i = 0; i < headerSize; ++i) summed[i] = i;
  std::size_t headerBytes = headerSize;
  std::size_t aScan = 140;
  std::size_t objectBytes = objectBlock ? 32 : 0;
  if (code != 0) {
    objectBytes = 34;
    if (code == 9) {
      if (b.size() < 263) b.resize(263);
      for (std::size_t i = 254; i < 263; ++i) summed.push_back(i);
      headerBytes += 9;
    } else {
      aScan = code;
      const std::size_t at = 80 + 34 + std::size_t(code);
      if (b.size() <= at) b.resize(at + 1);
      if (b[at] < 9 || b[at] > 174) b[at] = std::uint8_t(9 + b[at] % 166);
      const std::size_t count = b[at];
      if (b.size() < at + 1 + count) b.resize(at + 1 + count);
      for (std::size_t i = at; i <= at + count; ++i) summed.push_back(i);
      headerBytes += 1 + count;
    }
  }
  setChecksum(b, summed, headerSize - 1);
  b.resize(headerBytes + aScan + objectBytes);
  return accepted(name, std::move(b));
}

text::NumberFormat numberFormat(const std::uint8_t* data, std::size_t size) {
  text::NumberFormat nf;
  if (size > 1 && (data[1] & 1)) nf.decimal = ".";
  if (size > 1 && (data[1] & 2)) nf.group = ",";
  return nf;
}

std::string localeId(const std::uint8_t* data, std::size_t size) {
  return size > 1 && (data[1] & 4) ? "00000409" : "00000419";
}

protocol::ProtocolFields protocolOf(const datafiles::LoadedFile& file) {
  protocol::ProtocolFields p;
  const auto& h = file.RawHeader;
  p.protocolNumber = text::fieldText(&h[3], 6);
  p.objectName = text::fieldText(&h[15], 32);
  p.operatorName = text::fieldText(&h[47], 32);
  // A long conclusion of lines of every width, so that it continues on further sheets.
  for (std::size_t i = 0; i < std::size_t(h[5] % 64); ++i) p.conclusion.push_back(std::string(i * 3 % 97, 'x'));
  return p;
}

}  // namespace fuzzinput
