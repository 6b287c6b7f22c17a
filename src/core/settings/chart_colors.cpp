// Chart colours derived from the thickness colour table.
#include "core/settings/chart_colors.h"

namespace settings {

gfx::Color DarkenBy20(gfx::Color c) {
  return gfx::rgb(std::uint8_t(gfx::red(c) - 20), std::uint8_t(gfx::green(c) - 20), std::uint8_t(gfx::blue(c) - 20));
}

ChartColors ApplyChartColors(const Settings& s) {
  ChartColors cc;
  for (int i = 0; i < 4; ++i) {
    cc.band[i] = s.ThicknessColors[i];
    cc.pen[i] = DarkenBy20(s.ThicknessColors[i]);
  }
  cc.marks = s.ThicknessColors[kMarks];
  cc.text = s.ThicknessColors[kText];
  cc.grid = s.ThicknessColors[kGrid];
  return cc;
}

}  // namespace settings
