// The instrument's 5 x 7 dot-matrix font: the 32 glyph patterns and their pictures.
#pragma once

#include <string_view>

#include "core/flawdetector/hd_screen.h"

namespace flaw {

constexpr int kFontGlyphs = 32;
// Glyph numbers with a meaning of their own.
constexpr int kSmallDigitGlyph = 10;
constexpr int kPointGlyph = 22;

// Rows 0 (top) to 6 of glyph g, five characters each, '#' for ink, separated by blanks.
std::string_view glyphPattern(int g);
// The picture of glyph g as the image list holds it: ink black, the rest white.
GlyphImage GlyphPicture(int g);
// The glyph number a Windows-1251 character is drawn with, or -1 when the font has none.
int glyphForChar(unsigned char ch);

}  // namespace flaw
