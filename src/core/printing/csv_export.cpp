// CSV exports, written row by row.
#include "core/printing/csv_export.h"

#include <sstream>

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

// One run of equal indication in one layer.
struct Run {
  std::size_t start, end;
  int layer;
  std::uint8_t type, size;
};

// The runs of one layer, found one at a time from the start of the map on.
class LayerRuns {
 public:
  LayerRuns(const datafiles::LoadedFile& file, std::size_t layer) : file_(file), layer_(layer) { advance(); }
  bool done() const { return !has_; }
  const Run& run() const { return run_; }

  // The next run after the current one (or the first).
  void advance() {
    const std::size_t length = file_.map.Length;
    has_ = false;
    for (; mm_ < length; ++mm_) {
      if (!indication(mm_)) continue;
      run_ = Run{mm_, mm_, int(layer_), type(mm_), size(mm_)};
      while (++mm_ < length && indication(mm_) && type(mm_) == run_.type && size(mm_) == run_.size) run_.end = mm_;
      has_ = true;
      return;
    }
  }

 private:
  std::size_t at(std::size_t mm) const { return 2 * (std::size_t(file_.map.Layers) * mm + layer_); }
  bool inside(std::size_t mm) const { return at(mm) + 1 < file_.body.size(); }
  std::uint8_t size(std::size_t mm) const { return inside(mm) ? file_.body[at(mm)] : 0; }
  std::uint8_t type(std::size_t mm) const { return inside(mm) ? file_.body[at(mm) + 1] : 0; }
  bool indication(std::size_t mm) const { return size(mm) != 0 && defectmap::colorSlot(type(mm)).has_value(); }

  const datafiles::LoadedFile& file_;
  std::size_t layer_;
  std::size_t mm_ = 0;
  Run run_{};
  bool has_ = false;
};

template <class Writer>
std::string toText(Writer write) {
  std::ostringstream out;
  write(out);
  return std::move(out).str();
}

}  // namespace

void csvThickness(std::ostream& out, const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  out << "Позиция мм;Датчик1;Датчик2;Датчик3;Датчик4\n";
  const std::size_t n = thickness::samplesInBody(file);
  std::string row;
  for (std::size_t k = 0; k < n; ++k) {
    const auto r = thickness::readSample(file, k);
    if (!r) break;
    row = std::to_string(2 * k);
    for (std::uint32_t v : *r) row += ";" + readingField(v, nf);
    row += "\n";
    out << row;
  }
}

// Runs in the order of their start, those starting together in the order of their layers:
// the layers' runs are merged as they are found.
void csvDefectMap(std::ostream& out, const datafiles::LoadedFile& file) {
  std::vector<LayerRuns> layers;
  for (std::size_t layer = 0; layer < file.map.Layers; ++layer) layers.emplace_back(file, layer);
  out << "Начало мм;Конец мм;Слой;Класс;Размер\n";
  const auto& labels = defectmap::legendLabels();
  for (;;) {
    LayerRuns* next = nullptr;
    for (LayerRuns& l : layers)
      if (!l.done() && (!next || l.run().start < next->run().start)) next = &l;
    if (!next) break;
    const Run& r = next->run();
    out << std::to_string(r.start) + ";" + std::to_string(r.end) + ";" + std::to_string(r.layer + 1) + ";" +
               trimmed(labels[std::size_t(*defectmap::colorSlot(r.type))]) + ";" + std::to_string(r.size) + "\n";
    next->advance();
  }
}

void csvFlaw(std::ostream& out, const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  out << "Отсчет;Амплитуда;Время мкс;Глубина мм\n";
  const analysis::SampleAxis axis = analysis::sampleAxis(file);
  const std::size_t n = std::min<std::size_t>(file.flaw.AScanLength, file.body.size());
  for (std::size_t i = 0; i < n; ++i) {
    std::string row = std::to_string(i) + ";" + std::to_string(file.body[i]) + ";";
    // A sweep without width has no time axis: the two fields stay empty.
    if (axis.valid)
      row += text::formatDouble(axis.timeUs(i), "0.00", nf) + ";" + text::formatDouble(axis.depthMm(i), "0.00", nf);
    else
      row += ";";
    out << row << "\n";
  }
}

std::string csvThickness(const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  return toText([&](std::ostream& out) { csvThickness(out, file, nf); });
}

std::string csvDefectMap(const datafiles::LoadedFile& file) {
  return toText([&](std::ostream& out) { csvDefectMap(out, file); });
}

std::string csvFlaw(const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  return toText([&](std::ostream& out) { csvFlaw(out, file, nf); });
}

void csvOfFile(std::ostream& out, const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  switch (file.kind) {
    case datafiles::FileKind::Dtm:
      csvThickness(out, file, nf);
      break;
    case datafiles::FileKind::Dau:
      csvDefectMap(out, file);
      break;
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht:
      csvFlaw(out, file, nf);
      break;
    case datafiles::FileKind::None:
      break;
  }
}

}  // namespace printing
