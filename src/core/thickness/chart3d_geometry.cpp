// Orthographic projection of the chart box and the small shape tests built on it.
#include "core/thickness/chart3d_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace thickness {

namespace {
int roundPx(double v) { return int(std::floor(v + 0.5)); }
}  // namespace

gfx::Point BoxProjection::pixel(double u, double v, double w) const {
  const Vec2 s = at(u, v, w);
  return {roundPx(s.x), roundPx(s.y)};
}

bool BoxProjection::frontPlaneAt(double x, double y, double& u, double& v) const {
  const double det = eu.x * ev.y - ev.x * eu.y;
  if (std::abs(det) < 1e-9) return false;
  const double dx = x - origin.x;
  const double dy = y - origin.y;
  u = (dx * ev.y - ev.x * dy) / det;
  v = (eu.x * dy - dx * eu.y) / det;
  return true;
}

BoxProjection flatProjection(const gfx::Rect& frame) {
  BoxProjection p;
  p.origin = {double(frame.left), double(frame.bottom)};
  p.eu = {double(frame.width()), 0};
  p.ev = {0, -double(frame.height())};
  p.ew = {0, 0};
  return p;
}

BoxProjection boxProjection(const gfx::Rect& frame, double rotation, double elevation, int zoomPercent, int horizOffset,
                            int depthPercent) {
  constexpr double kDeg = std::numbers::pi / 180.0;
  const double a = (rotation - 360.0) * kDeg;
  const double e = (elevation - 360.0) * kDeg;
  const double sa = std::sin(a), ca = std::cos(a), se = std::sin(e), ce = std::cos(e);
  const double W = std::max(1, frame.width());
  const double H = std::max(1, frame.height());
  const double D = W * depthPercent / 100.0;

  // The box edges turned and projected; screen y upwards here.
  const Vec2 pu{W * ca, -W * sa * se};
  const Vec2 pv{0, H * ce};
  const Vec2 pw{-D * sa, -D * ca * se};

  auto extent = [](double a1, double a2, double a3, double& lo, double& hi) {
    lo = std::min(0.0, a1) + std::min(0.0, a2) + std::min(0.0, a3);
    hi = std::max(0.0, a1) + std::max(0.0, a2) + std::max(0.0, a3);
  };
  double x0, x1, y0, y1;
  extent(pu.x, pv.x, pw.x, x0, x1);
  extent(pu.y, pv.y, pw.y, y0, y1);
  const double zoom = zoomPercent / 100.0;
  const double kx = (x1 - x0) > 1e-9 ? frame.width() * zoom / (x1 - x0) : 1.0;
  const double ky = (y1 - y0) > 1e-9 ? frame.height() * zoom / (y1 - y0) : 1.0;
  const double cx = frame.left + frame.width() / 2.0 + horizOffset;
  const double cy = frame.top + frame.height() / 2.0;
  const double bx = (x0 + x1) / 2.0, by = (y0 + y1) / 2.0;

  BoxProjection p;
  p.origin = {cx - bx * kx, cy + by * ky};
  p.eu = {pu.x * kx, -pu.y * ky};
  p.ev = {pv.x * kx, -pv.y * ky};
  p.ew = {pw.x * kx, -pw.y * ky};

  // Components of the face normals towards the viewer (negative = facing the viewer).
  const double front = -ca * ce;  // normal -w
  const double top = se;          // normal +v
  const double side = sa * ce;    // normal +u
  p.topVisible = top < -1e-9;
  p.rightSideVisible = side < -1e-9;
  const double m = std::max({std::abs(front), std::abs(top), std::abs(side), 1e-9});
  p.frontShade = 0.75 + 0.25 * std::abs(front) / m;
  p.topShade = 0.75 + 0.25 * std::abs(top) / m;
  p.sideShade = 0.75 + 0.25 * std::abs(side) / m;
  return p;
}

bool Quad::asRect(gfx::Rect& r) const {
  const bool a = p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x;
  const bool b = p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y;
  if (!a && !b) return false;
  r.left = std::min({p[0].x, p[1].x, p[2].x, p[3].x});
  r.right = std::max({p[0].x, p[1].x, p[2].x, p[3].x});
  r.top = std::min({p[0].y, p[1].y, p[2].y, p[3].y});
  r.bottom = std::max({p[0].y, p[1].y, p[2].y, p[3].y});
  return true;
}

bool Quad::contains(int x, int y) const {
  gfx::Rect r;
  if (asRect(r)) return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
  bool pos = false, neg = false;
  for (int i = 0; i < 4; ++i) {
    const gfx::Point& a = p[i];
    const gfx::Point& b = p[(i + 1) % 4];
    const long long cross = (long long)(b.x - a.x) * (y - a.y) - (long long)(b.y - a.y) * (x - a.x);
    if (cross > 0) pos = true;
    if (cross < 0) neg = true;
  }
  return pos != neg;  // strictly inside or on an edge, and not a flat shape
}

Quad quadOf(const BoxProjection& pr, const Corners& corners) {
  Quad q;
  for (int i = 0; i < 4; ++i) q.p[i] = pr.pixel(corners[i][0], corners[i][1], corners[i][2]);
  return q;
}

gfx::Color shade(gfx::Color c, double f) {
  if (f >= 1.0) return c;
  auto s = [f](std::uint8_t v) { return std::uint8_t(std::clamp(int(v * f + 0.5), 0, 255)); };
  return gfx::rgb(s(gfx::red(c)), s(gfx::green(c)), s(gfx::blue(c)));
}

}  // namespace thickness
