// Chart3D: series order, axes and their zoom, layout and the read-out geometry.
#include "core/thickness/chart3d.h"

#include <algorithm>
#include <cmath>

namespace thickness {

Chart3D::Chart3D() {
  titleFont.name = "Arial";
  titleFont.pixelHeight = 13;
  titleFont.italic = true;
  titleFont.color = gfx::kBlack;
  labelFont.name = "Arial";
  labelFont.pixelHeight = 11;

  ChartAxis& bottom = axes_[kBottom];
  bottom.labelPattern = "#,##0.#";
  ChartAxis& left = axes_[kLeft];
  left.labelPattern = "#.##.#";
  left.increment = 2;
  left.labelColor = gfx::kNavy;
  axes_[kTop].visible = false;
  axes_[kTop].labelPattern = "#,##0.#";
  axes_[kRight].visible = false;
  ChartAxis& depth = axes_[kDepth];
  depth.increment = 1;
  depth.minimum = 0;
  depth.maximum = kSeriesCount - 1;

  const gfx::Color designColors[kSeriesCount] = {0x800040, 0xC0BCBD, 0xC5ABB9, 0xB6A7B5};
  for (int i = 0; i < kSeriesCount; ++i) series_[i].color = designColors[i];
}

int Chart3D::placeOf(int index) const {
  for (int p = 0; p < kSeriesCount; ++p) {
    if (order_[p] == index) return p + 1;
  }
  return 0;
}

bool Chart3D::moveBack(int index) {
  const int place = placeOf(index);
  if (place == 0 || place == kSeriesCount) return false;
  std::swap(order_[place - 1], order_[place]);
  return true;
}

void Chart3D::setAxisRange(ChartAxis& axis, double minimum, double maximum) {
  for (int i = 0; i < kAxisCount; ++i) {
    if (&axes_[i] != &axis) continue;
    if (zoomed_ && i != kDepth) {
      // A new range while widened: it becomes the range to return to, shown widened.
      unzoomed_[i] = {minimum, maximum};
      const double delta = (maximum - minimum) * (zoomedPercent_ - 100) * 0.01;
      axis.minimum = minimum + delta;
      axis.maximum = maximum - delta;
    } else {
      axis.minimum = minimum;
      axis.maximum = maximum;
    }
  }
}

void Chart3D::zoomAxes(int percent) {
  if (!zoomed_) {
    for (int i = 0; i < kAxisCount; ++i) unzoomed_[i] = {axes_[i].minimum, axes_[i].maximum};
    zoomedPercent_ = percent;
  }
  for (int i : {kLeft, kRight, kTop, kBottom}) {
    ChartAxis& a = axes_[i];
    const double delta = (a.maximum - a.minimum) * (percent - 100) * 0.01;
    a.minimum += delta;
    a.maximum -= delta;
  }
  zoomed_ = true;
}

void Chart3D::undoZoom() {
  if (!zoomed_) return;
  for (int i : {kLeft, kRight, kTop, kBottom}) {
    axes_[i].minimum = unzoomed_[i].first;
    axes_[i].maximum = unzoomed_[i].second;
  }
  zoomed_ = false;
}

std::vector<std::pair<double, std::string>> Chart3D::axisLabels(const ChartAxis& axis) const {
  std::vector<std::pair<double, std::string>> out;
  const double span = axis.maximum - axis.minimum;
  if (!(span > 0)) return out;
  double inc = axis.increment;
  // Never more labels than a screen could hold.
  if (!(inc > 0) || span / inc > 1000) inc = span / 10;
  const double start = std::ceil(axis.minimum / inc - 1e-9) * inc;
  for (int i = 0;; ++i) {
    double v = start + i * inc;
    if (v > axis.maximum + inc * 1e-9) break;
    if (std::abs(v) < inc * 1e-9) v = 0;
    out.emplace_back(v, text::formatDouble(v, axis.labelPattern, numberFormat));
  }
  return out;
}

ChartLayout Chart3D::computeLayout(gfx::Canvas& c, const gfx::Rect& target) const {
  ChartLayout l;
  l.target = target;
  int titleH = 4;
  if (titleVisible && !titleLines.empty()) {
    c.setFont(titleFont);
    titleH = int(titleLines.size()) * c.textHeight("Ay") + 6;
  }
  c.setFont(labelFont);
  const int lh = c.textHeight("0");
  int leftW = 6;
  if (axes_[kLeft].visible) {
    int w = 0;
    for (const auto& lab : axisLabels(axes_[kLeft])) w = std::max(w, c.textWidth(lab.second));
    leftW = w + 12;
  }
  int rightW = 12;
  // Room for half of the last bottom or top label, centred on the box's right edge.
  for (const ChartAxis* a : {&axes_[kBottom], &axes_[kTop]}) {
    if (!a->visible) continue;
    const auto labels = axisLabels(*a);
    if (!labels.empty()) rightW = std::max(rightW, c.textWidth(labels.back().second) / 2 + 6);
  }
  if (view3D && axes_[kDepth].visible) {
    int w = 0;
    for (const ChartSeries& s : series_) w = std::max(w, c.textWidth(s.title));
    rightW += w + 8;
  }
  gfx::Rect f;
  f.left = target.left + leftW + (view3D ? leftWallSize : 0);
  f.right = target.right - rightW;
  f.top = target.top + titleH + (axes_[kTop].visible ? lh + 8 : 4);
  f.bottom = target.bottom - 4 - (axes_[kBottom].visible ? lh + 8 : 0) - (view3D ? bottomWallSize : 0);
  if (f.width() < 20) f.right = f.left + 20;
  if (f.height() < 20) f.bottom = f.top + 20;

  l.projection =
      view3D ? boxProjection(f, rotation, elevation, zoomPercent, horizOffset, depthPercent) : flatProjection(f);
  const gfx::Point a = l.projection.pixel(0, 0, 0);
  const gfx::Point b = l.projection.pixel(1, 1, 0);
  const gfx::Point d = l.projection.pixel(0, 1, 0);
  const gfx::Point e = l.projection.pixel(1, 0, 0);
  l.plot.left = std::min({a.x, b.x, d.x, e.x});
  l.plot.right = std::max({a.x, b.x, d.x, e.x});
  l.plot.top = std::min({a.y, b.y, d.y, e.y});
  l.plot.bottom = std::max({a.y, b.y, d.y, e.y});
  l.w3d = view3D ? int(std::lround(l.projection.ew.x)) : 0;
  l.h3d = view3D ? int(std::lround(-l.projection.ew.y)) : 0;
  l.valid = true;
  return l;
}

namespace {

// The value of an axis at a pixel: the pixel's distance from the box origin in units of the
// axis' pixel span along the screen; the minimum when the axis is seen edge-on.
double valueAlong(const ChartAxis& a, bool valid, double pixel, double origin, double span) {
  if (!valid || std::abs(span) < 1e-9) return a.minimum;
  return a.minimum + (pixel - origin) / span * (a.maximum - a.minimum);
}

}  // namespace

double Chart3D::bottomValueAt(int x) const {
  const BoxProjection& p = layout_.projection;
  return valueAlong(axes_[kBottom], layout_.valid, x, p.origin.x, p.eu.x);
}

int Chart3D::bottomPixelOf(double value) const {
  const BoxProjection& p = layout_.projection;
  const ChartAxis& a = axes_[kBottom];
  if (!layout_.valid || a.maximum <= a.minimum) return int(std::lround(p.origin.x));
  return int(std::lround(p.origin.x + (value - a.minimum) / (a.maximum - a.minimum) * p.eu.x));
}

double Chart3D::leftValueAt(int y) const {
  const BoxProjection& p = layout_.projection;
  return valueAlong(axes_[kLeft], layout_.valid, y, p.origin.y, p.ev.y);
}

int Chart3D::seriesAt(int x, int y) const {
  if (!layout_.valid) return -1;
  for (int place = 1; place <= kSeriesCount; ++place) {
    const int idx = order_[place - 1];
    if (!series_[idx].active) continue;
    for (const Quad& q : layout_.shapes[place - 1]) {
      if (q.contains(x, y)) return idx;
    }
  }
  return -1;
}

}  // namespace thickness
