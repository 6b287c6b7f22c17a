// Reading millimetres typed by the operator.
#include "core/compare/mm_input.h"

namespace compare {
namespace {
constexpr long kLimitMm = 60000;
}

std::optional<int> parseMillimetres(std::string_view s) {
  long whole = 0, fraction = 0;
  int wholeDigits = 0, decimals = 0;
  bool separator = false;
  for (char ch : s) {
    if (ch == ',' || ch == '.') {
      if (separator) return std::nullopt;
      separator = true;
    } else if (ch >= '0' && ch <= '9') {
      if (separator) {
        if (++decimals > 3) return std::nullopt;
        fraction = fraction * 10 + (ch - '0');
      } else {
        whole = whole * 10 + (ch - '0');
        if (++wholeDigits > 6 || whole > kLimitMm) return std::nullopt;
      }
    } else {
      return std::nullopt;
    }
  }
  if (wholeDigits == 0 && decimals == 0) return std::nullopt;
  for (int d = decimals; d < 3; ++d) fraction *= 10;
  return int(whole * 1000 + fraction);
}

std::optional<int> parseWholeMillimetres(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || s.size() > 6) return std::nullopt;
  long v = 0;
  for (char ch : s) {
    if (ch < '0' || ch > '9') return std::nullopt;
    v = v * 10 + (ch - '0');
  }
  if (v > kLimitMm) return std::nullopt;
  return int(negative ? -v : v);
}

}  // namespace compare
