// The comparison chart: wall loss of the four sensors along the position, and the later wall against the minimum.
#pragma once

#include <array>
#include <optional>

#include "core/compare/comparison.h"
#include "core/gfx/canvas.h"
#include "core/text/numfmt.h"

namespace compare {

// The stretch of the overlap the chart shows (later positions, mm) and the position marked in it.
struct ChartWindow {
  int fromMm = 0;
  int toMm = 0;  // exclusive: the last position + 2
  std::optional<int> markMm;
};

// The whole overlap, nothing marked.
ChartWindow wholeOverlap(const Comparison& c);
// spanMm of the overlap centred on positionMm (kept inside the overlap), the position marked.
ChartWindow around(const Comparison& c, int positionMm, int spanMm = 400);

// Sensor colours of the chart: red, blue, green, purple.
inline constexpr std::array<gfx::Color, 4> kSensorColors{gfx::kRed, gfx::kBlue, gfx::kGreen, 0x800080};
inline constexpr gfx::Color kTminColor = gfx::kMaroon;
inline constexpr gfx::Color kHighRateShade = 0xC8E6FF;  // pale orange
inline constexpr gfx::Color kMarkColor = gfx::kGray;

// Draws into area: a legend line, the loss panel (upper, with the zero line) and the panel of the
// later thickness with the minimum-allowed line (lower), stretches of high rate shaded in both,
// the position axis beneath. Each pixel column draws the range of the positions it covers, so the
// cost follows the width, not the length of the run. The canvas's font is used for the labels.
void drawLossChart(gfx::Canvas& canvas, const gfx::Rect& area, const Comparison& c, const ChartWindow& window,
                   const text::NumberFormat& nf);

// The later position (mm) under x in a chart drawn into area for window; nothing outside the panels.
std::optional<int> positionAt(gfx::Canvas& canvas, const gfx::Rect& area, const ChartWindow& window, int x);

}  // namespace compare
