// Conversions between core values and Qt: colours, text, the locale's number form and identifier.
#pragma once

#include <QColor>
#include <QLocale>
#include <QString>
#include <string>

#include "core/gfx/color.h"
#include "core/text/numfmt.h"

namespace qtx {

inline QColor toQColor(gfx::Color c) { return QColor(gfx::red(c), gfx::green(c), gfx::blue(c)); }
inline gfx::Color fromQColor(const QColor& c) {
  return gfx::rgb(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}
inline QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// The decimal and group separators of a locale.
text::NumberFormat numberFormat(const QLocale& locale);
// The Windows locale identifier as eight hex digits ("00000419" for Russian), empty when unknown.
QString localeId(const QLocale& locale);

}  // namespace qtx
