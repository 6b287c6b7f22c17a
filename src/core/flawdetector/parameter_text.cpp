// The lines of parameter text that describe a flaw-detector record, and their writing.
#include "core/flawdetector/parameter_text.h"

#include <algorithm>

namespace flaw {

namespace {

std::string FT(std::uint32_t v) { return FormatTenths(v); }
std::string Dec(std::uint32_t v) { return std::to_string(v); }

// "Начало:" ... "  Длит.:" ... "  Порог:" ... " %" of one gate.
std::string gateText(std::uint32_t start, std::uint32_t width, std::uint32_t level, const std::string& startUnit,
                     const std::string& widthUnit) {
  return "Начало:" + FT(start) + startUnit + "  Длит.:" + FT(width) + widthUnit + "  Порог:" + Dec(level) + " %";
}

}  // namespace

bool usesTimeDisplay(const datafiles::FlawHeader& r) {
  return (r.Flags & datafiles::kFlagShortLayout) != 0 || (r.Month < 7 && r.Year < 3);
}

std::vector<std::string> parameterTextLines(const datafiles::FlawHeader& r, bool extended,
                                            const PrintedConclusion* printed) {
  std::vector<std::string> lines;
  const std::string us = " мкс ";
  const std::string mm = "мм";
  lines.push_back("Усиление: " + Dec(r.Gain) + " дБ " + "   " +
                  "Схема включения: " + ((r.Flags & datafiles::kFlagCombined) ? "Совмещенная" : "Раздельная"));
  lines.push_back("Координаты дефекта: " + std::string(" Y=") + FT(r.DefectY) + " " + mm + "  X=" + FT(r.DefectX) +
                  " " + mm);
  const bool time = usesTimeDisplay(r);
  if (time) {
    lines.push_back("Параметры строба: " + gateText(r.GateStart, r.GateWidth, r.GateLevel, us, us));
  } else {
    lines.push_back("Параметры строба: " + gateText(r.GateStartMm, r.GateWidthMm, r.GateLevel, mm, " " + mm));
  }
  if (extended) {
    if (r.AgcGateOn != 0) {
      lines.push_back("Параметры строба АРУ:" + (time ? gateText(r.AgcGateStart, r.AgcGateWidth, r.AgcGateLevel, us, us)
                                                      : gateText(r.AgcDepth, r.AgcLength, r.AgcGateLevel, mm, mm)));
    } else if (r.ExtraGateOn != 0) {
      lines.push_back("Параметры доп. строба:" +
                      (time ? gateText(r.ExtraGateStart, r.ExtraGateWidth, r.ExtraGateLevel, us, us)
                            : gateText(r.ExtraDepth, r.ExtraLength, r.ExtraGateLevel, mm, mm)));
    }
  }
  if (time) {
    lines.push_back("Параметры развертки: " + std::string(" ") + "Начало:" + FT(r.SweepStart) + us +
                    "  Длит.:" + FT(r.SweepRange) + us);
  } else {
    lines.push_back("Параметры развертки: " + std::string(" ") + "Начало:" + FT(r.SweepStartMm) + " " + mm +
                    "  Длит.:" + FT(r.SweepRangeMm) + " " + mm);
  }
  lines.push_back("Угол ввода: " + FT(std::uint32_t(r.Angle) * 5) + "град." + "  C=" + Dec(r.Velocity) + " м/с " +
                  "Задержка в призме: " + FT(r.PrismDelay / 10u) + us);
  lines.push_back("Частота: " + FT(r.Frequency / 100u) + " МГц ");
  if ((r.Flags & datafiles::kFlagTvgMode) == 1) {
    lines.push_back("Параметры ВРЧ->Число точек: " + Dec(r.TvgCount));
    lines.push_back("Время(мкс)/Усиление(дБ): ");
    // The record has room for eight points; a larger count is never read past them.
    const int points = std::min<int>(r.TvgCount, kMaxTvgPoints);
    std::string values;
    for (int i = 0; i < points; ++i) {
      const float f = float(r.TvgTime[std::size_t(i)]) + 3.0f;
      values += FT(std::uint32_t(f * 10.0f)) + "/" + Dec(r.TvgGain[std::size_t(i)]) + " ";
    }
    lines.push_back(values);
  }
  lines.push_back(" ");
  if (printed) {
    const auto& memo = printed->conclusionLines;
    lines.push_back(" Заключение:" + (memo.empty() ? std::string() : memo.front()));
    for (std::size_t i = 1; i < memo.size(); ++i) lines.push_back(memo[i]);
    lines.push_back("Дефектоскопист: " + printed->operatorText);
  }
  return lines;
}

void DrawParameterText(HDScreen& s) {
  // On screen the lines need the parameter panel; on paper they go to the page whatever the panel.
  if (!s.textCanvas && !s.printing) return;
  if (s.textCanvas) {
    gfx::Canvas& panel = *s.textCanvas;
    panel.setBrush(gfx::Brush{s.record ? gfx::sys::kBtnFace : gfx::sys::kAppWorkSpace, gfx::BrushStyle::Solid});
    panel.fillRect(gfx::Rect{0, 0, panel.width(), panel.height()});
  }
  if (!s.record || !s.pictureCanvas) return;
  PrintedConclusion printed{s.conclusionLines, s.operatorText};
  for (const std::string& line : parameterTextLines(*s.record, s.extended, s.printing ? &printed : nullptr)) {
    s.WriteTextLine(line);
  }
}

}  // namespace flaw
