// Chart3D drawing: walls, bands back to front, axes and title, through the Canvas.
#include <algorithm>
#include <cmath>

#include "core/thickness/chart3d.h"
#include "core/thickness/chart3d_runs.h"

namespace thickness {

namespace {

const gfx::Pen kNoPen{gfx::kBlack, 1, gfx::PenStyle::Clear, gfx::PenMode::Copy};

// Fills shapes in one colour each: rectangles where they are ones, else polygons without
// outline. Rectangles of one colour following each other edge to edge on the same rows
// are joined into one before they reach the canvas.
class ShapeFiller {
 public:
  explicit ShapeFiller(gfx::Canvas& c) : c_(c) {
    c_.setPen(kNoPen);
    brush_ = gfx::Brush{gfx::kWhite, gfx::BrushStyle::Solid};
    c_.setBrush(brush_);
  }
  ~ShapeFiller() { flush(); }
  ShapeFiller(const ShapeFiller&) = delete;
  ShapeFiller& operator=(const ShapeFiller&) = delete;

  void fill(const Quad& q, gfx::Color color) {
    gfx::Rect r;
    if (q.asRect(r)) {
      if (r.width() > 0 && r.height() > 0) fillRect(r, color);
      return;
    }
    // A face at most two pixels wide with upright sides is drawn as a rectangle at
    // its mean height: the same pixels to within a fraction, at a fraction of the cost.
    const int w = std::abs(q.p[1].x - q.p[0].x);
    if (q.p[0].x == q.p[3].x && q.p[1].x == q.p[2].x && w <= 2) {
      if (w == 0) return;
      const int top = (q.p[2].y + q.p[3].y) / 2;
      const int bottom = (q.p[0].y + q.p[1].y) / 2;
      const gfx::Rect n{std::min(q.p[0].x, q.p[1].x), std::min(top, bottom), std::max(q.p[0].x, q.p[1].x),
                        std::max(top, bottom)};
      if (n.width() > 0 && n.height() > 0) fillRect(n, color);
      return;
    }
    pts_.assign(q.p.begin(), q.p.end());
    polygon(pts_, color);
  }
  void fillRect(const gfx::Rect& r, gfx::Color color) {
    if (pending_ && pendingColor_ == color && pendingRect_.top == r.top && pendingRect_.bottom == r.bottom &&
        pendingRect_.right == r.left) {
      pendingRect_.right = r.right;
      return;
    }
    flush();
    pending_ = true;
    pendingRect_ = r;
    pendingColor_ = color;
  }
  // A simple polygon (or one whose edges cancel in pairs) in one colour.
  void polygon(const std::vector<gfx::Point>& pts, gfx::Color color) {
    flush();
    useColor(color);
    c_.polygon(pts);
  }
  void flush() {
    if (!pending_) return;
    pending_ = false;
    useColor(pendingColor_);
    c_.fillRect(pendingRect_);
  }

 private:
  void useColor(gfx::Color color) {
    if (brush_.color != color) {
      brush_.color = color;
      c_.setBrush(brush_);
    }
  }
  gfx::Canvas& c_;
  gfx::Brush brush_;
  std::vector<gfx::Point> pts_;
  bool pending_ = false;
  gfx::Rect pendingRect_;
  gfx::Color pendingColor_ = 0;
};

using Corners = std::array<std::array<double, 3>, 4>;

}  // namespace

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
  const double xspan = xa.maximum - xa.minimum;
  const double yspan = ya.maximum - ya.minimum;
  for (auto& s : l.shapes) s.clear();
  if (!(xspan > 0) || !(yspan > 0)) return;
  // One step per pixel column; when the depth runs aslant, so that every step costs a
  // slanted top face and a step face besides its front, one per two columns.
  const bool aslant = view3D && std::abs(p.ew.x) >= 0.5;
  const int columns = std::max(1, int(std::lround(std::abs(p.eu.x) / (aslant ? 2.0 : 1.0))));
  auto vOf = [&](double y) { return std::clamp((y - ya.minimum) / yspan, 0.0, 1.0); };
  auto uOf = [&](double x) { return (x - xa.minimum) / xspan; };
  const double vb = vOf(0);
  ShapeFiller fill(c);

  static const std::vector<BandRun> kNone;
  std::array<const std::vector<BandRun>*, kSeriesCount> runsAt{};
  bool aboveBase = true;  // every step stands on the base line (no value below 0)
  for (int place = 1; place <= kSeriesCount; ++place) {
    const int index = order_[place - 1];
    runsAt[place - 1] = series_[index].active ? &runsOf(index, xa.minimum, xa.maximum, columns) : &kNone;
    for (const BandRun& r : *runsAt[place - 1]) aboveBase = aboveBase && vOf(r.y) >= vb;
  }
  auto frontQuad = [&](const BandRun& r, double w0) {
    const double u0 = uOf(r.x0), u1 = uOf(r.x1), v = vOf(r.y);
    const double lo = std::min(v, vb), hi = std::max(v, vb);
    return quadOf(p, Corners{{{u0, lo, w0}, {u1, lo, w0}, {u1, hi, w0}, {u0, hi, w0}}});
  };

  if (!view3D && aboveBase) {
    // The flat view, front band first: each column is painted only above what the
    // bands in front of it already cover (they all stand on the same base line).
    const int left = l.target.left, right = l.target.right;
    const int base = p.pixel(0, vb, 0).y;
    std::vector<int> covered(std::size_t(std::max(0, right - left)), base);
    // The front band has the base to itself. When its steps are narrow (a long file),
    // stretches of adjacent steps are first painted in its commonest colour up to their
    // lowest top, one shape each, so that a step in that colour only adds its bit
    // above: the dear part of a fill is the number of its rows, not its width.
    if (runsAt[0]->size() * 4 > std::size_t(std::max(1, l.plot.width()))) {
      std::vector<std::pair<gfx::Rect, gfx::Color>> cols;
      std::vector<std::pair<gfx::Color, long>> widths;
      for (const BandRun& r : *runsAt[0]) {
        gfx::Rect rect;
        if (!frontQuad(r, 0).asRect(rect)) continue;
        rect.left = std::max(rect.left, left);
        rect.right = std::min(rect.right, right);
        if (rect.right <= rect.left || rect.top >= base) continue;
        cols.emplace_back(rect, r.color);
        auto it = std::find_if(widths.begin(), widths.end(), [&](const auto& w) { return w.first == r.color; });
        if (it == widths.end())
          widths.emplace_back(r.color, rect.width());
        else
          it->second += rect.width();
      }
      if (!cols.empty()) {
        const gfx::Color common = std::max_element(widths.begin(), widths.end(), [](const auto& a, const auto& b) {
                                    return a.second < b.second;
                                  })->first;
        for (std::size_t i = 0; i < cols.size();) {
          std::size_t e = i + 1;
          int low = cols[i].first.top;
          while (e < cols.size() && cols[e].first.left == cols[e - 1].first.right)
            low = std::max(low, cols[e++].first.top);
          fill.fillRect(gfx::Rect{cols[i].first.left, low, cols[e - 1].first.right, base}, common);
          for (std::size_t k = i; k < e; ++k) {
            const auto& [rect, color] = cols[k];
            const int bottom = color == common ? low : base;
            if (rect.top < bottom) fill.fillRect(gfx::Rect{rect.left, rect.top, rect.right, bottom}, color);
            for (int x = rect.left; x < rect.right; ++x) covered[std::size_t(x - left)] = rect.top;
          }
          i = e;
        }
      }
    }
    for (int place = 1; place <= kSeriesCount; ++place) {
      std::vector<Quad>& shapes = l.shapes[place - 1];
      for (const BandRun& r : *runsAt[place - 1]) {
        const Quad q = frontQuad(r, 0);
        shapes.push_back(q);
        gfx::Rect rect;
        if (!q.asRect(rect)) continue;
        const int x0 = std::max(rect.left, left), x1 = std::min(rect.right, right);
        for (int x = x0; x < x1;) {
          const int cov = covered[std::size_t(x - left)];
          int xe = x + 1;
          while (xe < x1 && covered[std::size_t(xe - left)] == cov) ++xe;
          if (rect.top < cov) {
            fill.fillRect(gfx::Rect{x, rect.top, xe, cov}, r.color);
            for (int k = x; k < xe; ++k) covered[std::size_t(k - left)] = rect.top;
          }
          x = xe;
        }
      }
    }
    return;
  }

  for (int place = kSeriesCount; place >= 1; --place) {
    std::vector<Quad>& shapes = l.shapes[place - 1];
    const std::vector<BandRun>& runs = *runsAt[place - 1];
    if (runs.empty()) continue;
    const double w0 = view3D ? (place - 1) / double(kSeriesCount) : 0;
    const double w1 = view3D ? place / double(kSeriesCount) : 0;
    auto put = [&](const Quad& q, gfx::Color color) {
      fill.fill(q, color);
      shapes.push_back(q);
    };

    if (view3D && p.topVisible) {
      // Seen in the plane of the top faces, with coordinates alpha along eu and beta
      // along ew, each top face is an upright rectangle: the value only moves it by
      // (a v, b v), where ev = a eu + b ew. Neighbouring faces of one colour are then
      // one stepped polygon, each owning alpha up to where the next one starts (the
      // later face wins where they overlap by a pixel at most, as when painted one by
      // one, and no pinhole opens where they part by a fraction of a pixel).
      const double det = p.eu.x * p.ew.y - p.eu.y * p.ew.x;
      const bool skewed = std::abs(det) > 1e-9 && std::abs(p.ew.x) >= 0.5;
      const double a = skewed ? (p.ev.x * p.ew.y - p.ev.y * p.ew.x) / det : 0;
      const double b = skewed ? (p.eu.x * p.ev.y - p.eu.y * p.ev.x) / det : 0;
      auto at = [&](double alpha, double beta) {
        const Vec2 s = p.at(alpha, 0, beta);
        return gfx::Point{int(std::floor(s.x + 0.5)), int(std::floor(s.y + 0.5))};
      };
      // Where the depth runs upwards, the lower edge reaches one pixel under the front face drawn later.
      const int under = p.ew.y < 0 ? 1 : 0;
      const double pxPerU = std::hypot(p.eu.x, p.eu.y);
      std::vector<gfx::Point> lower, upper;
      if (!skewed) {
        // Faces seen square on: rectangles. Where they all share their rows (from straight
        // above) and are narrow, the band is first one rectangle per stretch in its
        // commonest colour and then only the steps in other colours: a fill costs by its rows.
        std::vector<gfx::Rect> rects;
        bool level = true;
        for (const BandRun& r : runs) {
          const double u0 = uOf(r.x0), u1 = uOf(r.x1), v = vOf(r.y);
          shapes.push_back(quadOf(p, Corners{{{u0, v, w0}, {u1, v, w0}, {u1, v, w1}, {u0, v, w1}}}));
          gfx::Rect rect;
          level = level && shapes.back().asRect(rect) &&
                  (rects.empty() || (rect.top == rects[0].top && rect.bottom == rects[0].bottom));
          rects.push_back(rect);
        }
        const Quad* q = shapes.data() + (shapes.size() - runs.size());
        if (!level || runs.size() * 4 <= std::size_t(std::max(1, l.plot.width()))) {
          for (std::size_t i = 0; i < runs.size(); ++i) fill.fill(q[i], shade(runs[i].color, p.topShade));
        } else {
          std::vector<std::pair<gfx::Color, long>> widths;
          for (std::size_t i = 0; i < runs.size(); ++i) {
            auto it =
                std::find_if(widths.begin(), widths.end(), [&](const auto& w) { return w.first == runs[i].color; });
            if (it == widths.end())
              widths.emplace_back(runs[i].color, rects[i].width());
            else
              it->second += rects[i].width();
          }
          const gfx::Color common = std::max_element(widths.begin(), widths.end(), [](const auto& a, const auto& b) {
                                      return a.second < b.second;
                                    })->first;
          for (std::size_t i = 0; i < rects.size();) {
            std::size_t e = i + 1;
            while (e < rects.size() && rects[e].left == rects[e - 1].right) ++e;
            const gfx::Rect all{rects[i].left, rects[i].top, rects[e - 1].right, rects[i].bottom};
            if (all.width() > 0 && all.height() > 0) fill.fillRect(all, shade(common, p.topShade));
            i = e;
          }
          for (std::size_t i = 0; i < runs.size(); ++i) {
            if (runs[i].color != common) fill.fill(q[i], shade(runs[i].color, p.topShade));
          }
        }
      }
      for (std::size_t i = 0; skewed && i < runs.size();) {
        const BandRun& r = runs[i];
        const gfx::Color color = shade(r.color, p.topShade);
        std::size_t e = i + 1;
        // Only while neighbours part or overlap by at most a pixel: a larger step keeps
        // the faces apart, as their own shapes.
        while (e < runs.size() && runs[e].x0 == runs[e - 1].x1 && runs[e].color == r.color &&
               std::abs(a * (vOf(runs[e].y) - vOf(runs[e - 1].y))) * pxPerU <= 1.0) {
          ++e;
        }
        for (std::size_t k = i; k < e; ++k) {
          const double u0 = uOf(runs[k].x0), u1 = uOf(runs[k].x1), v = vOf(runs[k].y);
          shapes.push_back(quadOf(p, Corners{{{u0, v, w0}, {u1, v, w0}, {u1, v, w1}, {u0, v, w1}}}));
        }
        lower.clear();
        upper.clear();
        for (std::size_t k = i; k < e; ++k) {
          const double v = vOf(runs[k].y);
          const double s0 = uOf(runs[k].x0) + a * v;
          double s1 = uOf(runs[k].x1) + a * v;
          if (k + 1 < e) s1 = uOf(runs[k + 1].x0) + a * vOf(runs[k + 1].y);
          const double b0 = w0 + b * v, b1 = w1 + b * v;
          gfx::Point l0 = at(s0, b0), l1 = at(s1, b0), u1 = at(s1, b1);
          l0.y += under;
          l1.y += under;
          if (k + 1 == e && e < runs.size() && runs[e].x0 == runs[k].x1) {
            // One pixel under the next face, whose edge is rounded on its own.
            l1.x += 1;
            u1.x += 1;
          }
          lower.push_back(l0);
          lower.push_back(l1);
          upper.push_back(at(s0, b1));
          upper.push_back(u1);
        }
        lower.insert(lower.end(), upper.rbegin(), upper.rend());
        fill.polygon(lower, color);
        i = e;
      }
    }
    if (view3D) {
      // The step faces between neighbours and at the band's ends, on the side that
      // faces the viewer; those less than a pixel high are not worth a shape.
      const double minDv = 1.0 / std::max(1.0, std::abs(p.ev.y));
      auto riser = [&](double u, double lo, double hi, gfx::Color color) {
        if (hi - lo < minDv) return;
        put(quadOf(p, Corners{{{u, lo, w0}, {u, hi, w0}, {u, hi, w1}, {u, lo, w1}}}), shade(color, p.sideShade));
      };
      if (!p.rightSideVisible)
        riser(uOf(runs.front().x0), std::min(vb, vOf(runs.front().y)), std::max(vb, vOf(runs.front().y)),
              runs.front().color);
      for (std::size_t i = 0; i + 1 < runs.size(); ++i) {
        const BandRun& a = runs[i];
        const BandRun& b = runs[i + 1];
        const double u = uOf(a.x1);
        const double va = vOf(a.y), vb2 = vOf(b.y);
        if (a.x1 != b.x0) {
          if (p.rightSideVisible)
            riser(u, std::min(vb, va), std::max(vb, va), a.color);
          else
            riser(uOf(b.x0), std::min(vb, vb2), std::max(vb, vb2), b.color);
        } else if (p.rightSideVisible && va > vb2) {
          riser(u, vb2, va, a.color);
        } else if (!p.rightSideVisible && vb2 > va) {
          riser(u, va, vb2, b.color);
        }
      }
      if (p.rightSideVisible)
        riser(uOf(runs.back().x1), std::min(vb, vOf(runs.back().y)), std::max(vb, vOf(runs.back().y)),
              runs.back().color);
    }
    if (!view3D || std::abs(p.ev.y) > 0.5) {
      // Seen from above, the band in front hides this band's front face up to its own
      // value (its steps fill the box whose back face that is): only the part above it
      // is painted, and nothing where it is not higher. The click test keeps whole faces.
      const std::vector<BandRun>* near = view3D && p.topVisible && aboveBase && place > 1 ? runsAt[place - 2] : nullptr;
      // A front face nobody hides, of narrow steps: each stretch of adjacent steps first
      // as one face in the band's commonest colour up to its lowest value, then the steps
      // in that colour only from there (less a pixel, for the seam) up: a fill costs by its rows.
      std::vector<double> floorOf;  // per step the value its stretch is painted up to
      gfx::Color common = 0;
      if (view3D && (near == nullptr || near->empty()) && aboveBase &&
          runs.size() * 4 > std::size_t(std::max(1, l.plot.width()))) {
        std::vector<std::pair<gfx::Color, double>> widths;
        for (const BandRun& r : runs) {
          auto it = std::find_if(widths.begin(), widths.end(), [&](const auto& w) { return w.first == r.color; });
          if (it == widths.end())
            widths.emplace_back(r.color, r.x1 - r.x0);
          else
            it->second += r.x1 - r.x0;
        }
        common = std::max_element(widths.begin(), widths.end(), [](const auto& a, const auto& b) {
                   return a.second < b.second;
                 })->first;
        floorOf.resize(runs.size());
        for (std::size_t i = 0; i < runs.size();) {
          std::size_t e = i + 1;
          double low = runs[i].y;
          while (e < runs.size() && runs[e].x0 == runs[e - 1].x1) low = std::min(low, runs[e++].y);
          const double u0 = uOf(runs[i].x0), u1 = uOf(runs[e - 1].x1), v = vOf(low);
          if (v > vb) {
            fill.fill(quadOf(p, Corners{{{u0, vb, w0}, {u1, vb, w0}, {u1, v, w0}, {u0, v, w0}}}),
                      shade(common, p.frontShade));
          }
          for (std::size_t k = i; k < e; ++k) floorOf[k] = v;
          i = e;
        }
      }
      std::size_t j = 0;
      for (std::size_t i = 0; i < runs.size(); ++i) {
        const BandRun& r = runs[i];
        const Quad whole = frontQuad(r, w0);
        const gfx::Color color = shade(r.color, view3D ? p.frontShade : 1.0);
        if (!floorOf.empty() && r.color == common) {
          shapes.push_back(whole);
          const double u0 = uOf(r.x0), u1 = uOf(r.x1), hi = vOf(r.y);
          const double lo = std::max(floorOf[i] - 1.0 / std::abs(p.ev.y), vb);
          if (hi - floorOf[i] >= 0.5 / std::abs(p.ev.y)) {
            fill.fill(quadOf(p, Corners{{{u0, lo, w0}, {u1, lo, w0}, {u1, hi, w0}, {u0, hi, w0}}}), color);
          }
          continue;
        }
        if (near == nullptr || near->empty()) {
          put(whole, color);
          continue;
        }
        // The lowest value of the band in front across this step; none where it has a gap.
        while (j < near->size() && (*near)[j].x1 <= r.x0) ++j;
        double lowest = r.y;
        double reached = r.x0;
        for (std::size_t k = j; k < near->size() && (*near)[k].x0 < r.x1; ++k) {
          if ((*near)[k].x0 > reached) break;
          lowest = std::min(lowest, (*near)[k].y);
          reached = (*near)[k].x1;
        }
        shapes.push_back(whole);
        if (reached < r.x1) {
          fill.fill(whole, color);
        } else if (lowest < r.y) {
          const double u0 = uOf(r.x0), u1 = uOf(r.x1), hi = vOf(r.y);
          // One pixel further down, so that the seam against the band in front stays closed.
          const double lo = std::max(vOf(lowest) - 1.0 / std::abs(p.ev.y), vb);
          fill.fill(quadOf(p, Corners{{{u0, lo, w0}, {u1, lo, w0}, {u1, hi, w0}, {u0, hi, w0}}}), color);
        }
      }
    }
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
