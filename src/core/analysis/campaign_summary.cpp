// Campaign summary rows: the key figures of each result file, sorted by date; refused files keep their message.
#include "core/analysis/campaign_summary.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "core/analysis/thickness_stats.h"
#include "core/datafiles/header_text.h"
#include "core/defectmap/defect_codes.h"
#include "core/thickness/readings.h"

namespace analysis {

namespace {

// The refusal's messages on one line: every run of blanks and line breaks becomes one blank.
std::string oneLine(const text::Refusal& refusal) {
  // The reader's message and the closing one can be the same text: said once.
  std::string all;
  for (std::size_t i = 0; i < refusal.messages.size(); ++i)
    if (i == 0 || refusal.messages[i] != refusal.messages[i - 1]) all += refusal.messages[i] + " ";
  std::string line;
  for (char c : all) {
    const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (blank && (line.empty() || line.back() == ' ')) continue;
    line += blank ? ' ' : c;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

template <class Header>
std::array<int, 6> mapLikeWhen(const Header& h) {
  return {h.Year, h.Month, h.Day, h.StartHour, h.StartMinute, h.StartSecond};
}

// What a run and a map both say in their headers: when, which unit, what object, how long, how thick.
template <class Header>
void fillMapLike(SummaryRow& row, const Header& h, const std::string& object) {
  row.when = mapLikeWhen(h);
  row.unitNumber = h.UnitNumber;
  row.object = object;
  row.hasLength = true;
  row.length = h.Length;
  row.nominal = h.NominalThickness;
}

void fillThickness(SummaryRow& row, const datafiles::LoadedFile& file) {
  fillMapLike(row, file.thk, file.thk.Section);
  const ThicknessStats st = thicknessStats(file);
  row.hasThickness = true;
  row.minFound = st.overall.min.found;
  row.minMicrometres = st.overall.min.micrometres;
  row.minPosition = st.overall.min.position;
  row.below80Percent = percentOfLength(st.overall.belowMm[0], st.length);
}

void fillMap(SummaryRow& row, const datafiles::LoadedFile& file) {
  fillMapLike(row, file.map, file.map.Weld);
  row.hasClasses = true;
  row.perClass = mapStats(file).countPerClass;
}

}  // namespace

SummaryRow summaryRow(const std::string& name, const datafiles::OpenResult& opened) {
  SummaryRow row;
  row.name = name;
  if (!opened.ok) {
    row.refused = true;
    row.refusal = oneLine(datafiles::openRefusal(opened, name));
    return row;
  }
  const datafiles::LoadedFile& file = opened.file;
  row.kind = file.kind;
  switch (file.kind) {
    case datafiles::FileKind::Dtm:
      fillThickness(row, file);
      break;
    case datafiles::FileKind::Dau:
      fillMap(row, file);
      break;
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht: {
      const auto& h = file.flaw;
      row.when = {h.Year, h.Month, h.Day, h.Hour, h.Minute, h.Second};
      row.unitNumber = h.UnitNumber;
      row.object = h.ObjectName;
      break;
    }
    case datafiles::FileKind::None:
      break;
  }
  return row;
}

SummaryRow summarizeFile(const std::string& name) { return summaryRow(name, datafiles::loadDataFile(name)); }

void sortByDate(std::vector<SummaryRow>& rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const SummaryRow& a, const SummaryRow& b) {
    return std::tie(a.refused, a.when, a.name) < std::tie(b.refused, b.when, b.name);
  });
}

TextTable summaryTable(const std::vector<SummaryRow>& rows, const text::NumberFormat& nf) {
  TextTable t;
  t.header = {"Файл",     "Вид",        "Дата",    "Время",           "Объект",
              "Длина мм", "Толщина мм", "Мин. мм", "Позиция мин. мм", "Ниже 80 % длины %"};
  for (int slot = 0; slot < kMapClasses; ++slot) {
    const std::string& label = defectmap::legendLabels()[std::size_t(slot)];
    t.header.push_back(label.substr(std::min(label.find_first_not_of(' '), label.size())));
  }
  t.header.push_back("Отказ");
  for (const SummaryRow& r : rows) {
    std::vector<std::string> cells(t.header.size());
    cells[0] = r.name;
    if (r.refused) {
      cells.back() = r.refusal;
      t.rows.push_back(std::move(cells));
      continue;
    }
    cells[1] = datafiles::kindName(r.kind);
    cells[2] = datafiles::dateText(r.when[2], r.when[1], r.when[0]);
    cells[3] = datafiles::timeText(r.when[3], r.when[4], r.when[5]);
    cells[4] = r.object;
    if (r.hasLength) {
      cells[5] = std::to_string(r.length);
      cells[6] = text::formatScaled(r.nominal, 1, "##0.0", nf);
    }
    if (r.hasThickness) {
      cells[7] = r.minFound ? thickness::displayedThickness(r.minMicrometres, nf) : "--";
      cells[8] = r.minFound ? std::to_string(r.minPosition) : "--";
      cells[9] = text::formatDouble(r.below80Percent, "0.0", nf);
    }
    if (r.hasClasses) {
      for (int slot = 0; slot < kMapClasses; ++slot)
        cells[10 + std::size_t(slot)] = std::to_string(r.perClass[std::size_t(slot)]);
    }
    t.rows.push_back(std::move(cells));
  }
  return t;
}

}  // namespace analysis
