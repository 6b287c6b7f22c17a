// The QPainter canvas keeps the platform's pixel rules: excluded line ends, rectangles up to right-1, exact XOR.
#include "qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

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

// The fills the canvas writes into the image itself are the painter's pixels: inside the
// clip and the image, nothing outside, on each of the formats it takes.
TEST(QtCanvas, FillsMatchThePaintersWithinClipAndImage) {
  for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
    QImage ours(60, 40, format), painters(60, 40, format);
    ours.fill(Qt::white);
    painters.fill(Qt::white);
    {
      qtx::QtCanvas c(ours);
      // Fills held back in a batch are written before anything else draws or reads.
      c.beginFillBatch();
      c.fillRect({-5, -5, 20, 10}, 0x3080C0);  // cut by the image
      if (format != QImage::Format_RGB888) EXPECT_EQ(c.pixel(0, 0), 0x3080C0u);
      c.setClip(gfx::Rect{10, 10, 50, 30});
      c.fillRect({5, 15, 55, 20}, 0x00FF00);  // cut by the clip
      c.setBrush(gfx::Brush{0x0000FF});
      c.setPen(gfx::Pen{0x000000});
      c.rectangle({20, 22, 40, 35});
      c.setClip(std::nullopt);
      c.fillRect({58, 38, 70, 50}, 0xFF0000);
      c.fillRect({30, 0, 31, 40}, 0x123456);  // a column over everything before it
      c.endFillBatch();
    }
    {
      QPainter p(&painters);
      p.fillRect(QRect(-5, -5, 25, 15), QColor(0xC0, 0x80, 0x30));
      p.setClipRect(QRect(10, 10, 40, 20));
      p.fillRect(QRect(5, 15, 50, 5), QColor(0, 0xFF, 0));
      p.fillRect(QRect(20, 22, 20, 13), QColor(0xFF, 0, 0));
      p.setPen(QColor(0, 0, 0));
      p.drawRect(QRect(20, 22, 19, 12));
      p.setClipping(false);
      p.fillRect(QRect(58, 38, 12, 12), QColor(0, 0, 0xFF));
      p.fillRect(QRect(30, 0, 1, 40), QColor(0x56, 0x34, 0x12));
    }
    EXPECT_EQ(ours, painters) << "format " << int(format);
  }
}

// A row of texts drawn as one item lands where the texts drawn one by one land, with the
// brush behind each; overlapping texts keep their order of fills and texts.
TEST(QtCanvas, TextRowDrawsWhatTextsOneByOneDraw) {
  const std::vector<std::vector<gfx::TextCell>> rows = {
      {{10, "00002"}, {90, "4,5"}, {150, "Датчик"}, {260, "12,345"}},
      {{10, "Позиция мм"}, {40, "наложение"}},  // the second overlaps the first
  };
  for (const auto& cells : rows) {
    QImage row(400, 40, QImage::Format_RGB32), single(400, 40, QImage::Format_RGB32);
    row.fill(0x808080);
    single.fill(0x808080);
    for (QImage* img : {&row, &single}) {
      qtx::QtCanvas c(*img);
      c.setFont(gfx::Font{"Courier New", 0, 10, gfx::kBlack});
      c.setBrush(gfx::Brush{gfx::kWhite});
      if (img == &row) {
        c.textRow(8, cells);
      } else {
        for (const gfx::TextCell& cell : cells) c.textOut(cell.x, 8, cell.text);
      }
    }
    EXPECT_EQ(row, single) << cells[0].text;
    EXPECT_GT(countNonWhite(row), 0);
  }
}

}  // namespace
