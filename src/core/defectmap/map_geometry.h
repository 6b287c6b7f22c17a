// Pixel geometry helpers of the map: truncation toward zero with bounds, the frame and bar of runs, the ruler
// step, and column compositing.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
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

// Where runs of the map fall on a canvas: millimetre firstMm at x marginLeft, scale pixels a
// millimetre, rows rowHeight high from marginTop down, sizeFactor pixels a unit of size.
// The screen takes its own fields; a printed strip has a frame of its own.
struct RunFrame {
  int firstMm = 0;
  float scale = 0.0f;
  float sizeFactor = 0.0f;
  int marginLeft = 0;
  int marginTop = 0;
  int rowHeight = 0;
};

// The ruler's labelled step in millimetres: of 1, 2 and 5 times a power of ten from 10 to
// 1 000 000, the one whose length in pixels comes nearest to target.
inline int rulerStep(int target, float scale) {
  int best = 10;
  long long bestD = std::numeric_limits<long long>::max();
  for (int q = 10; q <= 1000000; q *= 10) {
    for (int m : {1, 2, 5}) {
      const long long d = std::llabs(truncToInt64(double(target) - double(m) * scale * q));
      if (d < bestD) {
        bestD = d;
        best = m * q;
      }
    }
  }
  return best;
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

// Bars of one layer all stand on the same bottom line, so what many bars painted one
// after another leave in a pixel column is a few stacked segments. The compositor is
// given the bars LAST-DRAWN FIRST: a bar shows only where it rises above everything
// drawn after it, and a column whose top is already at full height takes nothing more.
// Each distinct column is then painted once, for the zooms at which tens of runs fall
// into one pixel column.
class ColumnCompositor {
 public:
  // fullHeight: the tallest bar possible; a column that high is final.
  void reset(int width, int bottom, int fullHeight) {
    const std::size_t n = width > 0 ? std::size_t(width) : 0;
    if (cols_.size() < n) cols_.resize(n);
    for (std::size_t i = 0; i < n; ++i) cols_[i].clear();
    top_.assign(n, 0);
    width_ = int(n);
    bottom_ = bottom;
    full_ = fullHeight;
  }
  bool saturated(int col) const { return col >= 0 && col < width_ && top_[std::size_t(col)] >= full_; }
  // A bar `height` pixels tall (above the bottom line) over columns [x, x + width),
  // drawn before every bar added so far.
  void addBehind(int x, int width, int height, gfx::Color color) {
    const int from = x < 0 ? 0 : x;
    const long long toLong = static_cast<long long>(x) + width;
    const int to = toLong > width_ ? width_ : int(toLong);
    for (int col = from; col < to; ++col) {
      int& top = top_[std::size_t(col)];
      if (height <= top) continue;
      cols_[std::size_t(col)].push_back(Seg{height, color});
      top = height;
    }
  }
  void paint(gfx::Canvas& c) const {
    int col = 0;
    while (col < width_) {
      const std::vector<Seg>& st = cols_[std::size_t(col)];
      int end = col + 1;
      while (end < width_ && cols_[std::size_t(end)] == st) ++end;
      // Segments from the bottom up: segment i covers heights above segment i - 1.
      for (std::size_t i = 0; i < st.size(); ++i) {
        const int below = i > 0 ? st[i - 1].top : 0;
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
  std::vector<int> top_;
  int width_ = 0;
  int bottom_ = 0;
  int full_ = 0;
};

}  // namespace defectmap
