// Time and depth of the A-scan samples, and the peak amplitude inside each gate of a flaw record.
#include "core/analysis/gate_peaks.h"

#include <algorithm>

#include "core/datafiles/decoders.h"
#include "core/flawdetector/flaw_picture.h"

namespace analysis {

double SampleAxis::depthMm(std::size_t i) const {
  const double d = std::max(0.0, timeTenths(i) - double(prismTenths));
  return d * double(velocity) / 2000.0 * 0.1;
}

SampleAxis sampleAxis(const datafiles::LoadedFile& file) {
  SampleAxis a;
  if (!file.isFlaw()) return a;
  const datafiles::FlawHeader& r = file.flaw;
  if (r.SweepRange <= r.SweepStart) return a;
  const int columns = flaw::ScreenSizeFor(file.DhExtended, r.AScanLength).width - 20;
  a.valid = true;
  a.start = r.SweepStart;
  a.span = double(r.SweepRange) - double(r.SweepStart);
  a.columns = columns;
  a.step = a.span / double(columns);
  a.prismTenths = r.PrismDelay / 10u;
  // The decoder derives V only for the long layout; the angle and velocity are there in both.
  datafiles::FlawHeader copy = r;
  const std::uint32_t cosine = datafiles::ComputeBeamVelocity(copy);
  a.velocity = copy.Angle / 2 < 90 ? cosine : r.Velocity;
  return a;
}

std::size_t aScanSamples(const datafiles::LoadedFile& file) {
  return file.isFlaw() ? std::min<std::size_t>(file.body.size(), file.flaw.AScanLength) : 0;
}

namespace {

GatePeak peakIn(const datafiles::LoadedFile& file, const SampleAxis& axis, Gate gate, std::uint32_t start,
                std::uint32_t width, int level) {
  GatePeak p;
  p.gate = gate;
  p.startUs = double(start) * 0.1;
  p.endUs = (double(start) + double(width)) * 0.1;
  p.level = level;
  if (!axis.valid) return p;
  const std::size_t n = aScanSamples(file);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = axis.timeTenths(i);
    if (t < double(start) || t > double(start) + double(width)) continue;
    if (!p.found || file.body[i] > p.amplitude) {
      p.found = true;
      p.sample = i;
      p.amplitude = file.body[i];
    }
  }
  if (!p.found) return p;
  const datafiles::FlawHeader& r = file.flaw;
  const flaw::ScreenSize screen = flaw::ScreenSizeFor(file.DhExtended, r.AScanLength);
  const int usable = file.DhtOpen() ? screen.height - 16 : screen.height;
  const float divisor = flaw::TraceDivisor(file.DhExtended, file.DhtOpen(), r.AScanLength);
  p.screenPercent = double(p.amplitude) / double(divisor) / double(usable) * 100.0;
  p.timeUs = axis.timeUs(p.sample);
  p.depthMm = axis.depthMm(p.sample);
  return p;
}

}  // namespace

std::vector<GatePeak> gatePeaks(const datafiles::LoadedFile& file) {
  std::vector<GatePeak> peaks;
  if (!file.isFlaw()) return peaks;
  const datafiles::FlawHeader& r = file.flaw;
  const SampleAxis axis = sampleAxis(file);
  peaks.push_back(peakIn(file, axis, Gate::Main, r.GateStart, r.GateWidth, r.GateLevel));
  if (r.AgcGateOn != 0) peaks.push_back(peakIn(file, axis, Gate::Agc, r.AgcGateStart, r.AgcGateWidth, r.AgcGateLevel));
  if (r.ExtraGateOn != 0)
    peaks.push_back(peakIn(file, axis, Gate::Extra, r.ExtraGateStart, r.ExtraGateWidth, r.ExtraGateLevel));
  return peaks;
}

}  // namespace analysis
