// Run dates: validation of the header's fields and day arithmetic on the civil calendar.
#include "core/compare/run_date.h"

namespace compare {
namespace {

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && leap(y) ? 29 : kDays[m - 1];
}

}  // namespace

std::optional<RunDate> runDate(const datafiles::ThicknessHeader& h) {
  if (h.Year > 99 || h.Month < 1 || h.Month > 12) return std::nullopt;
  const RunDate d{2000 + h.Year, h.Month, h.Day};
  if (d.day < 1 || d.day > daysInMonth(d.year, d.month)) return std::nullopt;
  return d;
}

long dayNumber(const RunDate& d) {
  long days = 0;
  for (int y = 2000; y < d.year; ++y) days += leap(y) ? 366 : 365;
  for (int m = 1; m < d.month; ++m) days += daysInMonth(d.year, m);
  return days + d.day - 1;
}

long daysBetween(const RunDate& earlier, const RunDate& later) { return dayNumber(later) - dayNumber(earlier); }

double yearsOf(long days) { return double(days) / 365.25; }

}  // namespace compare
