// Thickness readings: classes, deviation colours, display rounding, extremes, sample counts.
#include "core/thickness/readings.h"

#include <algorithm>
#include <cmath>

#include "core/datafiles/decoders.h"

namespace thickness {

ReadingClass classify(std::uint32_t r, std::uint16_t nominal) {
  if (r == kContactLostMarker) return ReadingClass::ContactLost;
  if (r == kSpeedExceededMarker) return ReadingClass::SpeedExceeded;
  // r x 0.01 > N, compared exactly in micrometres; an unsigned reading is never below 0.
  if (std::uint64_t(r) > std::uint64_t(nominal) * 100u) return ReadingClass::ThicknessExceeded;
  return ReadingClass::Valid;
}

float tenths(std::uint32_t r) { return float(double(r) * 0.01); }

gfx::Color classColor(ReadingClass c) {
  switch (c) {
    case ReadingClass::ContactLost:
      return kContactLostColor;
    case ReadingClass::SpeedExceeded:
      return kSpeedExceededColor;
    case ReadingClass::ThicknessExceeded:
      return kThicknessExceededColor;
    case ReadingClass::Valid:
      break;
  }
  return DeviationColors[0][0];
}

gfx::Color deviationColor(float t, std::uint16_t nominal) {
  const gfx::Color deepest = DeviationColors[4][9];
  if (nominal <= 1) return deepest;
  const float band = float((double(nominal) - 1.0) * 0.2);
  const float step = float((double(nominal) - 1.0) * 0.02);
  const float d = float(double(nominal) - double(t));
  if (double(d) == double(nominal)) return deepest;
  double gq = std::trunc(double(d) / double(band));
  int g = gq >= 5.0 ? 4 : (gq < 0.0 ? 0 : int(gq));
  double hq = std::trunc(double(d) / double(step) - 10.0 * g);
  int h = hq >= 9.0 ? 9 : (hq < 0.0 ? 0 : int(hq));
  return DeviationColors[g][h];
}

ChartValue ChartRunningValue::next(std::uint32_t r) {
  ChartValue v;
  v.cls = classify(r, nominal_);
  if (v.cls == ReadingClass::Valid) {
    const float t = tenths(r);
    p_ = double(t) * 0.1;
    v.color = deviationColor(t, nominal_);
  } else {
    v.color = classColor(v.cls);
  }
  v.mm = p_;
  return v;
}

std::uint32_t displayedMicrometres(std::uint32_t r) {
  const std::uint32_t q = r % 100;
  return q > 50 ? r - q : r;
}

std::string displayedThickness(std::uint32_t r, const text::NumberFormat& nf) {
  return text::formatScaled(displayedMicrometres(r), 3, "##0.0", nf);
}

std::string readingCell(std::uint32_t r, std::uint16_t nominal, const text::NumberFormat& nf) {
  switch (classify(r, nominal)) {
    case ReadingClass::ContactLost:
    case ReadingClass::ThicknessExceeded:
      return "--";
    case ReadingClass::SpeedExceeded:
      return "XX";
    case ReadingClass::Valid:
      break;
  }
  return displayedThickness(r, nf);
}

void RowExtremes::add(std::uint32_t displayed) {
  if (min == 0 || min > displayed) min = displayed;
  if (max == 0 || max < displayed) max = displayed;
}

RowExtremes rowExtremes(const Readings& r, std::uint16_t nominal) {
  RowExtremes e;
  for (std::uint32_t v : r)
    if (classify(v, nominal) == ReadingClass::Valid) e.add(displayedMicrometres(v));
  return e;
}

void OverallExtremes::add(const RowExtremes& row) {
  if (row.max > 0 && (max_ == 0 || max_ < row.max)) max_ = row.max;
  if (row.min > 0 && (min_ == 0 || min_ > row.min)) min_ = row.min;
}

ThkExtremes OverallExtremes::result() const { return {float(double(max_) * 0.001), float(double(min_) * 0.001)}; }

std::size_t samplesInBody(const datafiles::LoadedFile& file) { return file.body.size() / 8; }

std::optional<Readings> readSample(const datafiles::LoadedFile& file, std::size_t k) {
  if (k >= samplesInBody(file)) return std::nullopt;
  std::array<std::uint16_t, 4> raw{};
  for (std::size_t i = 0; i < 4; ++i) raw[i] = file.value(4 * k + i);
  return datafiles::RawToThickness(raw, file.thk);
}

std::size_t chartSampleCount(const datafiles::ThicknessHeader& hdr) { return hdr.Length / 2u; }

std::size_t tableRowCount(std::size_t valuesRead, std::uint16_t length) {
  std::size_t rows = valuesRead / 4 + ((length & 1u) ? 1 : 0);
  return std::clamp<std::size_t>(rows, 1, 65536);
}

std::size_t tableRowCount(const datafiles::LoadedFile& file) {
  return tableRowCount(file.valueCount(), file.thk.Length);
}

}  // namespace thickness
