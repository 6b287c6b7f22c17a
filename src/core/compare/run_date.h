// The date of a thickness run from its header fields, and the time between two runs in days and years.
#pragma once

#include <cstdint>
#include <optional>

#include "core/datafiles/records.h"

namespace compare {

// A run's date: the header's day, month and year within the century (20YY).
struct RunDate {
  int year = 0;  // full year, 2000 to 2099
  int month = 0;
  int day = 0;
};

// The date of the header, or nothing when a field is out of range (month 0, 31 June, year byte above 99):
// such a run has no usable date and no rate is computed from it.
std::optional<RunDate> runDate(const datafiles::ThicknessHeader& header);

// Days since 1 January 2000 (the proleptic Gregorian calendar).
long dayNumber(const RunDate& d);

// Days from earlier to later (negative when "later" is earlier).
long daysBetween(const RunDate& earlier, const RunDate& later);

// Years of 365.25 days.
double yearsOf(long days);

}  // namespace compare
