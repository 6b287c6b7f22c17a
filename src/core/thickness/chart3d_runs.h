// A band's steps reduced to what the screen can show: equal neighbours merged, at most one step per pixel column.
#pragma once

#include <vector>

#include "core/gfx/color.h"

namespace thickness {

struct ChartPoint;

// One flat step of a band from x0 to x1 (axis units) at value y.
struct BandRun {
  double x0 = 0;
  double x1 = 0;
  double y = 0;
  gfx::Color color = 0;
};

// The steps of points (each holding its value until the next point's x) inside
// [xmin, xmax], neighbours of equal value and colour joined. When more steps remain
// than columns, each pixel column becomes one step: the highest value in it (so the
// area keeps its outline) in the colour of its lowest value (so the deepest thinning
// stays visible).
std::vector<BandRun> bandRuns(const std::vector<ChartPoint>& points, double xmin, double xmax, int columns);

}  // namespace thickness
