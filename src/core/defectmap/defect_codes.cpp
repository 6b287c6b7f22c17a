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

}  // namespace defectmap
