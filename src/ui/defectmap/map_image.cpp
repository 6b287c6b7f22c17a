// ADImage: shows the bitmap as drawn, one image pixel per screen pixel.
#include "ui/defectmap/map_image.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

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

void MapImage::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier && onKey && onKey(event->key())) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void MapImage::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches == 0 || !onWheel) {
    event->ignore();
    return;
  }
  onWheel(notches, event->modifiers() & Qt::ControlModifier);
  event->accept();
}

}  // namespace ui
