// Where the later run lies along the earlier one: the offset at which their profiles match best.
#pragma once

#include <optional>

#include "core/compare/profile.h"

namespace compare {

// The offset says where the later run's start lies on the earlier run: the point at position p
// of the later run is at position p + offset of the earlier one. Offsets go in 2 mm steps.
//
// Score of an offset: over the overlap, the differences earlier - later (um) of every sensor
// whose two readings are both valid (markers and over-nominal readings left out); the score is
// the mean of the smaller half of their distances from their own median. A wall thinned between
// the runs all over shifts every difference and the median with them; thinned over a stretch of
// less than half the overlap it gives distances of the larger half. Neither moves the match.
struct OffsetScore {
  int offsetMm = 0;
  int overlapMm = 0;    // positions present in both runs x 2 mm
  long pairs = 0;       // paired valid readings
  double spreadUm = 0;  // the score: smaller is a better match
};

struct AlignOptions {
  int searchMm = 500;      // offsets from -searchMm to +searchMm are tried
  int minOverlapMm = 200;  // an offset with a shorter overlap is not considered
  // A pair is told apart from noise only when the runner-up, the best offset at least
  // distinctMm away from the best, scores at least clearRatio times worse than the best.
  int distinctMm = 50;
  int clearRatio = 2;
};

enum class AlignVerdict {
  Clear,             // found, clearly better than the runner-up
  Overridden,        // the operator's offset
  NoClearMatch,      // the best is not clearly better than the runner-up, or there is none to tell
  TooLittleOverlap,  // no offset overlaps by minOverlapMm with enough valid pairs
};

struct Alignment {
  AlignVerdict verdict = AlignVerdict::TooLittleOverlap;
  OffsetScore best;
  std::optional<OffsetScore> runnerUp;
  bool overridden = false;  // the offset is the operator's, not searched

  bool comparable() const { return verdict == AlignVerdict::Clear || verdict == AlignVerdict::Overridden; }
};

// The score at one offset; nothing when the overlap is shorter than minOverlapMm or holds fewer
// than one valid pair per 2 mm of minOverlapMm.
std::optional<OffsetScore> scoreAt(const Profile& earlier, const Profile& later, int offsetMm,
                                   const AlignOptions& options);

// Searches every offset of the range.
Alignment findOffset(const Profile& earlier, const Profile& later, const AlignOptions& options);

// The operator's offset (a multiple of 2 mm), scored; too little overlap when it is not usable.
Alignment atOffset(const Profile& earlier, const Profile& later, int offsetMm, const AlignOptions& options);

}  // namespace compare
