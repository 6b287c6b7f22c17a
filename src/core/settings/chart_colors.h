// The thickness chart's colours from the settings: band, outline pen, axis labels, titles, grid.
#pragma once

#include <array>

#include "core/gfx/color.h"
#include "core/settings/settings.h"

namespace settings {

struct ChartColors {
  std::array<gfx::Color, 4> band{};  // sensors 1 to 4
  std::array<gfx::Color, 4> pen{};   // the band outlines: each colour byte minus 20, modulo 256
  gfx::Color marks = 0;              // axis labels
  gfx::Color text = 0;               // legend and titles
  gfx::Color grid = 0;
};

// Each of the three colour bytes decreased by 20 modulo 256 (0x10 becomes 0xFC).
gfx::Color DarkenBy20(gfx::Color c);

ChartColors ApplyChartColors(const Settings& s);

}  // namespace settings
