// What the viewer remembers between runs: window, chart position, map zoom and recent files, in the user's state file.
#include "ui/shell/window_memory.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>

#include "support/file_builder.h"
#include "ui/defectmap/defect_map_controller.h"
#include "ui/main_window_fixture.h"
#include "ui/shell/recent_files.h"
#include "ui/thickness/thickness_chart.h"
#include "ui/thickness/thickness_controller.h"

namespace {

using ui::ChartPosition;

class WindowMemoryTest : public testsupport::MainWindowTest {
 protected:
  WindowMemoryTest() : MainWindowTest("memory", {1200, 800}) {}

  void SetUp() override {
    MainWindowTest::SetUp();
    stateFile_ = q(path("config/tervview/tervview.ini"));  // its directory is made when it is first written
    pipe_ = writeFile("pipe.dtm", shortPipe());
    weld_ = writeFile("weld.dau", longWeld());
    restart();
  }

  // The viewer ends and starts again, as the program starts it.
  void restart() {
    form_->close();
    form_ = makeForm();
    form_->showRemembered();
    settle();
  }
  void show(const QString& name) {
    ASSERT_TRUE(form_->openFile(name));
    settle();
  }
  ChartPosition chartPosition() { return ui::chartPositionOf(form_->thickness()->chart()->chart()); }
  std::optional<int> mapZoom() { return ui::mapZoomStepsOf(form_->defectMap()->map()); }

  // A weld long enough to be zoomed both ways.
  static testsupport::Bytes longWeld() {
    testsupport::MapLikeFields s;
    s.type = 2;
    s.channels = 1;
    s.length = 6000;
    s.body.assign(2 * 6000, 0);
    return testsupport::buildMapLike(s);
  }

  QString pipe_;
  QString weld_;
};

TEST_F(WindowMemoryTest, TheNextRunStartsWhereThisOneLeftOff) {
  form_->showNormal();
  form_->setGeometry(60, 50, 1000, 700);
  settle();
  show(pipe_);
  EXPECT_EQ(chartPosition(), ChartPosition::Begin);
  form_->FrPosAction->trigger();
  show(weld_);
  form_->AIncrease->trigger();
  form_->AIncrease->trigger();
  ASSERT_EQ(mapZoom(), 2);
  const QStringList recent = form_->recentFiles()->files();
  ASSERT_EQ(recent, QStringList({weld_, pipe_}));

  restart();
  EXPECT_FALSE(form_->isMaximized());
  EXPECT_EQ(form_->size(), QSize(1000, 700));
  EXPECT_EQ(form_->recentFiles()->files(), recent);
  show(pipe_);
  EXPECT_EQ(chartPosition(), ChartPosition::Front);
  EXPECT_TRUE(form_->FrPosAction->isChecked());  // the button is down, as the operator left it
  show(weld_);
  EXPECT_EQ(mapZoom(), 2);
  // Only the first map of a run takes the remembered zoom; the next one is fitted as always.
  show(weld_);
  EXPECT_EQ(mapZoom(), 0);

  // terv.ini stays the unit's file.
  const std::string ini = readAll(path("terv.ini"));
  EXPECT_FALSE(ini.empty());
  for (const char* foreign : {"geometry", "mapZoom", "pipe.dtm", "front"})
    EXPECT_EQ(ini.find(foreign), std::string::npos) << foreign;
}

TEST_F(WindowMemoryTest, TopViewAndAZoomedOutMapComeBackInEitherOrder) {
  show(weld_);
  form_->ADecrease->trigger();
  show(pipe_);
  form_->AUpPos->trigger();
  ASSERT_EQ(chartPosition(), ChartPosition::Top);

  restart();
  show(weld_);
  EXPECT_EQ(mapZoom(), -1);
  show(pipe_);
  EXPECT_EQ(chartPosition(), ChartPosition::Top);
  EXPECT_FALSE(form_->FrPosAction->isChecked());
}

TEST_F(WindowMemoryTest, TwoWindowsClosedOneAfterTheOtherKeepTheRecentFilesOfBoth) {
  auto second = makeForm();  // a second tervview started while the first runs
  show(pipe_);
  ASSERT_TRUE(second->openFile(weld_));
  second->close();
  form_->close();
  EXPECT_EQ(ui::loadRemembered(stateFile_).recentFiles, QStringList({pipe_, weld_}));
}

TEST_F(WindowMemoryTest, AMissingOrBrokenStateGivesTheFirstStartAndIsWrittenAnew) {
  const std::string state = stateFile_.toStdString();
  static const char binary[] = "\x00\xff\xfe[window\ngeometry=@ByteArray(\x01\x02)\n";
  const std::string broken[] = {
      "",  // missing
      std::string(binary, sizeof binary - 1),
      "[window]\ngeometry=@ByteArray(not a geometry)\n[views]\nchart=sideways\nmapZoomSteps=2147483647\n"
      "[recent]\nfiles=relative.dtm\n",
  };
  for (const std::string& content : broken) {
    SCOPED_TRACE(content.size());
    form_->close();
    std::filesystem::remove(state);
    if (!content.empty()) testsupport::writeBytes(state, testsupport::Bytes(content.begin(), content.end()));
    form_ = makeForm();
    form_->showRemembered();
    settle();
    EXPECT_TRUE(form_->isMaximized());
    EXPECT_TRUE(form_->recentFiles()->files().isEmpty());
    show(pipe_);
    EXPECT_EQ(chartPosition(), ChartPosition::Begin);
    show(weld_);
    EXPECT_EQ(mapZoom(), 0);

    form_->close();
    const ui::RememberedState written = ui::loadRemembered(stateFile_);
    EXPECT_FALSE(written.geometry.isEmpty());
    EXPECT_EQ(written.recentFiles, QStringList({weld_, pipe_}));
  }
}

}  // namespace
