// DefectMap model: binding a file, fitting the map to the picture, position texts and the texts of one cell.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/defectmap/defect_codes.h"
#include "core/defectmap/defect_map.h"

namespace defectmap {

DefectMap::DefectMap() = default;

void DefectMap::SetCanvas(gfx::Canvas* c) {
  canvas = c;
  if (header) FitToWidth();
}

void DefectMap::FitToWidth() {
  if (!canvas) return;
  const int w = canvas->width();
  // An empty object has no scale: the view then shows empty rows and scrolls nowhere.
  scale = length() > 0 ? float(std::abs(w - marginLeft)) / float(length()) : 0.0f;
  firstMm = 0;
  scrollUnit = 20;
  rowHeight = 80;
  sizeFactor = 10.0f;
  if (scrollBar) {
    const int maximum = int(double(length()) * scale / scrollUnit - 1);
    scrollBar->setRange(0, std::max(0, maximum));
    scrollBar->setLargeStep((w - marginLeft) / scrollUnit - 1);
  }
}

void DefectMap::ClearCanvas() {
  if (!canvas) return;
  canvas->fillRect(gfx::Rect{0, 0, canvas->width(), canvas->height()}, gfx::kWhite);
}

std::string FormatPosition(int mm, const text::NumberFormat& nf) {
  if (mm < 1000) return std::to_string(mm);
  // Hundredths of the unit, rounded half up as a two-decimal fixed form rounds.
  const bool km = mm >= 1000000;
  const long long divisor = km ? 10000 : 10;
  const long long hundredths = (static_cast<long long>(mm) + divisor / 2) / divisor;
  const long long cents = hundredths % 100;
  const std::string frac = (cents < 10 ? "0" : "") + std::to_string(cents);
  return std::to_string(hundredths / 100) + nf.decimal + frac + (km ? "км" : "м");
}

std::string DefectMap::FormatPosition(int mm) const { return defectmap::FormatPosition(mm, numberFormat); }

CellTextResult DefectMap::CellText(int position, int layer) const {
  CellTextResult r;
  const int n = layers();
  if (!cells || position < 0 || position >= length() || layer < 1 || layer > n) return r;
  const std::int64_t offset = 2 * (std::int64_t(position) * n + layer - 1);
  if (!cellPresent(offset)) return r;
  const std::uint8_t size = cells[offset];
  if (size == 0) return r;
  CellSymbols s = printSymbols(size, cells[offset + 1]);
  if (s.type.empty()) return r;
  r.found = true;
  r.type = s.type;
  r.size = s.size;
  return r;
}

void bindMap(DefectMap& m, const datafiles::LoadedFile& file, const std::array<gfx::Color, 6>& colors,
             const text::NumberFormat& nf) {
  if (file.kind == datafiles::FileKind::Dau) {
    m.SetHeader(&file.map);
    m.SetCells(file.body.data(), file.body.size());
  } else {
    m.SetHeader(nullptr);
    m.clearCells();
  }
  m.setColors(colors);
  m.setNumberFormat(nf);
}

int DefectMap::TextColumnWidth(int position, int n) const {
  std::size_t widest = 1;
  for (int k = 0; k < 6; ++k)
    for (int i = 1; i <= n; ++i) widest = std::max(widest, codePoints(CellText(position + k, i).size));
  return widest == 1 ? 1 : int(widest) + 1;
}

bool DefectMap::HasIndicationAt(int position) const {
  for (int i = 1; i <= layers(); ++i) {
    if (CellText(position, i).found) return true;
  }
  return false;
}

}  // namespace defectmap
