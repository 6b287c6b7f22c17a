// The threshold field: key filter, conversion of the typed text and the verdict on it.
#include "core/thickness/threshold_input.h"

#include <charconv>
#include <cmath>

#include "core/text/messages.h"

namespace thickness {

namespace {

// The code of a one-character UTF-8 separator, or 0 when it is longer than one character.
char32_t separatorCode(std::string_view sep) {
  if (sep.empty()) return 0;
  const auto b = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(sep[i])); };
  if (b(0) < 0x80) return sep.size() == 1 ? b(0) : 0;
  if ((b(0) & 0xE0) == 0xC0 && sep.size() == 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  if ((b(0) & 0xF0) == 0xE0 && sep.size() == 3) return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
  return 0;
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

bool thresholdKeyPasses(char32_t ch, std::string_view localeDecimal) {
  if (ch < 0x20) return true;
  if (ch >= U'0' && ch <= U'9') return true;
  // Both separators are taken whatever the locale: an operator used to either must never see a
  // typed point vanish and 9.5 become 95.
  if (ch == U',' || ch == U'.') return true;
  const char32_t own = separatorCode(localeDecimal);
  return own != 0 && ch == own;
}

std::string thresholdText(std::uint16_t thresholdTenths, const text::NumberFormat& nf) {
  return text::formatScaled(thresholdTenths, 1, "##.0", nf);
}

ThresholdEntry evaluateThreshold(std::string_view textIn, std::string_view localeDecimal, std::uint16_t nominal) {
  ThresholdEntry e;
  const std::string_view s = trimBlanks(textIn);
  // Normalise to "digits.digits"; anything else is not a number.
  std::string plain;
  int digits = 0;
  bool point = false;
  for (std::size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      plain += c;
      ++digits;
      ++i;
      continue;
    }
    std::size_t len = 0;
    if (c == ',' || c == '.')
      len = 1;
    else if (!localeDecimal.empty() && s.substr(i, localeDecimal.size()) == localeDecimal)
      len = localeDecimal.size();
    if (len == 0 || point) return e;
    point = true;
    plain += '.';
    i += len;
  }
  if (digits == 0) return e;
  double value = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size()) return e;
  // The field holds a single-precision value; times 10 in single precision, truncated
  // (so 9,9 gives 99).
  const float mm = float(value);
  const float scaled = std::trunc(mm * 10.0f);
  if (!std::isfinite(scaled) || scaled >= 65536.0f) {
    e.verdict = ThresholdVerdict::TooLarge;
    return e;
  }
  e.tenths = std::uint16_t(scaled);
  e.verdict = e.tenths < nominal ? ThresholdVerdict::Accepted : ThresholdVerdict::NotBelowNominal;
  return e;
}

std::string thresholdMessage(ThresholdVerdict v, std::string_view localeDecimal) {
  switch (v) {
    case ThresholdVerdict::Accepted:
      return {};
    case ThresholdVerdict::NotBelowNominal:
    case ThresholdVerdict::TooLarge:
      return text::msg(text::Msg::abthresh);
    case ThresholdVerdict::NotANumber:
      break;
  }
  const std::string sep = localeDecimal.empty() ? std::string(",") : std::string(localeDecimal);
  return "Пороговую толщину нужно ввести числом, например 9" + sep + "5";
}

}  // namespace thickness
