// The bytes of the benchmark files: thickness runs of any length and dense defect maps, as written on disk.
#pragma once

#include <cstdint>

#include "support/file_builder.h"

namespace benchfiles {

// A thickness run of the given length with random readings. With markers: 3 % contact lost,
// 2 % speed exceeded, readings of 1000..2199 raw; without: readings of 800..1049 raw.
testsupport::Bytes thicknessRunBytes(std::uint16_t length, unsigned seed, bool markers);

// A defect map of three layers with every cell an indication of a random class.
testsupport::Bytes denseMapBytes(std::uint16_t length, unsigned seed);

}  // namespace benchfiles
