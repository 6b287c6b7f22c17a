// The value tables of a thickness file: filling, cell texts and the threshold search.
#include "core/thickness/value_table.h"

#include <algorithm>
#include <utility>

#include "core/text/messages.h"

namespace thickness {

namespace {

// Rows the body does not hold read as lost contact on every sensor.
constexpr Readings kMissing{kContactLostMarker, kContactLostMarker, kContactLostMarker, kContactLostMarker};

ValueRow makeRow(const datafiles::LoadedFile& file, std::size_t sample) {
  ValueRow row;
  row.sample = std::uint32_t(sample);
  row.readings = readSample(file, sample).value_or(kMissing);
  row.extremes = rowExtremes(row.readings, file.thk.NominalThickness);
  return row;
}

}  // namespace

ValueTable::ValueTable(TableForm form, std::uint16_t nominal, text::NumberFormat nf, std::vector<ValueRow> rows)
    : form_(form), nominal_(nominal), nf_(std::move(nf)), rows_(std::move(rows)) {}

std::size_t ValueTable::rowCount() const { return form_ == TableForm::NoResult ? 5 : rows_.size() + 1; }

gfx::Color ValueTable::fixedRowColor() const {
  return form_ == TableForm::NoResult ? kInactiveCaptionText : gfx::sys::kInfoBk;
}

std::string ValueTable::cell(std::size_t row, int column) const {
  if (column < 0 || column >= kColumns || row >= rowCount()) return {};
  if (form_ == TableForm::NoResult) {
    if (row != 4) return {};
    switch (column) {
      case 1:
        return text::msg(text::Msg::thick);
      case 2:
        return text::msg(text::Msg::under);
      case 3:
        return text::msg(text::Msg::lev);
      case 4:
        return text::msg(text::Msg::no);
      default:
        return {};
    }
  }
  if (row == 0) {
    static constexpr text::Msg kHeaders[kColumns] = {text::Msg::pos,     text::Msg::pep1, text::Msg::pep2,
                                                     text::Msg::pep3,    text::Msg::pep4, text::Msg::minthick,
                                                     text::Msg::maxthick};
    return text::msg(kHeaders[column]);
  }
  return dataCell(rows_[row - 1], column);
}

std::string ValueTable::dataCell(const ValueRow& row, int column) const {
  if (column == 0) return text::formatScaled(std::int64_t(row.sample) * 2, 0, "00000", nf_);
  if (column <= 4) return readingCell(row.readings[std::size_t(column - 1)], nominal_, nf_);
  // The all-values table shows its extremes without a leading zero, the threshold table with one.
  const char* pattern = form_ == TableForm::AllValues ? "###.0" : "##0.0";
  const std::uint32_t v = column == 5 ? row.extremes.min : row.extremes.max;
  if (v == 0) return "--";
  return text::formatScaled(v, 3, pattern, nf_);
}

AllValues fillAllValues(const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  const std::size_t dataRows = tableRowCount(file) - 1;
  std::vector<ValueRow> rows;
  rows.reserve(dataRows);
  OverallExtremes overall;
  for (std::size_t k = 0; k < dataRows; ++k) {
    rows.push_back(makeRow(file, k));
    overall.add(rows.back().extremes);
  }
  AllValues result;
  result.extremes = overall.result();
  result.table = ValueTable(TableForm::AllValues, file.thk.NominalThickness, nf, std::move(rows));
  return result;
}

std::vector<std::uint16_t> thresholdSearch(const datafiles::LoadedFile& file, std::size_t count,
                                           std::uint16_t threshold) {
  std::vector<std::uint16_t> found;
  const std::size_t n = std::min({count, samplesInBody(file), std::size_t(65536)});
  for (std::size_t i = 0; i < n; ++i) {
    const Readings r = *readSample(file, i);
    for (std::uint32_t v : r) {
      if (v == kContactLostMarker || v == kSpeedExceededMarker) continue;
      if (std::uint16_t(v / 100) <= threshold) {
        found.push_back(std::uint16_t(i));
        break;
      }
    }
  }
  return found;
}

ValueTable fillThreshold(const datafiles::LoadedFile& file, const std::vector<std::uint16_t>& indexes,
                         const text::NumberFormat& nf) {
  if (indexes.empty()) return ValueTable(TableForm::NoResult, file.thk.NominalThickness, nf, {});
  std::vector<ValueRow> rows;
  rows.reserve(indexes.size());
  for (std::uint16_t s : indexes) rows.push_back(makeRow(file, s));
  return ValueTable(TableForm::Threshold, file.thk.NominalThickness, nf, std::move(rows));
}

}  // namespace thickness
