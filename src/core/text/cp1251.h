// Windows-1251 <-> UTF-8: the encoding of every text the inspection unit and its programs share.
#pragma once

#include <string>
#include <string_view>

namespace text {

// Every one of the 256 codes has a character (0x98, unassigned, maps to U+0098).
std::string cp1251ToUtf8(std::string_view cp1251);
// Characters with no cp1251 code, and malformed UTF-8, become '?'.
std::string utf8ToCp1251(std::string_view utf8);
// Text of a fixed-width, zero-padded field: up to the first zero byte, at most the field.
std::string fieldText(const unsigned char* bytes, std::size_t width);

// Letter case folding as the platform's profile files compare names (Latin and Cyrillic).
std::string lowerUtf8(std::string_view utf8);

}  // namespace text
