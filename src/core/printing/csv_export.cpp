// CSV exports.
#include "core/printing/csv_export.h"

#include <algorithm>
#include <vector>

#include "core/analysis/gate_peaks.h"
#include "core/defectmap/defect_codes.h"
#include "core/thickness/readings.h"

namespace printing {
namespace {

std::string trimmed(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b);
}

std::string readingField(std::uint32_t r, const text::NumberFormat& nf) {
  if (r == thickness::kContactLostMarker) return "Нарушение контакта";
  if (r == thickness::kSpeedExceededMarker) return "Превышение скорости";
  return text::formatScaled(r, 3, "0.000", nf);
}

}  // namespace

std::string csvThickness(const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  std::string out = "Позиция мм;Датчик1;Датчик2;Датчик3;Датчик4\n";
  const std::size_t n = thickness::samplesInBody(file);
  for (std::size_t k = 0; k < n; ++k) {
    const auto r = thickness::readSample(file, k);
    if (!r) break;
    out += std::to_string(2 * k);
    for (std::uint32_t v : *r) out += ";" + readingField(v, nf);
    out += "\n";
  }
  return out;
}

std::string csvDefectMap(const datafiles::LoadedFile& file) {
  struct Run {
    std::size_t start, end;
    int layer;
    std::uint8_t type, size;
  };
  std::vector<Run> runs;
  const std::size_t layers = file.map.Layers;
  const std::size_t length = file.map.Length;
  for (std::size_t layer = 0; layer < layers; ++layer) {
    bool open = false;
    Run run{};
    for (std::size_t mm = 0; mm <= length; ++mm) {
      const std::size_t at = 2 * (layers * mm + layer);
      const bool inside = mm < length && at + 1 < file.body.size();
      const std::uint8_t size = inside ? file.body[at] : 0;
      const std::uint8_t type = inside ? file.body[at + 1] : 0;
      const bool indication = size != 0 && defectmap::colorSlot(type).has_value();
      if (open && (!indication || size != run.size || type != run.type)) {
        runs.push_back(run);
        open = false;
      }
      if (indication && !open) {
        run = Run{mm, mm, int(layer), type, size};
        open = true;
      } else if (open) {
        run.end = mm;
      }
    }
  }
  std::stable_sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.start < b.start; });
  std::string out = "Начало мм;Конец мм;Слой;Класс;Размер\n";
  const auto& labels = defectmap::legendLabels();
  for (const Run& r : runs) {
    out += std::to_string(r.start) + ";" + std::to_string(r.end) + ";" + std::to_string(r.layer + 1) + ";" +
           trimmed(labels[std::size_t(*defectmap::colorSlot(r.type))]) + ";" + std::to_string(r.size) + "\n";
  }
  return out;
}

std::string csvFlaw(const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  std::string out = "Отсчет;Амплитуда;Время мкс;Глубина мм\n";
  const analysis::SampleAxis axis = analysis::sampleAxis(file);
  const std::size_t n = std::min<std::size_t>(file.flaw.AScanLength, file.body.size());
  for (std::size_t i = 0; i < n; ++i) {
    out += std::to_string(i) + ";" + std::to_string(file.body[i]) + ";";
    // A sweep without width has no time axis: the two fields stay empty.
    if (axis.valid)
      out += text::formatDouble(axis.timeUs(i), "0.00", nf) + ";" + text::formatDouble(axis.depthMm(i), "0.00", nf);
    else
      out += ";";
    out += "\n";
  }
  return out;
}

}  // namespace printing
