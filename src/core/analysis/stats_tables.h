// The statistics as tables of text cells in the locale's number form: one source for tervtool, the window's copy and
// CSV.
#pragma once

#include <string>
#include <vector>

#include "core/analysis/gate_peaks.h"
#include "core/analysis/map_stats.h"
#include "core/analysis/thickness_stats.h"
#include "core/analysis/thin_zones.h"
#include "core/datafiles/loaded_file.h"
#include "core/text/numfmt.h"

namespace analysis {

// A header row and data rows of cells; every row has header.size() cells.
struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

// Rows "Датчик 1" .. "Датчик 4" and "Все датчики": minimum, its position, maximum, its position,
// mean, deviation (mm), marker counts, shares below 80/70/60 % and without a valid reading (%).
// Thicknesses show as the value table shows them; a sensor without valid readings shows "--".
TextTable thicknessStatsTable(const ThicknessStats& s, const text::NumberFormat& nf);
// One row per zone: start, end, length (mm), minimum (mm), its sensor and position.
TextTable thinZonesTable(const std::vector<ThinZone>& zones, const text::NumberFormat& nf);
// One row per class and layer, then one per class over all layers ("Все"), then the row of all
// indications ("Все индикации": millimetres with any and their share of the weld).
TextTable mapStatsTable(const MapStats& s, const text::NumberFormat& nf);
// The runs of one class in one layer (or over all layers: classOverLayers): layer, start, end,
// length, largest size.
TextTable mapRunsTable(const ClassStats& c);
// One row per gate: start, end (µs), level (%), peak sample, amplitude, screen %, time (µs), depth (mm).
TextTable gatePeaksTable(const std::vector<GatePeak>& peaks, const text::NumberFormat& nf);

// The statistics table of the file's kind (thickness, map or gates); an empty table for none.
TextTable statsTable(const datafiles::LoadedFile& file, const text::NumberFormat& nf);

// Rows become columns: the first column's cells head the new columns, every other header cell
// begins a row, and corner heads the column of those. A table of a few long rows reads down a window.
TextTable transposed(const TextTable& t, const std::string& corner);

// Cells joined by tabs, a line each, header first (LF, UTF-8).
std::string tabSeparated(const TextTable& t);
// Cells joined by ";" as the CSV exports write them; a cell holding ";", a quote or a line
// break is quoted with its quotes doubled.
std::string csvText(const TextTable& t);

}  // namespace analysis
