// Two thickness runs of one object compared: alignment, wall loss, rate and remaining life per position and sensor.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/compare/alignment.h"
#include "core/compare/run_date.h"
#include "core/datafiles/loaded_file.h"

namespace compare {

// One sensor at one position of the overlap. Loss and rate exist only where both readings are
// valid: a marker or an over-nominal reading is never a loss.
struct SensorLoss {
  bool valid = false;
  int earlierUm = 0;
  int laterUm = 0;
  int lossUm() const { return earlierUm - laterUm; }
};

struct PositionLoss {
  int positionMm = 0;  // on the later run
  std::array<SensorLoss, 4> sensors;
};

// What makes a pair doubtful; the pair is still compared.
enum class Warning {
  ObjectDiffers,  // section or product
  DiameterDiffers,
  NominalDiffers,
  NotLater,            // the later run's date is not after the earlier one's
  EarlierDateInvalid,  // no rate without both dates
  LaterDateInvalid,
};

// A rate from which corrosion counts as high: the chart shades such stretches.
inline constexpr double kHighRateMmPerYear = 0.13;

struct CompareOptions {
  AlignOptions align;
  std::optional<int> offsetMm;  // the operator's offset (a multiple of 2); searched when absent
  std::optional<int> tminUm;    // minimum allowed thickness; half the later run's nominal when absent
  // An alignment already made for this pair, kept as it is (a new minimum needs no new search).
  std::optional<Alignment> alignment;
};

// Why a pair is not compared: no overlap of the required length, or no clear match.
enum class Refusal { None, NotThickness, TooLittleOverlap, NoClearMatch };

struct Comparison {
  Refusal refusal = Refusal::None;
  std::vector<Warning> warnings;
  Alignment alignment;
  std::optional<RunDate> earlierDate, laterDate;
  // Years between the runs; nothing unless both dates are valid and the later is after the earlier.
  std::optional<double> years;
  int tminUm = 0;
  int minOverlapMm = 0;
  int nominalUm = 0;  // the later run's
  std::vector<PositionLoss> positions;

  bool compared() const { return refusal == Refusal::None; }
  int offsetMm() const { return alignment.best.offsetMm; }

  // mm a year; nothing without years.
  std::optional<double> rate(const SensorLoss& s) const;
  // Years until the later thickness falls to tminUm at the rate: only for a positive rate;
  // 0 when the wall is already at or below the minimum.
  std::optional<double> remainingLife(const SensorLoss& s) const;
};

Comparison compareRuns(const datafiles::LoadedFile& earlier, const datafiles::LoadedFile& later,
                       const CompareOptions& options);

// A reading of the overlap named by where it is.
struct Spot {
  int positionMm = 0;
  int sensor = 0;  // 0 to 3
  SensorLoss loss;
};

// The largest loss, the largest rate and the shortest remaining life of the overlap.
struct Extremes {
  std::optional<Spot> largestLoss;
  std::optional<Spot> largestRate;
  std::optional<Spot> shortestLife;
};
Extremes extremesOf(const Comparison& c);

// The count positions of greatest loss, one row each with its worst sensor, worst first;
// between equal losses the earlier position first. Positions without a valid pair are left out.
std::vector<Spot> worstPositions(const Comparison& c, std::size_t count = 20);

}  // namespace compare
