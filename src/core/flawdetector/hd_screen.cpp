// HDScreen: raster primitives, glyph and number drawing, painting the raster and writing text lines.
#include "core/flawdetector/hd_screen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/flawdetector/glyph_font.h"

namespace flaw {

int RoundHalfDown(float v) {
  // Positions beyond any screen are clamped later; keep the conversion defined.
  if (!(v > -1e9f)) return v != v ? 0 : -1000000000;
  if (v > 1e9f) return 1000000000;
  const float lo = std::floor(v);
  const float hi = std::ceil(v);
  // Compare the distances in the value's own precision, as the instrument's software did.
  return (hi - v < v - lo) ? int(hi) : int(lo);
}

std::string FormatTenths(std::uint32_t v) { return std::to_string(v / 10) + "." + std::to_string(v % 10); }

void HDScreen::DrawColumnRun(int x, int y0, int y1) {
  const int hd = usableHeight();
  if (y0 > y1) std::swap(y0, y1);
  auto clampRow = [&](int y) { return y < 0 ? 0 : (y >= height ? hd - 1 : y); };
  y0 = clampRow(y0);
  y1 = clampRow(y1);
  x = std::clamp(x, 0, width - 1);
  for (int y = std::max(y0, 0); y <= y1; ++y) setCell(x, y, penIndex);
}

void HDScreen::DrawRowRun(int x0, int x1, int y) {
  const int hd = usableHeight();
  if (x0 > x1) std::swap(x0, x1);
  x0 = std::clamp(x0, 0, width - 1);
  x1 = std::clamp(x1, 0, width - 1);
  y = y < 0 ? 0 : (y >= hd ? hd - 1 : y);
  for (int x = x0; x <= x1; ++x) setCell(x, y, penIndex);
}

void HDScreen::DrawDiagonal(int x0, int y0, int x1, int y1) {
  const int hd = usableHeight();
  x0 = std::clamp(x0, 0, width - 1);
  x1 = std::clamp(x1, 0, width - 1);
  y0 = std::clamp(y0, 0, hd - 1);
  y1 = std::clamp(y1, 0, hd - 1);
  const int n = std::min(std::abs(x1 - x0), std::abs(y1 - y0));
  const int dy = y1 >= y0 ? 1 : -1;
  for (int i = 0; i <= n; ++i) {
    // The run always steps to the right; when x1 lies left of x0 it could leave the screen.
    if (x0 + i >= width) break;
    setCell(x0 + i, y0 + dy * i, penIndex);
  }
}

void HDScreen::ClearRaster() { raster.fill(kEmpty); }

void HDScreen::LoadGlyph(int i, const GlyphImage& image) {
  if (i < 0 || i >= kGlyphCount) return;
  for (std::size_t k = 0; k < image.size(); ++k) glyphs[std::size_t(i)][k] = image[k] == 0 ? kInkCell : kEmpty;
}

void HDScreen::loadInstrumentFont() {
  for (int g = 0; g < kFontGlyphs; ++g) LoadGlyph(g, GlyphPicture(g));
}

void HDScreen::DrawGlyph(int x, int y, int g) {
  if (g < 0 || g >= kGlyphCount) return;
  const auto& glyph = glyphs[std::size_t(g)];
  for (int i = 0; i < 5; ++i) {
    if (x + i >= width) break;
    if (x + i < 0) continue;
    for (int j = 0; j < 7; ++j) {
      const int row = y - j;
      if (row >= height || row < 0) break;
      if (glyph[std::size_t(7 * i + j)] == kInkCell) setCell(x + i, row, kInkCell);
    }
  }
}

void HDScreen::DrawChar(int x, int y, unsigned char ch) {
  const int g = glyphForChar(ch);
  if (g >= 0) DrawGlyph(x, y, g);
}

void HDScreen::DrawSmallDigit(int x, int y, char ch) {
  if (ch >= '0' && ch <= '9') DrawGlyph(x, y, kSmallDigitGlyph + (ch - '0'));
}

void HDScreen::DrawTenths(int x, int y, std::uint32_t v) {
  const std::string whole = std::to_string(v / 10);
  for (char c : whole) {
    DrawChar(x, y, static_cast<unsigned char>(c));
    x += 6;
  }
  DrawSmallDigit(x, y, char('0' + v % 10));
}

void HDScreen::DrawTenthsWithPoint(int x, int y, std::uint32_t v) {
  const std::string whole = std::to_string(v / 10);
  for (char c : whole) {
    DrawChar(x, y, static_cast<unsigned char>(c));
    x += 6;
  }
  DrawGlyph(x, y, kPointGlyph);
  DrawChar(x + 3, y, static_cast<unsigned char>('0' + v % 10));
}

void HDScreen::DrawPaddedTenths(int x, int y, std::uint32_t v) {
  const std::string whole = std::to_string(v / 10);
  if (whole.size() >= 4) x -= 6;
  const std::string text = whole.size() < 2 ? "0" + whole : whole;
  for (char c : text) {
    DrawChar(x, y, static_cast<unsigned char>(c));
    x += 6;
  }
}

bool HDScreen::zoomIn() {
  if (zoomX < kMaxZoom) ++zoomX;
  if (zoomY < kMaxZoom) ++zoomY;
  return zoomX >= kMaxZoom || zoomY >= kMaxZoom;
}

bool HDScreen::zoomOut() {
  if (zoomX > kMinZoom) --zoomX;
  if (zoomY > kMinZoom) --zoomY;
  return zoomX <= kMinZoom || zoomY <= kMinZoom;
}

void HDScreen::AttachCanvas(gfx::Canvas* canvas) {
  pictureCanvas = canvas;
  if (!canvas) return;
  gfx::Font f = canvas->font();
  f.name = "Courier New";
  f.pointSize = 12;
  f.pixelHeight = 0;
  f.color = colors[5];
  canvas->setFont(f);
}

void HDScreen::PaintBackground() {
  if (!pictureCanvas) return;
  gfx::Canvas& c = *pictureCanvas;
  c.setBrush(gfx::Brush{samples ? colors[0] : gfx::sys::kAppWorkSpace, gfx::BrushStyle::Solid});
  c.fillRect(gfx::Rect{0, 0, c.width(), c.height()});
}

void HDScreen::PaintRaster() {
  if (!pictureCanvas) return;
  gfx::Canvas& c = *pictureCanvas;
  // The text lines written after the picture keep the brush they had, not the last cell's colour.
  const gfx::Pen savedPen = c.pen();
  const gfx::Brush savedBrush = c.brush();
  originY = viewOffsetY * zoomY + textY;
  originX = viewOffsetX * zoomX + marginX;
  const int w = std::clamp(width, 0, kRasterColumns);
  const int h = std::clamp(height, 0, kRasterRows);
  int current = -1;
  for (int x = 0; x < w; ++x) {
    int r0 = 0;
    while (r0 < h) {
      const std::uint8_t k = cell(x, r0);
      int r1 = r0;
      while (r1 + 1 < h && cell(x, r1 + 1) == k) ++r1;
      if (k != kEmpty && k < colors.size()) {
        if (k != current) {
          c.setPen(gfx::Pen{colors[k], 1, gfx::PenStyle::Solid, gfx::PenMode::Copy});
          c.setBrush(gfx::Brush{colors[k], gfx::BrushStyle::Solid});
          current = k;
        }
        const int left = marginX + x * zoomX;
        // Outline and inside share the colour: filling the rectangle gives the same pixels at less cost.
        c.fillRect(gfx::Rect{left, textY + (h - 1 - r1) * zoomY, left + zoomX, textY + (h - r0) * zoomY});
      }
      r0 = r1 + 1;
    }
  }
  c.setPen(savedPen);
  c.setBrush(savedBrush);
  const gfx::Font f = c.font();
  const int fontHeight = f.pixelHeight > 0 ? f.pixelHeight : (f.pointSize * dpi + 36) / 72;
  textY += 2 * std::abs(fontHeight) + h * zoomY;
}

void HDScreen::setTextFont(gfx::Canvas& canvas) const {
  gfx::Font f = canvas.font();
  f.pixelHeight = 0;
  f.color = colors[5];
  f.bold = f.underline = false;
  if (printing) {
    f.name = "Courier New";
    f.pointSize = 12;
    f.italic = false;
  } else {
    f.name = "Arial";
    f.pointSize = 10;
    f.italic = true;
  }
  canvas.setFont(f);
}

void HDScreen::WriteTextLine(const std::string& text) {
  if (!pictureCanvas) return;
  setTextFont(*pictureCanvas);
  pictureCanvas->textOut(marginX, textY, text);
  textY += int(float(pictureCanvas->textHeight(text)) * lineFactor);
}

void HDScreen::WriteTitleLine(int dx, const std::string& text) {
  if (!pictureCanvas) return;
  setTextFont(*pictureCanvas);
  pictureCanvas->textOut(marginX + dx, textY, text);
  textY += int(float(pictureCanvas->textHeight(text)) * lineFactor * 1.5f);
}

int HDScreen::TextLineWidth(const std::string& text) {
  if (!pictureCanvas) return 0;
  setTextFont(*pictureCanvas);
  return std::abs(pictureCanvas->textWidth(text));
}

int HDScreen::TextLineHeight(const std::string& text) {
  if (!pictureCanvas) return 0;
  setTextFont(*pictureCanvas);
  return std::abs(pictureCanvas->textHeight(text));
}

}  // namespace flaw
