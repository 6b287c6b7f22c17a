// The thickness legend: the palette of marker classes and thinning shades, and its millimetre labels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/gfx/canvas.h"
#include "core/text/numfmt.h"

namespace thickness {

constexpr int kLegendSwatchWidth = 30;  // b
constexpr int kLegendFirstScaleRow = 5;

// Row height a of a legend image of the given height.
int legendRowHeight(int imageHeight);

// The palette without labels: rows 1..3 the marker classes with their words, rows
// 4..53 the fifty deviation shades.
void drawLegendPalette(gfx::Canvas& canvas, int a, int b = kLegendSwatchWidth);

// The six labels from the top: the first shade, then the last shade of each colour row.
// They count whole millimetres of the nominal; a nominal below 1 mm uses its tenths
// instead, and a label of zero carries no minus sign.
std::vector<std::string> legendLabels(std::uint16_t nominal, const text::NumberFormat& nf);

// Draws the labels over the palette (every paint of the legend window).
void drawLegendLabels(gfx::Canvas& canvas, int a, std::uint16_t nominal, const text::NumberFormat& nf,
                      int b = kLegendSwatchWidth);

}  // namespace thickness
