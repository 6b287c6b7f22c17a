// Symbols, legend texts and row titles of the defect classes.
#include "core/defectmap/defect_codes.h"

namespace defectmap {

const std::array<std::string, 6>& legendLabels() {
  static const std::array<std::string, 6> labels = {
      " Объемный",          " Объемно-плоскостной", " Плоскостной поперек",
      " Плоскостной вдоль", " Превышение скорости", " Нарушение контакта"};
  return labels;
}

namespace {

CellSymbols symbols(std::uint8_t size, std::uint8_t type, const char* volumeSymbol) {
  switch (type) {
    case kVolume:
      return {volumeSymbol, std::to_string(size)};
    case kVolumePlanar:
      return {"#", std::to_string(size)};
    case kPlanarAcross:
      return {"|", std::to_string(size)};
    case kPlanarAlong:
      return {"-", std::to_string(size)};
    case kContactLost:
      return {"A", "K"};
    case kExcessSpeed:
      return {"X", "X"};
    default:
      return {};
  }
}

}  // namespace

CellSymbols screenSymbols(std::uint8_t size, std::uint8_t type) { return symbols(size, type, "0"); }
CellSymbols printSymbols(std::uint8_t size, std::uint8_t type) { return symbols(size, type, "O"); }

std::string typeRowTitle(int layer, int layers) {
  static const char* kTop = "В ТИП: ";
  static const char* kMiddle = "С ТИП: ";
  static const char* kBottom = "Н ТИП: ";
  if (layers <= 1) return kBottom;
  if (layers == 2) return layer == 0 ? kTop : kBottom;
  if (layer == 0) return kTop;
  if (layer == layers - 1) return kBottom;
  return kMiddle;
}

// Position numbers count from 1 and are padded to five digits.
std::string groupLabel(int position) {
  std::string s = std::to_string(position + 1);
  if (s.size() < 5) s.insert(0, 5 - s.size(), '0');
  return s;
}

std::size_t codePoints(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string padToColumns(const std::string& s, int columns) {
  const std::size_t n = codePoints(s);
  return columns > int(n) ? s + std::string(std::size_t(columns) - n, ' ') : s;
}

}  // namespace defectmap
