// The drawing surface every picture of the viewer is drawn on: screen bitmap, printer page, test recorder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/gfx/color.h"

namespace gfx {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// Left/top inclusive, right/bottom exclusive, as the platform's rectangles are.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

// One text of a row: its left edge and its UTF-8 text.
struct TextCell {
  int x = 0;
  std::string text;
  bool operator==(const TextCell&) const = default;
};

enum class PenMode { Copy, Xor, NotXor };
enum class PenStyle { Solid, Dash, Dot, DashDot, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
  Color color = kBlack;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
  bool operator==(const Pen&) const = default;
};

struct Brush {
  Color color = kWhite;
  BrushStyle style = BrushStyle::Solid;
  bool operator==(const Brush&) const = default;
};

// A font is asked for by name; fontconfig substitutes metric-compatible faces.
// pixelHeight > 0 asks for that character height in device pixels; otherwise
// pointSize applies, scaled by the device's resolution (so it prints true to size).
struct Font {
  std::string name = "Arial";
  int pixelHeight = 0;
  int pointSize = 8;
  Color color = kBlack;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;

  virtual void setPen(const Pen& pen) = 0;
  virtual void setBrush(const Brush& brush) = 0;
  virtual void setFont(const Font& font) = 0;
  virtual Pen pen() const = 0;
  virtual Brush brush() const = 0;
  virtual Font font() const = 0;

  // Lines: lineTo draws from the pen position to (x, y), the end pixel excluded.
  virtual void moveTo(int x, int y) = 0;
  virtual void lineTo(int x, int y) = 0;
  // Outline in the pen and inside in the brush (unless the brush is clear).
  virtual void rectangle(const Rect& r) = 0;
  // The brush alone, no outline.
  virtual void fillRect(const Rect& r) = 0;
  // Between these two a device may hold fills back and write them together, before anything
  // else is drawn and at the end at the latest; what is drawn stays the same.
  virtual void beginFillBatch() {}
  virtual void endFillBatch() {}
  // A closed shape: outline in the pen, inside in the brush.
  virtual void polygon(const std::vector<Point>& points) = 0;
  // Text (UTF-8) with its top-left corner at (x, y) in the font's colour; with a
  // solid brush the text cell is first filled with the brush colour.
  virtual void textOut(int x, int y, const std::string& text) = 0;
  // Texts of the current font on one line, each at its own left edge, as textOut would draw
  // them one by one. A device that pays per text item (a PDF page) draws the row as one.
  virtual void textRow(int y, const std::vector<TextCell>& cells) {
    for (const TextCell& cell : cells) textOut(cell.x, y, cell.text);
  }
  virtual int textWidth(const std::string& text) = 0;
  virtual int textHeight(const std::string& text) = 0;

  virtual void setClip(std::optional<Rect> clip) = 0;
  virtual void setPixel(int x, int y, Color c) = 0;
  // Pixel colour where the surface can be read back; devices that cannot give 0.
  virtual Color pixel(int x, int y) const = 0;

  // Convenience wrappers used by many drawers.
  void line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
  }
  void fillRect(const Rect& r, Color c) {
    Brush b = brush();
    setBrush(Brush{c, BrushStyle::Solid});
    fillRect(r);
    setBrush(b);
  }
};

}  // namespace gfx
