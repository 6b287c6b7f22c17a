// Statistics of a thickness run: extremes, mean and spread, marker counts and thin shares, per sensor and overall.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/datafiles/loaded_file.h"

namespace analysis {

// The run's samples. Sample k stands for the millimetres 2k and 2k + 1 of the object and is
// labelled with position 2k (as the value table labels it). The run has ceil(L / 2) samples,
// L the object's length in mm; the last one covers a single millimetre when L is odd. Samples
// the body holds beyond them are not looked at; samples of the run the body lacks have no
// reading at all (they count as without a valid reading, and in `missing`).
std::size_t runSamples(const datafiles::ThicknessHeader& hdr);
// Millimetres of the object sample k stands for: 2, 1 for the last of an odd length, 0 past it.
std::uint32_t sampleMillimetres(std::size_t k, std::uint16_t length);

// The thin bands asked for, in percent of the nominal: a valid reading r (µm) is below p % of
// the nominal N (0.1 mm) exactly when r < N x p (compared in whole micrometres).
inline constexpr std::array<int, 3> kThinPercents = {80, 70, 60};

// A smallest or largest valid reading: the first sample (in run order) where it occurs.
struct Extreme {
  bool found = false;
  std::uint32_t micrometres = 0;  // the converted reading, not the display rounding
  std::uint32_t position = 0;     // mm, the sample's label 2k
  int sensor = 0;                 // 1 .. 4
};

// A valid reading is one of class Valid (thickness::classify: not a marker and not above
// the nominal; 0 µm included). "Share of the length" is counted in millimetres, per sample step:
// a sample adds the millimetres it stands for (sampleMillimetres) when its condition holds;
// the share is that sum over L.
struct SensorStats {
  Extreme min;
  Extreme max;
  std::size_t valid = 0;          // valid readings
  std::size_t contactLost = 0;    // r = 65535
  std::size_t speedExceeded = 0;  // r = 65534
  std::size_t aboveNominal = 0;   // t above N
  std::size_t missing = 0;        // samples of the run the body lacks
  // Of the valid readings, in µm; the standard deviation is the population one (over the count).
  double mean = 0;
  double deviation = 0;
  // Millimetres where the reading is valid and below kThinPercents[i] % of the nominal; for the
  // overall figures: where any sensor's valid reading is.
  std::array<std::uint32_t, 3> belowMm{};
  // Millimetres without a valid reading; for the overall figures: where no sensor has one.
  std::uint32_t noValidMm = 0;
};

struct ThicknessStats {
  std::uint16_t nominal = 0;  // N, tenths of a mm
  std::uint16_t length = 0;   // L, mm
  std::size_t samples = 0;    // runSamples
  std::array<SensorStats, 4> sensors;
  // Over the four sensors: extremes over all readings (with their sensor), counts summed,
  // mean and deviation of all valid readings together, shares as said above.
  SensorStats overall;
};

// The statistics of a .DTM file's run (all zero for any other kind).
ThicknessStats thicknessStats(const datafiles::LoadedFile& file);

// Share of the length in percent for a millimetre count: mm x 100 / L, 0 for L = 0.
double percentOfLength(std::uint32_t mm, std::uint16_t length);

}  // namespace analysis
