// Painting the comparison chart through QtCanvas, and its mouse.
#include "ui/compare/loss_chart_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "qt/qt_canvas.h"

namespace ui {
namespace {

// Labels in the window's font size, on the same face the printout's canvas would choose.
gfx::Font chartFont() {
  gfx::Font f;
  f.name = "Arial";
  f.pixelHeight = 12;
  return f;
}

}  // namespace

LossChartWidget::LossChartWidget(QWidget* parent) : QWidget(parent) {
  setObjectName("LossChart");
  setMinimumSize(480, 300);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
}

void LossChartWidget::show(const compare::Comparison* c, const compare::ChartWindow& window,
                           const text::NumberFormat& nf) {
  comparison_ = c;
  window_ = window;
  nf_ = nf;
  stale_ = true;
  update();
}

void LossChartWidget::paintEvent(QPaintEvent*) {
  if (stale_ || image_.size() != size()) {
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    if (comparison_ && comparison_->compared()) {
      qtx::QtCanvas canvas(image_);
      canvas.setFont(chartFont());
      compare::drawLossChart(canvas, {0, 0, width(), height()}, *comparison_, window_, nf_);
    }
    stale_ = false;
  }
  QPainter(this).drawImage(0, 0, image_);
}

void LossChartWidget::mousePressEvent(QMouseEvent* event) {
  if (!comparison_ || !comparison_->compared() || event->button() != Qt::LeftButton) return;
  QImage probe(1, 1, QImage::Format_RGB32);  // the text metrics of the painted chart
  qtx::QtCanvas canvas(probe);
  canvas.setFont(chartFont());
  const auto mm = compare::positionAt(canvas, {0, 0, width(), height()}, window_, int(event->position().x()));
  if (mm) emit positionClicked(*mm);
}

}  // namespace ui
