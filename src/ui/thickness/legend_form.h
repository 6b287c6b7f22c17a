// TLegendForm "Обозначения": the thickness colour legend, palette kept in a bitmap, labels drawn at each paint.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "core/text/numfmt.h"

namespace ui {

// PaletImg: the legend bitmap with the labels of the current nominal over it.
class LegendImage : public QWidget {
  Q_OBJECT

 public:
  explicit LegendImage(QWidget* parent = nullptr);
  // Draws the palette into the legend bitmap for the present size (window creation).
  void createPalette();
  // The picture one paint shows: the bitmap with the labels of the nominal.
  QImage paintedPicture() const;
  int rowHeight() const { return a_; }
  const QImage& bitmap() const { return bitmap_; }

  std::function<std::uint16_t()> nominal;  // N, tenths of a millimetre
  text::NumberFormat numberFormat;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage bitmap_;
  int a_ = 0;
};

class TLegendForm : public QWidget {
  Q_OBJECT

 public:
  // PaletImg's size: rows as tall as the label font and room for the longest label.
  static QSize imageSize();
  explicit TLegendForm(QWidget* parent = nullptr);
  LegendImage* PaletImg = nullptr;
  QWidget* Panel2 = nullptr;

 signals:
  // The window was closed with its close box (hiding it from the program does not close it).
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace ui
