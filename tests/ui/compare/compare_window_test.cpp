// The comparison from the main window: the action's state, the pick, the window, its refusals, rows and printouts.
#include "ui/compare/compare_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <filesystem>

#include "core/compare/compare_text.h"
#include "core/gfx/recording_printer.h"
#include "support/run_pair.h"
#include "ui/compare/compare_controller.h"
#include "ui/compare/loss_chart_widget.h"
#include "ui/main_window_fixture.h"

namespace {

namespace fs = std::filesystem;
using comparetest::laterShape;
using comparetest::RunShape;

class CompareUi : public testsupport::MainWindowTest {
 protected:
  CompareUi() : MainWindowTest("compare") {}

  // The two sample runs of the sample pipe, copied into the test's directory.
  QString sample(const std::string& name) {
    fs::copy_file(fs::path(TERV_SOURCE_DIR) / "samples" / name, path(name));
    return q(path(name));
  }
  ui::CompareWindow* window() { return form_->comparison()->window(); }
};

TEST_F(CompareUi, ActionOnlyWhileARunIsShown) {
  EXPECT_FALSE(form_->ACompare->isEnabled());
  ASSERT_TRUE(open(shortPipe(), "P.DTM"));
  EXPECT_TRUE(form_->ACompare->isEnabled());
  ASSERT_TRUE(open(shortWeld(), "W.DAU"));
  EXPECT_FALSE(form_->ACompare->isEnabled());
  form_->ACompare->trigger();  // no dialog for a map
  EXPECT_TRUE(dialogs_.openDirs.isEmpty());
  form_->ACloseFileExecute();
  form_->ACloseFileExecute();
  EXPECT_FALSE(form_->ACompare->isEnabled());
}

TEST_F(CompareUi, SamplePairFoundAndRowsBringTheirPositionIntoView) {
  const QString earlier = sample("TRUBA_01.DTM");
  ASSERT_TRUE(form_->openFile(sample("TRUBA_02.DTM")));
  dialogs_.openAnswers = {{earlier}};
  form_->ACompare->trigger();
  ASSERT_EQ(dialogs_.openDirs.size(), 1);
  EXPECT_EQ(dialogs_.openDirs[0], q(fs::canonical(dir_).string()));
  EXPECT_TRUE(dialogs_.openFilters[0].contains("*.DTM"));
  ui::CompareWindow* w = window();
  ASSERT_TRUE(w);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->parentWidget(), form_.get());
  EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join("\n").toStdString();
  EXPECT_EQ(w->OffsetEdt->value(), 120);
  EXPECT_TRUE(w->MatchLb->text().startsWith("Смещение: +120 мм (найдено)"));
  EXPECT_DOUBLE_EQ(w->TminEdt->value(), 4.0);
  ASSERT_EQ(w->WorstTbl->rowCount(), 20);
  EXPECT_EQ(w->WorstTbl->item(0, 0)->text(), "780");
  EXPECT_EQ(w->WorstTbl->item(0, 1)->text(), "Датчик2");

  w->WorstTbl->setCurrentCell(3, 0);
  const compare::ChartWindow& shown = w->Chart->chartWindow();
  EXPECT_EQ(shown.markMm, w->WorstTbl->item(3, 0)->text().toInt());
  EXPECT_LT(shown.toMm - shown.fromMm, 1000);
  // The main window, showing the later run, reads the sensors at that position.
  const auto* readout = form_->findChild<QLabel*>("ReadoutStatus");
  ASSERT_TRUE(readout);
  EXPECT_TRUE(readout->text().startsWith("Позиция " + w->WorstTbl->item(3, 0)->text() + " мм:"))
      << readout->text().toStdString();
  w->WholeBtn->click();
  EXPECT_EQ(w->Chart->chartWindow().fromMm, 0);

  // A higher minimum shortens the remaining life; the offset stays the one found.
  w->TminEdt->setValue(4.4);
  EXPECT_EQ(w->WorstTbl->item(0, 6)->text(), "0,2");
  EXPECT_FALSE(w->comparison().alignment.overridden);
}

TEST_F(CompareUi, RefusedFilesWarningsAndNoClearMatch) {
  ASSERT_TRUE(open(comparetest::runBytes(laterShape(100)), "LATER.DTM"));
  // Another kind: said, no window.
  dialogs_.openAnswers = {{writeFile("W.DAU", shortWeld())}};
  form_->ACompare->trigger();
  EXPECT_FALSE(window());
  ASSERT_EQ(dialogs_.messages.size(), 1);
  EXPECT_EQ(dialogs_.messages[0], "Сравниваются только результаты толщинометрии (.DTM)");

  // Another object: compared, and said so above the window.
  RunShape other;
  other.fields.section = "Участок 9";
  dialogs_.messages.clear();
  ASSERT_TRUE(form_->comparison()->compareWith(writeFile("OTHER.DTM", comparetest::runBytes(other))));
  ASSERT_TRUE(window());
  EXPECT_EQ(dialogs_.messages, QStringList{"Объект контролей различается (участок или изделие)"});
  EXPECT_TRUE(window()->WarningsLb->isVisibleTo(window()));
  EXPECT_TRUE(window()->comparison().compared());
  EXPECT_EQ(window()->OffsetEdt->value(), 100);

  // A wall alike everywhere: no clear match, nothing compared until the operator gives the offset.
  RunShape flat;
  flat.wall = [](int, int) { return 7000; };
  RunShape flatLater = laterShape(0);
  flatLater.wall = flat.wall;
  ASSERT_TRUE(open(comparetest::runBytes(flatLater), "FLAT2.DTM"));
  dialogs_.messages.clear();
  ASSERT_TRUE(form_->comparison()->compareWith(writeFile("FLAT1.DTM", comparetest::runBytes(flat))));
  ASSERT_EQ(dialogs_.messages.size(), 1);
  EXPECT_TRUE(dialogs_.messages[0].startsWith("Нет явного совпадения профилей"));
  EXPECT_FALSE(window()->PrintBtn->isEnabled());
  EXPECT_EQ(window()->WorstTbl->rowCount(), 0);
  // The offset the search proposed, taken as it stands.
  const int proposed = window()->OffsetEdt->value();
  window()->ApplyBtn->click();
  EXPECT_TRUE(window()->comparison().compared());
  EXPECT_EQ(window()->comparison().offsetMm(), proposed);
  EXPECT_TRUE(window()->MatchLb->text().contains("(задано)"));
  EXPECT_TRUE(window()->PrintBtn->isEnabled());
}

TEST_F(CompareUi, PrintsAndSavesThePage) {
  const QString earlier = sample("TRUBA_01.DTM");
  ASSERT_TRUE(form_->openFile(sample("TRUBA_02.DTM")));
  ASSERT_TRUE(form_->comparison()->compareWith(earlier));
  ui::CompareWindow* w = window();
  gfx::RecordingPrinter printer(4960, 7016);
  w->setPrinterOverride([&printer] { return &printer; });
  dialogs_.printAnswers = {true};
  w->PrintBtn->click();
  ASSERT_EQ(printer.pages().size(), 1u);
  EXPECT_TRUE(printer.pages()[0]->findText(compare::caption::kWorstTitle));
  EXPECT_TRUE(printer.pages()[0]->findText("Последний контроль: " + path("TRUBA_02.DTM")));

  const std::string pdf = path("report.pdf");
  dialogs_.saveAnswers = {q(pdf)};
  w->PdfBtn->click();
  ASSERT_EQ(dialogs_.saveSuggestions.size(), 1);
  EXPECT_TRUE(dialogs_.saveSuggestions[0].endsWith("TRUBA_02-сравнение.pdf"));
  EXPECT_EQ(dialogs_.saveParents[0], w);  // the save dialog opens above the comparison
  EXPECT_EQ(readAll(pdf).substr(0, 5), "%PDF-");
  EXPECT_TRUE(dialogs_.messages.isEmpty());
}

}  // namespace
