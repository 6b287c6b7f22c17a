// The bytes of the benchmark files.
#include "bench_bytes.h"

#include <array>
#include <random>
#include <vector>

namespace benchfiles {

testsupport::Bytes thicknessRunBytes(std::uint16_t length, unsigned seed, bool markers) {
  testsupport::MapLikeFields fields;
  fields.nominal = 100;
  fields.length = length;
  std::vector<std::array<std::uint16_t, 4>> positions(length / 2);
  std::mt19937 rng(seed);
  for (auto& p : positions)
    for (auto& v : p) {
      if (!markers) {
        v = std::uint16_t(800 + rng() % 250);
        continue;
      }
      const unsigned k = rng() % 100;
      v = k < 3 ? 0xFFFF : k < 5 ? 0xFFFE : std::uint16_t(1000 + rng() % 1200);
    }
  fields.body = testsupport::thicknessBody(positions);
  return testsupport::buildMapLike(fields);
}

testsupport::Bytes denseMapBytes(std::uint16_t length, unsigned seed) {
  testsupport::MapLikeFields fields;
  fields.type = 2;
  fields.channels = 3;
  fields.length = length;
  std::vector<std::array<std::uint8_t, 2>> cells(std::size_t(length) * 3);
  std::mt19937 rng(seed);
  const std::uint8_t types[6] = {0, 1, 2, 3, 250, 251};
  for (auto& c : cells) {
    c[0] = std::uint8_t(1 + rng() % 9);
    c[1] = types[rng() % 6];
  }
  fields.body = testsupport::mapBody(cells);
  return testsupport::buildMapLike(fields);
}

}  // namespace benchfiles
