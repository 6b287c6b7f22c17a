// The QPainter canvas keeps the platform's pixel rules: excluded line ends, rectangles up to right-1, exact XOR.
#include "qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

QImage white(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

int countNonWhite(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  return n;
}

TEST(QtCanvas, LinesLeaveOutTheirEndPixel) {
  QImage img = white(20, 20);
  {
    qtx::QtCanvas c(img);
    c.setPen(gfx::Pen{gfx::kBlack});
    c.line(2, 5, 10, 5);    // 8 pixels: x 2..9
    c.line(15, 2, 15, 12);  // 10 pixels: y 2..11
    c.line(0, 0, 4, 4);     // 4 diagonal pixels
  }
  EXPECT_EQ(img.pixel(9, 5) & 0xFFFFFF, 0u);
  EXPECT_EQ(img.pixel(10, 5) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(img.pixel(15, 12) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(img.pixel(3, 3) & 0xFFFFFF, 0u);
  EXPECT_EQ(img.pixel(4, 4) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(countNonWhite(img), 8 + 10 + 4);
}

TEST(QtCanvas, RectangleCoversLeftToRightMinusOne) {
  QImage img = white(20, 20);
  {
    qtx::QtCanvas c(img);
    c.setPen(gfx::Pen{gfx::kRed});
    c.setBrush(gfx::Brush{gfx::kBlue});
    c.rectangle({2, 3, 7, 9});
  }
  EXPECT_EQ(countNonWhite(img), 5 * 6);
  EXPECT_EQ(QColor(img.pixel(2, 3)), QColor(Qt::red));   // outline
  EXPECT_EQ(QColor(img.pixel(4, 5)), QColor(Qt::blue));  // inside
  EXPECT_EQ(QColor(img.pixel(6, 8)), QColor(Qt::red));
  EXPECT_EQ(img.pixel(7, 8) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(QtCanvas, XorAndNotXorDrawnTwiceRestoreEveryPixel) {
  for (gfx::PenMode mode : {gfx::PenMode::Xor, gfx::PenMode::NotXor}) {
    QImage img = white(40, 30);
    {
      qtx::QtCanvas c(img);
      c.fillRect({5, 5, 25, 20}, 0x3080C0);
    }
    const QImage before = img.copy();
    {
      qtx::QtCanvas c(img);
      c.setPen(gfx::Pen{0x00FF00, 1, gfx::PenStyle::Solid, mode});
      for (int pass = 0; pass < 2; ++pass) {
        c.line(0, 12, 40, 12);
        c.line(17, 0, 17, 30);
        c.line(1, 1, 33, 27);
        if (pass == 0) EXPECT_NE(img, before);
      }
    }
    EXPECT_EQ(img, before);
  }
}

TEST(QtCanvas, PixelsReadBackInTheUnitsColourOrder) {
  QImage img = white(4, 4);
  qtx::QtCanvas c(img);
  c.setPixel(1, 2, 0x00112233);
  EXPECT_EQ(c.pixel(1, 2), 0x00112233u);
  EXPECT_EQ(c.pixel(-1, 2), 0u);
}

}  // namespace
