// The defect-map view in the main window: showing a map, zoom buttons, marker drag, legend, colours, print lock.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

#include "qt/convert.h"
#include "support/file_builder.h"
#include "ui/defectmap/ad_legend_form.h"
#include "ui/defectmap/defect_map_controller.h"
#include "ui/defectmap/map_image.h"
#include "ui/main_window_fixture.h"

namespace {

using testsupport::MapLikeFields;
using ui::DefectMapController;

class DefectMapView : public testsupport::MainWindowTest {
 protected:
  DefectMapView() : MainWindowTest("mapview", {1200, 800}) {}

  void SetUp() override {
    MainWindowTest::SetUp();
    form_->show();
    settle();
  }

  bool openMap(int layers, int length, const std::string& name = "weld.dau") {
    MapLikeFields s;
    s.type = 2;
    s.channels = std::uint8_t(layers);
    s.length = std::uint16_t(length);
    s.body.assign(std::size_t(2) * layers * length, 0);
    for (int p = 92; p < 100 && p < length; ++p) {
      s.body[2 * (p * layers)] = 4;
      s.body[2 * (p * layers) + 1] = 250;
    }
    const bool ok = open(testsupport::buildMapLike(s), name);
    settle();
    return ok;
  }

  DefectMapController& view() { return *form_->defectMap(); }
  defectmap::DefectMap& map() { return view().map(); }

  void mouse(QEvent::Type type, int x, int y = 150) {
    QMouseEvent e(type, QPointF(x, y), QPointF(x, y), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(view().image(), &e);
  }
};

TEST_F(DefectMapView, ShowingAMapFitsItToThePictureAndEnablesTheRowZoom) {
  ASSERT_TRUE(openMap(3, 2000));
  ui::MapImage* img = view().image();
  ASSERT_GT(img->width(), 100);
  EXPECT_EQ(img->picture().size(), img->size());
  EXPECT_FLOAT_EQ(map().scale, float(img->width() - 90) / 2000.0f);
  EXPECT_EQ(map().firstMm, 0);
  EXPECT_EQ(map().rowHeight, 80);
  EXPECT_EQ(view().scrollBar()->value(), 0);
  EXPECT_EQ(view().scrollBar()->maximum(), int(2000 * map().scale / 20 - 1));
  EXPECT_TRUE(view().vertZoomIn()->isEnabled());
  EXPECT_TRUE(view().vertZoomOut()->isEnabled());
  // The picture holds the map: rows in the button face colour.
  EXPECT_EQ(img->picture().pixel(300, 100) & 0xFFFFFF, 0xF0F0F0u);
  EXPECT_EQ(view().scrollBar()->height(), 18);
}

TEST_F(DefectMapView, HorizontalZoomButtonsFollowTheLimits) {
  ASSERT_TRUE(openMap(1, 60000));
  int steps = 0;
  while (form_->ToolIncBttn->isEnabled() && steps < 20) {
    form_->AIncrease->trigger();
    ++steps;
  }
  EXPECT_GE(map().scale, 20.0f);
  EXPECT_FALSE(form_->ToolIncBttn->isEnabled());
  // The menu item greys with the button, and stays grey when something else changes the action.
  EXPECT_FALSE(form_->AIncrease->isEnabled());
  form_->AIncrease->setToolTip("Увеличить");
  EXPECT_FALSE(form_->ToolIncBttn->isEnabled());
  form_->ADecrease->trigger();
  EXPECT_TRUE(form_->ToolIncBttn->isEnabled());
  EXPECT_GE(view().scrollBar()->maximum(), 60000 * 10 / 20 - 1);
  while (form_->ToolDecBttn->isEnabled() && steps < 60) {
    form_->ADecrease->trigger();
    ++steps;
  }
  EXPECT_FALSE(form_->ToolDecBttn->isEnabled());
  const float fit = float(view().image()->width() - 90) / 60000.0f;
  EXPECT_LE(map().scale, fit * 0.25f + 1e-6f);
}

TEST_F(DefectMapView, RowZoomButtonsStopAtFiftyPixels) {
  ASSERT_TRUE(openMap(3, 500));
  for (int i = 0; i < 3; ++i) view().vertZoomOut()->click();
  EXPECT_EQ(map().rowHeight, 50);
  EXPECT_FALSE(view().vertZoomOut()->isEnabled());
  EXPECT_TRUE(view().vertZoomIn()->isEnabled());
  view().vertZoomIn()->click();
  EXPECT_EQ(map().rowHeight, 60);
  EXPECT_TRUE(view().vertZoomOut()->isEnabled());
}

TEST_F(DefectMapView, ScrollingMovesTheFirstPosition) {
  ASSERT_TRUE(openMap(1, 60000));
  form_->AIncrease->trigger();
  form_->AIncrease->trigger();
  view().scrollBar()->setValue(10);
  EXPECT_EQ(map().firstMm, int(10 * 20 / map().scale));
}

TEST_F(DefectMapView, DraggingTheMarkerAndReadingTheDistance) {
  ASSERT_TRUE(openMap(2, 1000));
  const int x0 = map().markerX;
  mouse(QEvent::MouseButtonPress, x0 + 1);
  EXPECT_EQ(view().image()->Tag, 1);
  mouse(QEvent::MouseMove, x0 + 201);
  EXPECT_EQ(map().markerX, x0 + 200);
  mouse(QEvent::MouseMove, 100000);
  EXPECT_EQ(map().markerX, view().image()->width() - 10);
  mouse(QEvent::MouseButtonRelease, 100000);
  EXPECT_EQ(view().image()->Tag, -1);
  // Outside a drag a move only shows the distance.
  const int before = map().markerX;
  mouse(QEvent::MouseMove, 300);
  EXPECT_EQ(map().markerX, before);
  // A press outside the window grabs nothing.
  mouse(QEvent::MouseButtonPress, 95);
  EXPECT_EQ(view().image()->Tag, -1);
}

TEST_F(DefectMapView, NothingHappensWhileAPrintJobRuns) {
  ASSERT_TRUE(openMap(2, 1000));
  form_->setPrinting(true);
  const float scale = map().scale;
  const int x0 = map().markerX;
  form_->AIncrease->trigger();
  view().vertZoomOut()->click();
  mouse(QEvent::MouseButtonPress, x0);
  mouse(QEvent::MouseMove, x0 + 100);
  dialogs_.colorAnswers.push_back(QColor(1, 2, 3));
  form_->ADChItems[0]->trigger();
  form_->AShowLegend->trigger();
  form_->setPrinting(false);
  EXPECT_EQ(map().scale, scale);
  EXPECT_EQ(map().rowHeight, 80);
  EXPECT_EQ(map().markerX, x0);
  EXPECT_TRUE(dialogs_.askedColors.isEmpty());
  EXPECT_FALSE(view().legendVisible());
}

TEST_F(DefectMapView, LegendTogglesWithTheButtonAndReleasesItWhenClosed) {
  ASSERT_TRUE(openMap(2, 1000));
  form_->AShowLegend->trigger();
  ASSERT_TRUE(view().legendVisible());
  EXPECT_TRUE(form_->LegBttn->isChecked());
  ui::TADLegendForm* legend = view().legend();
  EXPECT_EQ(legend->windowTitle(), QString("Условные обозначения дефектов"));
  EXPECT_EQ(legend->size(), QSize(281, 154));
  EXPECT_EQ(legend->Shapes[5]->geometry(), QRect(9, 128, 17, 17));
  EXPECT_EQ(legend->Labels[1]->text(), QString("Объемно-плоскостной "));
  EXPECT_EQ(legend->Shapes[0]->brushColor(), form_->appSettings().DefectColors[0]);
  form_->AShowLegend->trigger();
  EXPECT_FALSE(view().legendVisible());
  EXPECT_FALSE(form_->LegBttn->isChecked());
  form_->AShowLegend->trigger();
  legend->close();
  EXPECT_FALSE(form_->LegBttn->isChecked());
}

TEST_F(DefectMapView, ColourItemsChangeTheSlotTheirCaptionNames) {
  ASSERT_TRUE(openMap(1, 1000));
  form_->AShowLegend->trigger();
  auto& colors = form_->appSettings().DefectColors;
  const auto before = colors;

  dialogs_.colorAnswers.push_back(QColor(0x10, 0x20, 0x30));
  form_->ADChItems[2]->trigger();  // main menu "Плоскостной вдоль"
  EXPECT_EQ(colors[3], gfx::rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(colors[2], before[2]);

  dialogs_.colorAnswers.push_back(QColor(0x40, 0x50, 0x60));
  form_->ADPopupItems[1]->trigger();  // drop-down "Объемно-плоскостной" works too
  EXPECT_EQ(colors[1], gfx::rgb(0x40, 0x50, 0x60));

  dialogs_.colorAnswers.push_back(QColor(0x70, 0x80, 0x90));
  form_->ADPopupItems[5]->trigger();  // contact lost: the legend and the bars follow
  EXPECT_EQ(colors[5], gfx::rgb(0x70, 0x80, 0x90));
  EXPECT_EQ(view().legend()->Shapes[5]->brushColor(), gfx::rgb(0x70, 0x80, 0x90));
  EXPECT_TRUE(view().legendVisible());
  // The contact-lost cells under 92..99 mm are drawn in the new colour.
  const int x = int((95 - map().firstMm) * map().scale + 90);
  EXPECT_EQ(view().image()->picture().pixel(x, 90 + 79) & 0xFFFFFF, 0x708090u);  // QRgb: red high

  // The dialog opens with the colour it last returned; cancel changes nothing.
  const auto now = colors;
  form_->ADChItems[0]->trigger();
  EXPECT_EQ(dialogs_.askedColors.last(), QColor(0x70, 0x80, 0x90));
  EXPECT_EQ(colors, now);
}

TEST_F(DefectMapView, ResizeRefitsAndKeepsTheMarkersPlace) {
  ASSERT_TRUE(openMap(1, 3000));
  form_->AIncrease->trigger();
  map().MoveMarker(400);
  form_->resize(1000, 700);
  settle();
  EXPECT_EQ(view().image()->picture().size(), view().image()->size());
  EXPECT_FLOAT_EQ(map().scale, float(view().image()->width() - 90) / 3000.0f);
  EXPECT_EQ(map().markerX, 400);
}

TEST_F(DefectMapView, AnotherKindReleasesTheMap) {
  ASSERT_TRUE(openMap(2, 1000));
  EXPECT_NE(map().cells, nullptr);
  MapLikeFields dtm;
  dtm.type = 1;
  dtm.length = 10;
  dtm.body.assign(10 * 8, 0);
  ASSERT_TRUE(open(testsupport::buildMapLike(dtm), "pipe.dtm"));
  EXPECT_EQ(map().cells, nullptr);
  EXPECT_EQ(map().header, nullptr);
}

}  // namespace
