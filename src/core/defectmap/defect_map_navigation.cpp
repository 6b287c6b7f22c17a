// DefectMap navigation: scrolling, horizontal and vertical zoom, the marker drag and the distance read-out.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/defectmap/defect_map.h"

namespace defectmap {

namespace {
const gfx::Font kScreenFont{"Arial", 0, 10, gfx::kBlack};
}

void DefectMap::ScrollTo(int pos) {
  if (!(scale > 0.0f)) return;
  firstMm = truncToInt(double(pos) * scrollUnit / scale);
  markerMm = truncToInt(double(markerX - marginLeft) / scale + firstMm);
  Redraw();
}

namespace {

// After a horizontal zoom: the scroll range and thumb follow the new scale.
void followScale(DefectMap& m) {
  if (m.scrollBar) {
    const int maximum = truncToInt(double(m.length()) * m.scale / m.scrollUnit - 1);
    m.scrollBar->setRange(0, std::max(0, maximum));
    m.scrollBar->setPosition(truncToInt(double(m.firstMm) * m.scale / m.scrollUnit));
  }
  m.markerMm = truncToInt(double(m.markerX - m.marginLeft) / m.scale + m.firstMm);
}

}  // namespace

bool DefectMap::ZoomInH() {
  if (!canvas) return true;
  // An empty object has no scale to double.
  if (!(scale > 0.0f)) {
    Redraw();
    return true;
  }
  if (float(scrollUnit) > scale) {
    EraseMarker();
    scale = scale * 2;
    followScale(*this);
  }
  Redraw();
  return scale >= float(scrollUnit);
}

bool DefectMap::ZoomOutH() {
  if (!canvas) return true;
  if (length() <= 0 || !(scale > 0.0f)) {
    Redraw();
    return true;
  }
  const double floorScale = double(canvas->width() - marginLeft) / length() * 0.25;
  if (scale > floorScale) {
    EraseMarker();
    scale = scale * 0.5f;
    followScale(*this);
  }
  Redraw();
  return scale <= floorScale;
}

bool DefectMap::ZoomInV() {
  if (!canvas) return true;
  const int h = canvas->height();
  const int n = layers();
  if (h > (rowHeight + 10) * n + 2 * marginTop) {
    rowHeight += 10;
    sizeFactor += 1.0f;
    ClearCanvas();
    Redraw();
    return h <= (rowHeight + 10) * n + 2 * marginTop;
  }
  return true;
}

bool DefectMap::ZoomOutV() {
  if (!canvas) return true;
  if (rowHeight - 10 > 40) {
    rowHeight -= 10;
    sizeFactor -= 1.0f;
    ClearCanvas();
    Redraw();
    return rowHeight - 10 <= 40;
  }
  return true;
}

int DefectMap::HitMarker(int x) const {
  // However far the map is zoomed out, the window drawn on screen can be taken hold of.
  const double width = std::max(markerWidth * double(scale), double(markerPixels()));
  if (x < markerX || double(x) >= width + markerX) return -1;
  return x - markerX;
}

void DefectMap::MoveMarker(int x) {
  if (!canvas) return;
  x = std::max(x, marginLeft);
  if (x > canvas->width() - 10) x = canvas->width() - 10;
  EraseMarker();
  markerX = x;
  markerMm = scale > 0.0f ? truncToInt(double(x - marginLeft) / scale + firstMm) : firstMm;
  DrawMarker();
  DrawSidePanel();
}

void DefectMap::ShowPosition(int mm) {
  if (!canvas || !(scale > 0.0f) || scrollUnit <= 0) return;
  mm = std::clamp(mm, 0, std::max(0, length() - 1));
  const int shownMm = truncToInt(double(canvas->width() - 10 - marginLeft) / scale);
  // A position already on screen stays where it is; another comes a quarter into the window,
  // never so far that the weld's end leaves the right edge.
  if (mm < firstMm || mm > firstMm + shownMm - markerWidth) {
    const int lastFirstMm = std::max(0, length() - shownMm);
    const int wanted = std::clamp(mm - shownMm / 4, 0, lastFirstMm);
    const int pos = truncToInt(double(wanted) * scale / scrollUnit);
    if (scrollBar) scrollBar->setPosition(pos);
    ScrollTo(pos);
  }
  MoveMarker(marginLeft + truncToInt(std::ceil(double(mm - firstMm) * scale)));
  // Below a pixel a millimetre the pixel covers several: the marker names the one asked for.
  if (markerMm != mm && markerX < canvas->width() - 10) {
    EraseMarker();
    markerMm = mm;
    DrawMarker();
    DrawSidePanel();
  }
}

void DefectMap::ShowDistance(int x) {
  if (!canvas || !(scale > 0.0f)) return;
  gfx::Canvas& c = *canvas;
  c.setFont(kScreenFont);
  const int cw = std::abs(c.textWidth("#")) + 2;
  const int b = bottomLine();
  c.setBrush(gfx::Brush{gfx::kWhite});
  c.fillRect(gfx::Rect{12, b + 4, 82, b + 20});
  const int n = truncToInt(std::floor(double(x - marginLeft) / scale) + firstMm - markerMm);
  c.textOut(cw, b + 6, FormatPosition(n));
}

}  // namespace defectmap
