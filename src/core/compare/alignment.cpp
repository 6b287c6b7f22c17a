// The offset search: every 2 mm step of the range scored on the valid paired readings.
#include "core/compare/alignment.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace compare {
namespace {

// Scores offsets with one buffer of differences.
class Scorer {
 public:
  Scorer(const Profile& earlier, const Profile& later, const AlignOptions& options)
      : earlier_(earlier), later_(later), options_(options) {}

  std::optional<OffsetScore> at(int offsetMm) {
    const long shift = offsetMm / kSampleMm;
    const long nE = long(earlier_.samples.size());
    const long nL = long(later_.samples.size());
    const long first = std::max(0L, -shift);
    const long last = std::min(nL, nE - shift);  // exclusive
    if (last - first <= 0) return std::nullopt;
    OffsetScore s;
    s.offsetMm = offsetMm;
    s.overlapMm = int((last - first) * kSampleMm);
    if (s.overlapMm < options_.minOverlapMm) return std::nullopt;
    diffs_.clear();
    for (long kL = first; kL < last; ++kL) {
      const std::size_t kE = std::size_t(kL + shift);
      for (int i = 0; i < 4; ++i) {
        if (!later_.valid(std::size_t(kL), i) || !earlier_.valid(kE, i)) continue;
        diffs_.push_back(long(earlier_.samples[kE][std::size_t(i)]) -
                         long(later_.samples[std::size_t(kL)][std::size_t(i)]));
      }
    }
    s.pairs = long(diffs_.size());
    if (s.pairs < options_.minOverlapMm / kSampleMm || s.pairs == 0) return std::nullopt;
    const long centre = median();
    for (long& d : diffs_) d = std::labs(d - centre);
    s.spreadUm = lowerHalfMean();
    return s;
  }

 private:
  long median() {
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

  const Profile& earlier_;
  const Profile& later_;
  const AlignOptions& options_;
  std::vector<long> diffs_;
};

// Smaller spread first; between equals the smaller shift.
bool better(const OffsetScore& a, const OffsetScore& b) {
  if (a.spreadUm != b.spreadUm) return a.spreadUm < b.spreadUm;
  return std::abs(a.offsetMm) < std::abs(b.offsetMm);
}

}  // namespace

std::optional<OffsetScore> scoreAt(const Profile& earlier, const Profile& later, int offsetMm,
                                   const AlignOptions& options) {
  return Scorer(earlier, later, options).at(offsetMm);
}

Alignment findOffset(const Profile& earlier, const Profile& later, const AlignOptions& options) {
  Scorer scorer(earlier, later, options);
  std::vector<OffsetScore> scores;
  const int range = std::max(0, options.searchMm) / kSampleMm * kSampleMm;
  for (int offset = -range; offset <= range; offset += kSampleMm)
    if (const auto s = scorer.at(offset)) scores.push_back(*s);
  Alignment a;
  if (scores.empty()) return a;
  a.best = *std::min_element(scores.begin(), scores.end(), better);
  for (const OffsetScore& s : scores) {
    if (std::abs(s.offsetMm - a.best.offsetMm) < options.distinctMm) continue;
    if (!a.runnerUp || better(s, *a.runnerUp)) a.runnerUp = s;
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
