// The Russian texts of a comparison, composed with the locale's number form; the one place they are written.
#include "core/compare/compare_text.h"

#include "core/datafiles/header_text.h"

namespace compare {
namespace {

std::string signedMm(int mm) { return (mm > 0 ? "+" : "") + std::to_string(mm) + " мм"; }

std::string spreadText(double um, const text::NumberFormat& nf) {
  return text::formatDouble(um * 0.001, "0.000", nf) + " мм";
}

// "1 день", "2 дня", "5 дней", "11 дней", "21 день".
std::string daysText(long n) {
  const long a = n < 0 ? -n : n;
  const char* word = "дней";
  if (a % 10 == 1 && a % 100 != 11) word = "день";
  if (a % 10 >= 2 && a % 10 <= 4 && (a % 100 < 12 || a % 100 > 14)) word = "дня";
  return std::to_string(n) + " " + word;
}

std::string dateOrNone(const std::optional<RunDate>& d) {
  return d ? datafiles::dateText(d->day, d->month, d->year - 2000) : std::string("дата неверна");
}

std::string spotText(const Spot& s) {
  return "позиция " + std::to_string(s.positionMm) + " мм, " + sensorName(s.sensor);
}

std::string scoreText(const OffsetScore& s, const text::NumberFormat& nf) {
  return "разброс " + spreadText(s.spreadUm, nf) + " по " + text::formatDouble(double(s.pairs), "#,##0", nf) +
         " парам показаний";
}

}  // namespace

std::string sensorName(int sensor) { return "Датчик" + std::to_string(sensor + 1); }

std::string mmText(int um, const text::NumberFormat& nf) { return text::formatScaled(um, 3, "0.00", nf); }

std::string rateText(const std::optional<double>& r, const text::NumberFormat& nf) {
  return r ? text::formatDouble(*r, "0.000", nf) : std::string("--");
}

std::string yearsText(const std::optional<double>& y, const text::NumberFormat& nf) {
  return y ? text::formatDouble(*y, "0.0", nf) : std::string("--");
}

std::string highRateCaption(const text::NumberFormat& nf) {
  return "Скорость от " + text::formatDouble(kHighRateMmPerYear, "0.00", nf) + " мм/год";
}

std::vector<std::string> refusalText(const Comparison& c, const text::NumberFormat& nf) {
  const Alignment& a = c.alignment;
  switch (c.refusal) {
    case Refusal::None:
      return {};
    case Refusal::NotThickness:
      return {"Сравниваются только результаты толщинометрии (.DTM)"};
    case Refusal::TooLittleOverlap:
      return {(a.overridden ? "При смещении " + signedMm(a.best.offsetMm) + " общий участок"
                            : std::string("Контроли мало перекрываются: ни при каком смещении общий участок")) +
                  " не набирает " + std::to_string(c.minOverlapMm) + " мм с годными показаниями обоих контролей",
              "Сравнение невозможно"};
    case Refusal::NoClearMatch:
      break;
  }
  std::string why = "Нет явного совпадения профилей: лучшее смещение " + signedMm(a.best.offsetMm) + " (" +
                    scoreText(a.best, nf) + ")";
  why += a.runnerUp ? " не вдвое лучше смещения " + signedMm(a.runnerUp->offsetMm) + " (разброс " +
                          spreadText(a.runnerUp->spreadUm, nf) + ")"
                    : ", и другого смещения для сравнения нет";
  return {why, "Задайте смещение вручную, если известно, где начинались контроли"};
}

std::string warningText(Warning w) {
  switch (w) {
    case Warning::ObjectDiffers:
      return "Объект контролей различается (участок или изделие)";
    case Warning::DiameterDiffers:
      return "Диаметр в контролях различается";
    case Warning::NominalDiffers:
      return "Номинальная толщина в контролях различается";
    case Warning::NotLater:
      return "Последний контроль не позже прошлого: скорость утонения не вычисляется";
    case Warning::EarlierDateInvalid:
      return "Дата прошлого контроля не задана или неверна: скорость утонения не вычисляется";
    case Warning::LaterDateInvalid:
      return "Дата последнего контроля не задана или неверна: скорость утонения не вычисляется";
  }
  return {};
}

std::string matchLine(const Comparison& c, const text::NumberFormat& nf) {
  const Alignment& a = c.alignment;
  std::string line = "Смещение: " + signedMm(a.best.offsetMm) +
                     (a.verdict == AlignVerdict::Overridden ? " (задано)" : " (найдено)") +
                     "; совпадение: " + scoreText(a.best, nf) + " на " + std::to_string(a.best.overlapMm) + " мм";
  if (a.runnerUp)
    line += "; ближайшее иное смещение " + signedMm(a.runnerUp->offsetMm) + ": разброс " +
            spreadText(a.runnerUp->spreadUm, nf);
  return line;
}

std::string periodLine(const Comparison& c, const text::NumberFormat& nf) {
  std::string line = "Контроли: " + dateOrNone(c.earlierDate) + " и " + dateOrNone(c.laterDate);
  if (c.years) {
    line += ", между ними " + daysText(daysBetween(*c.earlierDate, *c.laterDate)) + " (" +
            text::formatDouble(*c.years, "0.00", nf) + " года)";
  } else {
    line += ": скорость и остаточный срок не вычисляются";
  }
  return line + "; минимальная толщина " + mmText(c.tminUm, nf) + " мм";
}

std::vector<std::string> positionHeader() {
  std::vector<std::string> h = {"Позиция мм"};
  for (int i = 1; i <= 4; ++i) {
    h.push_back("Потеря" + std::to_string(i) + " мм");
    h.push_back("Скорость" + std::to_string(i) + " мм/год");
  }
  return h;
}

std::vector<std::string> positionRow(const Comparison& c, const PositionLoss& p, const text::NumberFormat& nf) {
  std::vector<std::string> row = {std::to_string(p.positionMm)};
  for (const SensorLoss& s : p.sensors) {
    row.push_back(s.valid ? mmText(s.lossUm(), nf) : std::string("--"));
    row.push_back(rateText(c.rate(s), nf));
  }
  return row;
}

std::vector<std::string> summaryLines(const Comparison& c, const text::NumberFormat& nf) {
  const Extremes x = extremesOf(c);
  std::vector<std::string> out;
  out.push_back("Наибольшая потеря: " +
                (x.largestLoss ? mmText(x.largestLoss->loss.lossUm(), nf) + " мм, " + spotText(*x.largestLoss)
                               : std::string("нет пар годных показаний")));
  out.push_back("Наибольшая скорость: " +
                (x.largestRate ? rateText(c.rate(x.largestRate->loss), nf) + " мм/год, " + spotText(*x.largestRate)
                               : std::string("не вычисляется")));
  out.push_back("Наименьший остаточный срок до " + mmText(c.tminUm, nf) + " мм: " +
                (x.shortestLife
                     ? yearsText(c.remainingLife(x.shortestLife->loss), nf) + " года, " + spotText(*x.shortestLife)
                     : std::string(c.years ? "утонения нет" : "не вычисляется")));
  return out;
}

std::vector<std::string> worstHeader() {
  return {"Позиция, мм", "Датчик", "Было, мм", "Стало, мм", "Потеря, мм", "Скорость, мм/год", "Остаток, лет"};
}

std::vector<std::string> worstRow(const Comparison& c, const Spot& s, const text::NumberFormat& nf) {
  return {std::to_string(s.positionMm),          sensorName(s.sensor),
          mmText(s.loss.earlierUm, nf),          mmText(s.loss.laterUm, nf),
          mmText(s.loss.lossUm(), nf),           rateText(c.rate(s.loss), nf),
          yearsText(c.remainingLife(s.loss), nf)};
}

}  // namespace compare
