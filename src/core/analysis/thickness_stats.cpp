// Statistics of a thickness run, per sensor and over all four.
#include "core/analysis/thickness_stats.h"

#include <cmath>
#include <optional>

#include "core/thickness/readings.h"

namespace analysis {

std::size_t runSamples(const datafiles::ThicknessHeader& hdr) { return (std::size_t(hdr.Length) + 1) / 2; }

std::uint32_t sampleMillimetres(std::size_t k, std::uint16_t length) {
  const std::size_t first = 2 * k;
  if (first >= length) return 0;
  return first + 1 < length ? 2 : 1;
}

double percentOfLength(std::uint32_t mm, std::uint16_t length) {
  return length == 0 ? 0.0 : double(mm) * 100.0 / double(length);
}

namespace {

// Sums of valid readings for the mean and the spread.
struct Moments {
  double sum = 0;
  double squares = 0;
  void add(std::uint32_t r) {
    sum += double(r);
    squares += double(r) * double(r);
  }
  void finish(SensorStats& s) const {
    if (s.valid == 0) return;
    const double n = double(s.valid);
    s.mean = sum / n;
    const double variance = squares / n - s.mean * s.mean;
    s.deviation = variance > 0 ? std::sqrt(variance) : 0.0;
  }
};

void addExtremes(SensorStats& s, std::uint32_t r, std::uint32_t position, int sensor) {
  if (!s.min.found || r < s.min.micrometres) s.min = Extreme{true, r, position, sensor};
  if (!s.max.found || r > s.max.micrometres) s.max = Extreme{true, r, position, sensor};
}

// One reading of one sensor; answers whether it is valid, and sets below[i] for the thin bands.
bool addReading(SensorStats& s, Moments& m, std::uint32_t r, std::uint16_t nominal, std::uint32_t position, int sensor,
                std::uint32_t mm, std::array<bool, 3>& below) {
  switch (thickness::classify(r, nominal)) {
    case thickness::ReadingClass::ContactLost:
      ++s.contactLost;
      break;
    case thickness::ReadingClass::SpeedExceeded:
      ++s.speedExceeded;
      break;
    case thickness::ReadingClass::ThicknessExceeded:
      ++s.aboveNominal;
      break;
    case thickness::ReadingClass::Valid:
      ++s.valid;
      m.add(r);
      addExtremes(s, r, position, sensor);
      for (std::size_t i = 0; i < kThinPercents.size(); ++i) {
        below[i] = std::uint64_t(r) < std::uint64_t(nominal) * std::uint64_t(kThinPercents[i]);
        if (below[i]) s.belowMm[i] += mm;
      }
      return true;
  }
  s.noValidMm += mm;
  return false;
}

}  // namespace

ThicknessStats thicknessStats(const datafiles::LoadedFile& file) {
  ThicknessStats st;
  if (file.kind != datafiles::FileKind::Dtm) return st;
  st.nominal = file.thk.NominalThickness;
  st.length = file.thk.Length;
  st.samples = runSamples(file.thk);
  std::array<Moments, 4> moments;
  Moments all;
  SensorStats& o = st.overall;
  for (std::size_t k = 0; k < st.samples; ++k) {
    const std::uint32_t mm = sampleMillimetres(k, st.length);
    const std::uint32_t position = std::uint32_t(2 * k);
    const std::optional<thickness::Readings> r = thickness::readSample(file, k);
    if (!r) {
      for (SensorStats& s : st.sensors) {
        ++s.missing;
        s.noValidMm += mm;
      }
      ++o.missing;
      o.noValidMm += mm;
      continue;
    }
    bool anyValid = false;
    std::array<bool, 3> anyBelow{};
    for (int i = 0; i < 4; ++i) {
      std::array<bool, 3> below{};
      const std::uint32_t v = (*r)[std::size_t(i)];
      SensorStats& s = st.sensors[std::size_t(i)];
      if (addReading(s, moments[std::size_t(i)], v, st.nominal, position, i + 1, mm, below)) {
        anyValid = true;
        all.add(v);
        addExtremes(o, v, position, i + 1);
      }
      for (std::size_t b = 0; b < below.size(); ++b) anyBelow[b] = anyBelow[b] || below[b];
    }
    for (std::size_t b = 0; b < anyBelow.size(); ++b)
      if (anyBelow[b]) o.belowMm[b] += mm;
    if (!anyValid) o.noValidMm += mm;
  }
  for (std::size_t i = 0; i < 4; ++i) {
    const SensorStats& s = st.sensors[i];
    o.valid += s.valid;
    o.contactLost += s.contactLost;
    o.speedExceeded += s.speedExceeded;
    o.aboveNominal += s.aboveNominal;
    moments[i].finish(st.sensors[i]);
  }
  all.finish(o);
  return st;
}

}  // namespace analysis
