// What the benchmarks share: a GUI application for fonts, and the largest legal files, built in memory.
#pragma once

#include <cstdint>

#include "core/datafiles/loaded_file.h"

namespace benchfiles {

// Text drawing needs a GUI application (fonts); made offscreen the first time it is asked for.
void ensureGuiApp();

// A thickness run of the given length with random readings. With markers: 3 % contact lost,
// 2 % speed exceeded, readings of 1000..2199 raw; without: readings of 800..1049 raw.
datafiles::LoadedFile thicknessRun(std::uint16_t length, unsigned seed, bool markers);

// The densest defect map: 65 535 mm, three layers, every cell an indication of a random class.
datafiles::LoadedFile denseMap(unsigned seed);

}  // namespace benchfiles
