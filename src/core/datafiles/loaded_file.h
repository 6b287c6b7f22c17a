// One accepted result file: its kind, decoded header and body, as the viewer holds it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/datafiles/records.h"

namespace datafiles {

enum class FileKind { None, Dtm, Dau, Dhn, Dht };

struct LoadedFile {
  FileKind kind = FileKind::None;
  std::string name;  // full file name as opened (UTF-8)

  // Kind flags as the unit's programs name them; exactly one is set for an accepted file.
  bool DtmOpen() const { return kind == FileKind::Dtm; }
  bool DauOpen() const { return kind == FileKind::Dau; }
  bool DhtOpen() const { return kind == FileKind::Dht; }
  bool isFlaw() const { return kind == FileKind::Dhn || kind == FileKind::Dht; }

  // Only the record of the file's kind is meaningful.
  ThicknessHeader thk;
  DefectMapHeader map;
  FlawHeader flaw;

  std::array<std::uint8_t, 256> RawHeader{};  // header bytes; extended records append the extension
  int HeaderSize = 0;                         // 96/128 for .DTM/.DAU, 64/80 for .DHN/.DHT
  int headerBytes = 0;                        // header plus extension bytes held in RawHeader
  bool DhExtended = false;
  int extensionStart = 0;      // index in RawHeader of the additional-gate bytes (80 or 81)
  bool DhObjectBlock = false;  // the record carried an object-name block
  int Temperature = 0;
  std::uint32_t BeamVelocityCos = 0;
  std::uint32_t DataFileSize = 0;
  std::uint32_t ExpectedSize = 0;

  // The body as read from the file.
  //
  // RULE for every reader of the body (chart, tables, map, picture, print, export):
  // the body may be shorter than the header announces (.DTM and .DAU lengths are
  // not enforced). Never index it from header counts alone: bound every access by
  // body.size(), and treat what is missing as empty (no reading, no finding).
  std::vector<std::uint8_t> body;

  // Thickness body helpers: 16-bit values, little-endian, bounded by the body.
  std::size_t valueCount() const { return body.size() / 2; }
  std::uint16_t value(std::size_t i) const { return std::uint16_t(body[2 * i] | (body[2 * i + 1] << 8)); }
};

}  // namespace datafiles
