// Picture-pattern number formatting: rounding on the decimal value, the optional digits, the separators.
#include "core/text/numfmt.h"

#include <gtest/gtest.h>

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

TEST(NumberFormat, TwoDigitFields) {
  EXPECT_EQ(text::format02(7), "07");
  EXPECT_EQ(text::format02(123), "123");
}

}  // namespace
