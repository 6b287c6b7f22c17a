// The covered length of a thickness run (8 bytes a 2 mm sample) or a defect map (2 bytes a cell, a cell a layer and
// mm).
#include "core/datafiles/body_extent.h"

namespace datafiles {

std::optional<BodyExtent> shortBody(const LoadedFile& file) {
  BodyExtent e;
  if (file.kind == FileKind::Dtm) {
    constexpr std::size_t kSampleBytes = 8;
    constexpr long long kSampleMm = 2;
    e.headerMm = file.thk.Length;
    const long long samples = static_cast<long long>(file.body.size() / kSampleBytes);
    e.shownMm = std::min(samples * kSampleMm, e.headerMm);
    if (samples >= e.headerMm / kSampleMm) return std::nullopt;
  } else if (file.kind == FileKind::Dau) {
    const long long bytesPerMm = 2LL * file.map.Layers;
    if (bytesPerMm == 0) return std::nullopt;
    e.headerMm = file.map.Length;
    e.shownMm = std::min(static_cast<long long>(file.body.size()) / bytesPerMm, e.headerMm);
    if (e.shownMm >= e.headerMm) return std::nullopt;
  } else {
    return std::nullopt;
  }
  return e;
}

std::string shortBodyText(const BodyExtent& e, const text::NumberFormat& nf) {
  return "Данные неполные: показано " + text::formatDouble(double(e.shownMm), "#,##0", nf) + " мм из " +
         text::formatDouble(double(e.headerMm), "#,##0", nf) + " мм";
}

}  // namespace datafiles
