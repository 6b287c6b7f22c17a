// Windows-1251 <-> UTF-8 conversion and the letter-case folding of profile-file names.
#include "core/text/cp1251.h"

#include <array>
#include <cstdint>

namespace text {
namespace {

// Code points of the cp1251 codes 0x80 to 0xFF.
constexpr std::array<char32_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(char(cp));
  } else if (cp < 0x800) {
    out.push_back(char(0xC0 | (cp >> 6)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(char(0xE0 | (cp >> 12)));
    out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(char(0xF0 | (cp >> 18)));
    out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at s[i]; advances i. Malformed input gives U+FFFD.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
  const unsigned char c = static_cast<unsigned char>(s[i++]);
  if (c < 0x80) return c;
  int extra = 0;
  char32_t cp = 0;
  if ((c & 0xE0) == 0xC0) {
    extra = 1;
    cp = c & 0x1F;
  } else if ((c & 0xF0) == 0xE0) {
    extra = 2;
    cp = c & 0x0F;
  } else if ((c & 0xF8) == 0xF0) {
    extra = 3;
    cp = c & 0x07;
  } else {
    return 0xFFFD;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size()) return 0xFFFD;
    const unsigned char cc = static_cast<unsigned char>(s[i]);
    if ((cc & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (cc & 0x3F);
    ++i;
  }
  return cp;
}

int toCp1251(char32_t cp) {
  if (cp < 0x80) return int(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return int(cp - 0x0410 + 0xC0);
  for (std::size_t k = 0; k < kHigh.size(); ++k) {
    if (kHigh[k] == cp) return int(0x80 + k);
  }
  return -1;
}

}  // namespace

std::string cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char ch : cp1251) {
    const unsigned char c = static_cast<unsigned char>(ch);
    appendUtf8(out, c < 0x80 ? char32_t(c) : kHigh[c - 0x80]);
  }
  return out;
}

std::string utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const int b = toCp1251(nextCodePoint(utf8, i));
    out.push_back(b < 0 ? '?' : char(b));
  }
  return out;
}

std::string fieldText(const unsigned char* bytes, std::size_t width) {
  std::size_t n = 0;
  while (n < width && bytes[n] != 0) ++n;
  return cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), n));
}

std::string lowerUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = nextCodePoint(utf8, i);
    if (cp >= 'A' && cp <= 'Z')
      cp += 32;
    else if (cp >= 0x0410 && cp <= 0x042F)
      cp += 32;  // А-Я
    else if (cp >= 0x0400 && cp <= 0x040F)
      cp += 80;  // Ѐ-Џ (Ё among them)
    appendUtf8(out, cp);
  }
  return out;
}

}  // namespace text
