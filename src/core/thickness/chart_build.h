// The thickness chart build: title lines, axis ranges, colours and the points of the four sensors.
#pragma once

#include <array>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/gfx/color.h"
#include "core/text/numfmt.h"
#include "core/thickness/chart3d.h"
#include "core/thickness/readings.h"

namespace thickness {

// The chart as the thickness view is designed: series titles "Датчик №1" .. "Датчик №4".
void setupThicknessChart(Chart3D& chart);

// The points of the four sensors (index = sensor - 1) by the chart value rule: each
// sample k is a flat step from 2k to 2k + 2 mm in its colour, with one more point at
// the end. Samples the body does not hold are left out: the bands end where the data do.
std::array<std::vector<ChartPoint>, 4> sensorPoints(const datafiles::LoadedFile& file);

// Rebuilds the chart from the file and the extremes of the all-values table, with the
// thickness colours; returns the cross-hair colour (CursorColor). The viewing position
// and the series order are kept; every series becomes active again.
gfx::Color buildThicknessChart(Chart3D& chart, const datafiles::LoadedFile& file, const ThkExtremes& extremes,
                               const std::array<gfx::Color, 7>& colors, const text::NumberFormat& nf);

// The chart's start position (ABeginPosition without the window parts): rotation 349,
// elevation 299, 3-D on, top axis hidden, axis zoom undone.
void setBeginPosition(Chart3D& chart);
// The flat front view: 3-D off, left axis shown, top axis hidden.
void setFrontPosition(Chart3D& chart);
// The view from above: 3-D on, rotation 360, elevation 270, left axis hidden, the top
// axis shown over the bottom axis range.
void setUpPosition(Chart3D& chart);

}  // namespace thickness
