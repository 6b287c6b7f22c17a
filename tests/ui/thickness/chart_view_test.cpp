// The thickness chart in the main window: cross-hair, zoom steps, positions, read-out, band clicks, sensors, legend,
// colours.
#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "chart_fixture.h"
#include "core/thickness/chart_build.h"
#include "qt/qt_canvas.h"
#include "ui/thickness/chart_widget.h"
#include "ui/thickness/legend_form.h"
#include "ui/thickness/sensor_dialog.h"

namespace charttest {
namespace {

// Flat sensors at 2, 6, 4 and 3 mm over 100 mm (nominal 8.0 mm).
testsupport::Bytes flatFile() {
  testsupport::MapLikeFields s;
  s.length = 100;
  s.nominal = 80;
  s.body = testsupport::thicknessBody(std::vector<std::array<std::uint16_t, 4>>(50, {400, 1200, 800, 600}));
  return testsupport::buildMapLike(s);
}

// The centre of the first shape drawn for a place.
QPoint shapeCentre(const thickness::Chart3D& c, int place) {
  const auto& shapes = c.layout().shapes[std::size_t(place - 1)];
  if (shapes.empty()) return {-1, -1};
  const thickness::Quad& q = shapes[shapes.size() / 2];
  int x = 0, y = 0;
  for (const gfx::Point& p : q.p) {
    x += p.x;
    y += p.y;
  }
  return {x / 4, y / 4};
}

TEST(ChartCrossHair, DrawingItTwiceInNotXorRestoresEveryPixel) {
  thickness::Chart3D chart;
  thickness::setupThicknessChart(chart);
  chart.view3D = false;
  chart.bottomAxis().maximum = 100;
  chart.leftAxis().maximum = 10;
  for (int k = 0; k < 50; ++k) {
    chart.series(0).points.push_back({2.0 * k, 3.0 + k % 5, gfx::Color(0x00FF00 + k)});
    chart.series(0).points.push_back({2.0 * k + 1, 3.0 + k % 5, gfx::Color(0x00FF00 + k)});
  }
  QImage image(640, 400, QImage::Format_RGB32);
  {
    qtx::QtCanvas canvas(image);
    chart.draw(canvas, {0, 0, 640, 400});
  }
  const QImage before = image.copy();
  {
    qtx::QtCanvas canvas(image);
    thickness::drawCrossHair(canvas, chart, 200, 150, 0x00FF00);
  }
  EXPECT_NE(image, before);
  const gfx::Rect r = chart.plotRect();
  // A pixel of each line has changed: NOT-XOR of green gives the inverse of (green XOR screen).
  EXPECT_NE(image.pixel(200, r.top + 5), before.pixel(200, r.top + 5));
  EXPECT_NE(image.pixel(r.left + 5, 150), before.pixel(r.left + 5, 150));
  {
    qtx::QtCanvas canvas(image);
    thickness::drawCrossHair(canvas, chart, 200, 150, 0x00FF00);
  }
  EXPECT_EQ(image, before);
}

class ChartView : public ChartWindow {
 protected:
  void SetUp() override {
    ChartWindow::SetUp();
    form_->show();
  }
  thickness::Chart3D& c() { return chart().chart(); }
  ui::ChartWidget* w() { return chart().autoChrt(); }
  // Draws the chart now, as the next paint would.
  void paint() {
    w()->redrawNow();
    settle();
  }
};

TEST_F(ChartView, LoadBuildsTheChartShowsTheLegendAndStartsIn3D) {
  ASSERT_TRUE(open(flatFile()));
  EXPECT_TRUE(chart().chartShown());
  EXPECT_TRUE(chart().legendVisible());
  EXPECT_TRUE(form_->AShowLegend->isChecked());
  EXPECT_TRUE(c().view3D);
  EXPECT_TRUE(c().titleVisible);
  EXPECT_DOUBLE_EQ(c().bottomAxis().maximum, 110);
  EXPECT_NEAR(c().leftAxis().maximum, 8.0, 1e-6);  // largest reading 6.0 mm + 2
  EXPECT_FALSE(form_->KoorLb->isVisibleTo(form_.get()));
  EXPECT_EQ(chart().CursorColor(), form_->appSettings().ThicknessColors[6]);
  EXPECT_GE(w()->width(), ui::ChartWidget::kMinWidth);
}

TEST_F(ChartView, ZoomStepsUntilTheLimitsThenWidensTheAxes) {
  ASSERT_TRUE(open(flatFile()));
  const int start = w()->width();
  ASSERT_LT(start, form_->width() + 200);
  form_->AIncrease->trigger();
  EXPECT_EQ(w()->width(), int(std::lround(start * 1.25)));
  while (w()->width() < form_->width() + 200) form_->AIncrease->trigger();
  const int widest = w()->width();
  form_->AIncrease->trigger();  // at the limit: greys itself out
  EXPECT_FALSE(form_->AIncrease->isEnabled());
  EXPECT_EQ(w()->width(), widest);
  form_->ADecrease->trigger();
  EXPECT_EQ(w()->width(), int(std::lround(widest * 0.8)));
  EXPECT_TRUE(form_->AIncrease->isEnabled());
  for (int i = 0; i < 20 && w()->width() > ui::ChartWidget::kMinWidth; ++i) form_->ADecrease->trigger();
  EXPECT_EQ(w()->width(), ui::ChartWidget::kMinWidth);
  EXPECT_FALSE(chart().ThkAxesZoomedOut());
  form_->ADecrease->trigger();  // at minimum size: the axes widen instead
  EXPECT_TRUE(chart().ThkAxesZoomedOut());
  EXPECT_FALSE(form_->ADecrease->isEnabled());
  EXPECT_DOUBLE_EQ(c().bottomAxis().minimum, -27.5);
  EXPECT_DOUBLE_EQ(c().bottomAxis().maximum, 137.5);
  // The start position restores the axes, but the button stays grey and the flag set.
  form_->ABeginPosition->trigger();
  EXPECT_DOUBLE_EQ(c().bottomAxis().minimum, 0);
  EXPECT_TRUE(chart().ThkAxesZoomedOut());
  EXPECT_FALSE(form_->ADecrease->isEnabled());
  // The next enlargement clears them without scaling the chart.
  form_->AIncrease->trigger();
  EXPECT_FALSE(chart().ThkAxesZoomedOut());
  EXPECT_TRUE(form_->ADecrease->isEnabled());
  EXPECT_EQ(w()->width(), ui::ChartWidget::kMinWidth);
}

TEST_F(ChartView, ReadOutFollowsTheMouseInTheFrontViewAndLeavesThePictureAsItWas) {
  ASSERT_TRUE(open(flatFile()));
  form_->FrPosBtn->click();
  ASSERT_TRUE(form_->FrPosBtn->isChecked());
  EXPECT_FALSE(c().view3D);
  EXPECT_TRUE(form_->KoorLb->isVisibleTo(form_.get()));
  EXPECT_TRUE(form_->KYLb->isVisibleTo(form_.get()));
  paint();
  const QImage clean = w()->picture().copy();
  const gfx::Rect r = c().plotRect();
  const int x = r.left + r.width() / 2, y = r.top + r.height() / 2;
  chart().AutoChrtMouseMove(x, y);
  EXPECT_EQ(chart().CursorX(), x);
  EXPECT_EQ(chart().CursorY(), y);
  EXPECT_NE(w()->picture(), clean);
  const long long xv = static_cast<long long>(std::trunc(c().bottomValueAt(x)));
  EXPECT_EQ(form_->KoorLb->text(), QString("Координата: %1").arg(xv));
  EXPECT_TRUE(form_->KYLb->text().startsWith("Значение толщины:"));
  const QString shown = form_->KoorLb->text();
  // Out of the rectangle: the cross-hair goes, the labels stay.
  chart().AutoChrtMouseMove(r.right + 5, y);
  EXPECT_EQ(chart().CursorX(), -1);
  EXPECT_EQ(w()->picture(), clean);
  EXPECT_EQ(form_->KoorLb->text(), shown);
  // After a redraw no stale cross-hair is erased: the next move only draws.
  chart().AutoChrtMouseMove(x, y);
  paint();
  EXPECT_EQ(chart().CursorX(), -1);
  chart().AutoChrtMouseMove(x + 3, y);
  chart().AutoChrtMouseMove(r.right + 5, y);
  EXPECT_EQ(w()->picture(), clean);
  // A second click raises the button: flat view stays, read-out stops.
  form_->FrPosBtn->click();
  EXPECT_FALSE(c().view3D);
  chart().AutoChrtMouseMove(x, y);
  EXPECT_EQ(chart().CursorX(), -1);
}

TEST_F(ChartView, FrontViewFromTheMenuShowsTheLabelsButLeavesTheButtonUp) {
  ASSERT_TRUE(open(flatFile()));
  form_->AFrPos->trigger();
  EXPECT_FALSE(c().view3D);
  EXPECT_FALSE(form_->FrPosBtn->isChecked());
  EXPECT_TRUE(form_->KoorLb->isVisibleTo(form_.get()));
  paint();
  const gfx::Rect r = c().plotRect();
  chart().AutoChrtMouseMove(r.left + 10, r.top + 10);
  EXPECT_EQ(chart().CursorX(), -1);
}

TEST_F(ChartView, TopAndStartPositionsRaiseTheButtonAndKeepTheLeftAxisHidden) {
  ASSERT_TRUE(open(flatFile()));
  form_->FrPosBtn->click();
  form_->AUpPos->trigger();
  EXPECT_FALSE(form_->FrPosBtn->isChecked());
  EXPECT_FALSE(form_->KoorLb->isVisibleTo(form_.get()));
  EXPECT_TRUE(c().view3D);
  EXPECT_EQ(c().elevation, 270);
  EXPECT_FALSE(c().leftAxis().visible);
  EXPECT_TRUE(c().topAxis().visible);
  form_->ABeginPosition->trigger();
  EXPECT_EQ(c().rotation, 349);
  EXPECT_EQ(c().elevation, 299);
  EXPECT_FALSE(c().leftAxis().visible);
  EXPECT_FALSE(c().topAxis().visible);
  form_->AFrPos->trigger();
  EXPECT_TRUE(c().leftAxis().visible);
}

TEST_F(ChartView, AClickInTheFrontViewReportsTheBandTitleCoordinateAndThickness) {
  ASSERT_TRUE(open(flatFile()));
  form_->FrPosBtn->click();
  paint();
  const gfx::Rect r = c().plotRect();
  // At 5 mm only sensor 2 (6 mm) reaches; sensor 1 (2 mm) lies in front below it.
  const int x = r.left + r.width() * 20 / 110;
  const int y = r.bottom - int(5.0 / c().leftAxis().maximum * r.height());
  chart().AutoChrtClick(x, y);
  ASSERT_EQ(dialogs_.messages.size(), 1);
  const QStringList lines = dialogs_.messages[0].split('\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], "Датчик №2");
  EXPECT_TRUE(lines[1].startsWith("Координата Х: ")) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].startsWith("Толщина: ")) << lines[2].toStdString();
  EXPECT_EQ(c().bottomAxis().labelPattern, "##0.#");
  EXPECT_EQ(c().leftAxis().labelPattern, "#0.#");
  // Low down the front band answers.
  chart().AutoChrtClick(x, r.bottom - 3);
  ASSERT_EQ(dialogs_.messages.size(), 2);
  EXPECT_TRUE(dialogs_.messages[1].startsWith("Датчик №1\n"));
}

TEST_F(ChartView, AClickIn3DSendsTheBandOneStepBackAndTheLastStays) {
  ASSERT_TRUE(open(flatFile()));
  paint();
  const QPoint front = shapeCentre(c(), 1);
  ASSERT_EQ(c().seriesAt(front.x(), front.y()), 0);
  chart().AutoChrtClick(front.x(), front.y());
  EXPECT_EQ(c().seriesAtPlace(1), 1);
  EXPECT_EQ(c().seriesAtPlace(2), 0);
  EXPECT_TRUE(w()->stale());
  paint();
  const QPoint back = shapeCentre(c(), 4);
  ASSERT_EQ(c().seriesAt(back.x(), back.y()), 3);
  chart().AutoChrtClick(back.x(), back.y());
  EXPECT_EQ(c().seriesAtPlace(4), 3);
  EXPECT_FALSE(w()->stale());  // not even a redraw
  EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(ChartView, SensorChoiceKeepsTheTickedBandsAndAnyOtherEndShowsAll) {
  ASSERT_TRUE(open(flatFile()));
  chart().setSensorDialogRunner([](ui::TForm1& d) {
    d.tickAll();
    d.DatChB[1]->setChecked(false);
    d.DatChB[3]->setChecked(false);
    d.OKBttnClick();
    return d.result();
  });
  form_->AShowSech->trigger();
  EXPECT_EQ(chart().SensorChosen(), (std::array<std::int16_t, 4>{1, 0, 1, 0}));
  EXPECT_TRUE(c().series(0).active);
  EXPECT_FALSE(c().series(1).active);
  EXPECT_TRUE(c().series(2).active);
  EXPECT_FALSE(c().series(3).active);
  chart().setSensorDialogRunner([](ui::TForm1&) { return 0; });
  form_->AShowSech->trigger();
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(c().series(i).active);
  // With the table shown the command only greys itself out.
  form_->AShowTable->trigger();
  ASSERT_FALSE(chart().chartShown());
  form_->AShowSech->trigger();
  EXPECT_FALSE(form_->AShowSech->isEnabled());
  form_->AShowGraph->trigger();
  EXPECT_TRUE(form_->AShowSech->isEnabled());
  EXPECT_TRUE(chart().chartShown());
}

TEST_F(ChartView, TheSensorDialogOffersFourTicksAndShow) {
  ui::TForm1& d = *chart().sensorDialog();
  EXPECT_EQ(d.windowTitle(), "Выбор датчиков");
  EXPECT_EQ(d.OKBttn->text(), "Показать");
  EXPECT_EQ(d.Labels[1]->text(), "Датчик N 2");
  EXPECT_EQ(d.Labels[3]->text(), "Датчик N4");
  EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
  // The button fits inside the dialog.
  EXPECT_LE(d.OKBttn->geometry().right(), d.width());
  EXPECT_LE(d.OKBttn->geometry().bottom(), d.height());
}

TEST_F(ChartView, GridColourRebuildsTheChartBehindTheTableAndReactivatesBands) {
  ASSERT_TRUE(open(flatFile()));
  c().series(2).active = false;
  form_->AShowTable->trigger();
  dialogs_.colorAnswers.push_back(QColor(0x12, 0x34, 0x56));
  form_->HDChnItems[1]->trigger();  // "Сетка"
  EXPECT_EQ(form_->appSettings().ThicknessColors[6], gfx::rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(chart().CursorColor(), gfx::rgb(0x12, 0x34, 0x56));
  EXPECT_TRUE(c().series(2).active);
  EXPECT_FALSE(chart().chartShown());
  // "Цифры" from the tool button's menu; a cancelled dialog changes nothing.
  dialogs_.colorAnswers.push_back(QColor(0xAA, 0, 0));
  form_->HDPopupItems[3]->trigger();
  EXPECT_EQ(c().bottomAxis().labelColor, gfx::rgb(0xAA, 0, 0));
  const auto before = form_->appSettings().ThicknessColors;
  form_->HDChnItems[5]->trigger();  // "Текст", cancelled
  EXPECT_EQ(form_->appSettings().ThicknessColors, before);
}

TEST_F(ChartView, LegendToggleAndCloseBoxRaiseTheButton) {
  ASSERT_TRUE(open(flatFile()));
  ASSERT_TRUE(chart().legendVisible());
  ui::TLegendForm* legend = chart().legendForm();
  EXPECT_EQ(legend->windowTitle(), "Обозначения");
  // A tool window of the main window: above it, never above the dialogs it opens.
  EXPECT_EQ(legend->windowType(), Qt::Tool);
  EXPECT_FALSE(legend->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(legend->parentWidget(), form_.get());
  form_->AShowLegend->trigger();
  EXPECT_FALSE(chart().legendVisible());
  EXPECT_FALSE(form_->AShowLegend->isChecked());
  form_->AShowLegend->trigger();
  EXPECT_TRUE(chart().legendVisible());
  EXPECT_TRUE(form_->AShowLegend->isChecked());
  legend->close();
  EXPECT_FALSE(form_->AShowLegend->isChecked());
  // Every paint starts from the bitmap: the labels are over it, never in it.
  const QImage bitmap = legend->PaletImg->bitmap().copy();
  // Rows as tall as the label font, so the marker labels stand apart.
  EXPECT_EQ(legend->PaletImg->rowHeight(), ui::TLegendForm::imageSize().height() / 52);
  EXPECT_NE(legend->PaletImg->paintedPicture(), bitmap);
  EXPECT_EQ(legend->PaletImg->bitmap(), bitmap);
}

}  // namespace
}  // namespace charttest
