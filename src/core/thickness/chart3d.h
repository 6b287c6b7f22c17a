// Chart3D: the 3-D area chart of the thickness view (series, axes, 3-D box, read-out geometry), drawn on a Canvas.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/gfx/canvas.h"
#include "core/text/numfmt.h"
#include "core/thickness/chart3d_geometry.h"
#include "core/thickness/chart3d_runs.h"

namespace thickness {

// One point of an area series: its value holds as a flat step until the next point's x.
struct ChartPoint {
  double x = 0;
  double y = 0;
  gfx::Color color = gfx::kBlack;
};

struct ChartSeries {
  std::string title;
  bool active = true;
  gfx::Color color = gfx::kBlack;  // series colour; every point carries its own
  bool areaLinesVisible = false;   // area outline pen (kept hidden by the thickness view)
  bool linePenVisible = false;
  std::vector<ChartPoint> points;
};

struct ChartAxis {
  double minimum = 0;
  double maximum = 10;
  double increment = 1;
  bool automatic = false;
  std::string labelPattern;
  gfx::Color labelColor = gfx::kBlack;
  bool visible = true;
};

// What the last draw laid out: the read-out and the click test work on it.
struct ChartLayout {
  gfx::Rect target;
  gfx::Rect plot;  // the front face of the box (the plotting rectangle)
  int w3d = 0;     // horizontal 3-D offset of the back against the front, pixels to the right
  int h3d = 0;     // vertical 3-D offset, pixels upwards
  BoxProjection projection;
  // The shapes drawn for each place (index 0 = place 1), front-most last, for the click test.
  std::array<std::vector<Quad>, 4> shapes;
  bool valid = false;
};

class Chart3D {
 public:
  static constexpr int kSeriesCount = 4;

  Chart3D();

  // Series by their own index (0 = Series1) and by place in the series order (1 = front).
  // Changing a series goes through this accessor each time: it drops the series' drawn steps.
  ChartSeries& series(int index) {
    runCache_[index].valid = false;
    return series_[index];
  }
  const ChartSeries& series(int index) const { return series_[index]; }
  int seriesAtPlace(int place) const { return order_[place - 1]; }
  int placeOf(int index) const;
  // Exchanges the series with the one at the next place; false (nothing changes) when it is last.
  bool moveBack(int index);

  ChartAxis& bottomAxis() { return axes_[kBottom]; }
  ChartAxis& topAxis() { return axes_[kTop]; }
  ChartAxis& leftAxis() { return axes_[kLeft]; }
  ChartAxis& depthAxis() { return axes_[kDepth]; }
  const ChartAxis& bottomAxis() const { return axes_[kBottom]; }
  const ChartAxis& topAxis() const { return axes_[kTop]; }
  const ChartAxis& leftAxis() const { return axes_[kLeft]; }
  const ChartAxis& depthAxis() const { return axes_[kDepth]; }

  // Axis zoom: percent below 100 widens the left, right, top and bottom ranges
  // (delta = span x (percent - 100) / 100 added at each end); undo restores them.
  void zoomAxes(int percent);
  // Sets an axis range; while widened the new range is the one undo returns to, shown widened.
  void setAxisRange(ChartAxis& axis, double minimum, double maximum);
  void undoZoom();
  bool axesZoomed() const { return zoomed_; }

  // The 3-D box.
  bool view3D = true;
  double rotation = 349;   // degrees; 360 = straight on
  double elevation = 299;  // degrees; 360 = level, 270 = from straight above
  int horizOffset = -36;   // pixels
  int zoomPercent = 84;
  int depthPercent = 20;  // box depth against the plot width
  gfx::Color backWallColor = gfx::kWhite;
  gfx::Color sideWallColor = 0xF2F2EC;  // left and bottom walls
  int leftWallSize = 2;
  int bottomWallSize = 8;
  gfx::Color backgroundColor = gfx::kWhite;

  // Title lines, right-aligned above the box.
  std::vector<std::string> titleLines;
  bool titleVisible = false;
  gfx::Font titleFont;
  gfx::Font labelFont;

  text::NumberFormat numberFormat;

  // Draws the whole chart into target and keeps the layout for the read-out.
  void draw(gfx::Canvas& canvas, const gfx::Rect& target);
  // The layout the chart would have in target (draw keeps the same).
  ChartLayout computeLayout(gfx::Canvas& canvas, const gfx::Rect& target) const;
  const ChartLayout& layout() const { return layout_; }

  // The four read-out quantities, from the last draw.
  gfx::Rect plotRect() const { return layout_.plot; }
  int w3d() const { return layout_.w3d; }
  int h3d() const { return layout_.h3d; }
  double bottomValueAt(int x) const;
  // The screen x of a bottom-axis value at the front of the box (the inverse of bottomValueAt).
  int bottomPixelOf(double value) const;
  double leftValueAt(int y) const;
  // The series index (0..3) whose band is drawn at (x, y), or -1.
  int seriesAt(int x, int y) const;

  // The label texts of an axis, minimum to maximum by its increment.
  std::vector<std::pair<double, std::string>> axisLabels(const ChartAxis& axis) const;

 private:
  enum AxisId { kBottom, kTop, kLeft, kRight, kDepth, kAxisCount };

  void drawWalls(gfx::Canvas& c, const ChartLayout& l) const;
  void drawBands(gfx::Canvas& c, ChartLayout& l) const;
  void drawAxes(gfx::Canvas& c, const ChartLayout& l);
  void drawTitle(gfx::Canvas& c, const gfx::Rect& target) const;

  // The steps of a series as last reduced for drawing; a repaint at the same size and
  // ranges reuses them instead of walking every point again.
  struct RunCache {
    bool valid = false;
    double xmin = 0;
    double xmax = 0;
    int columns = 0;
    std::vector<BandRun> runs;
  };
  const std::vector<BandRun>& runsOf(int index, double xmin, double xmax, int columns) const;

  std::array<ChartSeries, kSeriesCount> series_;
  mutable std::array<RunCache, kSeriesCount> runCache_;
  std::array<int, kSeriesCount> order_{0, 1, 2, 3};
  std::array<ChartAxis, kAxisCount> axes_;
  std::array<std::pair<double, double>, kAxisCount> unzoomed_{};
  bool zoomed_ = false;
  int zoomedPercent_ = 100;
  ChartLayout layout_;
};

// The read-out's cross-hair at (x, y) in a NOT-XOR pen: drawing it twice restores the picture.
void drawCrossHair(gfx::Canvas& canvas, const Chart3D& chart, int x, int y, gfx::Color color);
// Whether a mouse point counts as inside the plotting rectangle for the read-out.
bool readoutHit(const Chart3D& chart, int x, int y);

}  // namespace thickness
