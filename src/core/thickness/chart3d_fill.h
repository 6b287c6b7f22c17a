// Chart3D face filling: shapes in one colour each, rectangles where they are ones, neighbours joined.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/gfx/canvas.h"
#include "core/thickness/chart3d_geometry.h"

namespace thickness {

inline constexpr gfx::Pen kNoPen{gfx::kBlack, 1, gfx::PenStyle::Clear, gfx::PenMode::Copy};

// Fills shapes in one colour each: rectangles where they are ones, else polygons without
// outline. Rectangles of one colour following each other edge to edge on the same rows
// are joined into one before they reach the canvas.
class ShapeFiller {
 public:
  explicit ShapeFiller(gfx::Canvas& c) : c_(c) {
    c_.setPen(kNoPen);
    brush_ = gfx::Brush{gfx::kWhite, gfx::BrushStyle::Solid};
    c_.setBrush(brush_);
    c_.beginFillBatch();
  }
  ~ShapeFiller() {
    flush();
    c_.endFillBatch();
  }
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

}  // namespace thickness
