// Locale conversions.
#include "qt/convert.h"

namespace qtx {

text::NumberFormat numberFormat(const QLocale& locale) {
  text::NumberFormat nf;
  nf.decimal = locale.decimalPoint().toStdString();
  nf.group = locale.groupSeparator().toStdString();
  if (nf.decimal.empty()) nf.decimal = ".";
  return nf;
}

QString localeId(const QLocale& locale) {
  // Windows language identifiers of the languages the unit's operators use.
  struct Entry {
    QLocale::Language language;
    QLocale::Territory territory;
    unsigned id;
  };
  static const Entry kIds[] = {
      {QLocale::Russian, QLocale::AnyTerritory, 0x0419},   {QLocale::English, QLocale::UnitedStates, 0x0409},
      {QLocale::English, QLocale::UnitedKingdom, 0x0809},  {QLocale::English, QLocale::AnyTerritory, 0x0409},
      {QLocale::Ukrainian, QLocale::AnyTerritory, 0x0422}, {QLocale::Belarusian, QLocale::AnyTerritory, 0x0423},
      {QLocale::Kazakh, QLocale::AnyTerritory, 0x043F},    {QLocale::German, QLocale::AnyTerritory, 0x0407},
      {QLocale::French, QLocale::AnyTerritory, 0x040C},
  };
  for (const Entry& e : kIds) {
    if (locale.language() == e.language &&
        (e.territory == QLocale::AnyTerritory || locale.territory() == e.territory)) {
      return QString("%1").arg(e.id, 8, 16, QChar('0')).toUpper();
    }
  }
  return QString();
}

}  // namespace qtx
