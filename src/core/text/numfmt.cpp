// Picture-pattern number formatting on exact decimal digits.
#include "core/text/numfmt.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace text {
namespace {

struct Picture {
  int minInt = 0;
  int minFrac = 0;
  int maxFrac = 0;
  bool grouping = false;
};

Picture parsePicture(std::string_view pattern) {
  Picture p;
  bool fraction = false;
  for (char c : pattern) {
    if (c == '.') {
      fraction = true;
    } else if (c == ',') {
      if (!fraction) p.grouping = true;
    } else if (c == '0') {
      if (fraction) {
        ++p.minFrac;
        ++p.maxFrac;
      } else {
        ++p.minInt;
      }
    } else if (c == '#') {
      if (fraction) ++p.maxFrac;
    }
  }
  return p;
}

// digits: the magnitude's decimal digits (no sign, no point); scale: digits after the point.
std::string formatDigits(bool negative, std::string digits, int scale, const Picture& p, const NumberFormat& nf) {
  if (digits.empty()) digits = "0";
  // Round half away from zero to maxFrac digits. The digit that decides is the first one
  // dropped; when the number has fewer digits than are dropped, that place holds an implied
  // leading zero (5 micrometres in tenths of a millimetre is 0,0).
  if (scale > p.maxFrac) {
    const std::size_t drop = std::size_t(scale - p.maxFrac);
    const bool up = digits.size() >= drop && digits[digits.size() - drop] >= '5';
    const std::size_t keep = digits.size() > drop ? digits.size() - drop : 0;
    digits.resize(keep);
    if (digits.empty()) digits = "0";
    scale = p.maxFrac;
    if (up) {
      int i = int(digits.size()) - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i < 0)
        digits.insert(digits.begin(), '1');
      else
        ++digits[i];
    }
  }
  // Split into integer and fraction digits.
  if (int(digits.size()) <= scale) digits.insert(0, std::string(scale - digits.size() + 1, '0'));
  std::string intPart = digits.substr(0, digits.size() - scale);
  std::string fracPart = digits.substr(digits.size() - scale);
  while (int(fracPart.size()) < p.minFrac) fracPart.push_back('0');
  while (int(fracPart.size()) > p.minFrac && !fracPart.empty() && fracPart.back() == '0') fracPart.pop_back();
  std::size_t nz = intPart.find_first_not_of('0');
  intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
  const bool zero = intPart.empty() && fracPart.find_first_not_of('0') == std::string::npos;
  while (int(intPart.size()) < p.minInt) intPart.insert(intPart.begin(), '0');
  if (p.grouping && intPart.size() > 3) {
    std::string grouped;
    const int n = int(intPart.size());
    for (int i = 0; i < n; ++i) {
      if (i > 0 && (n - i) % 3 == 0) grouped += nf.group;
      grouped.push_back(intPart[i]);
    }
    intPart = grouped;
  }
  std::string out;
  if (negative && !zero) out.push_back('-');
  out += intPart;
  if (!fracPart.empty()) {
    out += nf.decimal;
    out += fracPart;
  }
  return out;
}

template <typename F>
std::string formatBinary(F value, std::string_view pattern, const NumberFormat& nf) {
  char buf[128];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  std::string s(buf, res.ptr);
  bool negative = false;
  if (!s.empty() && s[0] == '-') {
    negative = true;
    s.erase(0, 1);
  }
  std::string digits;
  int scale = 0;
  const std::size_t dot = s.find('.');
  if (dot == std::string::npos) {
    digits = s;
  } else {
    digits = s.substr(0, dot) + s.substr(dot + 1);
    scale = int(s.size() - dot - 1);
  }
  return formatDigits(negative, digits, scale, parsePicture(pattern), nf);
}

}  // namespace

std::string formatScaled(std::int64_t units, int scale, std::string_view pattern, const NumberFormat& nf) {
  const bool negative = units < 0;
  const std::uint64_t mag = negative ? std::uint64_t(0) - std::uint64_t(units) : std::uint64_t(units);
  return formatDigits(negative, std::to_string(mag), scale < 0 ? 0 : scale, parsePicture(pattern), nf);
}

std::string formatFloat(float value, std::string_view pattern, const NumberFormat& nf) {
  return formatBinary(value, pattern, nf);
}

std::string formatDouble(double value, std::string_view pattern, const NumberFormat& nf) {
  return formatBinary(value, pattern, nf);
}

std::string format02(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", value);
  return buf;
}

}  // namespace text
