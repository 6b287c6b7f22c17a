// The offset search: every 2 mm step of the range scored on the valid paired readings.
#include "core/compare/alignment.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace compare {
namespace {

// A long later run is searched first on every stride-th position, then scored exactly round the
// best and the runner-up found so: the search then costs about as much as for a run of this many
// positions. Shorter runs are scored exactly at every offset.
constexpr std::size_t kCoarsePositions = 4096;
// How far round a coarse candidate the exact scores are taken.
constexpr int kRefineMm = 8;

// The readings of a profile as micrometres, -1 where a reading is not valid.
std::vector<std::int32_t> validReadings(const Profile& p) {
  std::vector<std::int32_t> v(p.samples.size() * 4);
  for (std::size_t k = 0; k < p.samples.size(); ++k)
    for (int i = 0; i < 4; ++i)
      v[4 * k + std::size_t(i)] = p.valid(k, i) ? std::int32_t(p.samples[k][std::size_t(i)]) : -1;
  return v;
}

// Scores offsets with one buffer of differences.
class Scorer {
 public:
  Scorer(const Profile& earlier, const Profile& later, const AlignOptions& options)
      : earlier_(validReadings(earlier)), later_(validReadings(later)), options_(options) {}

  // stride > 1 looks at every stride-th position only; the pair count is then estimated.
  std::optional<OffsetScore> at(int offsetMm, long stride = 1) {
    const long shift = offsetMm / kSampleMm;
    const long nE = long(earlier_.size() / 4);
    const long nL = long(later_.size() / 4);
    const long first = std::max(0L, -shift);
    const long last = std::min(nL, nE - shift);  // exclusive
    if (last - first <= 0) return std::nullopt;
    OffsetScore s;
    s.offsetMm = offsetMm;
    s.overlapMm = int((last - first) * kSampleMm);
    if (s.overlapMm < options_.minOverlapMm) return std::nullopt;
    diffs_.clear();
    for (long kL = first; kL < last; kL += stride) {
      const std::int32_t* l = &later_[std::size_t(4 * kL)];
      const std::int32_t* e = &earlier_[std::size_t(4 * (kL + shift))];
      for (int i = 0; i < 4; ++i)
        if (l[i] >= 0 && e[i] >= 0) diffs_.push_back(e[i] - l[i]);
    }
    s.pairs = long(diffs_.size()) * stride;
    if (s.pairs < options_.minOverlapMm / kSampleMm || diffs_.empty()) return std::nullopt;
    const std::int32_t centre = median();
    for (std::int32_t& d : diffs_) d = std::abs(d - centre);
    s.spreadUm = lowerHalfMean();
    return s;
  }

 private:
  std::int32_t median() {
    const auto mid = diffs_.begin() + long(diffs_.size() / 2);
    std::nth_element(diffs_.begin(), mid, diffs_.end());
    return *mid;
  }

  // The mean of the smaller half: as robust as the median, and fine enough to tell neighbouring
  // offsets apart where the median, a whole number of micrometres on a 5 um grid, ties.
  double lowerHalfMean() {
    const std::size_t half = std::max<std::size_t>(1, diffs_.size() / 2);
    std::nth_element(diffs_.begin(), diffs_.begin() + long(half - 1), diffs_.end());
    double sum = 0;
    for (std::size_t i = 0; i < half; ++i) sum += double(diffs_[i]);
    return sum / double(half);
  }

  std::vector<std::int32_t> earlier_, later_;
  const AlignOptions& options_;
  std::vector<std::int32_t> diffs_;
};

// Smaller spread first; between equals the smaller shift.
bool better(const OffsetScore& a, const OffsetScore& b) {
  if (a.spreadUm != b.spreadUm) return a.spreadUm < b.spreadUm;
  return std::abs(a.offsetMm) < std::abs(b.offsetMm);
}

// The best of the scores and the best at least distinctMm away from it.
void pickBestAndRunnerUp(const std::vector<OffsetScore>& scores, int distinctMm, Alignment& a) {
  a.best = *std::min_element(scores.begin(), scores.end(), better);
  a.runnerUp.reset();
  for (const OffsetScore& s : scores) {
    if (std::abs(s.offsetMm - a.best.offsetMm) < distinctMm) continue;
    if (!a.runnerUp || better(s, *a.runnerUp)) a.runnerUp = s;
  }
}

}  // namespace

std::optional<OffsetScore> scoreAt(const Profile& earlier, const Profile& later, int offsetMm,
                                   const AlignOptions& options) {
  return Scorer(earlier, later, options).at(offsetMm);
}

Alignment findOffset(const Profile& earlier, const Profile& later, const AlignOptions& options) {
  Scorer scorer(earlier, later, options);
  const long stride = long(std::max<std::size_t>(1, later.samples.size() / kCoarsePositions));
  std::vector<OffsetScore> scores;
  const int range = std::max(0, options.searchMm) / kSampleMm * kSampleMm;
  for (int offset = -range; offset <= range; offset += kSampleMm)
    if (const auto s = scorer.at(offset, stride)) scores.push_back(*s);
  Alignment a;
  if (scores.empty()) return a;
  pickBestAndRunnerUp(scores, options.distinctMm, a);
  if (stride > 1) {
    // Exact scores round the coarse best and runner-up decide.
    std::vector<OffsetScore> exact;
    for (const auto& candidate : {std::optional<OffsetScore>(a.best), a.runnerUp}) {
      if (!candidate) continue;
      for (int d = -kRefineMm; d <= kRefineMm; d += kSampleMm) {
        const int offset = candidate->offsetMm + d;
        if (offset < -range || offset > range) continue;
        if (const auto s = scorer.at(offset)) exact.push_back(*s);
      }
    }
    if (!exact.empty()) pickBestAndRunnerUp(exact, options.distinctMm, a);
  }
  // Without a runner-up nothing says the best is more than noise; a runner-up of spread 0
  // matches as well as anything can.
  const bool clear =
      a.runnerUp && a.runnerUp->spreadUm > 0 && a.best.spreadUm * options.clearRatio <= a.runnerUp->spreadUm;
  a.verdict = clear ? AlignVerdict::Clear : AlignVerdict::NoClearMatch;
  return a;
}

Alignment atOffset(const Profile& earlier, const Profile& later, int offsetMm, const AlignOptions& options) {
  Alignment a;
  a.overridden = true;
  const auto s = scoreAt(earlier, later, offsetMm, options);
  if (!s) {
    a.best.offsetMm = offsetMm;
    return a;
  }
  a.best = *s;
  a.verdict = AlignVerdict::Overridden;
  return a;
}

}  // namespace compare
