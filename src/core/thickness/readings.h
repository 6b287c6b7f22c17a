// Thickness readings: their classes, the deviation colour scale, display rounding, extremes and sample counts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/gfx/color.h"
#include "core/text/numfmt.h"

namespace thickness {

// Converted readings r of one sample, sensors 1 to 4, in micrometres.
using Readings = std::array<std::uint32_t, 4>;

// Raw values that are markers, not thicknesses; the conversion passes them through.
constexpr std::uint32_t kContactLostMarker = 65535;
constexpr std::uint32_t kSpeedExceededMarker = 65534;

// Reading classes in the order they are tested; the first match decides.
enum class ReadingClass : std::uint8_t {
  ContactLost = 1,        // r = 65535
  SpeedExceeded = 2,      // r = 65534
  ThicknessExceeded = 3,  // t above the nominal
  Valid = 4,              // 0 <= t <= N
};

// nominal: N, tenths of a millimetre.
ReadingClass classify(std::uint32_t r, std::uint16_t nominal);

// t = r x 0.01: thickness in tenths of a millimetre, single precision.
float tenths(std::uint32_t r);

// Chart colours of the three marker classes (a valid reading takes its deviation colour).
constexpr gfx::Color kContactLostColor = 0x000000;
constexpr gfx::Color kSpeedExceededColor = 0x008080;
constexpr gfx::Color kThicknessExceededColor = 0x808080;
gfx::Color classColor(ReadingClass c);

// The thinning scale: row g covers 20g % .. 20(g+1) % of N - 0.1 mm, column h the 2 % steps, lightest first.
inline constexpr std::array<std::array<gfx::Color, 10>, 5> DeviationColors{{
    {0xDFFFDF, 0xC1FFC1, 0xA9FFA9, 0x91FF91, 0x79FF79, 0x62FF62, 0x4BFF4B, 0x35FF35, 0x1EFF1E, 0x00FF00},
    {0xFFFFE8, 0xFFFFD2, 0xFFFFAD, 0xFFFF88, 0xFFFF6E, 0xFFFF55, 0xFFFF45, 0xFFFF35, 0xFFFF1E, 0xFFFF00},
    {0xE4FFFF, 0xCAFFFF, 0xAEFFFF, 0x93FFFF, 0x85FFFF, 0x77FFFF, 0x5CFFFF, 0x42FFFF, 0x21FFFF, 0x00FFFF},
    {0xEAEAFF, 0xD7D7FF, 0xB4B4FF, 0x9191FF, 0x7E7EFF, 0x6C6CFF, 0x5555FF, 0x3E3EFF, 0x1F1FFF, 0x0000FF},
    {0xF400F4, 0xEA00EA, 0xDB00DB, 0xCC00CC, 0xBF00BF, 0xB300B3, 0xA500A5, 0x970097, 0x8B008B, 0x800080},
}};

// Colour of a valid reading t (tenths of a mm) against the nominal N. A nominal of
// 1 or less has no scale (the band would be zero or negative): row 4, column 9.
gfx::Color deviationColor(float t, std::uint16_t nominal);

// One point of a sensor's band on the chart: height in mm and colour.
struct ChartValue {
  double mm = 0;
  gfx::Color color = kContactLostColor;
  ReadingClass cls = ReadingClass::ContactLost;
};

// The chart value rule of one sensor: a valid reading plots t x 0.1 mm in its
// deviation colour and becomes the running value; a marker or an excess plots the
// running value (0 before the first valid reading) in its class colour.
class ChartRunningValue {
 public:
  explicit ChartRunningValue(std::uint16_t nominal) : nominal_(nominal) {}
  ChartValue next(std::uint32_t r);
  double current() const { return p_; }

 private:
  std::uint16_t nominal_;
  double p_ = 0;
};

// The remainder rule: a reading more than 50 um beyond its last 0.1 mm is lowered
// to that 0.1 mm. The result is what a table shows and what enters the row extremes.
std::uint32_t displayedMicrometres(std::uint32_t r);
// The displayed thickness of a valid reading: displayedMicrometres x 0.001 with "##0.0".
std::string displayedThickness(std::uint32_t r, const text::NumberFormat& nf);
// A table cell for reading r: "--" (contact lost, thickness exceeded), "XX" (speed exceeded)
// or the displayed thickness.
std::string readingCell(std::uint32_t r, std::uint16_t nominal, const text::NumberFormat& nf);

// Smallest and largest displayed micrometres of the valid readings of one row; 0 means none.
struct RowExtremes {
  std::uint32_t min = 0;
  std::uint32_t max = 0;
  void add(std::uint32_t displayed);
};
// Row extremes of a sample, sensors in order, valid readings only.
RowExtremes rowExtremes(const Readings& r, std::uint16_t nominal);

// [0] largest row maximum, [1] smallest row minimum of the all-values table, mm; 0 when none.
using ThkExtremes = std::array<float, 2>;

// Running overall extremes over the rows of the all-values table (rows with 0 skipped).
class OverallExtremes {
 public:
  void add(const RowExtremes& row);
  ThkExtremes result() const;

 private:
  std::uint32_t max_ = 0;
  std::uint32_t min_ = 0;
};

// Number of samples the body holds whole (8 bytes each).
std::size_t samplesInBody(const datafiles::LoadedFile& file);
// The readings of sample k converted by RawToThickness, or nothing when the body does not hold it whole.
std::optional<Readings> readSample(const datafiles::LoadedFile& file, std::size_t k);

// Samples of the chart: L div 2 (the body may hold fewer: see readSample).
std::size_t chartSampleCount(const datafiles::ThicknessHeader& hdr);
// The all-values table's RowCount for W 16-bit values and length L: (W div 4) + 1 when
// L is odd, else W div 4, at least 1, and at most 65536 so that ThkTableRows (RowCount - 1)
// fits its 16 bits.
std::size_t tableRowCount(std::size_t valuesRead, std::uint16_t length);
// The same for a loaded file; W is the number of values actually read (not cut to 16 bits).
std::size_t tableRowCount(const datafiles::LoadedFile& file);

// The thickness results' state kept between the views (owned by the thickness view).
struct ThicknessState {
  ThkExtremes extremes{0.0f, 0.0f};
  std::uint16_t ThkThreshold = 0;  // tenths of a mm
  std::uint16_t ThkTableRows = 0;  // samples the threshold search scans
};

}  // namespace thickness
