// Picture-pattern number formatting: rounding on the decimal value, the optional digits, the separators.
#include "core/text/numfmt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

const text::NumberFormat kRu{",", "\xC2\xA0"};
const text::NumberFormat kEn{".", ","};

TEST(NumberFormat, TenthsAndMicrometresFromIntegers) {
  EXPECT_EQ(text::formatScaled(10450, 3, "##0.0", kRu), "10,5");  // half away from zero
  EXPECT_EQ(text::formatScaled(10449, 3, "##0.0", kRu), "10,4");
  EXPECT_EQ(text::formatScaled(80, 1, "##0.0", kRu), "8,0");
  EXPECT_EQ(text::formatScaled(-10450, 3, "##0.0", kRu), "-10,5");
  EXPECT_EQ(text::formatScaled(-40, 3, "##0.0", kRu), "0,0");  // no "-0,0"
  EXPECT_EQ(text::formatScaled(9999, 3, "##0.0", kEn), "10.0");
}

TEST(NumberFormat, OptionalIntegerDigits) {
  EXPECT_EQ(text::formatScaled(5, 1, "###.0", kRu), ",5");
  EXPECT_EQ(text::formatScaled(5, 1, "##0.0", kRu), "0,5");
  EXPECT_EQ(text::formatScaled(5, 1, "##.0", kRu), ",5");
  EXPECT_EQ(text::formatScaled(5, 1, "#0.0", kRu), "0,5");
  EXPECT_EQ(text::formatScaled(1234, 1, "###.0", kRu), "123,4");
}

TEST(NumberFormat, OptionalFractionDigits) {
  EXPECT_EQ(text::formatScaled(50, 1, "#0.#", kRu), "5");
  EXPECT_EQ(text::formatScaled(55, 1, "#0.#", kRu), "5,5");
  EXPECT_EQ(text::formatScaled(1004, 3, "##0.#", kRu), "1");
  EXPECT_EQ(text::formatScaled(1050, 3, "##0.#", kRu), "1,1");
}

TEST(NumberFormat, LeadingZerosAndGrouping) {
  EXPECT_EQ(text::formatScaled(1, 0, "00000", kRu), "00001");
  EXPECT_EQ(text::formatScaled(123456, 0, "00000", kRu), "123456");
  EXPECT_EQ(text::formatScaled(12345678, 1, "#,##0.#", kEn), "1,234,567.8");
  EXPECT_EQ(text::formatScaled(9995, 1, "#,##0.#", kEn), "999.5");
  EXPECT_EQ(text::formatScaled(99995, 2, "#,##0.#", kEn), "1,000");
}

TEST(NumberFormat, BinaryFloatsRoundOnTheirDecimalForm) {
  EXPECT_EQ(text::formatFloat(10.45f, "##0.0", kRu), "10,5");
  EXPECT_EQ(text::formatDouble(2.675, "#0.00", kEn), "2.68");
  EXPECT_EQ(text::formatDouble(0.05, "###.0", kRu), ",1");
  EXPECT_EQ(text::formatDouble(0.0, "###.0", kRu), ",0");
  EXPECT_EQ(text::formatFloat(-3.25f, "##0.0", kEn), "-3.3");
}

TEST(NumberFormat, FewerDigitsThanDroppedRoundOnAnImpliedZero) {
  for (int um = 1; um <= 4; ++um) EXPECT_EQ(text::formatScaled(um, 3, "##0.0", kRu), "0,0") << um;
  for (int um = 5; um <= 9; ++um) {
    EXPECT_EQ(text::formatScaled(um, 3, "##0.0", kRu), "0,0") << um;
    EXPECT_EQ(text::formatScaled(um, 3, "###.0", kRu), ",0") << um;
    EXPECT_EQ(text::formatDouble(um / 1000.0, "##0.0", kRu), "0,0") << um;
    EXPECT_EQ(text::formatFloat(float(um) / 1000.0f, "###.0", kRu), ",0") << um;
  }
  EXPECT_EQ(text::formatScaled(50, 3, "##0.0", kRu), "0,1");
  EXPECT_EQ(text::formatScaled(-7, 3, "##0.0", kRu), "0,0");
  EXPECT_EQ(text::formatScaled(4, 1, "#,##0", kEn), "0");
  EXPECT_EQ(text::formatScaled(5, 1, "#,##0", kEn), "1");
}

// The picture of a pattern as the pattern rules read it, for the reference below.
struct Picture {
  const char* pattern;
  int minInt;
  int minFrac;
  int maxFrac;
  bool grouping;
};

// Every pattern the program formats with.
constexpr Picture kPatterns[] = {
    {"##0.0", 1, 1, 1, false}, {"###.0", 0, 1, 1, false}, {"##.0", 0, 1, 1, false},   {"#0.0", 1, 1, 1, false},
    {"0.000", 1, 3, 3, false}, {"00000", 5, 0, 0, false}, {"#,##0", 1, 0, 0, true},   {"#,##0.#", 1, 0, 1, true},
    {"##0.#", 1, 0, 1, false}, {"#0.#", 1, 0, 1, false},  {"#.##.#", 0, 0, 3, false},
};

// Exact decimal rounding on whole micrometres, half away from zero, written by the picture.
std::string reference(std::int64_t um, const Picture& p, const text::NumberFormat& nf) {
  const bool negative = um < 0;
  const std::int64_t mag = negative ? -um : um;
  std::int64_t unit = 1;
  for (int i = p.maxFrac; i < 3; ++i) unit *= 10;
  const std::int64_t q = (mag + unit / 2) / unit;  // in units of the last shown digit
  std::int64_t fracScale = 1;
  for (int i = 0; i < p.maxFrac; ++i) fracScale *= 10;
  std::string frac = std::to_string(q % fracScale + fracScale).substr(1);
  while (int(frac.size()) > p.minFrac && frac.back() == '0') frac.pop_back();
  const std::int64_t whole = q / fracScale;
  std::string digits = whole == 0 ? std::string() : std::to_string(whole);
  while (int(digits.size()) < p.minInt) digits.insert(0, "0");
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (p.grouping && i > 0 && (digits.size() - i) % 3 == 0) grouped += nf.group;
    grouped += digits[i];
  }
  std::string out = negative && q != 0 ? "-" : "";
  out += grouped;
  if (!frac.empty()) out += nf.decimal + frac;
  return out;
}

TEST(NumberFormat, EveryPatternRoundsExactlyFromZeroToOneHundredMillimetres) {
  for (const Picture& p : kPatterns) {
    int wrong = 0;
    std::string first;
    for (std::int64_t um = 0; um <= 100000; ++um) {
      const std::string want = reference(um, p, kRu);
      const std::string wantNegative = reference(-um, p, kRu);
      const std::string got[] = {
          text::formatScaled(um, 3, p.pattern, kRu),
          text::formatScaled(-um, 3, p.pattern, kRu),
          text::formatDouble(double(um) / 1000.0, p.pattern, kRu),
          text::formatDouble(-double(um) / 1000.0, p.pattern, kRu),
          text::formatFloat(float(um) / 1000.0f, p.pattern, kRu),
      };
      const std::string expected[] = {want, wantNegative, want, wantNegative, want};
      for (std::size_t k = 0; k < std::size(got); ++k) {
        if (got[k] == expected[k]) continue;
        if (wrong++ == 0)
          first = std::to_string(um) + " um, form " + std::to_string(k) + ": " + got[k] + " instead of " + expected[k];
      }
    }
    EXPECT_EQ(wrong, 0) << p.pattern << ", first: " << first;
  }
}

TEST(NumberFormat, TwoDigitFields) {
  EXPECT_EQ(text::format02(7), "07");
  EXPECT_EQ(text::format02(123), "123");
}

}  // namespace
