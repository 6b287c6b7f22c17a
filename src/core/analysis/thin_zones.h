// Thin zones of a thickness run: the stretches where any sensor reads at or below a threshold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/datafiles/loaded_file.h"

namespace analysis {

// A reading r (µm) is at or below the threshold T (0.1 mm) when it is valid (thickness::classify)
// and its thickness cut to whole tenths of a millimetre, trunc(r x 0.01), is at most T: the rule
// of the threshold table, so that the samples of a zone are rows that table lists.
bool atOrBelow(std::uint32_t r, std::uint16_t nominal, std::uint16_t thresholdTenths);

// The default threshold: 80 % of the nominal, in tenths of a mm, truncated.
std::uint16_t defaultZoneThreshold(std::uint16_t nominal);

// A zone is a maximal run of neighbouring samples (of the run: see runSamples) in each of which
// at least one sensor is at or below the threshold. It begins at the first such sample after one
// that is not (or at the start) and ends at the last one before a sample that is not (or at the
// end of the run); a single sample is a zone. Different sensors may carry neighbouring samples.
struct ThinZone {
  std::size_t firstSample = 0;
  std::size_t lastSample = 0;
  std::uint32_t start = 0;   // mm: position of the first sample (2 x firstSample)
  std::uint32_t end = 0;     // mm: position of the last sample (2 x lastSample)
  std::uint32_t length = 0;  // mm the zone's samples stand for (2 each, 1 for an odd length's last)
  // The smallest valid reading inside the zone, its sensor (1 .. 4) and position; the first in
  // sample then sensor order on a tie.
  std::uint32_t minMicrometres = 0;
  int minSensor = 0;
  std::uint32_t minPosition = 0;
};

// The zones of a .DTM file at the threshold, in order along the object (none for other kinds).
std::vector<ThinZone> thinZones(const datafiles::LoadedFile& file, std::uint16_t thresholdTenths);

}  // namespace analysis
