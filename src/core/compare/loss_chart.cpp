// Drawing the comparison chart on a canvas: legend, loss panel, later-wall panel, shading, position axis.
#include "core/compare/loss_chart.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "core/compare/compare_text.h"

namespace compare {
namespace {

struct Layout {
  int lineH = 0;
  gfx::Rect legend, loss, wall;
};

Layout layoutOf(gfx::Canvas& c, const gfx::Rect& area) {
  Layout l;
  l.lineH = std::max(1, c.textHeight("0"));
  const int left = area.left + c.textWidth("-00,00") + 12;
  const int right = std::max(left + 2, area.right - 12);
  l.legend = {left, area.top + 4, right, area.top + 4 + l.lineH};
  const int top = l.legend.bottom + l.lineH + 8;                    // the loss panel's caption above it
  const int bottom = std::max(top + 4, area.bottom - l.lineH - 8);  // position labels beneath
  const int room = std::max(4, bottom - top - l.lineH - 8);         // less the wall panel's caption
  l.loss = {left, top, right, top + room * 55 / 100};
  l.wall = {left, l.loss.bottom + l.lineH + 8, right, bottom};
  return l;
}

struct Range {
  double lo = 0, hi = 1;
};

int yOf(const Range& r, const gfx::Rect& p, double v) {
  const double f = (v - r.lo) / (r.hi - r.lo);
  return p.bottom - 1 - int(std::lround(f * (p.height() - 1)));
}

int xOf(const ChartWindow& w, const gfx::Rect& p, int mm) {
  const long span = std::max(1, w.toMm - w.fromMm);
  return p.left + int(long(mm - w.fromMm) * (p.width() - 1) / span);
}

// 1, 2 or 5 times a power of ten, so that span holds at most maxTicks steps.
double niceStep(double span, int maxTicks) {
  const double raw = span / std::max(1, maxTicks);
  const double p = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * p >= raw) return m * p;
  return 10 * p;
}

Range padded(double lo, double hi) {
  if (hi - lo < 0.1) hi = lo + 0.1;
  const double pad = (hi - lo) * 0.08;
  return {lo - pad, hi + pad};
}

// The positions of the overlap inside the window, as indexes into c.positions.
std::pair<std::size_t, std::size_t> indexes(const Comparison& c, const ChartWindow& w) {
  if (c.positions.empty()) return {0, 0};
  const int first = c.positions.front().positionMm;
  const auto at = [&](int mm) {
    return std::size_t(std::clamp((mm - first + kSampleMm - 1) / kSampleMm, 0, int(c.positions.size())));
  };
  return {at(w.fromMm), at(w.toMm)};
}

using Value = std::function<std::optional<double>(const SensorLoss&)>;

// One sensor as a line; each column draws the range of its positions, a gap breaks the line.
void drawSeries(gfx::Canvas& cv, const gfx::Rect& p, const Range& r, const Comparison& c, const ChartWindow& w,
                int sensor, const Value& value) {
  const auto [from, to] = indexes(c, w);
  bool open = false, column = false;
  int colX = 0, lo = 0, hi = 0, last = 0;
  const auto flush = [&] {
    if (!column) return;
    cv.line(colX, lo, colX, hi + 1);
    column = false;
  };
  for (std::size_t i = from; i < to; ++i) {
    const auto v = value(c.positions[i].sensors[std::size_t(sensor)]);
    if (!v) {
      flush();
      open = false;
      continue;
    }
    const int x = xOf(w, p, c.positions[i].positionMm);
    const int y = std::clamp(yOf(r, p, *v), p.top, p.bottom - 1);
    if (column && x == colX) {
      lo = std::min(lo, y);
      hi = std::max(hi, y);
    } else {
      flush();
      if (open) cv.line(colX, last, x, y);
      colX = x;
      lo = hi = y;
      column = true;
    }
    last = y;
    open = true;
  }
  flush();
}

// Columns where some sensor thins at the high rate, filled across the panel.
void shadeHighRate(gfx::Canvas& cv, const gfx::Rect& p, const Comparison& c, const ChartWindow& w) {
  const auto [from, to] = indexes(c, w);
  const auto high = [&](const PositionLoss& pl) {
    return std::any_of(pl.sensors.begin(), pl.sensors.end(), [&](const SensorLoss& s) {
      const auto r = c.rate(s);
      return r && *r >= kHighRateMmPerYear;
    });
  };
  for (std::size_t i = from; i < to;) {
    if (!high(c.positions[i])) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < to && high(c.positions[j])) ++j;
    const int x0 = xOf(w, p, c.positions[i].positionMm);
    const int x1 = std::max(x0 + 1, xOf(w, p, c.positions[j - 1].positionMm + kSampleMm));
    cv.fillRect({x0, p.top, std::min(x1, p.right), p.bottom}, kHighRateShade);
    i = j;
  }
}

void yAxis(gfx::Canvas& cv, const gfx::Rect& p, const Range& r, const std::string& caption,
           const text::NumberFormat& nf) {
  const int lineH = cv.textHeight("0");
  cv.textOut(p.left, p.top - lineH - 4, caption);
  const double step = niceStep(r.hi - r.lo, std::max(2, p.height() / (2 * lineH)));
  const char* pattern = step < 0.1 ? "0.00" : "0.0";
  cv.setPen({gfx::kSilver, 1});
  for (double v = std::ceil(r.lo / step) * step; v <= r.hi; v += step) {
    const int y = yOf(r, p, v);
    cv.line(p.left, y, p.right, y);
    const std::string label = text::formatDouble(std::abs(v) < step / 2 ? 0.0 : v, pattern, nf);
    cv.textOut(p.left - 6 - cv.textWidth(label), y - lineH / 2, label);
  }
}

void xAxis(gfx::Canvas& cv, const Layout& l, const ChartWindow& w) {
  const gfx::Rect& p = l.wall;
  const int maxTicks = std::max(1, p.width() / (cv.textWidth("00000") + 24));
  const int step = std::max(2, int(niceStep(std::max(2, w.toMm - w.fromMm), maxTicks)));
  cv.setPen({gfx::kBlack, 1});
  for (int mm = (w.fromMm + step - 1) / step * step; mm < w.toMm; mm += step) {
    const int x = xOf(w, p, mm);
    cv.line(x, p.bottom, x, p.bottom + 4);
    const std::string label = std::to_string(mm);
    cv.textOut(std::min(x - cv.textWidth(label) / 2, p.right - cv.textWidth(label)), p.bottom + 5, label);
  }
  // The axis is named at the right end of the loss panel's caption row, clear of the labels.
  const std::string caption = caption::kPositionAxis;
  cv.textOut(l.loss.right - cv.textWidth(caption), l.loss.top - cv.textHeight(caption) - 4, caption);
}

void legend(gfx::Canvas& cv, const gfx::Rect& r, const text::NumberFormat& nf) {
  int x = r.left;
  const int h = r.height();
  const auto item = [&](const std::string& label) {
    cv.textOut(x + h + 4, r.top, label);
    x += h + 4 + cv.textWidth(label) + 16;
  };
  for (int i = 0; i < 4; ++i) {
    cv.fillRect({x, r.top + h / 2 - 1, x + h, r.top + h / 2 + 2}, kSensorColors[std::size_t(i)]);
    item(sensorName(i));
  }
  cv.setPen({kTminColor, 1, gfx::PenStyle::Dash});
  cv.line(x, r.top + h / 2, x + h, r.top + h / 2);
  item(caption::kTminLine);
  cv.fillRect({x, r.top + 1, x + h, r.bottom - 1}, kHighRateShade);
  item(highRateCaption(nf));
}

// Value ranges over the window: loss from at most 0, thickness down to the minimum.
std::pair<Range, Range> rangesOf(const Comparison& c, const ChartWindow& w) {
  const auto [from, to] = indexes(c, w);
  double lossLo = 0, lossHi = 0, wallLo = c.tminUm * 0.001, wallHi = std::max(c.nominalUm, c.tminUm) * 0.001;
  for (std::size_t i = from; i < to; ++i)
    for (const SensorLoss& s : c.positions[i].sensors) {
      if (!s.valid) continue;
      lossLo = std::min(lossLo, s.lossUm() * 0.001);
      lossHi = std::max(lossHi, s.lossUm() * 0.001);
      wallLo = std::min(wallLo, s.laterUm * 0.001);
      wallHi = std::max(wallHi, s.laterUm * 0.001);
    }
  return {padded(lossLo, lossHi), padded(wallLo, wallHi)};
}

}  // namespace

ChartWindow wholeOverlap(const Comparison& c) {
  if (c.positions.empty()) return {};
  return {c.positions.front().positionMm, c.positions.back().positionMm + kSampleMm, std::nullopt};
}

ChartWindow around(const Comparison& c, int positionMm, int spanMm) {
  const ChartWindow all = wholeOverlap(c);
  const int span = std::min(spanMm, all.toMm - all.fromMm);
  const int from = std::clamp(positionMm - span / 2, all.fromMm, all.toMm - span);
  return {from, from + span, positionMm};
}

void drawLossChart(gfx::Canvas& cv, const gfx::Rect& area, const Comparison& c, const ChartWindow& w,
                   const text::NumberFormat& nf) {
  cv.fillRect(area, gfx::kWhite);
  const gfx::Brush brush = cv.brush();
  cv.setBrush({gfx::kWhite, gfx::BrushStyle::Clear});
  const Layout l = layoutOf(cv, area);
  const auto [lossRange, wallRange] = rangesOf(c, w);
  legend(cv, l.legend, nf);
  shadeHighRate(cv, l.loss, c, w);
  shadeHighRate(cv, l.wall, c, w);
  yAxis(cv, l.loss, lossRange, caption::kLossAxis, nf);
  yAxis(cv, l.wall, wallRange, caption::kThicknessAxis, nf);
  cv.setPen({gfx::kBlack, 1});
  const int zero = yOf(lossRange, l.loss, 0.0);
  cv.line(l.loss.left, zero, l.loss.right, zero);
  cv.setPen({kTminColor, 2, gfx::PenStyle::Dash});
  const int tmin = yOf(wallRange, l.wall, c.tminUm * 0.001);
  cv.line(l.wall.left, tmin, l.wall.right, tmin);
  for (int i = 0; i < 4; ++i) {
    cv.setPen({kSensorColors[std::size_t(i)], 1});
    drawSeries(cv, l.loss, lossRange, c, w, i,
               [](const SensorLoss& s) { return s.valid ? std::optional<double>(s.lossUm() * 0.001) : std::nullopt; });
    drawSeries(cv, l.wall, wallRange, c, w, i,
               [](const SensorLoss& s) { return s.valid ? std::optional<double>(s.laterUm * 0.001) : std::nullopt; });
  }
  if (w.markMm && *w.markMm >= w.fromMm && *w.markMm < w.toMm) {
    cv.setPen({kMarkColor, 1, gfx::PenStyle::Dash});
    for (const gfx::Rect& p : {l.loss, l.wall}) {
      const int x = xOf(w, p, *w.markMm);
      cv.line(x, p.top, x, p.bottom);
    }
  }
  cv.setPen({gfx::kBlack, 1});
  for (const gfx::Rect& p : {l.loss, l.wall}) cv.rectangle(p);
  xAxis(cv, l, w);
  cv.setBrush(brush);
}

std::optional<int> positionAt(gfx::Canvas& cv, const gfx::Rect& area, const ChartWindow& w, int x) {
  const Layout l = layoutOf(cv, area);
  if (x < l.loss.left || x >= l.loss.right || w.toMm <= w.fromMm) return std::nullopt;
  const long span = w.toMm - w.fromMm;
  const int mm = w.fromMm + int(long(x - l.loss.left) * span / std::max(1, l.loss.width() - 1));
  return std::min(w.toMm - kSampleMm, mm / kSampleMm * kSampleMm);
}

}  // namespace compare
