// Pixel geometry helpers of the map: truncation toward zero with bounds, one bar, and column compositing.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/gfx/canvas.h"

namespace defectmap {

// Truncation toward zero, kept inside the int range so that extreme zooms never overflow.
inline std::int64_t truncToInt64(double v) {
  if (!(v == v)) return 0;
  if (v > 4e18) return std::int64_t(4e18);
  if (v < -4e18) return -std::int64_t(4e18);
  return std::int64_t(v);
}
inline int truncToInt(double v) {
  if (!(v == v)) return 0;
  if (v > 1e9) return 1000000000;
  if (v < -1e9) return -1000000000;
  return int(v);
}

// One indication bar: filled from yTop + 1 down to (not including) yTop + d.
struct RunBar {
  bool visible = false;
  int x = 0;
  int width = 0;
  int yTop = 0;
  int d = 0;
  gfx::Color color = 0;
};

// Bars of one layer all stand on the same bottom line, so the pixels that many bars
// painted one after another leave in a column are a few stacked segments. This keeps
// those segments per column and paints each distinct stack once, for the zooms at
// which tens of runs fall into one pixel column.
class ColumnCompositor {
 public:
  void reset(int width, int bottom) {
    cols_.assign(width > 0 ? std::size_t(width) : 0, {});
    bottom_ = bottom;
  }
  // A bar `height` pixels tall (above the bottom line) over columns [x, x + width).
  void add(int x, int width, int height, gfx::Color color) {
    if (height <= 0) return;
    const int from = x < 0 ? 0 : x;
    const long long toLong = static_cast<long long>(x) + width;
    const int to = toLong > static_cast<long long>(cols_.size()) ? int(cols_.size()) : int(toLong);
    for (int col = from; col < to; ++col) {
      std::vector<Seg>& st = cols_[std::size_t(col)];
      while (!st.empty() && st.back().top <= height) st.pop_back();
      st.push_back(Seg{height, color});
    }
  }
  void paint(gfx::Canvas& c) const {
    const int n = int(cols_.size());
    int col = 0;
    while (col < n) {
      const std::vector<Seg>& st = cols_[std::size_t(col)];
      int end = col + 1;
      while (end < n && cols_[std::size_t(end)] == st) ++end;
      for (std::size_t i = 0; i < st.size(); ++i) {
        const int below = i + 1 < st.size() ? st[i + 1].top : 0;
        c.fillRect(gfx::Rect{col, bottom_ - st[i].top, end, bottom_ - below}, st[i].color);
      }
      col = end;
    }
  }

 private:
  struct Seg {
    int top;
    gfx::Color color;
    bool operator==(const Seg&) const = default;
  };
  std::vector<std::vector<Seg>> cols_;
  int bottom_ = 0;
};

}  // namespace defectmap
