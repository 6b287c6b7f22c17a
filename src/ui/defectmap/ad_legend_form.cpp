// TADLegendForm: six swatches in slot order, each with its class name, at the window's fixed places.
#include "ui/defectmap/ad_legend_form.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPainter>

#include "qt/convert.h"

namespace ui {

LegendSwatch::LegendSwatch(QWidget* parent) : QWidget(parent) { setFixedSize(17, 17); }

void LegendSwatch::setBrushColor(gfx::Color c) {
  color_ = c;
  update();
}

void LegendSwatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.fillRect(rect().adjusted(1, 1, -1, -1), qtx::toQColor(color_));
}

TADLegendForm::TADLegendForm(const std::array<gfx::Color, 6>& colors, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      colors_(colors) {
  setObjectName("ADLegendForm");
  setWindowTitle(QStringLiteral("Условные обозначения дефектов"));
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);
  setFixedSize(281, 154);
  move(553, 359);

  static const char* kTexts[6] = {"Объемный ",         "Объемно-плоскостной ", "Плоскостной поперек",
                                  "Плоскостной вдоль", "Превышение скорости",  "Нарушение контакта"};
  for (int k = 0; k < 6; ++k) {
    Shapes[k] = new LegendSwatch(this);
    Shapes[k]->setObjectName(QStringLiteral("Shape%1").arg(k + 1));
    Shapes[k]->move(9, 8 + 24 * k);
    Labels[k] = new QLabel(QString::fromUtf8(kTexts[k]), this);
    Labels[k]->setObjectName(QStringLiteral("Label%1").arg(k + 2));
    Labels[k]->move(40, 11 + 24 * k);
    Labels[k]->adjustSize();
  }
}

void TADLegendForm::FormShow() {
  for (int k = 0; k < 6; ++k) Shapes[k]->setBrushColor(colors_[k]);
}

void TADLegendForm::showEvent(QShowEvent* event) {
  FormShow();
  QWidget::showEvent(event);
}

void TADLegendForm::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit closed();
}

}  // namespace ui
