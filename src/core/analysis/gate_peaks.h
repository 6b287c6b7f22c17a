// The A-scan of a flaw record against its time axis: time and depth of each sample, and the peak inside each gate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/datafiles/loaded_file.h"

namespace analysis {

// The time axis of the picture: the sweep from SweepStart to SweepRange (tenths of a µs) spans
// the screen's trace columns (screen width - 20), one sample a column, so sample i stands at
// SweepStart + i x (SweepRange - SweepStart) / columns. Depth follows the unit's TimeToDepth:
// (t - PrismDelay / 10) x V / 2000 tenths of a mm, a negative time difference taken as 0, V the
// velocity times the cosine of the probe angle (the velocity itself at 90 degrees).
struct SampleAxis {
  bool valid = false;             // false for a sweep without width (SweepRange not above SweepStart)
  double start = 0;               // tenths of a µs
  double step = 0;                // tenths of a µs per sample (span / columns)
  double span = 0;                // SweepRange - SweepStart, tenths of a µs
  int columns = 140;              // trace columns of the screen
  std::uint32_t prismTenths = 0;  // PrismDelay / 10
  std::uint32_t velocity = 0;     // V, m/s
  // Time of sample i in tenths of a µs, exact where the sweep divides evenly (gate edges).
  double timeTenths(std::size_t i) const { return start + double(i) * span / double(columns); }
  double timeUs(std::size_t i) const { return timeTenths(i) * 0.1; }
  double depthMm(std::size_t i) const;
};
SampleAxis sampleAxis(const datafiles::LoadedFile& file);

// The A-scan samples the body holds (at most AScanLength).
std::size_t aScanSamples(const datafiles::LoadedFile& file);

enum class Gate { Main, Agc, Extra };

// The peak inside one gate: the largest amplitude among the samples whose time lies within
// [start, start + width], the first sample on a tie.
struct GatePeak {
  Gate gate = Gate::Main;
  double startUs = 0;
  double endUs = 0;
  int level = 0;       // threshold, % of the screen height
  bool found = false;  // some sample lies inside the gate
  std::size_t sample = 0;
  std::uint8_t amplitude = 0;
  double screenPercent = 0;  // the peak's height on the instrument screen, % (as the level)
  double timeUs = 0;
  double depthMm = 0;
};

// The main gate always, the AGC gate when in use, the additional gate when in use (as the
// picture draws them); nothing for a file that is not a flaw record.
std::vector<GatePeak> gatePeaks(const datafiles::LoadedFile& file);

}  // namespace analysis
