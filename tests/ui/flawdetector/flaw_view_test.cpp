// The flaw-detector view in the main window: showing a record, the parameter panel, zoom, colours.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>

#include "core/flawdetector/flaw_picture.h"
#include "core/gfx/recording_printer.h"
#include "qt/convert.h"
#include "support/file_builder.h"
#include "ui/flawdetector/flaw_controller.h"
#include "ui/main_window_fixture.h"

namespace {

using testsupport::FlawFields;
using ui::FlawController;

class FlawView : public testsupport::MainWindowTest {
 protected:
  FlawView() : MainWindowTest("flawview", {1200, 900}) {}

  using MainWindowTest::open;
  bool open(const FlawFields& fields, const std::string& name) { return open(testsupport::buildFlaw(fields), name); }

  FlawController& view() { return *form_->flaw(); }

  static FlawFields Plain(std::uint8_t flags = 0x20) {
    FlawFields s;
    s.flags = flags;
    s.aScan.assign(140, 10);
    s.aScan[30] = 200;
    return s;
  }

  static FlawFields ExtendedThickness() {
    FlawFields s;
    s.type = 4;
    s.flags = 0x41;
    s.tvgCountByte = 1;
    s.tvgGainStored = {30, 60};
    s.tvgTime = {10, 80};
    s.aScanCode = 220;
    s.extensionCount = 12;
    s.objectFlag = 1;
    s.objectName = "Лист 12";
    s.agcGateOn = 3;
    s.gateStart = 700;
    s.gateWidth = 600;
    s.aScan.assign(220, 5);
    for (int i = 0; i < 10; ++i) s.aScan[std::size_t(i)] = std::uint8_t(250 - 25 * i);
    for (int i = 148; i < 153; ++i) s.aScan[std::size_t(i)] = 180;
    return s;
  }
};

TEST_F(FlawView, ShowingARecordDrawsPictureAndPanel) {
  ASSERT_TRUE(open(Plain(), "a.DHN"));
  EXPECT_EQ(view().screen().width, 160);
  EXPECT_EQ(view().screen().height, 80);
  EXPECT_EQ(view().screen().zoomX, 3);
  EXPECT_EQ(view().screen().marginX, 20);
  EXPECT_EQ(view().textPanel()->height(), 160);
  ASSERT_FALSE(view().pictureImage().isNull());
  // The picture's background is the flaw background colour, the trace is drawn in the graph colour.
  EXPECT_EQ(qtx::fromQColor(view().pictureImage().pixelColor(600, 600)), form_->appSettings().FlawColors[0]);
  EXPECT_GE(view().pictureImage().width(), 2000);
  // The parameter panel shows the button-face colour behind its text.
  EXPECT_EQ(qtx::fromQColor(view().textImage().pixelColor(view().textImage().width() - 2, 2)), gfx::sys::kBtnFace);
  EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(FlawView, TvgRecordGetsTheTallerPanel) {
  ASSERT_TRUE(open(ExtendedThickness(), "b.DHT"));
  EXPECT_EQ(view().textPanel()->height(), 230);
  EXPECT_EQ(view().screen().width, 240);
  EXPECT_EQ(view().screen().height, 126);
  EXPECT_TRUE(view().screen().dht);
  ASSERT_TRUE(open(Plain(), "c.DHN"));
  EXPECT_EQ(view().textPanel()->height(), 160);
}

TEST_F(FlawView, ZoomStepsAndButtonStates) {
  ASSERT_TRUE(open(ExtendedThickness(), "b.DHT"));
  const QImage panelBefore = view().textImage();
  for (int i = 0; i < 6; ++i) form_->AIncrease->trigger();
  EXPECT_EQ(view().screen().zoomX, 9);
  EXPECT_TRUE(form_->ToolIncBttn->isEnabled());
  form_->AIncrease->trigger();  // the seventh step reaches 10
  EXPECT_EQ(view().screen().zoomX, 10);
  EXPECT_FALSE(form_->ToolIncBttn->isEnabled());
  EXPECT_EQ(form_->AIncrease->property("imageIndex").toInt(), 27);
  form_->AIncrease->trigger();
  EXPECT_EQ(view().screen().zoomY, 10);
  // At zoom 10 the whole 240 x 126 screen fits the bitmap.
  EXPECT_GE(view().pictureImage().width(), 20 + 2400);
  EXPECT_GE(view().pictureImage().height(), 10 + 1260);
  EXPECT_EQ(view().image()->size(), view().pictureImage().size());
  // Zoom repaints the raster only: the parameter panel is not rewritten.
  EXPECT_EQ(view().textImage(), panelBefore);

  form_->ADecrease->trigger();
  EXPECT_EQ(view().screen().zoomX, 9);
  EXPECT_TRUE(form_->ToolIncBttn->isEnabled());
  for (int i = 0; i < 8; ++i) form_->ADecrease->trigger();
  EXPECT_EQ(view().screen().zoomX, 1);
  EXPECT_FALSE(form_->ToolDecBttn->isEnabled());
  EXPECT_EQ(form_->ADecrease->property("imageIndex").toInt(), 25);
  EXPECT_EQ(form_->AIncrease->property("imageIndex").toInt(), 26);
  form_->ADecrease->trigger();
  EXPECT_EQ(view().screen().zoomX, 1);

  // The next record starts at zoom 3 with both buttons working.
  ASSERT_TRUE(open(Plain(), "d.DHN"));
  EXPECT_EQ(view().screen().zoomX, 3);
  EXPECT_TRUE(form_->ToolIncBttn->isEnabled());
  EXPECT_TRUE(form_->ToolDecBttn->isEnabled());
}

TEST_F(FlawView, ZoomedPixelsFollowTheRaster) {
  ASSERT_TRUE(open(Plain(), "a.DHN"));
  // Sample 30 = 200 reaches row 62; at zoom z column 30 starts at 20 + 30 z and row 62 at 10 + 17 z.
  for (int z : {3, 4}) {
    if (z == 4) form_->AIncrease->trigger();
    const QImage& img = view().pictureImage();
    const QColor trace = img.pixelColor(20 + 30 * z + z / 2, 10 + (80 - 1 - 62) * z + z / 2);
    EXPECT_EQ(qtx::fromQColor(trace), form_->appSettings().FlawColors[2]) << z;
  }
}

TEST_F(FlawView, ColourItemsOfBothMenus) {
  ASSERT_TRUE(open(Plain(), "a.DHN"));
  dialogs_.colorAnswers.push_back(QColor(10, 20, 30));
  form_->HDChnItems[0]->trigger();  // "Фон"
  EXPECT_EQ(form_->appSettings().FlawColors[0], gfx::rgb(10, 20, 30));
  EXPECT_EQ(view().pictureImage().pixelColor(1500, 900), QColor(10, 20, 30));
  dialogs_.colorAnswers.push_back(QColor(200, 0, 0));
  form_->HDPopupItems[2]->trigger();  // "График"
  EXPECT_EQ(form_->appSettings().FlawColors[2], gfx::rgb(200, 0, 0));
  EXPECT_EQ(view().screen().colors[2], gfx::rgb(200, 0, 0));
  dialogs_.colorAnswers.push_back(QColor(0, 0, 200));
  form_->HDPopupItems[5]->trigger();  // "Текст"
  EXPECT_EQ(form_->appSettings().FlawColors[5], gfx::rgb(0, 0, 200));
  // A cancelled dialog changes nothing.
  const auto before = form_->appSettings().FlawColors;
  form_->HDChnItems[1]->trigger();
  EXPECT_EQ(form_->appSettings().FlawColors, before);
  EXPECT_EQ(dialogs_.askedColors.size(), 4);
}

TEST_F(FlawView, ThicknessFileLeavesTheFlawColoursOfItsOwnItemsAlone) {
  testsupport::MapLikeFields dtm;
  dtm.body = testsupport::thicknessBody({{80, 80, 80, 80}, {81, 79, 80, 80}});
  ASSERT_TRUE(open(testsupport::buildMapLike(dtm), "t.DTM"));
  const auto before = form_->appSettings().FlawColors;
  dialogs_.colorAnswers.push_back(QColor(1, 2, 3));
  form_->HDChnItems[0]->trigger();  // "Фон": nothing with a thickness file
  EXPECT_EQ(form_->appSettings().FlawColors, before);
  EXPECT_EQ(dialogs_.colorAnswers.size(), 1u);
  form_->HDChnItems[2]->trigger();  // "График": the flaw colour all the same
  EXPECT_EQ(form_->appSettings().FlawColors[2], gfx::rgb(1, 2, 3));
}

TEST_F(FlawView, ZeroSweepIsReportedAndThePictureStays) {
  FlawFields fields = Plain();
  fields.sweepStart = 400;
  fields.sweepRange = 400;
  ASSERT_TRUE(open(fields, "z.DHN"));
  ASSERT_EQ(dialogs_.messages.size(), 1);
  EXPECT_EQ(dialogs_.messages[0], QString::fromUtf8("Неверный  формат файла"));
  EXPECT_EQ(dialogs_.messageTitles[0], "Error");
  EXPECT_FALSE(view().pictureImage().isNull());
}

TEST_F(FlawView, ZoomButtonsDoNothingForOtherKinds) {
  ASSERT_TRUE(open(Plain(), "a.DHN"));
  testsupport::MapLikeFields dtm;
  dtm.body = testsupport::thicknessBody({{80, 80, 80, 80}});
  ASSERT_TRUE(open(testsupport::buildMapLike(dtm), "t.DTM"));
  form_->AIncrease->trigger();
  EXPECT_EQ(view().screen().zoomX, 3);
}

// With TERV_SCREENSHOT_DIR set (run under Xvfb), the real window is shown and saved at zoom 3, 1 and 10.
TEST_F(FlawView, Screenshots) {
  const char* out = std::getenv("TERV_SCREENSHOT_DIR");
  if (!out) GTEST_SKIP() << "TERV_SCREENSHOT_DIR not set";
  form_->show();
  auto shot = [&](const QString& name) {
    settle();
    form_->grab().save(QString::fromUtf8(out) + "/" + name);
  };
  FlawFields plain = Plain(0x21 | 0x04);
  plain.tvgCountByte = 2;
  plain.tvgGainStored = {30, 45, 60};
  plain.tvgTime = {5, 20, 40};
  plain.auxValue = 123;
  plain.defectX = 1234;
  plain.defectY = 87;
  plain.objectFlag = 1;
  plain.objectName = "Труба 325x8";
  for (int i = 0; i < 140; ++i) plain.aScan[std::size_t(i)] = std::uint8_t(8 + (i * 7) % 5);
  for (int i = 10; i < 18; ++i) plain.aScan[std::size_t(i)] = std::uint8_t(250 - 30 * std::abs(i - 14));
  for (int i = 58; i < 66; ++i) plain.aScan[std::size_t(i)] = std::uint8_t(160 - 35 * std::abs(i - 62));
  ASSERT_TRUE(open(plain, "plain.DHN"));
  shot("flawdetector-plain-dhn.png");
  ASSERT_TRUE(open(ExtendedThickness(), "extended.DHT"));
  shot("flawdetector-extended-dht.png");
  for (int i = 0; i < 2; ++i) form_->ADecrease->trigger();
  shot("flawdetector-extended-dht-zoom1.png");
  for (int i = 0; i < 9; ++i) form_->AIncrease->trigger();
  shot("flawdetector-extended-dht-zoom10.png");
}

}  // namespace

namespace {

TEST_F(FlawView, PrintingLeavesTheScreenAsItWas) {
  ASSERT_TRUE(open(Plain(), "a.DHN"));
  form_->AIncrease->trigger();
  gfx::RecordingPrinter printer(4800, 6600);
  const auto outcome = view().printScreen(printer, {"5", "Труба", "Иванов", {"Годен"}});
  EXPECT_EQ(outcome.zoom, 17);
  EXPECT_TRUE(printer.ended());
  EXPECT_NE(printer.pages()[0]->findText("Дефектоскопист: Иванов"), nullptr);
  // The screen keeps its zoom and margins and is drawn again.
  EXPECT_EQ(view().screen().zoomX, 4);
  EXPECT_EQ(view().screen().marginX, 20);
  EXPECT_EQ(view().screen().printing, 0);
}

}  // namespace

namespace {

TEST_F(FlawView, ResizingFollowsTheParameterPanel) {
  form_->show();
  ASSERT_TRUE(open(Plain(), "a.DHN"));
  QApplication::processEvents();
  form_->resize(1400, 950);
  QApplication::processEvents();
  EXPECT_EQ(view().textImage().width(), view().textPanel()->width());
  EXPECT_EQ(view().textImage().height(), 160);
  // The picture is drawn again with the record after the resize.
  EXPECT_EQ(qtx::fromQColor(view().pictureImage().pixelColor(600, 600)), form_->appSettings().FlawColors[0]);
  form_->hide();
}

}  // namespace
