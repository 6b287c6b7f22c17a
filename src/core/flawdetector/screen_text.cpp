// The instrument screen as text: one line per raster row from the top, one character per cell.
#include "core/flawdetector/screen_text.h"

namespace flaw {

std::vector<std::string> rasterText(const HDScreen& s) {
  std::vector<std::string> lines;
  for (int y = s.height - 1; y >= 0; --y) {
    std::string line;
    line.reserve(std::size_t(s.width));
    for (int x = 0; x < s.width; ++x) {
      const std::uint8_t k = s.cell(x, y);
      line += k == 0 ? '.' : char('0' + k);
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace flaw
