// The thickness view's tables: SGTab after a load, AShowTable, the threshold dialog and the threshold table.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "support/file_builder.h"
#include "ui/main_window_fixture.h"
#include "ui/thickness/sg_tab.h"
#include "ui/thickness/thickness_controller.h"
#include "ui/thickness/threshold_dialog.h"
#include "ui/thickness/value_table_model.h"

namespace {

using testsupport::typeText;
using ui::TForm2;

void pressKey(QWidget* w, int key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
}

// The threshold dialog on its own, bound to a threshold, with scripted message boxes.
class ThresholdDialogUi : public ::testing::Test {
 protected:
  void SetUp() override { dlg_ = std::make_unique<TForm2>(dialogs_, nf_); }
  text::NumberFormat nf_;  // decimal comma
  testsupport::ScriptedDialogs dialogs_;
  std::unique_ptr<TForm2> dlg_;
  std::uint16_t threshold_ = 100;
};

TEST_F(ThresholdDialogUi, DesignAndOpeningText) {
  EXPECT_EQ(dlg_->windowTitle(), "Ввод порога толщины");
  EXPECT_EQ(dlg_->Button1->text(), "Показать  таблицу");
  EXPECT_EQ(dlg_->size(), QSize(267, 68));
  EXPECT_EQ(dlg_->PTolshEdt->geometry(), QRect(96, 8, 89, 21));
  EXPECT_EQ(dlg_->Button1->geometry(), QRect(72, 40, 137, 25));
  dlg_->bind(&threshold_, 100);
  EXPECT_EQ(dlg_->PTolshEdt->text(), "10,0");
  threshold_ = 5;
  dlg_->bind(&threshold_, 100);
  EXPECT_EQ(dlg_->PTolshEdt->text(), ",5");
}

TEST_F(ThresholdDialogUi, KeyFilter) {
  dlg_->bind(&threshold_, 100);
  dlg_->PTolshEdt->clear();
  // A full stop, Cyrillic and Latin letters, a minus and a blank are ignored.
  typeText(dlg_->PTolshEdt, "9.Жa- ,9x");
  EXPECT_EQ(dlg_->PTolshEdt->text(), "9,9");
  // Backspace (a control character) passes.
  pressKey(dlg_->PTolshEdt, Qt::Key_Backspace, "\b");
  EXPECT_EQ(dlg_->PTolshEdt->text(), "9,");

  // Under a locale with a decimal point, the point passes as well.
  nf_.decimal = ".";
  TForm2 dot(dialogs_, nf_);
  dot.bind(&threshold_, 100);
  dot.PTolshEdt->clear();
  typeText(dot.PTolshEdt, "4.5,");
  EXPECT_EQ(dot.PTolshEdt->text(), "4.5,");
}

TEST_F(ThresholdDialogUi, ButtonStoresBeforeTheCheck) {
  dlg_->bind(&threshold_, 100);
  dlg_->setResult(0);
  // 10,0 is not below the nominal 100: stored, message, dialog stays open.
  dlg_->Button1->click();
  EXPECT_EQ(threshold_, 100);
  ASSERT_EQ(dialogs_.messages.size(), 1);
  EXPECT_EQ(dialogs_.messages[0], "Пороговая толщина должна быть меньше номинальной");
  EXPECT_EQ(dlg_->result(), 0);
  dlg_->PTolshEdt->setText("12,3");
  dlg_->Button1->click();
  EXPECT_EQ(threshold_, 123);  // the rejected value is kept and shown next time
  dlg_->bind(&threshold_, 100);
  EXPECT_EQ(dlg_->PTolshEdt->text(), "12,3");
  // Enter acts as the button: 9,9 gives 99 and ends the dialog with result 2.
  dlg_->PTolshEdt->setText("9,9");
  pressKey(dlg_->PTolshEdt, Qt::Key_Return, "\r");
  EXPECT_EQ(threshold_, 99);
  EXPECT_EQ(dlg_->result(), TForm2::kAccepted);
  EXPECT_EQ(dialogs_.messages.size(), 2);
}

TEST_F(ThresholdDialogUi, NotANumberAndTooLargeLeaveTheThreshold) {
  threshold_ = 80;
  dlg_->bind(&threshold_, 100);
  dlg_->setResult(0);
  for (const char* t : {"", ",", "1,2,3"}) {
    dlg_->PTolshEdt->setText(t);
    dlg_->Button1->click();
    EXPECT_EQ(threshold_, 80) << t;
    EXPECT_EQ(dlg_->result(), 0) << t;
  }
  ASSERT_EQ(dialogs_.messages.size(), 3);
  EXPECT_EQ(dialogs_.messages[0], "Пороговую толщину нужно ввести числом, например 9,5");
  dlg_->PTolshEdt->setText("6553,6");
  dlg_->Button1->click();
  EXPECT_EQ(threshold_, 80);
  EXPECT_EQ(dialogs_.messages.back(), "Пороговая толщина должна быть меньше номинальной");
}

TEST_F(ThresholdDialogUi, CloseBoxCountsAsAcceptedEscapeDoesNothing) {
  dlg_->bind(&threshold_, 100);
  dlg_->show();
  pressKey(dlg_.get(), Qt::Key_Escape);
  EXPECT_TRUE(dlg_->isVisible());
  dlg_->close();
  EXPECT_EQ(dlg_->result(), TForm2::kAccepted);
  EXPECT_EQ(threshold_, 100);
}

// The thickness view inside the main window, with a file on disk.
class TablesUi : public testsupport::MainWindowTest {
 protected:
  TablesUi() : MainWindowTest("tables_ui", {1000, 700}) {}

  void SetUp() override {
    MainWindowTest::SetUp();
    testsupport::MapLikeFields dtm;
    dtm.nominal = 120;
    dtm.length = 7;  // odd: all three samples listed
    // Factor 200: a raw value reads as 5 um.
    dtm.body = testsupport::thicknessBody(
        {{2208, 0xFFFF, 0xFFFE, 2092}, {1900, 1960, 2000, 0xFFFF}, {100, 0xFFFF, 0xFFFF, 0xFFFF}});
    ASSERT_TRUE(testsupport::writeBytes(path("T1.dtm"), testsupport::buildMapLike(dtm)));
    form_->show();
    ASSERT_TRUE(form_->openFile(q(path("T1.dtm"))));
  }
  ui::ThicknessController& view() { return *form_->thickness(); }
  QString cell(int row, int col) {
    auto* m = view().sgTab()->valueModel();
    if (row == 0) return m->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
    return m->data(m->index(row - 1, col), Qt::DisplayRole).toString();
  }
  // Runs the double click on SGTab with the dialog answered by typing text and pressing the button.
  void porog(const QString& text) {
    view().setDialogRunner([text](TForm2& d) {
      d.setResult(0);
      d.PTolshEdt->setText(text);
      d.Button1->click();
      return d.result();
    });
    emit view().sgTab()->gridDoubleClicked();
  }
};

TEST_F(TablesUi, LoadFillsTheHiddenTableAndTheState) {
  EXPECT_FALSE(view().sgTab()->isVisible());
  EXPECT_EQ(view().thresholdTenths(), 120);
  EXPECT_EQ(view().tableRows(), 3);
  EXPECT_FLOAT_EQ(view().extremes()[0], 11.04f);
  EXPECT_FLOAT_EQ(view().extremes()[1], 0.5f);
  EXPECT_EQ(view().table().rowCount(), 4u);
  EXPECT_EQ(cell(0, 0), "Позиция мм");
  EXPECT_EQ(cell(1, 4), "10,4");
  EXPECT_EQ(cell(3, 5), ",5");
  // Design values.
  ui::SGTab* g = view().sgTab();
  EXPECT_EQ(g->model()->columnCount(), 7);
  EXPECT_EQ(g->horizontalHeader()->defaultSectionSize(), 85);
  EXPECT_EQ(g->verticalHeader()->defaultSectionSize(), 22);
  EXPECT_EQ(g->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_TRUE(g->font().bold());
  EXPECT_TRUE(g->font().italic());
  EXPECT_EQ(g->font().pixelSize(), 13);
  EXPECT_EQ(g->toolTip(), "Таблица значений");
}

TEST_F(TablesUi, ShowTableThenThresholdQueries) {
  form_->AShowTable->trigger();
  EXPECT_TRUE(view().sgTab()->isVisible());
  for (QAction* a : {form_->ABeginPosition, form_->AUpPos, form_->AFrPos}) EXPECT_FALSE(a->isVisible());

  // 9,5 lists samples 1 and 2; the extremes now keep their leading zero.
  porog("9,5");
  EXPECT_EQ(view().thresholdTenths(), 95);
  EXPECT_EQ(view().table().form(), thickness::TableForm::Threshold);
  EXPECT_EQ(view().table().rowCount(), 3u);
  EXPECT_EQ(cell(1, 0), "00002");
  EXPECT_EQ(cell(2, 0), "00004");
  EXPECT_EQ(cell(2, 5), "0,5");
  // ThkExtremes are not touched by the threshold table.
  EXPECT_FLOAT_EQ(view().extremes()[0], 11.04f);

  // A further query from the threshold table; nothing at or below 0.4 mm.
  porog("0,4");
  EXPECT_TRUE(view().table().noResult());
  EXPECT_EQ(view().table().rowCount(), 5u);
  EXPECT_EQ(cell(0, 0), "");
  EXPECT_EQ(cell(4, 1), "ТОЛЩИНЫ");
  EXPECT_EQ(cell(4, 4), "  НЕТ  ");
  // The empty header row takes the cell colour so that it does not stand out.
  auto* m = view().sgTab()->valueModel();
  EXPECT_EQ(m->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(), QColor(0xD4, 0xD0, 0xC8));

  // "Таблица значений" brings the all-values table back and resets the threshold to N.
  form_->AShowTable->trigger();
  EXPECT_EQ(view().table().form(), thickness::TableForm::AllValues);
  EXPECT_EQ(m->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0xE1));
  EXPECT_EQ(view().thresholdTenths(), 120);
  EXPECT_EQ(view().tableRows(), 3);
}

TEST_F(TablesUi, RejectedValueThenCloseBoxBuildsWithTheStoredValue) {
  form_->AShowTable->trigger();
  // 12,5 is rejected (stays open); the runner then closes with the close box.
  view().setDialogRunner([&](TForm2& d) {
    EXPECT_EQ(d.PTolshEdt->text(), "12,0");
    d.setResult(0);
    d.PTolshEdt->setText("12,5");
    d.Button1->click();
    EXPECT_EQ(d.result(), 0);
    d.close();
    return d.result();
  });
  emit view().sgTab()->gridDoubleClicked();
  EXPECT_EQ(dialogs_.messages.size(), 1);
  EXPECT_EQ(view().thresholdTenths(), 125);
  // The table is built with the stored, rejected value: every sample has a reading at or below 12.5 mm.
  EXPECT_EQ(view().table().form(), thickness::TableForm::Threshold);
  EXPECT_EQ(view().table().rowCount(), 4u);
  EXPECT_EQ(cell(1, 0), "00000");
  // The next query opens showing it.
  view().setDialogRunner([&](TForm2& d) {
    EXPECT_EQ(d.PTolshEdt->text(), "12,5");
    d.close();
    return d.result();
  });
  emit view().sgTab()->gridDoubleClicked();
}

TEST_F(TablesUi, ActionsDoNothingForOtherKinds) {
  form_->ACloseFile->trigger();
  view().setDialogRunner([](TForm2&) {
    ADD_FAILURE() << "the dialog must not open without a .DTM file";
    return 0;
  });
  view().AShowPorogExecute();
  view().AShowTableExecute();
  EXPECT_FALSE(view().sgTab()->isVisible());
}

}  // namespace
