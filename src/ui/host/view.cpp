// What every view does alike: its shown picture taken from its panel.
#include "ui/host/view.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QWidget>

namespace ui {

QImage View::shownPicture() { return focusTarget()->grab().toImage(); }

QImage View::picture(QSize size) {
  const QImage shown = shownPicture();
  if (shown.isNull() || size == shown.size()) return shown;
  return shown.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace ui
