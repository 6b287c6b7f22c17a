// The instrument's 5 x 7 dot-matrix font: the 32 glyph patterns and their pictures.
#include "core/flawdetector/glyph_font.h"

#include <array>

namespace flaw {

namespace {

constexpr std::array<std::string_view, kFontGlyphs> kPatterns = {
    ".###. #...# #..## #.#.# ##..# #...# .###.",  // 0
    "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",  // 1
    ".###. #...# ....# ..##. .#... #.... #####",  // 2
    "##### ....# ...#. ..##. ....# #...# .###.",  // 3
    "...#. ..##. .#.#. #..#. ##### ...#. ...#.",  // 4
    "##### #.... ####. ....# ....# #...# .###.",  // 5
    "..##. .#... ####. #...# #...# #...# .###.",  // 6
    "##### ....# ...#. ..#.. ..#.. ..#.. ..#..",  // 7
    ".###. #...# #...# .###. #...# #...# .###.",  // 8
    ".###. #...# #...# .#### ....# ...#. ###..",  // 9
    "..... ..... .###. #..## #.#.# ##..# .###.",  // small 0
    "..... ..... ..... ..#.. .##.. ..#.. .###.",  // small 1
    "..... ..... .###. #...# ..##. .#... #####",  // small 2
    "..... ..... ##### ....# ..##. #...# .###.",  // small 3
    "..... ..... ...#. ..##. .#.#. ##### ...#.",  // small 4
    "..... ..... ####. #.... ####. ....# ####.",  // small 5
    "..... ..... .###. #.... ####. #...# .###.",  // small 6
    "..... ..... ##### ....# ...#. ..#.. ..#..",  // small 7
    "..... ..... .###. #...# .###. #...# .###.",  // small 8
    "..... ..... .###. #...# .#### ...#. ###..",  // small 9
    ".###. #...# #.... #.... #.... #...# .###.",  // С / C
    "####. #...# #...# #...# ####. #.... #....",  // Р
    "..... ..... ..... ..... ..... .#... .....",  // decimal point
    "..#.. .#.#. #...# #...# ##### #...# #...#",  // А
    "####. #...# #...# ####. #...# #...# ####.",  // В
    "#...# #...# #...# .#### ....# ....# ....#",  // Ч
    "#...# #...# #...# .#### ....# ....# .###.",  // У
    "###.. #..#. #...# #...# #...# #..#. ###..",  // D
    ".#### #.... #.... #.### #...# #...# .###.",  // G
    ".#### #.... #.... .###. ....# ....# ####.",  // S
    "..... ..... ..... ##### ..... ..... .....",  // -
    "..##. .#.#. .#.#. .#.#. .#.#. ##### #...#",  // Д
};

}  // namespace

std::string_view glyphPattern(int g) {
  if (g < 0 || g >= kFontGlyphs) return {};
  return kPatterns[std::size_t(g)];
}

GlyphImage GlyphPicture(int g) {
  GlyphImage image;
  image.fill(gfx::kWhite);
  std::string_view p = glyphPattern(g);
  if (p.empty()) return image;
  for (int r = 0; r < 7; ++r) {
    for (int c = 0; c < 5; ++c) {
      if (p[std::size_t(6 * r + c)] == '#') image[std::size_t(7 * c + r)] = gfx::kBlack;
    }
  }
  return image;
}

int glyphForChar(unsigned char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  switch (ch) {
    case 'C':
    case 0xD1:  // С
      return 20;
    case 0xD0:  // Р
      return 21;
    case 'A':
    case 0xC0:  // А
      return 23;
    case 0xC2:  // В
      return 24;
    case 0xD7:  // Ч
      return 25;
    case 0xD3:  // У
      return 26;
    case 'D':
      return 27;
    case 'G':
      return 28;
    case 'S':
      return 29;
    case '-':
      return 30;
    case 0xC4:  // Д
      return 31;
    default:
      return -1;
  }
}

}  // namespace flaw
