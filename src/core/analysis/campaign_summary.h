// The summary of a campaign: one row per result file with its key figures, refused files with their message.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/analysis/map_stats.h"
#include "core/analysis/stats_tables.h"
#include "core/datafiles/loaded_file.h"
#include "core/datafiles/reader.h"
#include "core/text/numfmt.h"

namespace analysis {

struct SummaryRow {
  std::string name;  // the file name as given
  bool refused = false;
  std::string refusal;  // the refusal's messages on one line
  datafiles::FileKind kind = datafiles::FileKind::None;
  // Date and start time as stored (year within the century): the sort key.
  std::array<int, 6> when{};
  std::uint16_t unitNumber = 0;  // the unit that wrote the file
  std::string object;            // section, weld or object name
  bool hasLength = false;        // thickness and map files
  std::uint16_t length = 0;
  std::uint16_t nominal = 0;  // tenths of a mm
  // Thickness files: the smallest valid reading and its position, the share below 80 %.
  bool hasThickness = false;
  bool minFound = false;
  std::uint32_t minMicrometres = 0;
  std::uint32_t minPosition = 0;
  double below80Percent = 0;
  // Map files: indications per class over all layers (legend slots).
  bool hasClasses = false;
  std::array<std::size_t, kMapClasses> perClass{};
};

// The row of one opened (or refused) file; name is what the refusal names.
SummaryRow summaryRow(const std::string& name, const datafiles::OpenResult& opened);
// Opens name with the reader and builds its row.
SummaryRow summarizeFile(const std::string& name);

// Sorted by date and time; refused files after the others, each group then by name.
void sortByDate(std::vector<SummaryRow>& rows);

// The table: Файл, Вид, Дата, Объект, Длина мм, Толщина мм, Мин. мм, Позиция мин. мм, Ниже 80 %,
// the six classes; a refused file's row holds its message in the kind's column, the rest empty.
TextTable summaryTable(const std::vector<SummaryRow>& rows, const text::NumberFormat& nf);

}  // namespace analysis
