// The value tables of a thickness file: all readings, or the samples at or below a threshold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/gfx/color.h"
#include "core/text/numfmt.h"
#include "core/thickness/readings.h"

namespace thickness {

// clInactiveCaptionText, the cell colour of the grid (classic light grey).
constexpr gfx::Color kInactiveCaptionText = 0xC8D0D4;

enum class TableForm {
  AllValues,  // every sample of the file
  Threshold,  // the samples found by the threshold search
  NoResult,   // the threshold search found nothing: "ТОЛЩИНЫ НИЖЕ ПОРОГА НЕТ"
};

// One data row: the sample it shows, its converted readings and row extremes.
struct ValueRow {
  std::uint32_t sample = 0;
  Readings readings{};
  RowExtremes extremes;
};

// A table of 7 columns; row 0 is the header row (empty in the no-result form). Cells are
// formatted when asked for, so that a table of any length costs only what is shown.
class ValueTable {
 public:
  static constexpr int kColumns = 7;

  ValueTable() = default;
  ValueTable(TableForm form, std::uint16_t nominal, text::NumberFormat nf, std::vector<ValueRow> rows);

  TableForm form() const { return form_; }
  // RowCount: row 0 plus the data rows (5 in the no-result form).
  std::size_t rowCount() const;
  // Text of a cell; empty outside the table.
  std::string cell(std::size_t row, int column) const;
  // Colour of the fixed row 0: clInfoBk, or the cell colour in the no-result form.
  gfx::Color fixedRowColor() const;
  // Cell (0, 0) is empty exactly in the no-result form; printing tests it.
  bool noResult() const { return form_ == TableForm::NoResult; }
  const std::vector<ValueRow>& rows() const { return rows_; }

 private:
  std::string dataCell(const ValueRow& row, int column) const;

  TableForm form_ = TableForm::AllValues;
  std::uint16_t nominal_ = 0;
  text::NumberFormat nf_;
  std::vector<ValueRow> rows_;
};

struct AllValues {
  ValueTable table;
  ThkExtremes extremes{0.0f, 0.0f};
};

// The all-values table of a loaded .DTM file and the overall extremes it yields.
// Rows beyond the samples the body holds are shown as lost contact ("--").
AllValues fillAllValues(const datafiles::LoadedFile& file, const text::NumberFormat& nf);

// The threshold search: indexes of samples 0 .. count - 1 (and within the body), in
// ascending order, where a sensor reads trunc(r x 0.01), cut to 16 bits, at or below
// the threshold; markers are skipped, readings above the nominal are not excluded.
std::vector<std::uint16_t> thresholdSearch(const datafiles::LoadedFile& file, std::size_t count,
                                           std::uint16_t threshold);

// The threshold table of the listed samples, or the no-result form for an empty list.
ValueTable fillThreshold(const datafiles::LoadedFile& file, const std::vector<std::uint16_t>& indexes,
                         const text::NumberFormat& nf);

}  // namespace thickness
