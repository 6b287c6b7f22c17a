// HDScreen: the raster copy of the instrument's screen, its primitives, font, numbers and painting.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/datafiles/records.h"
#include "core/gfx/canvas.h"

namespace flaw {

// The raster holds the largest instrument screen; the record in use takes width x height of it.
constexpr int kRasterColumns = 240;
constexpr int kRasterRows = 136;
constexpr int kGlyphCount = 35;

// Colour indexes written into the raster; the index is also the position in HDScreen::colors.
enum CellIndex : std::uint8_t { kEmpty = 0, kGridCell = 1, kTraceCell = 2, kInkCell = 3, kGateCell = 4 };

// The instrument's colours before the settings give any: white, blue grid, black trace, green digits.
constexpr std::array<gfx::Color, 6> kDefaultFlawColors = {0xFFFFFF, 0xFF0000, 0x000000, 0x008000, 0x000000, 0x000000};

// Screen pixels per raster cell: the view zooms in and out between these, starting at 3.
constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 10;

// A 5 x 7 picture of a glyph, as the image list holds it: pixel (column c, row r) at 7 * c + r.
using GlyphImage = std::array<gfx::Color, 35>;

// Round to the nearer integer; a tie goes down (2.5 -> 2, -2.5 -> -3).
int RoundHalfDown(float v);

// Decimal text of v div 10, a point and v mod 10: 12.3 for 123.
std::string FormatTenths(std::uint32_t v);

struct HDScreen {
  const datafiles::FlawHeader* record = nullptr;
  std::array<std::array<std::uint8_t, 35>, kGlyphCount> glyphs{};
  // The A-scan; only sampleCount bytes are there, whatever the header announces.
  const std::uint8_t* samples = nullptr;
  std::size_t sampleCount = 0;
  gfx::Canvas* pictureCanvas = nullptr;
  gfx::Canvas* headerCanvas = nullptr;
  gfx::Canvas* textCanvas = nullptr;
  std::array<std::uint8_t, kRasterColumns * kRasterRows> raster{};
  std::uint8_t penIndex = 0;
  float lineFactor = 1.0f;
  int viewOffsetX = 80;
  int viewOffsetY = 40;
  int textY = 0;
  int zoomX = 3;
  int zoomY = 3;
  int originX = 0;
  int originY = 0;
  int marginX = 20;
  int topY = 10;
  int printing = 0;
  std::string protocolText;
  std::string objectText;
  int width = 160;
  int height = 80;
  std::array<gfx::Color, 6> colors = kDefaultFlawColors;

  // What the record's kind decides: .DHT or .DHN, extended header, the locale of the legends.
  bool dht = false;
  bool extended = false;
  std::string localeId;
  // Resolution of pictureCanvas, for the pixel height of its point-size font.
  int dpi = 96;
  // Printed below the parameter text while printing: the conclusion memo lines and the operator.
  std::vector<std::string> conclusionLines;
  std::string operatorText;

  // Usable height: the 16 rows above it hold the read-outs of .DHT records.
  int usableHeight() const { return dht ? height - 16 : height; }
  bool russian() const { return localeId == "00000419"; }
  std::uint8_t cell(int x, int y) const { return raster[std::size_t(kRasterRows * x + y)]; }

  // Raster primitives: they write penIndex and clamp their arguments into the screen.
  void DrawColumnRun(int x, int y0, int y1);
  void DrawRowRun(int x0, int x1, int y);
  void DrawDiagonal(int x0, int y0, int x1, int y1);
  void ClearRaster();

  // Font and numbers; (x, y) is the top-left cell, the glyph reaches 6 rows down.
  void LoadGlyph(int i, const GlyphImage& image);
  void loadInstrumentFont();
  void DrawGlyph(int x, int y, int g);
  void DrawChar(int x, int y, unsigned char ch);  // ch: a Windows-1251 code
  void DrawSmallDigit(int x, int y, char ch);
  void DrawTenths(int x, int y, std::uint32_t v);
  void DrawTenthsWithPoint(int x, int y, std::uint32_t v);
  void DrawPaddedTenths(int x, int y, std::uint32_t v);

  // One zoom step in or out on both axes, never past kMaxZoom or kMinZoom; true when that
  // limit is reached, so that the step's button is disabled.
  bool zoomIn();
  bool zoomOut();

  // Canvas side.
  void AttachCanvas(gfx::Canvas* canvas);
  void PaintBackground();
  void PaintRaster();
  void WriteTextLine(const std::string& text);
  void WriteTitleLine(int dx, const std::string& text);
  // Width and height of a text line in the font WriteTextLine writes it with (0 without a canvas).
  int TextLineWidth(const std::string& text);
  int TextLineHeight(const std::string& text);

 private:
  void setCell(int x, int y, std::uint8_t index) { raster[std::size_t(kRasterRows * x + y)] = index; }
  void setTextFont(gfx::Canvas& canvas) const;
};

}  // namespace flaw
