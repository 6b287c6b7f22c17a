// Simple line-art tool-bar pictures.
#include "ui/host/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ui {
namespace {

void magnifier(QPainter& p, bool plus) {
  p.setPen(QPen(QColor(30, 30, 30), 2));
  p.setBrush(QColor(220, 235, 250));
  p.drawEllipse(QRectF(3, 3, 12, 12));
  p.drawLine(QPointF(14, 14), QPointF(20, 20));
  p.setPen(QPen(QColor(20, 20, 120), 2));
  p.drawLine(QPointF(6, 9), QPointF(12, 9));
  if (plus) p.drawLine(QPointF(9, 6), QPointF(9, 12));
}

void box3d(QPainter& p, int mode) {
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(QColor(180, 200, 230));
  if (mode == 0) {
    QPolygonF front({QPointF(3, 8), QPointF(15, 8), QPointF(15, 20), QPointF(3, 20)});
    QPolygonF top({QPointF(3, 8), QPointF(8, 3), QPointF(20, 3), QPointF(15, 8)});
    QPolygonF side({QPointF(15, 8), QPointF(20, 3), QPointF(20, 15), QPointF(15, 20)});
    p.drawPolygon(front);
    p.setBrush(QColor(210, 225, 245));
    p.drawPolygon(top);
    p.setBrush(QColor(140, 165, 205));
    p.drawPolygon(side);
  } else if (mode == 1) {
    p.drawRect(QRectF(3, 6, 16, 13));
    p.setPen(QPen(QColor(200, 60, 60), 2));
    p.drawLine(QPointF(5, 16), QPointF(9, 11));
    p.drawLine(QPointF(9, 11), QPointF(13, 14));
    p.drawLine(QPointF(13, 14), QPointF(17, 9));
  } else {
    p.drawRect(QRectF(3, 3, 16, 16));
    p.setPen(QPen(QColor(60, 60, 160), 1));
    for (int y = 7; y < 19; y += 4) p.drawLine(QPointF(4, y), QPointF(18, y));
  }
}

}  // namespace

QIcon toolIcon(int image) {
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  switch (image) {
    case kImgOpen:
      p.setPen(QPen(QColor(120, 90, 20), 1));
      p.setBrush(QColor(240, 200, 90));
      p.drawPolygon(
          QPolygonF({QPointF(2, 6), QPointF(8, 6), QPointF(10, 8), QPointF(19, 8), QPointF(19, 18), QPointF(2, 18)}));
      break;
    case kImgClose:
      p.setPen(QPen(QColor(70, 70, 70), 1));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 2, 12, 17));
      p.setPen(QPen(QColor(200, 30, 30), 2.5));
      p.drawLine(QPointF(10, 10), QPointF(19, 19));
      p.drawLine(QPointF(19, 10), QPointF(10, 19));
      break;
    case kImgZoomIn:
      magnifier(p, true);
      break;
    case kImgZoomOut:
      magnifier(p, false);
      break;
    case kImgPreview:
    case kImgReport: {
      p.setPen(QPen(QColor(70, 70, 70), 1));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 2, 13, 18));
      p.setPen(QPen(QColor(90, 90, 160), 1));
      for (int y = 6; y < 18; y += 3) p.drawLine(QPointF(6, y), QPointF(15, y));
      if (image == kImgReport) {
        p.setPen(QPen(QColor(180, 80, 20), 2.5));
        p.drawLine(QPointF(12, 18), QPointF(20, 8));
      }
      break;
    }
    case kImgTable:
      p.setPen(QPen(QColor(60, 60, 60), 1));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(2, 3, 18, 16));
      p.fillRect(QRectF(2.5, 3.5, 17, 4), QColor(255, 255, 200));
      for (int x = 8; x < 20; x += 6) p.drawLine(QPointF(x, 3), QPointF(x, 19));
      for (int y = 7; y < 19; y += 4) p.drawLine(QPointF(2, y), QPointF(20, y));
      break;
    case kImgLegend: {
      const QColor c[4] = {QColor(0, 200, 0), QColor(255, 220, 0), QColor(220, 0, 0), QColor(0, 0, 200)};
      for (int i = 0; i < 4; ++i) {
        p.fillRect(QRectF(3, 3 + i * 4.5, 5, 3.5), c[i]);
        p.fillRect(QRectF(10, 4 + i * 4.5, 9, 1.5), QColor(60, 60, 60));
      }
      break;
    }
    case kImgGraph:
      p.setPen(QPen(QColor(40, 40, 40), 1));
      p.drawLine(QPointF(3, 3), QPointF(3, 19));
      p.drawLine(QPointF(3, 19), QPointF(20, 19));
      p.setBrush(QColor(150, 170, 220));
      p.drawPolygon(
          QPolygonF({QPointF(4, 18), QPointF(4, 10), QPointF(9, 7), QPointF(13, 12), QPointF(19, 6), QPointF(19, 18)}));
      break;
    case kImgBeginPos:
      box3d(p, 0);
      break;
    case kImgFrontView:
      box3d(p, 1);
      break;
    case kImgTopView:
      box3d(p, 2);
      break;
    case kImgColors: {
      const QColor c[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
      for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(c[i]);
        p.drawEllipse(QRectF(3 + (i % 2) * 8, 3 + (i / 2) * 8, 8, 8));
      }
      break;
    }
    case kImgReceive:
      p.setPen(QPen(QColor(20, 110, 40), 2.5));
      p.drawLine(QPointF(11, 2), QPointF(11, 14));
      p.drawLine(QPointF(6, 9), QPointF(11, 14));
      p.drawLine(QPointF(16, 9), QPointF(11, 14));
      p.setPen(QPen(QColor(60, 60, 60), 2));
      p.drawLine(QPointF(3, 19), QPointF(19, 19));
      break;
    case kImgPrint:
      p.setPen(QPen(QColor(60, 60, 60), 1));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6, 2, 10, 7));
      p.setBrush(QColor(170, 170, 170));
      p.drawRect(QRectF(2, 8, 18, 8));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6, 13, 10, 7));
      break;
    case kImgExit:
      p.setPen(QPen(QColor(60, 60, 60), 1.5));
      p.drawRect(QRectF(3, 3, 10, 16));
      p.setPen(QPen(QColor(200, 30, 30), 2));
      p.drawLine(QPointF(9, 11), QPointF(20, 11));
      p.drawLine(QPointF(16, 7), QPointF(20, 11));
      p.drawLine(QPointF(16, 15), QPointF(20, 11));
      break;
    default:
      break;
  }
  return QIcon(pm);
}

}  // namespace ui
