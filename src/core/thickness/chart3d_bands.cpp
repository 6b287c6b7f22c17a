// Chart3D bands: the steps of each band as faces, back band first, pass by pass: the flat view,
// or top faces, risers and front faces in 3-D.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/thickness/chart3d.h"
#include "core/thickness/chart3d_fill.h"
#include "core/thickness/chart3d_runs.h"

namespace thickness {

namespace {

using BandSteps = std::array<const std::vector<BandRun>*, Chart3D::kSeriesCount>;
using BandShapes = std::array<std::vector<Quad>, Chart3D::kSeriesCount>;

// Axis values to box coordinates for one repaint, and the faces of a step in them.
struct BandScale {
  const BoxProjection& p;
  double xmin = 0;
  double xspan = 0;
  double ymin = 0;
  double yspan = 0;
  int plotWidth = 0;
  double vb = 0;  // the base line (value 0) as box height

  double u(double x) const { return (x - xmin) / xspan; }
  double v(double y) const { return std::clamp((y - ymin) / yspan, 0.0, 1.0); }
  // More steps than a quarter of the plot's pixels across: a long file, its steps narrow.
  bool narrow(std::size_t steps) const { return steps * 4 > std::size_t(std::max(1, plotWidth)); }
  // The face at depth w from u0 to u1 between the heights lo and hi.
  Quad front(double u0, double u1, double lo, double hi, double w) const {
    return quadOf(p, Corners{{{u0, lo, w}, {u1, lo, w}, {u1, hi, w}, {u0, hi, w}}});
  }
  // A step's whole front face, from the base line to its value.
  Quad front(const BandRun& r, double w) const {
    const double vr = v(r.y);
    return front(u(r.x0), u(r.x1), std::min(vr, vb), std::max(vr, vb), w);
  }
  // A step's top face: its value swept through the depth from w0 to w1.
  Quad top(const BandRun& r, double w0, double w1) const {
    const double u0 = u(r.x0), u1 = u(r.x1), vr = v(r.y);
    return quadOf(p, Corners{{{u0, vr, w0}, {u1, vr, w0}, {u1, vr, w1}, {u0, vr, w1}}});
  }
};

// One band as the 3-D passes see it: its steps, its slice of the depth and the shapes it
// leaves for the click test.
struct Band {
  const std::vector<BandRun>& runs;
  std::vector<Quad>& shapes;
  double w0 = 0;
  double w1 = 0;
};

// The colour that covers the most width among n items, item(i) giving {colour, width};
// of equal widths the colour met first. n is at least 1.
template <class Item>
gfx::Color commonestColor(std::size_t n, Item item) {
  std::vector<std::pair<gfx::Color, double>> widths;
  for (std::size_t i = 0; i < n; ++i) {
    const std::pair<gfx::Color, double> w = item(i);
    auto it = std::find_if(widths.begin(), widths.end(), [&](const auto& c) { return c.first == w.first; });
    if (it == widths.end())
      widths.push_back(w);
    else
      it->second += w.second;
  }
  return std::max_element(widths.begin(), widths.end(),
                          [](const auto& a, const auto& b) { return a.second < b.second; })
      ->first;
}

// Where the stretch that starts at item i ends: joined(k) tells whether item k carries on
// from item k - 1.
template <class Joined>
std::size_t stretchEnd(std::size_t i, std::size_t n, Joined joined) {
  std::size_t e = i + 1;
  while (e < n && joined(e)) ++e;
  return e;
}

// The lowest value of the band in front across step r, its steps searched from j on (j
// moves along with this band's steps); none where that band leaves a gap under r.
std::optional<double> lowestInFront(const std::vector<BandRun>& near, std::size_t& j, const BandRun& r) {
  while (j < near.size() && near[j].x1 <= r.x0) ++j;
  double lowest = r.y;
  double reached = r.x0;
  for (std::size_t k = j; k < near.size() && near[k].x0 < r.x1; ++k) {
    if (near[k].x0 > reached) break;
    lowest = std::min(lowest, near[k].y);
    reached = near[k].x1;
  }
  if (reached < r.x1) return std::nullopt;
  return lowest;
}

// Per pixel column of the target, the top of what the bands painted so far cover.
struct Coverage {
  int left = 0;
  int right = 0;
  int base = 0;  // the base line's row
  std::vector<int> tops;
  int& at(int x) { return tops[std::size_t(x - left)]; }
};

// The passes over one shape filler, so that same-coloured neighbours join across them.
class BandPainter {
 public:
  BandPainter(gfx::Canvas& c, const BandScale& s) : fill_(c), s_(s), p_(s.p) {}

  void flatView(const BandSteps& steps, const gfx::Rect& target, BandShapes& shapes);
  void topFaces(const Band& band);
  void risers(const Band& band);
  // near: the band in front where it hides this one's front face, else null. underlay:
  // whether the narrow steps stand on stretches in their commonest colour.
  void frontFaces(const Band& band, const std::vector<BandRun>* near, double light, bool underlay);

 private:
  void underlayFlatFront(const std::vector<BandRun>& runs, Coverage& cov);
  void paintAboveCovered(const gfx::Rect& rect, gfx::Color color, Coverage& cov);
  void squareTopFaces(const Band& band);
  void slantedTopFaces(const Band& band, double a, double b);
  void stretchOutline(const Band& band, double a, double b, std::size_t i, std::size_t e);
  gfx::Color underlayFront(const Band& band, std::vector<double>& floorOf);
  // The part of step r's front face above height floor, reaching a pixel lower for the seam.
  void fillFrontAbove(const Band& band, const BandRun& r, double floor, gfx::Color color);
  void put(const Band& band, const Quad& q, gfx::Color color) {
    fill_.fill(q, color);
    band.shapes.push_back(q);
  }

  ShapeFiller fill_;
  const BandScale& s_;
  const BoxProjection& p_;
  std::vector<gfx::Point> lower_;  // a top stretch's outline
  std::vector<gfx::Point> upper_;
};

// The flat view, front band first: each column is painted only above what the bands in
// front of it already cover (they all stand on the same base line).
void BandPainter::flatView(const BandSteps& steps, const gfx::Rect& target, BandShapes& shapes) {
  const int base = p_.pixel(0, s_.vb, 0).y;
  Coverage cov{target.left, target.right, base, std::vector<int>(std::size_t(std::max(0, target.width())), base)};
  if (s_.narrow(steps[0]->size())) underlayFlatFront(*steps[0], cov);
  for (std::size_t place = 0; place < steps.size(); ++place) {
    for (const BandRun& r : *steps[place]) {
      const Quad q = s_.front(r, 0);
      shapes[place].push_back(q);
      gfx::Rect rect;
      if (q.asRect(rect)) paintAboveCovered(rect, r.color, cov);
    }
  }
}

// The front band has the base to itself. When its steps are narrow (a long file),
// stretches of adjacent steps are first painted in its commonest colour up to their
// lowest top, one shape each, so that a step in that colour only adds its bit above:
// the dear part of a fill is the number of its rows, not its width.
void BandPainter::underlayFlatFront(const std::vector<BandRun>& runs, Coverage& cov) {
  std::vector<std::pair<gfx::Rect, gfx::Color>> cols;
  for (const BandRun& r : runs) {
    gfx::Rect rect;
    if (!s_.front(r, 0).asRect(rect)) continue;
    rect.left = std::max(rect.left, cov.left);
    rect.right = std::min(rect.right, cov.right);
    if (rect.right <= rect.left || rect.top >= cov.base) continue;
    cols.emplace_back(rect, r.color);
  }
  if (cols.empty()) return;
  const gfx::Color common = commonestColor(cols.size(), [&](std::size_t i) {
    return std::pair{cols[i].second, double(cols[i].first.width())};
  });
  for (std::size_t i = 0; i < cols.size();) {
    const std::size_t e =
        stretchEnd(i, cols.size(), [&](std::size_t k) { return cols[k].first.left == cols[k - 1].first.right; });
    int low = cols[i].first.top;
    for (std::size_t k = i + 1; k < e; ++k) low = std::max(low, cols[k].first.top);
    fill_.fillRect(gfx::Rect{cols[i].first.left, low, cols[e - 1].first.right, cov.base}, common);
    for (std::size_t k = i; k < e; ++k) {
      const auto& [rect, color] = cols[k];
      const int bottom = color == common ? low : cov.base;
      if (rect.top < bottom) fill_.fillRect(gfx::Rect{rect.left, rect.top, rect.right, bottom}, color);
      for (int x = rect.left; x < rect.right; ++x) cov.at(x) = rect.top;
    }
    i = e;
  }
}

// A flat-view step painted only in the columns where it stands above what is covered.
void BandPainter::paintAboveCovered(const gfx::Rect& rect, gfx::Color color, Coverage& cov) {
  const int x0 = std::max(rect.left, cov.left), x1 = std::min(rect.right, cov.right);
  for (int x = x0; x < x1;) {
    const int top = cov.at(x);
    int xe = x + 1;
    while (xe < x1 && cov.at(xe) == top) ++xe;
    if (rect.top < top) {
      fill_.fillRect(gfx::Rect{x, rect.top, xe, top}, color);
      for (int k = x; k < xe; ++k) cov.at(k) = rect.top;
    }
    x = xe;
  }
}

// Seen in the plane of the top faces, with coordinates alpha along eu and beta along ew,
// each top face is an upright rectangle: the value only moves it by (a v, b v), where
// ev = a eu + b ew. Neighbouring faces of one colour are then one stepped polygon.
void BandPainter::topFaces(const Band& band) {
  const double det = p_.eu.x * p_.ew.y - p_.eu.y * p_.ew.x;
  if (std::abs(det) > 1e-9 && std::abs(p_.ew.x) >= 0.5) {
    slantedTopFaces(band, (p_.ev.x * p_.ew.y - p_.ev.y * p_.ew.x) / det, (p_.eu.x * p_.ev.y - p_.eu.y * p_.ev.x) / det);
  } else {
    squareTopFaces(band);
  }
}

// Faces seen square on: rectangles. Where they all share their rows (from straight above)
// and are narrow, the band is first one rectangle per stretch in its commonest colour and
// then only the steps in other colours: a fill costs by its rows.
void BandPainter::squareTopFaces(const Band& band) {
  const std::vector<BandRun>& runs = band.runs;
  std::vector<gfx::Rect> rects;
  bool level = true;
  for (const BandRun& r : runs) {
    band.shapes.push_back(s_.top(r, band.w0, band.w1));
    gfx::Rect rect;
    level = level && band.shapes.back().asRect(rect) &&
            (rects.empty() || (rect.top == rects[0].top && rect.bottom == rects[0].bottom));
    rects.push_back(rect);
  }
  const Quad* q = band.shapes.data() + (band.shapes.size() - runs.size());
  if (!level || !s_.narrow(runs.size())) {
    for (std::size_t i = 0; i < runs.size(); ++i) fill_.fill(q[i], shade(runs[i].color, p_.topShade));
    return;
  }
  const gfx::Color common = commonestColor(runs.size(), [&](std::size_t i) {
    return std::pair{runs[i].color, double(rects[i].width())};
  });
  for (std::size_t i = 0; i < rects.size();) {
    const std::size_t e =
        stretchEnd(i, rects.size(), [&](std::size_t k) { return rects[k].left == rects[k - 1].right; });
    const gfx::Rect all{rects[i].left, rects[i].top, rects[e - 1].right, rects[i].bottom};
    if (all.width() > 0 && all.height() > 0) fill_.fillRect(all, shade(common, p_.topShade));
    i = e;
  }
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].color != common) fill_.fill(q[i], shade(runs[i].color, p_.topShade));
  }
}

// Faces seen aslant: stretches of one colour become one polygon each, but only while
// neighbours part or overlap by at most a pixel: a larger step keeps the faces apart, as
// their own shapes.
void BandPainter::slantedTopFaces(const Band& band, double a, double b) {
  const std::vector<BandRun>& runs = band.runs;
  const double pxPerU = std::hypot(p_.eu.x, p_.eu.y);
  for (std::size_t i = 0; i < runs.size();) {
    const gfx::Color color = runs[i].color;
    const std::size_t e = stretchEnd(i, runs.size(), [&](std::size_t k) {
      return runs[k].x0 == runs[k - 1].x1 && runs[k].color == color &&
             std::abs(a * (s_.v(runs[k].y) - s_.v(runs[k - 1].y))) * pxPerU <= 1.0;
    });
    for (std::size_t k = i; k < e; ++k) band.shapes.push_back(s_.top(runs[k], band.w0, band.w1));
    stretchOutline(band, a, b, i, e);
    fill_.polygon(lower_, shade(color, p_.topShade));
    i = e;
  }
}

// The outline of the top faces of steps i to e - 1 into lower_. Each face owns alpha up to
// where the next one starts: the later face wins where they overlap by a pixel at most, as
// when painted one by one, and no pinhole opens where they part by a fraction of a pixel.
void BandPainter::stretchOutline(const Band& band, double a, double b, std::size_t i, std::size_t e) {
  const std::vector<BandRun>& runs = band.runs;
  // Where the depth runs upwards, the lower edge reaches one pixel under the front face drawn later.
  const int under = p_.ew.y < 0 ? 1 : 0;
  lower_.clear();
  upper_.clear();
  for (std::size_t k = i; k < e; ++k) {
    const double v = s_.v(runs[k].y);
    const double s0 = s_.u(runs[k].x0) + a * v;
    const double s1 = k + 1 < e ? s_.u(runs[k + 1].x0) + a * s_.v(runs[k + 1].y) : s_.u(runs[k].x1) + a * v;
    const double b0 = band.w0 + b * v, b1 = band.w1 + b * v;
    gfx::Point l0 = p_.pixel(s0, 0, b0), l1 = p_.pixel(s1, 0, b0), u1 = p_.pixel(s1, 0, b1);
    l0.y += under;
    l1.y += under;
    if (k + 1 == e && e < runs.size() && runs[e].x0 == runs[k].x1) {
      // One pixel under the next face, whose edge is rounded on its own.
      l1.x += 1;
      u1.x += 1;
    }
    lower_.push_back(l0);
    lower_.push_back(l1);
    upper_.push_back(p_.pixel(s0, 0, b1));
    upper_.push_back(u1);
  }
  lower_.insert(lower_.end(), upper_.rbegin(), upper_.rend());
}

// The step faces between neighbours and at the band's ends, on the side that faces the
// viewer; those less than a pixel high are not worth a shape.
void BandPainter::risers(const Band& band) {
  const std::vector<BandRun>& runs = band.runs;
  const bool right = p_.rightSideVisible;
  const double minDv = 1.0 / std::max(1.0, std::abs(p_.ev.y));
  auto riser = [&](double u, double lo, double hi, gfx::Color color) {
    if (hi - lo < minDv) return;
    const Corners at{{{u, lo, band.w0}, {u, hi, band.w0}, {u, hi, band.w1}, {u, lo, band.w1}}};
    put(band, quadOf(p_, at), shade(color, p_.sideShade));
  };
  // A step's face at x from the base line to its value, where no neighbour adjoins.
  auto end = [&](const BandRun& r, double x) {
    const double v = s_.v(r.y);
    riser(s_.u(x), std::min(s_.vb, v), std::max(s_.vb, v), r.color);
  };
  if (!right) end(runs.front(), runs.front().x0);
  for (std::size_t i = 0; i + 1 < runs.size(); ++i) {
    const BandRun& a = runs[i];
    const BandRun& b = runs[i + 1];
    const double u = s_.u(a.x1);
    const double va = s_.v(a.y), vb = s_.v(b.y);
    if (a.x1 != b.x0) {
      if (right)
        end(a, a.x1);
      else
        end(b, b.x0);
    } else if (right && va > vb) {
      riser(u, vb, va, a.color);
    } else if (!right && vb > va) {
      riser(u, va, vb, b.color);
    }
  }
  if (right) end(runs.back(), runs.back().x1);
}

// The front faces in light. A step under which the band in front leaves no gap is painted
// only above that band's lowest value across it (nothing where it is not higher); the
// click test keeps whole faces.
void BandPainter::frontFaces(const Band& band, const std::vector<BandRun>* near, double light, bool underlay) {
  const std::vector<BandRun>& runs = band.runs;
  std::vector<double> floorOf;  // per step the height its stretch is painted up to
  const gfx::Color common = underlay ? underlayFront(band, floorOf) : 0;
  std::size_t j = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const BandRun& r = runs[i];
    const Quad whole = s_.front(r, band.w0);
    const gfx::Color color = shade(r.color, light);
    if (underlay && r.color == common) {
      band.shapes.push_back(whole);
      if (s_.v(r.y) - floorOf[i] >= 0.5 / std::abs(p_.ev.y)) fillFrontAbove(band, r, floorOf[i], color);
    } else if (near == nullptr) {
      put(band, whole, color);
    } else {
      band.shapes.push_back(whole);
      const std::optional<double> lowest = lowestInFront(*near, j, r);
      if (!lowest)
        fill_.fill(whole, color);
      else if (*lowest < r.y)
        fillFrontAbove(band, r, s_.v(*lowest), color);
    }
  }
}

// A front face nobody hides, of narrow steps: each stretch of adjacent steps first as one
// face in the band's commonest colour up to its lowest value, so that the steps in that
// colour only add their part above (a fill costs by its rows). Returns that colour.
gfx::Color BandPainter::underlayFront(const Band& band, std::vector<double>& floorOf) {
  const std::vector<BandRun>& runs = band.runs;
  const gfx::Color common = commonestColor(runs.size(), [&](std::size_t i) {
    return std::pair{runs[i].color, runs[i].x1 - runs[i].x0};
  });
  floorOf.resize(runs.size());
  for (std::size_t i = 0; i < runs.size();) {
    const std::size_t e = stretchEnd(i, runs.size(), [&](std::size_t k) { return runs[k].x0 == runs[k - 1].x1; });
    double low = runs[i].y;
    for (std::size_t k = i + 1; k < e; ++k) low = std::min(low, runs[k].y);
    const double v = s_.v(low);
    if (v > s_.vb) {
      fill_.fill(s_.front(s_.u(runs[i].x0), s_.u(runs[e - 1].x1), s_.vb, v, band.w0), shade(common, p_.frontShade));
    }
    for (std::size_t k = i; k < e; ++k) floorOf[k] = v;
    i = e;
  }
  return common;
}

void BandPainter::fillFrontAbove(const Band& band, const BandRun& r, double floor, gfx::Color color) {
  const double lo = std::max(floor - 1.0 / std::abs(p_.ev.y), s_.vb);
  fill_.fill(s_.front(s_.u(r.x0), s_.u(r.x1), lo, s_.v(r.y), band.w0), color);
}

}  // namespace

const std::vector<BandRun>& Chart3D::runsOf(int index, double xmin, double xmax, int columns) const {
  RunCache& c = runCache_[index];
  if (!c.valid || c.xmin != xmin || c.xmax != xmax || c.columns != columns) {
    c.runs = bandRuns(series_[index].points, xmin, xmax, columns);
    c.xmin = xmin;
    c.xmax = xmax;
    c.columns = columns;
    c.valid = true;
  }
  return c.runs;
}

void Chart3D::drawBands(gfx::Canvas& c, ChartLayout& l) const {
  const BoxProjection& p = l.projection;
  const ChartAxis& xa = axes_[kBottom];
  const ChartAxis& ya = axes_[kLeft];
  for (auto& s : l.shapes) s.clear();
  BandScale s{p, xa.minimum, xa.maximum - xa.minimum, ya.minimum, ya.maximum - ya.minimum, l.plot.width()};
  if (!(s.xspan > 0) || !(s.yspan > 0)) return;
  s.vb = s.v(0);
  // One step per pixel column; when the depth runs aslant, so that every step costs a
  // slanted top face and a step face besides its front, one per two columns.
  const bool aslant = view3D && std::abs(p.ew.x) >= 0.5;
  const int columns = std::max(1, int(std::lround(std::abs(p.eu.x) / (aslant ? 2.0 : 1.0))));

  static const std::vector<BandRun> kNone;
  BandSteps steps{};
  bool aboveBase = true;  // every step stands on the base line (no value below 0)
  for (int place = 1; place <= kSeriesCount; ++place) {
    const int index = order_[place - 1];
    steps[place - 1] = series_[index].active ? &runsOf(index, xa.minimum, xa.maximum, columns) : &kNone;
    for (const BandRun& r : *steps[place - 1]) aboveBase = aboveBase && s.v(r.y) >= s.vb;
  }

  BandPainter paint(c, s);
  if (!view3D && aboveBase) {
    paint.flatView(steps, l.target, l.shapes);
    return;
  }
  for (int place = kSeriesCount; place >= 1; --place) {
    const std::vector<BandRun>& runs = *steps[place - 1];
    if (runs.empty()) continue;
    const double w0 = view3D ? (place - 1) / double(kSeriesCount) : 0;
    const double w1 = view3D ? place / double(kSeriesCount) : 0;
    const Band band{runs, l.shapes[place - 1], w0, w1};
    if (view3D && p.topVisible) paint.topFaces(band);
    if (view3D) paint.risers(band);
    if (!view3D || std::abs(p.ev.y) > 0.5) {
      // Seen from above, the band in front hides this band's front face up to its own
      // value (its steps fill the box whose back face that is).
      const std::vector<BandRun>* near = view3D && p.topVisible && aboveBase && place > 1 ? steps[place - 2] : nullptr;
      if (near != nullptr && near->empty()) near = nullptr;
      const bool underlay = view3D && near == nullptr && aboveBase && s.narrow(runs.size());
      paint.frontFaces(band, near, view3D ? p.frontShade : 1.0, underlay);
    }
  }
}

}  // namespace thickness
