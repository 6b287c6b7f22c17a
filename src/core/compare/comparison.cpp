// Comparing two runs: the warnings, the alignment, and the loss of every paired reading of the overlap.
#include "core/compare/comparison.h"

#include <algorithm>

namespace compare {
namespace {

std::vector<Warning> warningsOf(const datafiles::ThicknessHeader& e, const datafiles::ThicknessHeader& l,
                                const std::optional<RunDate>& de, const std::optional<RunDate>& dl) {
  std::vector<Warning> w;
  if (e.Section != l.Section || e.Product != l.Product) w.push_back(Warning::ObjectDiffers);
  if (e.Diameter != l.Diameter) w.push_back(Warning::DiameterDiffers);
  if (e.NominalThickness != l.NominalThickness) w.push_back(Warning::NominalDiffers);
  if (!de) w.push_back(Warning::EarlierDateInvalid);
  if (!dl) w.push_back(Warning::LaterDateInvalid);
  if (de && dl && daysBetween(*de, *dl) <= 0) w.push_back(Warning::NotLater);
  return w;
}

std::vector<PositionLoss> lossesOf(const Profile& earlier, const Profile& later, int offsetMm) {
  std::vector<PositionLoss> out;
  const long shift = offsetMm / kSampleMm;
  const long first = std::max(0L, -shift);
  const long last = std::min(long(later.samples.size()), long(earlier.samples.size()) - shift);
  for (long kL = first; kL < last; ++kL) {
    const std::size_t kE = std::size_t(kL + shift);
    PositionLoss p;
    p.positionMm = int(kL * kSampleMm);
    for (int i = 0; i < 4; ++i) {
      SensorLoss& s = p.sensors[std::size_t(i)];
      s.valid = later.valid(std::size_t(kL), i) && earlier.valid(kE, i);
      s.earlierUm = int(earlier.samples[kE][std::size_t(i)]);
      s.laterUm = int(later.samples[std::size_t(kL)][std::size_t(i)]);
    }
    out.push_back(p);
  }
  return out;
}

}  // namespace

std::optional<double> Comparison::rate(const SensorLoss& s) const {
  if (!s.valid || !years) return std::nullopt;
  return s.lossUm() * 0.001 / *years;
}

std::optional<double> Comparison::remainingLife(const SensorLoss& s) const {
  const auto r = rate(s);
  if (!r || *r <= 0) return std::nullopt;
  if (s.laterUm <= tminUm) return 0.0;
  return (s.laterUm - tminUm) * 0.001 / *r;
}

Comparison compareRuns(const datafiles::LoadedFile& earlier, const datafiles::LoadedFile& later,
                       const CompareOptions& options) {
  Comparison c;
  if (earlier.kind != datafiles::FileKind::Dtm || later.kind != datafiles::FileKind::Dtm) {
    c.refusal = Refusal::NotThickness;
    return c;
  }
  c.earlierDate = runDate(earlier.thk);
  c.laterDate = runDate(later.thk);
  c.warnings = warningsOf(earlier.thk, later.thk, c.earlierDate, c.laterDate);
  if (c.earlierDate && c.laterDate) {
    const long days = daysBetween(*c.earlierDate, *c.laterDate);
    if (days > 0) c.years = yearsOf(days);
  }
  c.nominalUm = later.thk.NominalThickness * 100;
  c.tminUm = options.tminUm.value_or(c.nominalUm / 2);
  c.minOverlapMm = options.align.minOverlapMm;

  const Profile pe = profileOf(earlier);
  const Profile pl = profileOf(later);
  if (options.alignment)
    c.alignment = *options.alignment;
  else if (options.offsetMm)
    c.alignment = atOffset(pe, pl, *options.offsetMm, options.align);
  else
    c.alignment = findOffset(pe, pl, options.align);
  if (c.alignment.verdict == AlignVerdict::TooLittleOverlap) c.refusal = Refusal::TooLittleOverlap;
  if (c.alignment.verdict == AlignVerdict::NoClearMatch) c.refusal = Refusal::NoClearMatch;
  if (c.compared()) c.positions = lossesOf(pe, pl, c.offsetMm());
  return c;
}

Extremes extremesOf(const Comparison& c) {
  Extremes x;
  for (const PositionLoss& p : c.positions) {
    for (int i = 0; i < 4; ++i) {
      const SensorLoss& s = p.sensors[std::size_t(i)];
      if (!s.valid) continue;
      const Spot spot{p.positionMm, i, s};
      if (!x.largestLoss || s.lossUm() > x.largestLoss->loss.lossUm()) x.largestLoss = spot;
      const auto rate = c.rate(s);
      if (rate && (!x.largestRate || *rate > *c.rate(x.largestRate->loss))) x.largestRate = spot;
      const auto life = c.remainingLife(s);
      if (life && (!x.shortestLife || *life < *c.remainingLife(x.shortestLife->loss))) x.shortestLife = spot;
    }
  }
  return x;
}

std::vector<Spot> worstPositions(const Comparison& c, std::size_t count) {
  std::vector<Spot> rows;
  for (const PositionLoss& p : c.positions) {
    std::optional<Spot> worst;
    for (int i = 0; i < 4; ++i) {
      const SensorLoss& s = p.sensors[std::size_t(i)];
      if (s.valid && (!worst || s.lossUm() > worst->loss.lossUm())) worst = Spot{p.positionMm, i, s};
    }
    if (worst) rows.push_back(*worst);
  }
  const auto worse = [](const Spot& a, const Spot& b) {
    return a.loss.lossUm() != b.loss.lossUm() ? a.loss.lossUm() > b.loss.lossUm() : a.positionMm < b.positionMm;
  };
  const std::size_t n = std::min(count, rows.size());
  std::partial_sort(rows.begin(), rows.begin() + long(n), rows.end(), worse);
  rows.resize(n);
  return rows;
}

}  // namespace compare
