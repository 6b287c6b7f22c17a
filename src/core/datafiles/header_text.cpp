// Header panel texts of the three formats.
#include "core/datafiles/header_text.h"

#include <cstdio>

namespace datafiles {

std::string temperatureText(int t) { return "Температура:" + std::string(t > 0 ? "+" : "") + std::to_string(t) + "C"; }

std::string dateText(int day, int month, int year) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d-20%02d", day, month, year);
  return buf;
}

std::string timeText(int h, int m, int s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, m, s);
  return buf;
}

std::string kindName(FileKind kind) {
  switch (kind) {
    case FileKind::Dtm:
      return "DTM";
    case FileKind::Dau:
      return "DAU";
    case FileKind::Dhn:
      return "DHN";
    case FileKind::Dht:
      return "DHT";
    case FileKind::None:
      break;
  }
  return "";
}

namespace {

template <typename H>
std::vector<HeaderText> mapOrThickness(const H& h, int temperature, const std::string& firstLabel,
                                       const std::string& firstText, const text::NumberFormat& nf) {
  using L = HeaderLabel;
  return {
      {L::Datelb, "Дата:" + dateText(h.Day, h.Month, h.Year)},
      {L::Btimelb, "Начало:" + timeText(h.StartHour, h.StartMinute, h.StartSecond)},
      {L::Etimelb, "Окончание:" + timeText(h.EndHour, h.EndMinute, h.EndSecond)},
      {L::IDDevlb, "Номер прибора:" + std::to_string(h.UnitNumber)},
      {L::Bloklb, "Блок:" + std::to_string(h.Block)},
      {L::Templb, temperatureText(temperature)},
      {L::Tolshlb, "Толщина(мм):" + text::formatScaled(h.NominalThickness, 1, "##0.0", nf)},
      {L::Diamlb, "Диаметр(мм):" + std::to_string(h.Diameter)},
      {L::Lenlb, "Длина(мм):" + std::to_string(h.Length)},
      {L::Shovlb, firstLabel + firstText},
      {L::Izdlb, "Изделие:" + h.Product},
  };
}

}  // namespace

std::vector<HeaderText> HeaderTexts(const LoadedFile& file, const text::NumberFormat& nf) {
  using L = HeaderLabel;
  switch (file.kind) {
    case FileKind::Dtm:
      return mapOrThickness(file.thk, file.Temperature, "Участок:", file.thk.Section, nf);
    case FileKind::Dau: {
      auto texts = mapOrThickness(file.map, file.Temperature, "Шов:", file.map.Weld, nf);
      texts.push_back({L::Layerslb, "Число слоев:" + std::to_string(file.map.Layers)});
      return texts;
    }
    case FileKind::Dhn:
    case FileKind::Dht: {
      const FlawHeader& h = file.flaw;
      return {
          {L::Datelb, "Дата:" + dateText(h.Day, h.Month, h.Year)},
          {L::Btimelb, "Начало:" + timeText(h.Hour, h.Minute, h.Second)},
          {L::IDDevlb, "Номер прибора:" + std::to_string(h.UnitNumber)},
          {L::Bloklb, "Блок:" + std::to_string(h.Block)},
          {L::Templb, temperatureText(file.Temperature)},
      };
    }
    case FileKind::None:
      break;
  }
  return {};
}

}  // namespace datafiles
