// cp1251 <-> UTF-8 over all 256 codes, and the unmappable characters.
#include "core/text/cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, AllCodesRoundTrip) {
  std::string all;
  for (int c = 0; c < 256; ++c) all.push_back(char(c));
  const std::string utf8 = text::cp1251ToUtf8(all);
  EXPECT_EQ(text::utf8ToCp1251(utf8), all);
}

TEST(Cp1251, CyrillicAndPunctuation) {
  EXPECT_EQ(text::cp1251ToUtf8("\xD0\xE5\xE7\xF3\xEB\xFC\xF2\xE0\xF2"), "Результат");
  EXPECT_EQ(text::cp1251ToUtf8("\xA8\xB8\xB9"), "Ёё№");
  EXPECT_EQ(text::utf8ToCp1251("Толщина №1"),
            "\xD2\xEE\xEB\xF9\xE8\xED\xE0 \xB9"
            "1");
}

TEST(Cp1251, UnmappableBecomesQuestionMark) {
  EXPECT_EQ(text::utf8ToCp1251("a\xE4\xB8\xAD"
                               "b"),
            "a?b");                                            // a CJK character
  EXPECT_EQ(text::utf8ToCp1251("x\xF0\x9F\x98\x80y"), "x?y");  // an emoji
  EXPECT_EQ(text::utf8ToCp1251("\xFF\xFE"), "??");             // malformed UTF-8
  EXPECT_EQ(text::utf8ToCp1251("\xD0"), "?");                  // cut sequence
}

TEST(Cp1251, FieldTextStopsAtZeroOrWidth) {
  const unsigned char withZero[] = {'A', 'B', 0, 'C'};
  EXPECT_EQ(text::fieldText(withZero, 4), "AB");
  const unsigned char full[] = {'A', 'B', 'C', 'D'};
  EXPECT_EQ(text::fieldText(full, 3), "ABC");
}

TEST(Cp1251, LowerFoldsLatinAndCyrillic) {
  EXPECT_EQ(text::lowerUtf8("DataDir"), "datadir");
  EXPECT_EQ(text::lowerUtf8("Р.ДЕФЕКТОСКОП"), "р.дефектоскоп");
  EXPECT_EQ(text::lowerUtf8("ЁЖ"), "ёж");
}

}  // namespace
