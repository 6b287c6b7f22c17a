// DefectMap on screen: rows, ruler, indication bars, the XOR marker window and the side panel.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "core/defectmap/defect_codes.h"
#include "core/defectmap/defect_map.h"
#include "core/defectmap/map_geometry.h"

namespace defectmap {

namespace {

const gfx::Font kScreenFont{"Arial", 0, 10, gfx::kBlack};
// The marker window's sides and top and bottom lines.
constexpr int kMarkerPenWidth = 3;

}  // namespace

void DefectMap::Redraw() {
  if (!canvas) return;
  if (!cells) {
    canvas->fillRect(gfx::Rect{0, 0, canvas->width(), canvas->height()}, gfx::sys::kAppWorkSpace);
    return;
  }
  if (!header) return;
  DrawBackground();
  DrawRuler();
  for (int l = 0; l < layers(); ++l) DrawLayerRuns(l);
  DrawMarker();
  DrawSidePanel();
}

void DefectMap::DrawBackground() {
  gfx::Canvas& c = *canvas;
  const int w = c.width();
  const int l = marginLeft;
  const int t = marginTop;
  const int b = bottomLine();
  const int endX = truncToInt((double(length()) - firstMm) * scale + l);
  int right = std::max(w, l);
  if (endX < right) {
    right = endX;
    c.fillRect(gfx::Rect{endX, t, w, b + 1}, gfx::kWhite);
  }
  c.fillRect(gfx::Rect{l, t, right, b}, gfx::sys::kBtnFace);
  c.setPen(gfx::Pen{});
  if (rowHeight > 0) {
    for (int y = t; y <= b; y += rowHeight) c.line(0, y, right, y);
  }
  c.line(l - 1, 0, l - 1, b);
  c.line(right, t, right, b);
  c.fillRect(gfx::Rect{0, b + 1, w, b + 31}, gfx::kWhite);
}

void DefectMap::DrawRuler() {
  gfx::Canvas& c = *canvas;
  const int w = c.width();
  const int l = marginLeft;
  const int t = marginTop;
  const int b = bottomLine();
  rulerTarget = 100;
  majorTick = 30;
  minorTick = 15;
  c.setPen(gfx::Pen{});
  c.setFont(kScreenFont);
  c.setBrush(gfx::Brush{gfx::kWhite});
  c.fillRect(gfx::Rect{0, t - 3 * majorTick, w, t});
  c.fillRect(gfx::Rect{0, b + 4, w, b + 44});

  const std::string label = FormatPosition(markerMm);
  c.textOut(markerX - std::abs(c.textWidth(label) / 2), b + 7, label);
  c.line(l, t, w, t);
  // Without a scale (an empty object) there are no positions to mark.
  if (!(scale > 0.0f)) return;

  const long long step = rulerStep(rulerTarget, scale);
  const long long minorStep = step / 10;
  const auto xOf = [&](long long pos) { return truncToInt((double(pos) - firstMm) * scale + l); };
  long long pos = truncToInt64(std::floor(double(firstMm) / double(step)) * double(step));
  const long long last = truncToInt64(double(w - l) / scale + firstMm);
  const int minorY = truncToInt(t - 0.6 * minorTick);
  const int fifthY = truncToInt(t - 1.3 * minorTick);
  while (pos < last) {
    int x = xOf(pos);
    if (x >= l) {
      c.line(x, t - majorTick, x, t);
      const std::string text = FormatPosition(int(pos));
      const int textW = std::abs(c.textWidth(text));
      // Centred over its tick, except at the right edge, where the label moves in to stay whole.
      const int textX = std::min(x - textW / 2, w - textW);
      c.textOut(textX, t - 3 * std::abs(c.textHeight(text)) - 2, text);
    }
    for (int k = 1; k <= 9; ++k) {
      pos += minorStep;
      x = xOf(pos);
      if (x >= l) c.line(x, k == 5 ? fifthY : minorY, x, t);
    }
    pos += minorStep;
  }
}

RunBar DefectMap::barOf(const RunFrame& f, int layer, std::int64_t position, std::int64_t count, std::uint8_t size,
                        std::uint8_t type) const {
  RunBar bar;
  const auto slot = colorSlot(type);
  if (!slot) return bar;  // classes outside the six are not drawn, as in print
  bar.color = DefectColors[*slot];
  bar.d = std::min(truncToInt(size * double(f.sizeFactor)), f.rowHeight);
  bar.x = truncToInt((double(position) - f.firstMm) * f.scale + f.marginLeft);
  bar.width = truncToInt(std::ceil(double(count) * f.scale));
  bar.yTop = (layer + 1) * f.rowHeight + f.marginTop - bar.d;
  bar.visible = true;
  return bar;
}

void DefectMap::DrawRun(int layer, std::int64_t s, std::int64_t e) {
  if (canvas) drawRun(*canvas, screenFrame(), layer, s, e);
}

void DefectMap::drawRun(gfx::Canvas& c, const RunFrame& f, int layer, std::int64_t s, std::int64_t e) const {
  const std::int64_t stride = 2LL * layers();
  if (!cells || stride <= 0 || !cellPresent(s)) return;
  // Whole cells between the offsets: (s - 2l) and (e - s) are multiples of the stride.
  const RunBar bar = barOf(f, layer, (s - 2 * layer) / stride, (e - s) / stride, cells[s], cells[s + 1]);
  if (!bar.visible) return;
  c.fillRect(gfx::Rect{bar.x, bar.yTop + 1, bar.x + bar.width, bar.yTop + bar.d}, bar.color);
}

void DefectMap::DrawLayerRuns(int layer) {
  const int n = layers();
  if (!canvas || !cells || n <= 0 || !(scale > 0.0f)) return;
  const std::int64_t first = 2LL * n * firstMm + 2LL * layer;
  const std::int64_t limit =
      truncToInt64(std::ceil(double(canvas->width() - marginLeft) / scale) * 2.0 * n + double(first));
  drawRuns(*canvas, screenFrame(), compositor_, layer, first, limit);
}

void DefectMap::drawRuns(gfx::Canvas& c, const RunFrame& f, ColumnCompositor& compositor, int layer, std::int64_t first,
                         std::int64_t limit) const {
  const int n = layers();
  if (!cells || n <= 0) return;
  const std::int64_t stride = 2LL * n;
  // Cells the body does not hold are empty: the scan stops where the body ends.
  const std::int64_t total = std::min<std::int64_t>(2LL * n * length(), bodyCellBytes());
  if (first >= total) return;
  if (f.scale < 1.0f) {
    compositeRuns(c, f, compositor, layer, first, std::min(total, limit));
    return;
  }
  std::int64_t runStart = first;
  std::int64_t k = first;
  for (; k < total && k < limit; k += stride) {
    if (cells[k] != cells[runStart] || cells[k + 1] != cells[runStart + 1]) {
      if (cells[runStart] != 0) drawRun(c, f, layer, runStart, k);
      runStart = k;
    }
  }
  if (runStart < total && cells[runStart] != 0) drawRun(c, f, layer, runStart, k);
}

// The same runs as the forward scan over [first, stop), met from the last one back, each
// given to the compositor only where it can still show. Every run's geometry is the one
// drawRun gives it, so the pixels are those of painting the runs one by one.
void DefectMap::compositeRuns(gfx::Canvas& c, const RunFrame& f, ColumnCompositor& compositor, int layer,
                              std::int64_t first, std::int64_t stop) const {
  const int n = layers();
  const std::int64_t stride = 2LL * n;
  if (stop <= first) return;
  const std::int64_t steps = (stop - first + stride - 1) / stride;
  std::array<int, 256> heightOf{};
  std::array<int, 256> slotOf{};
  for (int v = 0; v < 256; ++v) {
    heightOf[std::size_t(v)] = std::min(truncToInt(v * double(f.sizeFactor)), f.rowHeight) - 1;
    const auto slot = colorSlot(std::uint8_t(v));
    slotOf[std::size_t(v)] = slot ? *slot : -1;
  }
  compositor.reset(c.width(), (layer + 1) * f.rowHeight + f.marginTop, f.rowHeight - 1);
  const std::int64_t firstPos = (first - 2LL * layer) / stride;
  std::int64_t e = first + steps * stride;  // one past the run's last cell
  std::int64_t endPos = firstPos + steps;
  while (e > first) {
    std::int64_t s = e - stride;
    const std::uint8_t size = cells[s];
    const std::uint8_t type = cells[s + 1];
    std::int64_t count = 1;
    while (s - stride >= first && cells[s - stride] == size && cells[s - stride + 1] == type) {
      s -= stride;
      ++count;
    }
    const std::int64_t pos = endPos - count;
    const int slot = slotOf[type];
    if (size != 0 && slot >= 0) {
      // Below one pixel per millimetre every position and width is far inside the int range.
      const int x = int((double(pos) - f.firstMm) * f.scale + f.marginLeft);
      if (!compositor.saturated(x) || count > 1) {
        const int width = int(std::ceil(double(count) * f.scale));
        compositor.addBehind(x, width, heightOf[size], DefectColors[std::size_t(slot)]);
      }
    }
    e = s;
    endPos = pos;
  }
  compositor.paint(c);
}

int DefectMap::markerPixels() const {
  // A pixel between the two sides, each as wide as the pen.
  return std::max(truncToInt(std::floor(markerWidth * double(scale))), kMarkerPenWidth + 1);
}

void DefectMap::xorMarkerFrame(gfx::Canvas& c) const {
  const int t = marginTop;
  const int b = bottomLine();
  c.setPen(gfx::Pen{gfx::kYellow, kMarkerPenWidth, gfx::PenStyle::Solid, gfx::PenMode::Xor});
  const int x1 = markerX;
  const int x2 = markerX + markerPixels();
  c.line(x1, t, x1, b);
  c.line(x2, t, x2, b);
  c.line(x1, b + 3, x2, b + 3);
  c.line(x1, t - 3, x2, t - 3);
}

void DefectMap::DrawMarker() {
  gfx::Canvas& c = *canvas;
  const int b = bottomLine();
  c.setBrush(gfx::Brush{gfx::kWhite});
  xorMarkerFrame(c);
  c.setPen(gfx::Pen{gfx::kYellow, 1, gfx::PenStyle::Solid, gfx::PenMode::Xor});
  c.setFont(kScreenFont);
  const std::string label = FormatPosition(markerMm);
  c.textOut(markerX - std::abs(c.textWidth(label) / 2), b + 7, label);
  c.setPen(gfx::Pen{gfx::kYellow, 1, gfx::PenStyle::Solid, gfx::PenMode::Copy});
}

void DefectMap::EraseMarker() {
  if (!canvas) return;
  gfx::Canvas& c = *canvas;
  const int b = bottomLine();
  xorMarkerFrame(c);
  c.setPen(gfx::Pen{gfx::kYellow, 1, gfx::PenStyle::Solid, gfx::PenMode::Xor});
  c.setBrush(gfx::Brush{gfx::kWhite});
  c.setFont(kScreenFont);
  const std::string blanks(24, ' ');
  c.textOut(markerX - std::abs(c.textWidth(blanks) / 2), b + 7, blanks);
  c.setPen(gfx::Pen{gfx::kYellow, 1, gfx::PenStyle::Solid, gfx::PenMode::Copy});
}

void DefectMap::DrawSidePanel() {
  gfx::Canvas& c = *canvas;
  const int n = layers();
  const int l = marginLeft;
  const int t = marginTop;
  const int r = rowHeight;
  const int b = bottomLine();
  c.setFont(kScreenFont);
  const int cw = std::abs(c.textWidth("#")) + 2;
  const int h = std::abs(c.textHeight("#"));
  c.setBrush(gfx::Brush{gfx::kWhite});
  c.fillRect(gfx::Rect{0, 0, l - 2 * cw, b});
  c.setPen(gfx::Pen{});
  c.line(0, t, l, t);
  c.textOut(cw, t - 3 * h - 2, FormatPosition(markerMm));
  for (int i = 0; i < n; ++i) {
    const int lineY = (i + 1) * r + t;
    c.line(0, lineY, l, lineY);
    for (int j = 0; j < markerWidth; ++j) {
      const long long p = static_cast<long long>(markerMm) + j;
      if (p >= length()) break;
      if (p < 0) continue;
      const std::int64_t offset = 2LL * n * p + 2LL * i;
      if (!cellPresent(offset) || cells[offset] == 0) continue;
      const CellSymbols s = screenSymbols(cells[offset], cells[offset + 1]);
      if (s.type.empty()) continue;
      const int h1 = std::abs(c.textHeight(s.type));
      c.textOut((j + 2) * cw, truncToInt(t + r / 2 - 1.2 * h1 + i * r), s.type);
      c.textOut((j + 2) * cw, t + r / 2 + i * r, s.size);
    }
  }
}

}  // namespace defectmap
