// The chart's 3-D box seen orthographically: unit box coordinates to screen pixels, faces, and point-in-shape tests.
#pragma once

#include <array>

#include "core/gfx/canvas.h"

namespace thickness {

struct Vec2 {
  double x = 0;
  double y = 0;
};

// Screen position of box point (u, v, w), each 0..1: u along the bottom axis, v up
// the left axis, w into the depth (0 = front). The map is affine: origin + u Eu + v Ev + w Ew.
struct BoxProjection {
  Vec2 origin;
  Vec2 eu;
  Vec2 ev;
  Vec2 ew;
  // Which faces turn towards the viewer.
  bool topVisible = false;        // faces looking up (+v)
  bool rightSideVisible = false;  // faces looking right (+u); otherwise those looking left
  // Light on the faces: 1 for the face most turned to the viewer, less for the others.
  double frontShade = 1;
  double topShade = 1;
  double sideShade = 1;

  Vec2 at(double u, double v, double w) const {
    return {origin.x + u * eu.x + v * ev.x + w * ew.x, origin.y + u * eu.y + v * ev.y + w * ew.y};
  }
  gfx::Point pixel(double u, double v, double w) const;
  // Box coordinates (u, v) on the front plane w = 0 for a screen point; false when the
  // front plane is seen edge-on.
  bool frontPlaneAt(double x, double y, double& u, double& v) const;
};

// The flat front view: the box front fills the frame, depth unseen.
BoxProjection flatProjection(const gfx::Rect& frame);

// The 3-D view: the box (frame width x frame height x depthPercent % of the width)
// turned by rotation - 360 degrees about the vertical and elevation - 360 degrees
// about the horizontal axis, projected orthographically and fitted into the frame at
// zoomPercent, centred and moved by horizOffset pixels.
BoxProjection boxProjection(const gfx::Rect& frame, double rotation, double elevation, int zoomPercent, int horizOffset,
                            int depthPercent);

// A convex four-cornered shape as drawn.
struct Quad {
  std::array<gfx::Point, 4> p;
  bool contains(int x, int y) const;
  // Axis-aligned rectangles are filled as such (cheaper than polygons); nothing when not one.
  bool asRect(gfx::Rect& r) const;
};

// Four corners (u, v, w) of a face in box coordinates, in drawing order.
using Corners = std::array<std::array<double, 3>, 4>;

Quad quadOf(const BoxProjection& pr, const Corners& corners);

// Scales a colour's components by f (0..1), for faces turned away from the light.
gfx::Color shade(gfx::Color c, double f);

}  // namespace thickness
