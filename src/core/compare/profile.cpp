// Reading a run's samples for a comparison.
#include "core/compare/profile.h"

#include <algorithm>

namespace compare {

Profile profileOf(const datafiles::LoadedFile& file) {
  Profile p;
  p.nominal = file.thk.NominalThickness;
  const std::size_t n = std::min(thickness::samplesInBody(file), thickness::chartSampleCount(file.thk));
  p.samples.reserve(n);
  for (std::size_t k = 0; k < n; ++k) {
    const auto r = thickness::readSample(file, k);
    if (!r) break;
    p.samples.push_back(*r);
  }
  return p;
}

}  // namespace compare
