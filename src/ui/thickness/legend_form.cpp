// TLegendForm: the legend window of the thickness view.
#include "ui/thickness/legend_form.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "core/text/messages.h"
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

QSize TLegendForm::imageSize() {
  // The unit's legend is 153 x 440. Its rows must be as tall as the label font, or the three
  // marker labels run into each other, and as wide as the longest label, or it is cut; the
  // window grows where the fonts here need more, never shrinks.
  QFont font("Arial");
  font.setPixelSize(12);
  const QFontMetrics fm(font);
  const int rowHeight = std::max(thickness::legendRowHeight(440), fm.height());
  int widest = fm.horizontalAdvance("-6 553,5мм.");
  for (text::Msg id : {text::Msg::AK, text::Msg::bigtol, text::Msg::bigvel})
    widest = std::max(widest, fm.horizontalAdvance(QString::fromStdString(text::msg(id))));
  const int width = thickness::kLegendSwatchWidth + 5 + widest + 6;
  // Wide enough besides for the caption "Обозначения" beside the window buttons.
  return {std::max({153, width, 196}), std::max(440, rowHeight * 52)};
}

TLegendForm::TLegendForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("TLegendForm");
  setWindowTitle("Обозначения");
  setAttribute(Qt::WA_QuitOnClose, false);
  const QSize image = imageSize();
  setFixedSize(image + QSize(2, 2));
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
  Panel2->setGeometry(0, 0, width(), height());
  PaletImg->setGeometry(1, 1, image.width(), image.height());
  PaletImg->createPalette();
}

void TLegendForm::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit closedByUser();
}

}  // namespace ui
