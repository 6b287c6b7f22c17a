// Chart3D drawing: background, walls, then the bands (chart3d_bands.cpp), axes and title, through the Canvas.
#include <algorithm>
#include <cmath>

#include "core/thickness/chart3d.h"
#include "core/thickness/chart3d_fill.h"

namespace thickness {

void Chart3D::draw(gfx::Canvas& canvas, const gfx::Rect& target) {
  ChartLayout l = computeLayout(canvas, target);
  canvas.setClip(target);
  canvas.setPen(kNoPen);
  canvas.fillRect(target, backgroundColor);
  drawWalls(canvas, l);
  drawBands(canvas, l);
  layout_ = std::move(l);
  drawAxes(canvas, layout_);
  drawTitle(canvas, target);
  canvas.setClip(std::nullopt);
}

void Chart3D::drawWalls(gfx::Canvas& c, const ChartLayout& l) const {
  const BoxProjection& p = l.projection;
  ShapeFiller fill(c);
  if (!view3D) {
    fill.fill(quadOf(p, Corners{{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}}), backWallColor);
    return;
  }
  fill.fill(quadOf(p, Corners{{{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}}), backWallColor);
  fill.flush();
  // The side walls with a thin outline, each with its thickness shown at its front edge.
  c.setPen(gfx::Pen{0x808080, 1, gfx::PenStyle::Solid, gfx::PenMode::Copy});
  c.setBrush(gfx::Brush{sideWallColor, gfx::BrushStyle::Solid});
  auto poly = [&](const Quad& q) { c.polygon(std::vector<gfx::Point>(q.p.begin(), q.p.end())); };
  const Quad left = quadOf(p, Corners{{{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}});
  const Quad bottom = quadOf(p, Corners{{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}});
  poly(left);
  poly(bottom);
  const gfx::Point a = p.pixel(0, 0, 0), b = p.pixel(1, 0, 0), t = p.pixel(0, 1, 0);
  if (bottomWallSize > 0) {
    c.setBrush(gfx::Brush{shade(sideWallColor, 0.92), gfx::BrushStyle::Solid});
    poly(Quad{{{a, b, {b.x, b.y + bottomWallSize}, {a.x, a.y + bottomWallSize}}}});
  }
  if (leftWallSize > 0) {
    c.setBrush(gfx::Brush{shade(sideWallColor, 0.92), gfx::BrushStyle::Solid});
    poly(Quad{{{{a.x - leftWallSize, a.y}, a, t, {t.x - leftWallSize, t.y}}}});
  }
}

void Chart3D::drawAxes(gfx::Canvas& c, const ChartLayout& l) {
  const BoxProjection& p = l.projection;
  c.setFont(labelFont);
  c.setBrush(gfx::Brush{gfx::kWhite, gfx::BrushStyle::Clear});
  c.setPen(gfx::Pen{gfx::kBlack, 1, gfx::PenStyle::Solid, gfx::PenMode::Copy});
  const int th = c.textHeight("0");
  auto uOf = [](const ChartAxis& a, double v) { return (v - a.minimum) / (a.maximum - a.minimum); };
  gfx::Font f = labelFont;
  // Tick marks are one-pixel rectangles: the same pixels as short lines, far cheaper.
  auto tick = [&](const gfx::Rect& r) { c.fillRect(r, gfx::kBlack); };

  // Labels along a horizontal axis at box height v and depth w, below (dir 1) or above (dir -1) it.
  auto horizontal = [&](const ChartAxis& a, double v, double w, int dir, int gap) {
    const gfx::Point s = p.pixel(0, v, w), e = p.pixel(1, v, w);
    c.line(s.x, s.y, e.x, e.y);
    f.color = a.labelColor;
    c.setFont(f);
    int lastRight = -1000000;
    const auto labels = axisLabels(a);
    // The bottom axis carries five minor ticks between its labels.
    if (&a == &axes_[kBottom] && labels.size() >= 2) {
      const double step = (labels[1].first - labels[0].first) / 6.0;
      for (double mv = labels[0].first - 5 * step; mv <= a.maximum; mv += step) {
        if (mv < a.minimum) continue;
        const gfx::Point at = p.pixel(uOf(a, mv), v, w);
        tick(dir > 0 ? gfx::Rect{at.x, at.y, at.x + 1, at.y + 2} : gfx::Rect{at.x, at.y - 1, at.x + 1, at.y + 1});
      }
    }
    for (const auto& [value, text] : labels) {
      const gfx::Point at = p.pixel(uOf(a, value), v, w);
      tick(dir > 0 ? gfx::Rect{at.x, at.y, at.x + 1, at.y + 4} : gfx::Rect{at.x, at.y - 3, at.x + 1, at.y + 1});
      const int tw = c.textWidth(text);
      const int x = at.x - tw / 2;
      if (x < lastRight + 4) continue;
      c.textOut(x, dir > 0 ? at.y + gap + 5 : at.y - gap - 5 - th, text);
      lastRight = x + tw;
    }
  };

  if (axes_[kBottom].visible) horizontal(axes_[kBottom], 0, 0, 1, view3D ? bottomWallSize : 0);
  if (axes_[kTop].visible) horizontal(axes_[kTop], 1, view3D ? 1 : 0, -1, 0);

  const ChartAxis& la = axes_[kLeft];
  if (la.visible && la.maximum > la.minimum) {
    const gfx::Point s = p.pixel(0, 0, 0), e = p.pixel(0, 1, 0);
    const int wall = view3D ? leftWallSize : 0;
    c.line(s.x - wall, s.y, e.x - wall, e.y);
    f.color = la.labelColor;
    c.setFont(f);
    int lastTop = 1000000;
    for (const auto& [value, text] : axisLabels(la)) {
      const gfx::Point at = p.pixel(0, uOf(la, value), 0);
      tick(gfx::Rect{at.x - wall - 3, at.y, at.x - wall + 1, at.y + 1});
      const int y = at.y - th / 2;
      if (y + th > lastTop) continue;
      c.textOut(at.x - wall - 6 - c.textWidth(text), y, text);
      lastTop = y;
    }
  }

  const ChartAxis& da = axes_[kDepth];
  if (view3D && da.visible) {
    const gfx::Point s = p.pixel(1, 0, 0), e = p.pixel(1, 0, 1);
    c.line(s.x, s.y, e.x, e.y);
    f.color = da.labelColor;
    c.setFont(f);
    int lastTop = 1000000;
    for (int place = 1; place <= kSeriesCount; ++place) {
      const gfx::Point at = p.pixel(1, 0, (place - 0.5) / kSeriesCount);
      const int y = at.y - th / 2;
      if (y + th > lastTop) continue;
      c.textOut(at.x + 6, y, series_[order_[place - 1]].title);
      lastTop = y;
    }
  }
}

void Chart3D::drawTitle(gfx::Canvas& c, const gfx::Rect& target) const {
  if (!titleVisible) return;
  c.setFont(titleFont);
  c.setBrush(gfx::Brush{gfx::kWhite, gfx::BrushStyle::Clear});
  int y = target.top + 2;
  for (const std::string& line : titleLines) {
    c.textOut(target.right - 10 - c.textWidth(line), y, line);
    y += c.textHeight(line);
  }
}

void drawCrossHair(gfx::Canvas& c, const Chart3D& chart, int x, int y, gfx::Color color) {
  const gfx::Rect r = chart.plotRect();
  c.setPen(gfx::Pen{color, 1, gfx::PenStyle::Solid, gfx::PenMode::NotXor});
  c.line(x, r.top - chart.h3d(), x, r.bottom - chart.h3d());
  c.line(r.left + chart.w3d(), y, r.right + chart.w3d(), y);
  c.setPen(gfx::Pen{});
}

bool readoutHit(const Chart3D& chart, int x, int y) {
  const gfx::Rect r = chart.plotRect();
  const int px = x - chart.w3d(), py = y + chart.h3d();
  return px >= r.left && px < r.right && py >= r.top && py < r.bottom;
}

}  // namespace thickness
