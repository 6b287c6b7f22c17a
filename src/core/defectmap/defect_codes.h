// The vocabulary of map cells: the six indication type codes, their colour slots, symbols and legend texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace defectmap {

// Type codes of the second cell byte.
constexpr std::uint8_t kVolume = 0;
constexpr std::uint8_t kVolumePlanar = 1;
constexpr std::uint8_t kPlanarAcross = 2;
constexpr std::uint8_t kPlanarAlong = 3;
constexpr std::uint8_t kContactLost = 250;
constexpr std::uint8_t kExcessSpeed = 251;

// The slot of DefectColors a type code is drawn in; nothing for codes outside the six.
constexpr std::optional<int> colorSlot(std::uint8_t type) {
  if (type <= kPlanarAlong) return int(type);
  if (type == kExcessSpeed) return 4;
  if (type == kContactLost) return 5;
  return std::nullopt;
}

// Legend texts in slot order, with their leading blank as printed.
const std::array<std::string, 6>& legendLabels();

// The two texts of an indication: screen symbols use the digit zero for the
// volumetric class, printed ones the capital letter O. Empty type text when the
// code is not one of the six.
struct CellSymbols {
  std::string type;
  std::string size;
};
CellSymbols screenSymbols(std::uint8_t size, std::uint8_t type);
CellSymbols printSymbols(std::uint8_t size, std::uint8_t type);

// Row titles of the text table: the type row of layer i (0-based) of n layers.
std::string typeRowTitle(int layer, int layers);
inline const char* kSizeRowTitle = "РАЗМ:  ";
inline const char* kPositionRowTitle = "КООР:  ";
// The label of a group of the text table: its first position counted from 1, five digits.
std::string groupLabel(int position);
// Characters of a UTF-8 text, as the fixed-pitch table counts its columns.
std::size_t codePoints(const std::string& s);
// s and blanks after it up to `columns` characters.
std::string padToColumns(const std::string& s, int columns);

}  // namespace defectmap
