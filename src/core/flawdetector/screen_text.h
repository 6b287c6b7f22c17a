// The instrument screen as text: one line per raster row from the top, one character per cell.
#pragma once

#include <string>
#include <vector>

#include "core/flawdetector/hd_screen.h"

namespace flaw {

// H lines of W characters: "." for an empty cell, "1" to "4" for grid, trace, ink and gate.
std::vector<std::string> rasterText(const HDScreen& s);

}  // namespace flaw
