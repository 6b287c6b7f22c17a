// Colours as the unit's programs store them: 0x00BBGGRR, red in the lowest byte.
#pragma once

#include <cstdint>

namespace gfx {

using Color = std::uint32_t;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Color(r) | (Color(g) << 8) | (Color(b) << 16);
}
constexpr std::uint8_t red(Color c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t green(Color c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t blue(Color c) { return std::uint8_t((c >> 16) & 0xFF); }

// The platform's system colours the windows are drawn in, fixed here so that
// pictures come out the same on screen, in print and in tests.
namespace sys {
constexpr Color kBtnFace = 0xF0F0F0;       // clBtnFace
constexpr Color kAppWorkSpace = 0xABABAB;  // clAppWorkSpace
constexpr Color kInfoBk = 0xE1FFFF;        // clInfoBk (pale yellow)
constexpr Color kWindow = 0xFFFFFF;        // clWindow
constexpr Color kWindowText = 0x000000;    // clWindowText
}  // namespace sys

// Named colours of the platform palette.
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x008000;
constexpr Color kLime = 0x00FF00;
constexpr Color kBlue = 0xFF0000;
constexpr Color kNavy = 0x800000;
constexpr Color kMaroon = 0x000080;
constexpr Color kYellow = 0x00FFFF;
constexpr Color kAqua = 0xFFFF00;
constexpr Color kFuchsia = 0xFF00FF;
constexpr Color kGray = 0x808080;
constexpr Color kSilver = 0xC0C0C0;
constexpr Color kOlive = 0x008080;
constexpr Color kTeal = 0x808000;
constexpr Color kPurple = 0x800080;

}  // namespace gfx
