// AutoChrt: the widget that shows a Chart3D from a back buffer and reports mouse moves and clicks.
#pragma once

#include <QImage>
#include <QWidget>

#include "core/gfx/color.h"
#include "core/thickness/chart3d.h"

namespace ui {

class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMinWidth = 552;
  static constexpr int kMinHeight = 300;

  ChartWidget(thickness::Chart3D& chart, QWidget* parent = nullptr);

  // Marks the picture stale; the next paint draws the chart anew.
  void redraw();
  // Draws the chart into the back buffer now (the paint then only copies it).
  void redrawNow();
  // The cross-hair in the NOT-XOR pen on the back buffer: twice at the same place restores it.
  void crossHair(int x, int y, gfx::Color color);
  // The picture as it is on screen.
  const QImage& picture() const { return image_; }
  bool stale() const { return stale_; }

 signals:
  // After every redraw of the chart (the picture holds no cross-hair then).
  void redrawn();
  void mouseMoved(int x, int y);
  void clicked(int x, int y);
  // Ctrl and the wheel: +1 a step nearer, -1 a step away.
  void zoomStep(int direction);
  // Home: back to the initial position.
  void homePressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void render();

  thickness::Chart3D& chart_;
  QImage image_;
  bool stale_ = true;
};

}  // namespace ui
