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
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const ChartPoint& p = points[i];
    const double x0 = std::max(p.x, xmin);
    const double x1 = std::min(points[i + 1].x, xmax);
    if (!(x1 > x0)) continue;
    if (!runs.empty()) {
      BandRun& last = runs.back();
      if (last.y == p.y && last.color == p.color && last.x1 == x0) {
        last.x1 = x1;
        continue;
      }
    }
    runs.push_back({x0, x1, p.y, p.color});
  }
  if (int(runs.size()) <= columns) return runs;

  struct Column {
    bool set = false;
    double maxY = 0;
    double minY = 0;
    gfx::Color color = 0;
  };
  std::vector<Column> cols(static_cast<std::size_t>(columns));
  const double scale = columns / (xmax - xmin);
  for (const BandRun& r : runs) {
    const int c0 = std::clamp(int(std::floor((r.x0 - xmin) * scale)), 0, columns - 1);
    const int c1 = std::clamp(int(std::ceil((r.x1 - xmin) * scale)) - 1, c0, columns - 1);
    for (int c = c0; c <= c1; ++c) {
      Column& col = cols[std::size_t(c)];
      if (!col.set || r.y > col.maxY) col.maxY = r.y;
      if (!col.set || r.y < col.minY) {
        col.minY = r.y;
        col.color = r.color;
      }
      col.set = true;
    }
  }
  std::vector<BandRun> out;
  for (int c = 0; c < columns; ++c) {
    const Column& col = cols[std::size_t(c)];
    if (!col.set) continue;
    const double x0 = xmin + c / scale;
    const double x1 = (c + 1 == columns) ? xmax : xmin + (c + 1) / scale;
    if (!out.empty() && out.back().y == col.maxY && out.back().color == col.color && out.back().x1 == x0) {
      out.back().x1 = x1;
    } else {
      out.push_back({x0, x1, col.maxY, col.color});
    }
  }
  return out;
}

}  // namespace thickness
