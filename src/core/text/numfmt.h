// Number formatting by picture patterns ("##0.0", "###.0", "00000", "#,##0.#") with the locale's separators.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

struct NumberFormat {
  std::string decimal = ",";       // the locale's decimal separator (UTF-8)
  std::string group = "\xC2\xA0";  // thousands separator for "#,##0" patterns (no-break space)
};

// '0' a required digit, '#' an optional digit, '.' the decimal point, ',' in the
// integer part turns on thousands grouping. Rounds to the last digit the pattern
// shows, half away from zero, on the decimal value.

// value = units x 10^-scale exactly: tenths of a millimetre are (v, 1), micrometres (v, 3).
std::string formatScaled(std::int64_t units, int scale, std::string_view pattern, const NumberFormat& nf);
// Binary floating point values are taken at their shortest decimal form (what they print as),
// so 10.45f rounds to 10.5 with one decimal.
std::string formatFloat(float value, std::string_view pattern, const NumberFormat& nf);
std::string formatDouble(double value, std::string_view pattern, const NumberFormat& nf);

// "%02d".
std::string format02(int value);

}  // namespace text
