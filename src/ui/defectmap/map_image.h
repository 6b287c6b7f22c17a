// ADImage: the widget that shows the map's bitmap and passes mouse and size changes to the view.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace ui {

class MapImage : public QWidget {
  Q_OBJECT

 public:
  explicit MapImage(QWidget* parent = nullptr);

  // The picture the map is drawn into; replaced at every resize.
  QImage& picture() { return picture_; }
  void setPicture(QImage image) { picture_ = std::move(image); }

  // Drag state: -1 no drag, else the grab offset from the marker's left edge.
  int Tag = -1;

  std::function<void()> onResize;
  std::function<void(int x)> onMouseDown;
  std::function<void(int x)> onMouseMove;
  std::function<void(int x)> onMouseUp;
  // A key the map takes (true when it did), and the wheel: notches, with Ctrl held or not.
  std::function<bool(int key)> onKey;
  std::function<void(int notches, bool ctrl)> onWheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace ui
