// The statistics tables as text cells, and their tab-separated and CSV forms.
#include "core/analysis/stats_tables.h"

#include <algorithm>

#include "core/defectmap/defect_codes.h"
#include "core/thickness/readings.h"

namespace analysis {

namespace {

const char* kNone = "--";

std::string num(std::size_t v) { return std::to_string(v); }

std::string percent(std::uint32_t mm, std::uint16_t length, const text::NumberFormat& nf) {
  return text::formatDouble(percentOfLength(mm, length), "0.0", nf);
}

// A thickness as the value table shows it.
std::string thicknessCell(const Extreme& e, const text::NumberFormat& nf) {
  return e.found ? thickness::displayedThickness(e.micrometres, nf) : kNone;
}

std::string millimetres(double micrometres, const text::NumberFormat& nf) {
  return text::formatDouble(micrometres * 0.001, "0.00", nf);
}

std::vector<std::string> sensorRow(const std::string& title, const SensorStats& s, std::uint16_t length,
                                   const text::NumberFormat& nf) {
  const bool any = s.valid > 0;
  std::vector<std::string> row{title,
                               thicknessCell(s.min, nf),
                               s.min.found ? num(s.min.position) : kNone,
                               thicknessCell(s.max, nf),
                               s.max.found ? num(s.max.position) : kNone,
                               any ? millimetres(s.mean, nf) : kNone,
                               any ? millimetres(s.deviation, nf) : kNone,
                               num(s.contactLost),
                               num(s.speedExceeded),
                               num(s.aboveNominal)};
  for (std::uint32_t mm : s.belowMm) row.push_back(percent(mm, length, nf));
  row.push_back(percent(s.noValidMm, length, nf));
  return row;
}

std::string className(int slot) {
  const std::string& label = defectmap::legendLabels()[std::size_t(slot)];
  return label.substr(std::min(label.find_first_not_of(' '), label.size()));
}

std::string gateName(Gate g) {
  switch (g) {
    case Gate::Main:
      return "Основной";
    case Gate::Agc:
      return "АРУ";
    case Gate::Extra:
      return "Дополнительный";
  }
  return {};
}

// A size is an indication's; the cells where the weld was not inspected carry none.
std::string sizeCell(int slot, std::uint8_t size) { return slot < kDefectClasses ? num(size) : kNone; }

}  // namespace

TextTable thicknessStatsTable(const ThicknessStats& s, const text::NumberFormat& nf) {
  TextTable t;
  t.header = {"Датчик",
              "Мин. мм",
              "Позиция мин. мм",
              "Макс. мм",
              "Позиция макс. мм",
              "Среднее мм",
              "СКО мм",
              "Нарушение контакта",
              "Превышение скорости",
              "Превышение толщины"};
  for (int p : kThinPercents) t.header.push_back("Ниже " + std::to_string(p) + " % длины %");
  t.header.push_back("Без показаний длины %");
  for (std::size_t i = 0; i < s.sensors.size(); ++i)
    t.rows.push_back(sensorRow("Датчик " + std::to_string(i + 1), s.sensors[i], s.length, nf));
  t.rows.push_back(sensorRow("Все датчики", s.overall, s.length, nf));
  return t;
}

TextTable thinZonesTable(const std::vector<ThinZone>& zones, const text::NumberFormat& nf) {
  TextTable t;
  t.header = {"Начало мм", "Конец мм", "Длина мм", "Мин. мм", "Датчик", "Позиция мин. мм"};
  for (const ThinZone& z : zones) {
    t.rows.push_back({num(z.start), num(z.end), num(z.length), thickness::displayedThickness(z.minMicrometres, nf),
                      num(std::size_t(z.minSensor)), num(z.minPosition)});
  }
  return t;
}

TextTable mapStatsTable(const MapStats& s, const text::NumberFormat& nf) {
  TextTable t;
  t.header = {
      "Слой",        "Класс", "Количество", "Длина мм", "Наиб. размер", "Первая позиция мм", "Последняя позиция мм",
      "Доля длины %"};
  for (const ClassStats& c : s.classes) {
    t.rows.push_back({num(std::size_t(c.layer)), className(c.slot), num(c.count), num(c.totalMm),
                      sizeCell(c.slot, c.largest), num(c.first), num(c.last), percent(c.totalMm, s.length, nf)});
  }
  std::size_t indications = 0;
  std::uint8_t largestIndication = 0;
  for (int slot = 0; slot < kMapClasses; ++slot) {
    const ClassStats all = classOverLayers(s, slot);
    if (all.count == 0) continue;
    if (slot < kDefectClasses) {
      indications += all.count;
      largestIndication = std::max(largestIndication, all.largest);
    }
    t.rows.push_back({"Все", className(slot), num(all.count), num(all.totalMm), sizeCell(slot, all.largest),
                      num(all.first), num(all.last), percent(s.coveredPerClass[std::size_t(slot)], s.length, nf)});
  }
  const bool any = s.indicationMm > 0;
  t.rows.push_back({"Все", "Все индикации", num(indications), num(s.indicationMm), any ? num(largestIndication) : kNone,
                    any ? num(s.firstIndication) : kNone, any ? num(s.lastIndication) : kNone,
                    percent(s.indicationMm, s.length, nf)});
  return t;
}

TextTable mapRunsTable(const ClassStats& c) {
  TextTable t;
  t.header = {"Слой", "Начало мм", "Конец мм", "Длина мм", "Наиб. размер"};
  for (const MapRun& r : c.runs)
    t.rows.push_back({num(std::size_t(r.layer)), num(r.start), num(r.end), num(r.length), sizeCell(r.slot, r.largest)});
  return t;
}

TextTable gatePeaksTable(const std::vector<GatePeak>& peaks, const text::NumberFormat& nf) {
  TextTable t;
  t.header = {"Строб",     "Начало мкс", "Конец мкс", "Порог %",   "Отсчет",
              "Амплитуда", "Высота %",   "Время мкс", "Глубина мм"};
  for (const GatePeak& p : peaks) {
    std::vector<std::string> row{gateName(p.gate), text::formatDouble(p.startUs, "0.0", nf),
                                 text::formatDouble(p.endUs, "0.0", nf), num(std::size_t(p.level))};
    if (p.found) {
      row.insert(row.end(), {num(p.sample), num(p.amplitude), text::formatDouble(p.screenPercent, "0.0", nf),
                             text::formatDouble(p.timeUs, "0.00", nf), text::formatDouble(p.depthMm, "0.00", nf)});
    } else {
      row.insert(row.end(), 5, kNone);
    }
    t.rows.push_back(std::move(row));
  }
  return t;
}

TextTable statsTable(const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  switch (file.kind) {
    case datafiles::FileKind::Dtm:
      return thicknessStatsTable(thicknessStats(file), nf);
    case datafiles::FileKind::Dau:
      return mapStatsTable(mapStats(file), nf);
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht:
      return gatePeaksTable(gatePeaks(file), nf);
    case datafiles::FileKind::None:
      break;
  }
  return {};
}

namespace {

std::string joined(const std::vector<std::string>& cells, const char* separator, bool quote) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += separator;
    const std::string& c = cells[i];
    if (quote && c.find_first_of(";\"\r\n") != std::string::npos) {
      line += '"';
      for (char ch : c) line += ch == '"' ? std::string("\"\"") : std::string(1, ch);
      line += '"';
    } else if (quote) {
      line += c;
    } else {
      // A tab or a line break inside a cell (an object's name) would split the row.
      for (char ch : c) line += (ch == '\t' || ch == '\n' || ch == '\r') ? ' ' : ch;
    }
  }
  return line + "\n";
}

}  // namespace

TextTable transposed(const TextTable& t, const std::string& corner) {
  TextTable out;
  if (t.header.empty()) return out;
  out.header.push_back(corner);
  for (const auto& row : t.rows) out.header.push_back(row.empty() ? std::string() : row[0]);
  for (std::size_t c = 1; c < t.header.size(); ++c) {
    std::vector<std::string> row{t.header[c]};
    for (const auto& r : t.rows) row.push_back(c < r.size() ? r[c] : std::string());
    out.rows.push_back(std::move(row));
  }
  return out;
}

std::string tabSeparated(const TextTable& t) {
  std::string out = joined(t.header, "\t", false);
  for (const auto& row : t.rows) out += joined(row, "\t", false);
  return out;
}

std::string csvText(const TextTable& t) {
  std::string out = joined(t.header, ";", true);
  for (const auto& row : t.rows) out += joined(row, ";", true);
  return out;
}

}  // namespace analysis
