// The threshold field: key filter, conversion, the nominal check and the 16-bit limit.
#include "core/thickness/threshold_input.h"

#include <gtest/gtest.h>

using namespace thickness;

TEST(ThicknessThresholdInput, KeyFilter) {
  // Both separators pass under a comma locale: a typed point must never vanish (9.5 -> 95).
  for (char32_t c : {U'0', U'5', U'9', U',', U'.', U'\b', U'\r', char32_t(3), char32_t(22)})
    EXPECT_TRUE(thresholdKeyPasses(c, ",")) << unsigned(c);
  // Letters (Cyrillic too), blanks and minus are ignored.
  for (char32_t c : {U'a', U'Ж', U' ', U'-', U'e', char32_t(0xA0), char32_t(0xE9)})
    EXPECT_FALSE(thresholdKeyPasses(c, ",")) << unsigned(c);
  // The locale's own separator passes, and the comma still does.
  EXPECT_TRUE(thresholdKeyPasses(U'.', "."));
  EXPECT_TRUE(thresholdKeyPasses(U',', "."));
  EXPECT_TRUE(thresholdKeyPasses(U'٫', "\xD9\xAB"));
}

TEST(ThicknessThresholdInput, OpensWithThresholdInTenths) {
  text::NumberFormat nf;
  EXPECT_EQ(thresholdText(100, nf), "10,0");
  EXPECT_EQ(thresholdText(5, nf), ",5");
  nf.decimal = ".";
  EXPECT_EQ(thresholdText(99, nf), "9.9");
}

TEST(ThicknessThresholdInput, AcceptAndReject) {
  // N = 100: 10,0 is not below, 9,9 gives 99 (single precision times 10) and is accepted.
  ThresholdEntry e = evaluateThreshold("10,0", ",", 100);
  EXPECT_EQ(e.verdict, ThresholdVerdict::NotBelowNominal);
  EXPECT_TRUE(e.stores());
  EXPECT_EQ(e.tenths, 100);
  e = evaluateThreshold("9,9", ",", 100);
  EXPECT_EQ(e.verdict, ThresholdVerdict::Accepted);
  EXPECT_EQ(e.tenths, 99);
  // Truncation toward zero.
  EXPECT_EQ(evaluateThreshold("9,99", ",", 100).tenths, 99);
  EXPECT_EQ(evaluateThreshold(",5", ",", 100).tenths, 5);
  EXPECT_EQ(evaluateThreshold("7,", ",", 100).tenths, 70);
  // A point reads as the separator under a comma locale; two separators are no number.
  EXPECT_EQ(evaluateThreshold("9.5", ",", 100).tenths, 95);
  EXPECT_EQ(evaluateThreshold("9.5", ",", 100).verdict, ThresholdVerdict::Accepted);
  EXPECT_EQ(evaluateThreshold("9.5,1", ",", 100).verdict, ThresholdVerdict::NotANumber);
  EXPECT_EQ(evaluateThreshold(" 3 ", ",", 100).tenths, 30);
  EXPECT_EQ(evaluateThreshold("0", ",", 100).verdict, ThresholdVerdict::Accepted);
  // The locale's separator and the comma both work.
  EXPECT_EQ(evaluateThreshold("4.5", ".", 100).tenths, 45);
  EXPECT_EQ(evaluateThreshold("4,5", ".", 100).tenths, 45);
  // The largest storable value and the first one that is not.
  e = evaluateThreshold("6553,5", ",", 65535);
  EXPECT_EQ(e.verdict, ThresholdVerdict::NotBelowNominal);
  EXPECT_EQ(e.tenths, 65535);
  EXPECT_EQ(evaluateThreshold("6553,4", ",", 65535).verdict, ThresholdVerdict::Accepted);
  e = evaluateThreshold("6553,6", ",", 65535);
  EXPECT_EQ(e.verdict, ThresholdVerdict::TooLarge);
  EXPECT_FALSE(e.stores());
  EXPECT_EQ(evaluateThreshold("99999999999999999999", ",", 65535).verdict, ThresholdVerdict::TooLarge);
  EXPECT_EQ(thresholdMessage(ThresholdVerdict::TooLarge, ","), "Пороговая толщина должна быть меньше номинальной");
  EXPECT_EQ(thresholdMessage(ThresholdVerdict::NotBelowNominal, ","),
            "Пороговая толщина должна быть меньше номинальной");
}

TEST(ThicknessThresholdInput, TextThatIsNotANumber) {
  for (const char* s : {"", " ", ",", "1,2,3", "-1", "1.5.", "abc", "1e2", "9,9 мм"}) {
    ThresholdEntry e = evaluateThreshold(s, ",", 100);
    EXPECT_EQ(e.verdict, ThresholdVerdict::NotANumber) << s;
    EXPECT_FALSE(e.stores()) << s;
  }
  EXPECT_EQ(thresholdMessage(ThresholdVerdict::NotANumber, ","), "Пороговую толщину нужно ввести числом, например 9,5");
  EXPECT_EQ(thresholdMessage(ThresholdVerdict::Accepted, ","), "");
}
