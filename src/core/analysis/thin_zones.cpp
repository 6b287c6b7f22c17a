// Thin zones: neighbouring samples where some sensor is at or below the threshold.
#include "core/analysis/thin_zones.h"

#include <optional>

#include "core/analysis/thickness_stats.h"
#include "core/thickness/readings.h"

namespace analysis {

bool atOrBelow(std::uint32_t r, std::uint16_t nominal, std::uint16_t thresholdTenths) {
  return thickness::classify(r, nominal) == thickness::ReadingClass::Valid && r / 100u <= thresholdTenths;
}

std::uint16_t defaultZoneThreshold(std::uint16_t nominal) { return std::uint16_t(std::uint32_t(nominal) * 8u / 10u); }

std::vector<ThinZone> thinZones(const datafiles::LoadedFile& file, std::uint16_t thresholdTenths) {
  std::vector<ThinZone> zones;
  if (file.kind != datafiles::FileKind::Dtm) return zones;
  const std::uint16_t nominal = file.thk.NominalThickness;
  const std::uint16_t length = file.thk.Length;
  const std::size_t n = runSamples(file.thk);
  bool open = false;
  for (std::size_t k = 0; k < n; ++k) {
    const std::optional<thickness::Readings> r = thickness::readSample(file, k);
    bool hit = false;
    for (int i = 0; r && i < 4; ++i) {
      const std::uint32_t v = (*r)[std::size_t(i)];
      if (!atOrBelow(v, nominal, thresholdTenths)) continue;
      if (!hit && !open) {
        zones.push_back(ThinZone{k, k, std::uint32_t(2 * k), std::uint32_t(2 * k), 0, v, i + 1, std::uint32_t(2 * k)});
      }
      ThinZone& z = zones.back();
      if (v < z.minMicrometres) {
        z.minMicrometres = v;
        z.minSensor = i + 1;
        z.minPosition = std::uint32_t(2 * k);
      }
      hit = true;
      open = true;
    }
    if (hit) {
      ThinZone& z = zones.back();
      z.lastSample = k;
      z.end = std::uint32_t(2 * k);
      z.length += sampleMillimetres(k, length);
    } else {
      open = false;
    }
  }
  return zones;
}

}  // namespace analysis
