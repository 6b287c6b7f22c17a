// The picture of one flaw-detector record: screen size, grid, trace, gates and read-out digits.
#include "core/flawdetector/flaw_picture.h"

#include <algorithm>

#include "core/flawdetector/parameter_text.h"

namespace flaw {

ScreenSize ScreenSizeFor(bool extended, int aScanLength) {
  if (extended && aScanLength == 220) return {240, 126, 15};
  if (extended) return {160, 120, 15};
  return {160, 80, 10};
}

ScreenSize ScreenSizeFor(const HDScreen& s) {
  return ScreenSizeFor(s.extended, s.record ? s.record->AScanLength : 140);
}

void setRecord(HDScreen& s, const datafiles::LoadedFile& file, const std::string& localeId) {
  s.record = &file.flaw;
  s.samples = file.body.empty() ? nullptr : file.body.data();
  s.sampleCount = std::min<std::size_t>(file.body.size(), file.flaw.AScanLength);
  s.dht = file.DhtOpen();
  s.extended = file.DhExtended;
  s.localeId = localeId;
  s.protocolText.clear();
  s.objectText.clear();
  s.marginX = 20;
  s.topY = 10;
  s.zoomX = s.zoomY = 3;
  const ScreenSize size = ScreenSizeFor(s);
  s.width = size.width;
  s.height = size.height;
}

void DrawGridDhn(HDScreen& s) {
  s.penIndex = kGridCell;
  const int w = s.width, h = s.height;
  const bool wide = w == 240;
  for (int y = 0; y < h; y += wide ? 21 : 20) {
    for (int x = 4; x <= w - 20; x += 4) s.DrawRowRun(x, x, y);
  }
  for (int x = 0; x <= w - 20; x += 24) {
    for (int y = 3; y < h; y += wide ? 3 : 4) s.DrawRowRun(x, x, y);
  }
}

void DrawGridDht(HDScreen& s) {
  s.penIndex = kGridCell;
  const int w = s.width, h = s.height;
  if (s.extended) {
    for (int y = 24; y < h - 20; y += 25) {
      for (int x = 5; x <= w - 20; x += 5) s.DrawRowRun(x, x, y);
    }
    for (int x = 0; x <= w - 20; x += 25) {
      for (int y = 4; y < h - 20; y += 5) s.DrawRowRun(x, x, y);
    }
  } else {
    for (int y = 15; y < h - 15; y += 16) {
      for (int x = 4; x <= w - 20; x += 4) s.DrawRowRun(x, x, y);
    }
    for (int x = 0; x <= w - 20; x += 24) {
      for (int y = 3; y < h - 15; y += 4) s.DrawRowRun(x, x, y);
    }
  }
}

float TraceDivisor(bool extended, bool dht, int aScanLength) {
  if (extended && aScanLength == 220) return dht ? 2.4f : 2.0f;
  if (extended) return dht ? 2.6f : 2.1f;
  return dht ? 4.0f : 3.2f;
}

namespace {

float traceDivisorOf(const HDScreen& s) {
  return TraceDivisor(s.extended, s.dht, s.record ? s.record->AScanLength : 140);
}

int decimalDigits(std::uint32_t v) { return int(std::to_string(v).size()); }

// One gate line at its threshold, with the arrow head when it runs out of the screen.
void drawGateLine(HDScreen& s, double scale, unsigned level, unsigned start, unsigned width, bool twoRows) {
  const datafiles::FlawHeader& r = *s.record;
  const int w = s.width;
  const int thr = RoundHalfDown(float(level * s.usableHeight() * 0.01));
  const int x0 = RoundHalfDown(float((double(start) - double(r.SweepStart)) * scale)) - 1;
  const int n = RoundHalfDown(float(double(width) * scale));
  s.penIndex = kGateCell;
  int x1;
  if (start + width > r.SweepRange) {
    x1 = w - 20;
    s.DrawDiagonal(w - 23, thr + 3, w - 20, thr);
    s.DrawDiagonal(w - 23, thr - 4, w - 20, thr - 1);
  } else {
    x1 = x0 + n - 1;
  }
  s.DrawRowRun(x0, x1, thr);
  if (twoRows) s.DrawRowRun(x0, x1, thr - 1);
}

void drawLegend(HDScreen& s, std::string_view cp1251) {
  int x = 30;
  for (char c : cp1251) {
    s.DrawChar(x, s.usableHeight() - 1, static_cast<unsigned char>(c));
    x += 6;
  }
}

}  // namespace

void DrawTrace(HDScreen& s) {
  if (!s.samples || !s.record) return;
  s.penIndex = kTraceCell;
  const float d = traceDivisorOf(s);
  auto v = [&](std::size_t i) { return RoundHalfDown(float(s.samples[i]) / d); };
  const std::size_t n = std::min<std::size_t>(s.sampleCount, s.record->AScanLength);
  if (n == 0) return;
  s.DrawColumnRun(0, 0, v(0));
  for (std::size_t i = 1; i < n; ++i) s.DrawColumnRun(int(i), v(i - 1), v(i));
}

bool DrawGates(HDScreen& s) {
  if (!s.samples || !s.record) return true;
  const datafiles::FlawHeader& r = *s.record;
  if (r.SweepRange == r.SweepStart) return false;
  const double scale = double(s.width - 20) / (double(r.SweepRange) - double(r.SweepStart));
  drawGateLine(s, scale, r.GateLevel, r.GateStart, r.GateWidth, true);
  const bool ru = s.russian();
  if (r.AgcGateOn != 0) {
    // А Р У - У / А Р У in Windows-1251.
    drawLegend(s, r.AgcGateOn == 3 ? (ru ? "\xC0\xD0\xD3-\xD3" : "AGC-S") : (ru ? "\xC0\xD0\xD3" : "AGC"));
    drawGateLine(s, scale, r.AgcGateLevel, r.AgcGateStart, r.AgcGateWidth, false);
  }
  if (r.ExtraGateOn != 0) {
    // Д С - У / Д С.
    drawLegend(s, r.ExtraGateOn == 3 ? (ru ? "\xC4\xD1-\xD3" : "DS-S") : (ru ? "\xC4\xD1" : "DS"));
    drawGateLine(s, scale, r.ExtraGateLevel, r.ExtraGateStart, r.ExtraGateWidth, false);
  }
  return true;
}

void DrawReadouts(HDScreen& s) {
  if (!s.samples || !s.record) return;
  const datafiles::FlawHeader& r = *s.record;
  const int w = s.width, h = s.height;
  const int l = ScreenSizeFor(s).rowStep;
  const bool ru = s.russian();
  const int a = s.dht ? (s.extended ? h - 20 : h - 16) : h;

  const bool combined = (r.Flags & datafiles::kFlagCombined) != 0;
  s.DrawChar(w - 18, h - 1, ru ? (combined ? 0xD1 : 0xD0) : (combined ? 'C' : 'S'));
  if (r.Flags & datafiles::kFlagShowAux) s.DrawTenths(111, h - 2, r.AuxValue);
  if ((r.Flags & datafiles::kFlagTvgMode) == 1) {
    const char* letters = ru ? "\xC2\xD0\xD7" : "DAC";  // В Р Ч
    for (int i = 0; i < 3; ++i) s.DrawChar(79 + 6 * i, a - 2, static_cast<unsigned char>(letters[i]));
  }
  std::string gain = std::to_string(r.Gain);
  if (gain.size() < 2) gain = "0" + gain;
  s.DrawChar(w - 12, h - 1, static_cast<unsigned char>(gain[0]));
  s.DrawChar(w - 6, h - 1, static_cast<unsigned char>(gain[1]));

  auto rightAligned = [&](std::uint32_t v, int row) { s.DrawTenths(w - 6 * decimalDigits(v), row, v); };
  rightAligned(r.DefectY, h - l);
  rightAligned(r.DefectX, h - 2 * l);
  if (s.dht) s.DrawTenthsWithPoint(79, h - 1, r.DefectY);
  std::uint32_t sweepFirst, sweepSecond;
  if (r.Flags & datafiles::kFlagShortLayout) {
    rightAligned(r.GateStart, h - 3 * l);
    rightAligned(r.GateWidth, h - 4 * l);
    sweepFirst = r.SweepStart;
    sweepSecond = r.SweepRange;
  } else {
    rightAligned(r.GateStartMm, h - 3 * l);
    rightAligned(r.GateWidthMm, h - 4 * l);
    sweepFirst = r.SweepStartMm;
    sweepSecond = r.SweepRangeMm;
  }
  s.DrawPaddedTenths(w - 18, h - 6 * l, sweepFirst);
  s.DrawPaddedTenths(w - 18, h - 7 * l, sweepSecond);
  s.DrawPaddedTenths(w - 18, h - 5 * l, std::uint32_t(r.GateLevel) * 10);
}

bool fillRaster(HDScreen& s) {
  s.ClearRaster();
  if (s.dht) {
    DrawGridDht(s);
  } else {
    DrawGridDhn(s);
  }
  DrawTrace(s);
  DrawReadouts(s);
  return DrawGates(s);
}

bool BuildScreen(HDScreen& s) {
  s.viewOffsetX = 80;
  s.viewOffsetY = 40;
  s.originX = s.viewOffsetX * s.zoomX + s.marginX;
  s.originY = s.viewOffsetY * s.zoomY + s.textY;
  s.lineFactor = 1.0f;
  s.PaintBackground();
  const bool ok = fillRaster(s);
  s.textY = s.topY;
  s.PaintRaster();
  s.textY = 5;
  gfx::Canvas* picture = s.pictureCanvas;
  s.pictureCanvas = s.textCanvas;
  DrawParameterText(s);
  s.pictureCanvas = picture;
  return ok;
}

}  // namespace flaw
