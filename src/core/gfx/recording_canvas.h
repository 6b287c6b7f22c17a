// A canvas that records every drawing call, with fixed text metrics, so that tests can check pictures exactly.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/gfx/canvas.h"

namespace gfx {

struct DrawOp {
  enum Kind { Line, Rectangle, FillRect, Polygon, Text, Pixel };
  Kind kind = Line;
  Pen pen;
  Brush brush;
  Font font;
  Rect rect;                  // Rectangle, FillRect; Line: left,top = from, right,bottom = to
  std::vector<Point> points;  // Polygon
  Point at;                   // Text, Pixel
  std::string text;           // Text
  Color color = 0;            // Pixel
};

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width = 1000, int height = 1000) : width_(width), height_(height) {}

  // Text metrics: each character (code point) is charWidth wide, every text lineHeight high.
  void setMetrics(int charWidth, int lineHeight) {
    charWidth_ = charWidth;
    lineHeight_ = lineHeight;
  }

  int width() const override { return width_; }
  int height() const override { return height_; }
  void setPen(const Pen& pen) override { pen_ = pen; }
  void setBrush(const Brush& brush) override { brush_ = brush; }
  void setFont(const Font& font) override { font_ = font; }
  Pen pen() const override { return pen_; }
  Brush brush() const override { return brush_; }
  Font font() const override { return font_; }

  void moveTo(int x, int y) override { pos_ = {x, y}; }
  void lineTo(int x, int y) override;
  void rectangle(const Rect& r) override;
  void fillRect(const Rect& r) override;
  using Canvas::fillRect;
  void polygon(const std::vector<Point>& points) override;
  void textOut(int x, int y, const std::string& text) override;
  int textWidth(const std::string& text) override;
  int textHeight(const std::string& text) override;
  void setClip(std::optional<Rect> clip) override { clip_ = clip; }
  void setPixel(int x, int y, Color c) override;
  Color pixel(int x, int y) const override;

  const std::vector<DrawOp>& ops() const { return ops_; }
  void clear() { ops_.clear(); }
  std::optional<Rect> clip() const { return clip_; }

  // Filters used by tests.
  std::vector<DrawOp> ofKind(DrawOp::Kind kind) const;
  std::vector<std::string> texts() const;
  // The first text op whose text equals s, or nullptr.
  const DrawOp* findText(const std::string& s) const;

 private:
  DrawOp base(DrawOp::Kind kind) const;

  int width_;
  int height_;
  int charWidth_ = 8;
  int lineHeight_ = 16;
  Pen pen_;
  Brush brush_;
  Font font_;
  Point pos_;
  std::optional<Rect> clip_;
  std::vector<DrawOp> ops_;
  std::map<std::pair<int, int>, Color> pixels_;
};

}  // namespace gfx
