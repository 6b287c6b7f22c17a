// ADImage: shows the bitmap as drawn, one image pixel per screen pixel.
#include "ui/defectmap/map_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

MapImage::MapImage(QWidget* parent) : QWidget(parent) {
  setObjectName("ADImage");
  setMouseTracking(true);  // moves without a button update the distance read-out
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(1, 1);
}

void MapImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  if (!picture_.isNull()) p.drawImage(0, 0, picture_);
}

void MapImage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResize) onResize();
}

void MapImage::mousePressEvent(QMouseEvent* event) {
  if (onMouseDown) onMouseDown(int(event->position().x()));
}

void MapImage::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) onMouseMove(int(event->position().x()));
}

void MapImage::mouseReleaseEvent(QMouseEvent* event) {
  if (onMouseUp) onMouseUp(int(event->position().x()));
}

}  // namespace ui
