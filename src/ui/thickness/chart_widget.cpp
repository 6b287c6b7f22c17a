// AutoChrt: back-buffered drawing of the thickness chart and its mouse events.
#include "ui/thickness/chart_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "qt/qt_canvas.h"

namespace ui {

ChartWidget::ChartWidget(thickness::Chart3D& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
  setObjectName("AutoChrt");
  setMinimumSize(kMinWidth, kMinHeight);
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void ChartWidget::redraw() {
  stale_ = true;
  update();
}

void ChartWidget::redrawNow() {
  render();
  update();
}

void ChartWidget::render() {
  if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
  {
    qtx::QtCanvas canvas(image_);
    chart_.draw(canvas, gfx::Rect{0, 0, width(), height()});
  }
  stale_ = false;
  emit redrawn();
}

void ChartWidget::crossHair(int x, int y, gfx::Color color) {
  if (stale_ || image_.isNull()) return;
  {
    qtx::QtCanvas canvas(image_);
    thickness::drawCrossHair(canvas, chart_, x, y, color);
  }
  update();
}

void ChartWidget::paintEvent(QPaintEvent*) {
  if (stale_ || image_.size() != size()) render();
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  stale_ = true;
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit mouseMoved(p.x(), p.y());
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setFocus();
  const QPoint p = event->position().toPoint();
  emit clicked(p.x(), p.y());
}

void ChartWidget::wheelEvent(QWheelEvent* event) {
  // The plain wheel scrolls the chart's box; with Ctrl it zooms.
  if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
    event->ignore();
    return;
  }
  emit zoomStep(event->angleDelta().y() > 0 ? 1 : -1);
  event->accept();
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
    emit homePressed();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace ui
