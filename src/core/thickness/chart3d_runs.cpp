// Reduction of a band's points to drawable steps.
#include "core/thickness/chart3d_runs.h"

#include <algorithm>
#include <cmath>

#include "core/thickness/chart3d.h"

namespace thickness {

std::vector<BandRun> bandRuns(const std::vector<ChartPoint>& points, double xmin, double xmax, int columns) {
  std::vector<BandRun> runs;
  if (points.size() < 2 || !(xmax > xmin)) return runs;
  columns = std::max(columns, 1);

  // Visits the steps inside [xmin, xmax]: f(x0, x1, y, colour).
  auto forEachStep = [&](auto&& f) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      const ChartPoint& p = points[i];
      const double x0 = std::max(p.x, xmin);
      const double x1 = std::min(points[i + 1].x, xmax);
      if (x1 > x0) f(x0, x1, p.y, p.color);
    }
  };

  // First count the joined steps without keeping them: a long file's steps are
  // only ever kept per pixel column.
  std::size_t joined = 0;
  {
    bool any = false;
    double ly = 0, lx1 = 0;
    gfx::Color lc = 0;
    forEachStep([&](double x0, double x1, double y, gfx::Color c) {
      if (!(any && ly == y && lc == c && lx1 == x0)) ++joined;
      any = true;
      ly = y;
      lc = c;
      lx1 = x1;
    });
  }
  if (joined <= std::size_t(columns)) {
    runs.reserve(joined);
    forEachStep([&](double x0, double x1, double y, gfx::Color c) {
      if (!runs.empty()) {
        BandRun& last = runs.back();
        if (last.y == y && last.color == c && last.x1 == x0) {
          last.x1 = x1;
          return;
        }
      }
      runs.push_back({x0, x1, y, c});
    });
    return runs;
  }

  struct Column {
    bool set = false;
    double maxY = 0;
    double minY = 0;
    gfx::Color color = 0;
  };
  std::vector<Column> cols(static_cast<std::size_t>(columns));
  const double scale = columns / (xmax - xmin);
  forEachStep([&](double x0, double x1, double y, gfx::Color color) {
    // x0 and x1 lie at or after xmin: truncation is the floor here.
    const double f0 = (x0 - xmin) * scale, f1 = (x1 - xmin) * scale;
    const int c0 = std::min(int(f0), columns - 1);
    int c1 = int(f1);
    if (double(c1) == f1) --c1;
    c1 = std::clamp(c1, c0, columns - 1);
    for (int c = c0; c <= c1; ++c) {
      Column& col = cols[std::size_t(c)];
      if (!col.set || y > col.maxY) col.maxY = y;
      if (!col.set || y < col.minY) {
        col.minY = y;
        col.color = color;
      }
      col.set = true;
    }
  });
  runs.reserve(std::size_t(columns));
  for (int c = 0; c < columns; ++c) {
    const Column& col = cols[std::size_t(c)];
    if (!col.set) continue;
    const double x0 = xmin + c / scale;
    const double x1 = (c + 1 == columns) ? xmax : xmin + (c + 1) / scale;
    if (!runs.empty() && runs.back().y == col.maxY && runs.back().color == col.color && runs.back().x1 == x0) {
      runs.back().x1 = x1;
    } else {
      runs.push_back({x0, x1, col.maxY, col.color});
    }
  }
  return runs;
}

}  // namespace thickness
