// Every text of a comparison a user reads, in Russian: refusals, warnings, the match line, rows, summary, captions.
#pragma once

#include <string>
#include <vector>

#include "core/compare/comparison.h"
#include "core/text/numfmt.h"

namespace compare {

// Why the pair was not compared, one message a line.
std::vector<std::string> refusalText(const Comparison& c, const text::NumberFormat& nf);
std::string warningText(Warning w);

// "Смещение: +100 мм (найдено); совпадение: разброс 0,00 мм по 5 600 парам показаний; ..."
std::string matchLine(const Comparison& c, const text::NumberFormat& nf);
// The dates, the years between them (or why there is no rate) and the minimum allowed thickness.
std::string periodLine(const Comparison& c, const text::NumberFormat& nf);

// One row per position of the overlap: position, then loss and rate of sensors 1 to 4; "--"
// where the pair has no valid readings or there is no rate.
std::vector<std::string> positionHeader();
std::vector<std::string> positionRow(const Comparison& c, const PositionLoss& p, const text::NumberFormat& nf);

// Largest loss, largest rate, shortest remaining life, with position and sensor.
std::vector<std::string> summaryLines(const Comparison& c, const text::NumberFormat& nf);

// The worst-positions table: position, sensor, earlier, later, loss, rate, remaining life.
std::vector<std::string> worstHeader();
std::vector<std::string> worstRow(const Comparison& c, const Spot& s, const text::NumberFormat& nf);

// Numbers as every front shows them: thickness and loss in mm with two decimals, rate in mm a
// year with three, years with one, "--" for none.
std::string mmText(int um, const text::NumberFormat& nf);
std::string rateText(const std::optional<double>& mmPerYear, const text::NumberFormat& nf);
std::string yearsText(const std::optional<double>& years, const text::NumberFormat& nf);

// Captions of the window, the chart and the printout.
namespace caption {
inline constexpr const char* kMenuItem = "Сравнить с прошлым контролем...";
inline constexpr const char* kWindowTitle = "Сравнение с прошлым контролем";
inline constexpr const char* kPickEarlier = "Прошлый контроль того же объекта";
inline constexpr const char* kOffset = "Смещение, мм:";
inline constexpr const char* kAutoOffset = "Найти";
inline constexpr const char* kApplyOffset = "Применить";
inline constexpr const char* kTmin = "Минимальная толщина, мм:";
inline constexpr const char* kWhole = "Весь участок";
inline constexpr const char* kWorstTitle = "Наибольшие потери (20 позиций)";
inline constexpr const char* kLossAxis = "Потеря стенки, мм";
inline constexpr const char* kThicknessAxis = "Толщина сейчас, мм";
inline constexpr const char* kPositionAxis = "Позиция по последнему контролю, мм";
inline constexpr const char* kTminLine = "Минимальная толщина";
inline constexpr const char* kPrintTitle = "Сравнение толщин двух контролей";
inline constexpr const char* kEarlierRun = "Прошлый контроль: ";
inline constexpr const char* kLaterRun = "Последний контроль: ";
inline constexpr const char* kPickFilter = "Результаты толщинометрии (*.DTM *.dtm)";
inline constexpr const char* kPrint = "Печать...";
inline constexpr const char* kSavePdf = "Сохранить в PDF...";
inline constexpr const char* kSavePdfTitle = "Сохранить в PDF";
inline constexpr const char* kPdfSuffix = "-сравнение.pdf";  // after the later run's name
}  // namespace caption

// "Скорость от 0,13 мм/год": the shading of the chart's legend.
std::string highRateCaption(const text::NumberFormat& nf);

// The sensor's name as the tables give it: "Датчик1" .. "Датчик4".
std::string sensorName(int sensor);

}  // namespace compare
