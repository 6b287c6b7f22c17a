// TADLegendForm: the always-on-top legend window with the six defect colours and their names.
#pragma once

#include <QWidget>
#include <array>

#include "core/gfx/color.h"

class QLabel;

namespace ui {

// TShape: a square swatch with a black outline, filled in its brush colour.
class LegendSwatch : public QWidget {
  Q_OBJECT
 public:
  explicit LegendSwatch(QWidget* parent = nullptr);
  void setBrushColor(gfx::Color c);
  gfx::Color brushColor() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  gfx::Color color_ = gfx::kWhite;
};

class TADLegendForm : public QWidget {
  Q_OBJECT

 public:
  // colors: DefectColors, read at every show.
  TADLegendForm(const std::array<gfx::Color, 6>& colors, QWidget* parent = nullptr);

  std::array<LegendSwatch*, 6> Shapes{};  // Shape1 .. Shape6
  std::array<QLabel*, 6> Labels{};        // Label2 .. Label7

  // FormShow: the swatches take the current colours.
  void FormShow();

 signals:
  // FormClose: the window was closed by the user or hidden by the view.
  void closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  const std::array<gfx::Color, 6>& colors_;
};

}  // namespace ui
