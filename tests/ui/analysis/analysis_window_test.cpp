// The engineer's analysis from the window: the statistics window leading to the views, and the exports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <filesystem>

#include "core/printing/csv_export.h"
#include "ui/analysis/export_controller.h"
#include "ui/analysis/stats_window.h"
#include "ui/analysis/text_table_view.h"
#include "ui/defectmap/defect_map_controller.h"
#include "ui/main_window_fixture.h"
#include "ui/thickness/sg_tab.h"
#include "ui/thickness/thickness_controller.h"

namespace {

using testsupport::Bytes;

class AnalysisWindow : public testsupport::MainWindowTest {
 protected:
  AnalysisWindow() : MainWindowTest("analysis", QSize(1200, 900)) {}

  // 40 samples (80 mm) of 8.0 mm on a nominal of 10 mm, thinned to 7.0 mm on sensor 2 at
  // samples 10..12 (20..24 mm) and to 6.0 mm on sensor 4 at samples 30..31 (60..62 mm).
  static Bytes thinnedRun() {
    // Raw readings count 5 µm.
    std::vector<std::array<std::uint16_t, 4>> samples(40, {1600, 1600, 1600, 1600});
    for (int k : {10, 11, 12}) samples[std::size_t(k)][1] = 1400;
    for (int k : {30, 31}) samples[std::size_t(k)][3] = 1200;
    testsupport::MapLikeFields m;
    m.nominal = 100;
    m.length = 80;
    m.body = testsupport::thicknessBody(samples);
    return testsupport::buildMapLike(m);
  }
  // A long weld with two runs of class 1 in layer 1, far apart so that the second is off screen.
  static Bytes weldWithRuns() {
    testsupport::MapLikeFields m;
    m.type = 2;
    m.channels = 1;
    m.length = 3000;
    std::vector<std::array<std::uint8_t, 2>> cells(3000, {0, 0});
    for (int mm = 100; mm < 110; ++mm) cells[std::size_t(mm)] = {4, 1};
    for (int mm = 2500; mm < 2504; ++mm) cells[std::size_t(mm)] = {6, 1};
    m.body = testsupport::mapBody(cells);
    return testsupport::buildMapLike(m);
  }
  ui::StatsWindow& stats() {
    form_->AStats->trigger();
    settle();
    return *form_->stats();
  }
};

TEST_F(AnalysisWindow, TheActionsWaitForAFileAndTheWindowFollowsTheShownOne) {
  form_->show();
  for (QAction* a : {form_->AStats, form_->AExportCsv, form_->ASaveImage}) EXPECT_FALSE(a->isEnabled());
  ASSERT_TRUE(open(thinnedRun(), "run.DTM"));
  ui::StatsWindow& w = stats();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.parentWidget(), form_.get());  // above the main window only
  // Read down: a column for each of the four sensors and all together, a row for each figure.
  EXPECT_EQ(w.summary()->table().header.size(), 6u);
  EXPECT_EQ(w.summary()->table().header.back(), "Все датчики");

  ASSERT_TRUE(open(weldWithRuns(), "weld.DAU"));
  EXPECT_TRUE(w.windowTitle().contains("weld.DAU"));
  EXPECT_FALSE(w.thresholdField()->isVisible());
  form_->ACloseFileExecute();
  form_->ACloseFileExecute();
  EXPECT_TRUE(w.isHidden());
  EXPECT_FALSE(form_->AStats->isEnabled());
}

TEST_F(AnalysisWindow, ThinZonesFollowTheTypedThresholdAndAClickShowsTheRowInTheTable) {
  form_->show();
  ASSERT_TRUE(open(thinnedRun(), "run.DTM"));
  form_->AShowTable->trigger();
  ui::StatsWindow& w = stats();
  // The default threshold is 80 % of the nominal: 8.0 mm, so every sample is thin: one zone.
  EXPECT_EQ(w.thresholdField()->text(), "8,0");
  EXPECT_EQ(w.detail()->rowCount(), 1);
  // "7.0" with a point is the same number as "7,0": two zones.
  w.thresholdField()->setText("7.0");
  w.findZones();
  ASSERT_EQ(w.detail()->rowCount(), 2);
  EXPECT_EQ(w.detail()->table().rows[1][0], "60");
  w.thresholdField()->setText("7,,0");
  w.findZones();
  EXPECT_EQ(dialogs_.warnings, 1);
  EXPECT_EQ(w.detail()->rowCount(), 2);  // a wrong entry changes nothing

  w.chooseDetailRow(1);
  ui::SGTab* tab = form_->thickness()->sgTab();
  EXPECT_EQ(tab->currentIndex().data().toString().toInt(), 60);
}

TEST_F(AnalysisWindow, AClassListsItsRunsAndARunPutsTheMarkerOnIt) {
  form_->show();
  ASSERT_TRUE(open(weldWithRuns(), "weld.DAU"));
  ui::StatsWindow& w = stats();
  w.chooseSummaryRow(0);  // layer 1, the only class
  ASSERT_EQ(w.detail()->rowCount(), 2);
  w.chooseDetailRow(1);
  settle();
  const defectmap::DefectMap& map = form_->defectMap()->map();
  EXPECT_EQ(map.markerMm, 2500);
  // The class over all layers lists the same runs; the total row leaves the list as it was.
  w.chooseSummaryRow(1);
  EXPECT_EQ(w.detail()->rowCount(), 2);
  w.chooseSummaryRow(2);
  EXPECT_EQ(w.detail()->rowCount(), 2);
}

TEST_F(AnalysisWindow, AClassOfTensOfThousandsOfRunsListsThemAll) {
  // The longest weld with an indication on every other millimetre of each of three layers.
  testsupport::MapLikeFields m;
  m.type = 2;
  m.channels = 3;
  m.length = 65535;
  std::vector<std::array<std::uint8_t, 2>> cells(std::size_t(3) * m.length, {0, 0});
  for (std::size_t mm = 0; mm < m.length; mm += 2)
    for (std::size_t layer = 0; layer < 3; ++layer) cells[mm * 3 + layer] = {3, 1};
  m.body = testsupport::mapBody(cells);
  form_->show();
  ASSERT_TRUE(open(testsupport::buildMapLike(m), "dense.DAU"));
  ui::StatsWindow& w = stats();
  w.chooseSummaryRow(3);  // the class over all layers
  settle();
  EXPECT_EQ(w.detail()->rowCount(), 3 * 32768);
}

TEST_F(AnalysisWindow, CopyGivesTheSelectedRowsUnderTheHeader) {
  form_->show();
  ASSERT_TRUE(open(thinnedRun(), "run.DTM"));
  ui::StatsWindow& w = stats();
  w.summary()->selectRow(0);
  w.summary()->setFocus();
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
  QApplication::sendEvent(w.summary(), &copy);
  const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith("Показатель\tДатчик 1\t"));
  EXPECT_TRUE(lines[1].startsWith("Мин. мм\t"));
}

TEST_F(AnalysisWindow, TheCsvExportIsTervtoolsCsvBesideTheDataFile) {
  ASSERT_TRUE(open(thinnedRun(), "run.DTM"));
  dialogs_.saveAnswers.push_back(q(path("out.csv")));
  form_->AExportCsv->trigger();
  EXPECT_EQ(dialogs_.saveSuggestions.value(0), q(path("run.csv")));
  EXPECT_EQ(readAll(path("out.csv")), printing::csvThickness(form_->file(), form_->numberFormat()));

  // A folder nobody may write into: the operator hears why, and nothing claims success.
  std::filesystem::create_directory(path("locked"));
  std::filesystem::permissions(path("locked"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  dialogs_.saveAnswers.push_back(q(path("locked/out.csv")));
  form_->AExportCsv->trigger();
  EXPECT_EQ(dialogs_.warnings, geteuid() == 0 ? 0 : 1);
  std::filesystem::permissions(path("locked"), std::filesystem::perms::owner_all);
}

TEST_F(AnalysisWindow, TheImageIsTheViewAtTheShownOrTheGivenSize) {
  form_->show();
  ASSERT_TRUE(open(thinnedRun(), "run.DTM"));
  settle();
  dialogs_.saveAnswers = {q(path("shown.png")), q(path("big.png"))};
  form_->ASaveImage->trigger();
  const QSize shown = dialogs_.shownSizes.value(0);
  EXPECT_EQ(dialogs_.saveSuggestions.value(0), q(path("run.png")));
  EXPECT_EQ(QImage(q(path("shown.png"))).size(), shown);

  dialogs_.imageSizeAnswers = {QSize(1920, 1080)};
  form_->ASaveImage->trigger();
  const QImage big(q(path("big.png")));
  EXPECT_EQ(big.size(), QSize(1920, 1080));

  dialogs_.imageSizeAnswers = {std::nullopt};  // cancelled: no name asked, nothing written
  form_->ASaveImage->trigger();
  EXPECT_EQ(dialogs_.saveSuggestions.size(), 2);
}

}  // namespace
