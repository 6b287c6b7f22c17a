// The comparison chart on screen: the core drawing on a QImage the size of the widget; a click marks a position.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "core/compare/comparison.h"
#include "core/compare/loss_chart.h"
#include "core/text/numfmt.h"

namespace ui {

class LossChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit LossChartWidget(QWidget* parent = nullptr);

  // What to draw; nothing (a blank chart) until set. The comparison must outlive the widget's use of it.
  void show(const compare::Comparison* c, const compare::ChartWindow& window, const text::NumberFormat& nf);
  const compare::ChartWindow& chartWindow() const { return window_; }

 signals:
  // The operator clicked on the position (mm of the later run).
  void positionClicked(int positionMm);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // The chart drawn once per change of what or how large it shows; exposes repaint the image.
  QImage image_;
  bool stale_ = true;
  const compare::Comparison* comparison_ = nullptr;
  compare::ChartWindow window_;
  text::NumberFormat nf_;
};

}  // namespace ui
