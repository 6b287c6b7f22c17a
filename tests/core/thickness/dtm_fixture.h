// Thickness files for the thickness tests, built in memory from readings.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/datafiles/loaded_file.h"

namespace thicknesstest {

using Raw = std::array<std::uint16_t, 4>;

// A .DTM with factor 40 and zero offsets 0, so that a raw value reads as that many micrometres.
inline datafiles::LoadedFile makeDtm(std::uint16_t nominal, std::uint16_t length, const std::vector<Raw>& samples) {
  datafiles::LoadedFile f;
  f.kind = datafiles::FileKind::Dtm;
  f.HeaderSize = 128;
  f.thk.NominalThickness = nominal;
  f.thk.Length = length;
  f.thk.Channels = 4;
  f.thk.VelocityFactor = 40;
  for (const Raw& s : samples)
    for (std::uint16_t v : s) {
      f.body.push_back(std::uint8_t(v & 0xFF));
      f.body.push_back(std::uint8_t(v >> 8));
    }
  f.thk.ValuesRead = std::uint16_t(f.body.size() / 2);
  return f;
}

}  // namespace thicknesstest
