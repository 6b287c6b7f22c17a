// Wrapping a line into the room it prints in: breaks at blanks, inside over-long words, never inside a character.
#include "core/text/wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

TEST(WrapLine, BreaksAtTheLastBlankThatFits) {
  EXPECT_EQ(text::wrapLineToColumns("труба годна к эксплуатации", 12), (Pieces{"труба годна", "к", "эксплуатации"}));
  EXPECT_EQ(text::wrapLineToColumns("aa bb cc", 5), (Pieces{"aa bb", "cc"}));  // the blank right after fits
  EXPECT_EQ(text::wrapLineToColumns("aa   bb", 4), (Pieces{"aa", "bb"}));      // every blank of the break goes
  EXPECT_EQ(text::wrapLineToColumns("  отступ и текст", 9), (Pieces{"  отступ", "и текст"}));
}

TEST(WrapLine, ShortAndEmptyLinesStayAsTheyAre) {
  EXPECT_EQ(text::wrapLineToColumns("годен", 5), (Pieces{"годен"}));
  EXPECT_EQ(text::wrapLineToColumns("", 5), (Pieces{""}));
  EXPECT_EQ(text::wrapLineToColumns("ab  ", 2), (Pieces{"ab"}));  // nothing but blanks left over
}

TEST(WrapLine, WordsWiderThanTheRoomBreakHard) {
  EXPECT_EQ(text::wrapLineToColumns("абвгдежзий", 4), (Pieces{"абвг", "дежз", "ий"}));
  EXPECT_EQ(text::wrapLineToColumns("   абвгдежзий", 4), (Pieces{"   а", "бвгд", "ежзи", "й"}));
  EXPECT_EQ(text::wrapLineToColumns("ab cdefgh", 3), (Pieces{"ab", "cde", "fgh"}));
  EXPECT_EQ(text::wrapLineToColumns("абв", 0), (Pieces{"а", "б", "в"}));  // no room: a character a piece
}

TEST(WrapLine, MeasuresWithTheGivenWidths) {
  // A proportional font: "ш" is three units wide, every other character one.
  const text::TextMeasure width = [](const std::string& s) {
    int w = 0;
    for (std::size_t i = 0; i < s.size();) {
      const bool sha = s.compare(i, 2, "ш") == 0;
      w += sha ? 3 : 1;
      i += sha ? 2 : ((static_cast<unsigned char>(s[i]) & 0x80) ? 2 : 1);
    }
    return w;
  };
  EXPECT_EQ(text::wrapLine("шаш аш ша", 7, width), (Pieces{"шаш", "аш", "ша"}));
  EXPECT_EQ(text::wrapLineToColumns("шаш аш ша", 7), (Pieces{"шаш аш", "ша"}));
}

}  // namespace
