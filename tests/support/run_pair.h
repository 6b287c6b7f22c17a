// Two runs of one built pipe for the comparison tests: a known profile, a known shift, a known thinning, known dates.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/datafiles/reader.h"
#include "support/file_builder.h"

namespace comparetest {

// The pipe's wall at pipe position x (mm, even) and sensor i, in micrometres: a smooth part and
// a fixed rough part, multiples of 5 um so that raw = um / 5 reads back exactly.
inline int wallUm(int x, int i) {
  std::uint32_t h = std::uint32_t(x) * 2654435761u + std::uint32_t(i) * 40503u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  const int rough = int(h % 41) - 20;  // -20 .. +20 steps of 5 um
  return 7000 + 5 * (rough + int(30.0 * (x % 400 < 200 ? x % 200 : 200 - x % 200) / 200.0));
}

// One run: the pipe from startMm for lengthMm, dated; thinnedUm less wall on [thinFrom, thinTo)
// of the pipe; the readings a marker function replaces (raw 0xFFFF or 0xFFFE) left as given.
struct RunShape {
  int startMm = 0;
  int lengthMm = 2000;
  std::uint8_t day = 14, month = 3, year = 7;
  int thinnedUm = 0;
  int thinFrom = 0, thinTo = 0;
  std::function<std::uint16_t(int pipeMm, int sensor)> marker;  // 0: no marker
  std::function<int(int pipeMm, int sensor)> wall = wallUm;
  testsupport::MapLikeFields fields;  // object, diameter, nominal (80: 8.0 mm)
};

inline testsupport::Bytes runBytes(const RunShape& shape) {
  testsupport::MapLikeFields f = shape.fields;
  f.type = 1;
  f.day = shape.day;
  f.month = shape.month;
  f.year = shape.year;
  f.length = std::uint16_t(shape.lengthMm);
  f.zeroOffset = {0, 0, 0, 0};
  f.velocityFactor = 200;
  std::vector<std::array<std::uint16_t, 4>> samples;
  for (int p = 0; p < shape.lengthMm; p += 2) {
    const int x = shape.startMm + p;
    std::array<std::uint16_t, 4> raw{};
    for (int i = 0; i < 4; ++i) {
      int um = shape.wall(x, i);
      if (x >= shape.thinFrom && x < shape.thinTo) um -= shape.thinnedUm;
      raw[std::size_t(i)] = std::uint16_t(um / 5);
      if (shape.marker)
        if (const std::uint16_t m = shape.marker(x, i)) raw[std::size_t(i)] = m;
    }
    samples.push_back(raw);
  }
  f.body = testsupport::thicknessBody(samples);
  return testsupport::buildMapLike(f);
}

inline datafiles::LoadedFile buildRun(const RunShape& shape) {
  return datafiles::loadDataBytes("RUN.DTM", runBytes(shape)).file;
}

// 730 days after the default earlier run of 14-03-2007 (2008 is a leap year), begun at startMm,
// 0.4 mm thinner on the pipe's stretch 900 to 1 100 mm.
inline RunShape laterShape(int startMm) {
  RunShape s;
  s.startMm = startMm;
  s.day = 13;
  s.month = 3;
  s.year = 9;
  s.thinnedUm = 400;
  s.thinFrom = 900;
  s.thinTo = 1100;
  return s;
}

}  // namespace comparetest
