// TLegendForm: the legend window of the thickness view.
#include "ui/thickness/legend_form.h"

#include <QCloseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "core/thickness/legend.h"
#include "qt/qt_canvas.h"

namespace ui {

LegendImage::LegendImage(QWidget* parent) : QWidget(parent) {
  setObjectName("PaletImg");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void LegendImage::createPalette() {
  bitmap_ = QImage(size(), QImage::Format_RGB32);
  bitmap_.fill(Qt::white);  // clHighlightText
  a_ = thickness::legendRowHeight(height());
  qtx::QtCanvas canvas(bitmap_);
  thickness::drawLegendPalette(canvas, a_);
}

QImage LegendImage::paintedPicture() const {
  QImage picture = bitmap_;
  if (picture.isNull()) return picture;
  qtx::QtCanvas canvas(picture);
  thickness::drawLegendLabels(canvas, a_, nominal ? nominal() : 0, numberFormat);
  return picture;
}

void LegendImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawImage(0, 0, paintedPicture());
}

TLegendForm::TLegendForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("TLegendForm");
  setWindowTitle("Обозначения");
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(155, 442);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  Panel2 = new QWidget(this);
  Panel2->setObjectName("Panel2");
  outer->addWidget(Panel2);
  auto* inner = new QVBoxLayout(Panel2);
  inner->setContentsMargins(1, 1, 1, 1);
  PaletImg = new LegendImage(Panel2);
  inner->addWidget(PaletImg);
  // Size the image to the panel's client area, then draw the palette once.
  Panel2->setGeometry(0, 0, 155, 442);
  PaletImg->setGeometry(1, 1, 153, 440);
  PaletImg->createPalette();
}

void TLegendForm::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit closedByUser();
}

}  // namespace ui
