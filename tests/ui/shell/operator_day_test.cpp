// The window as an operator uses it all day: one action per shortcut, the keyboard on the work
// area, records starting at their first view, tool windows that never cover their dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QWheelEvent>

#include "core/text/messages.h"
#include "core/thickness/legend.h"
#include "ui/defectmap/defect_map_controller.h"
#include "ui/defectmap/map_image.h"
#include "ui/flawdetector/flaw_controller.h"
#include "ui/main_window_fixture.h"
#include "ui/printing/print_controller.h"
#include "ui/printing/view_form.h"
#include "ui/thickness/legend_form.h"
#include "ui/thickness/sg_tab.h"
#include "ui/thickness/thickness_controller.h"

namespace {

using testsupport::MainWindowTest;

class OperatorDay : public MainWindowTest {
 protected:
  OperatorDay() : MainWindowTest("operator", QSize(1200, 900)) {}

  bool focusOnWorkArea() const {
    QWidget* focus = form_->focusWidget();
    auto* work = form_->findChild<QStackedWidget*>("WorkArea");
    return focus && work && work->isAncestorOf(focus) && !form_->FileNameBox->isAncestorOf(focus);
  }
  // A thickness run whose header says lengthMm and whose body holds samples even readings.
  static testsupport::Bytes run(std::uint16_t lengthMm, std::size_t samples) {
    testsupport::MapLikeFields m;
    m.length = lengthMm;
    m.body = testsupport::thicknessBody(std::vector<std::array<std::uint16_t, 4>>(samples, {1600, 1600, 1600, 1600}));
    return testsupport::buildMapLike(m);
  }
  void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(w, &event);
  }
};

TEST_F(OperatorDay, EveryShortcutBelongsToOneAction) {
  QMap<QString, QStringList> owners;
  for (QAction* a : form_->findChildren<QAction*>()) {
    for (const QKeySequence& k : a->shortcuts())
      owners[k.toString()] << (a->objectName().isEmpty() ? a->text() : a->objectName());
  }
  ASSERT_FALSE(owners.isEmpty());
  for (auto it = owners.cbegin(); it != owners.cend(); ++it)
    EXPECT_EQ(it.value().size(), 1) << it.key().toStdString() << ": " << it.value().join(", ").toStdString();
  EXPECT_EQ(form_->AFileOpen->shortcut(), QKeySequence(QKeySequence::Open));
}

TEST_F(OperatorDay, KeysGoToTheWorkAreaAndNotToTheFileList) {
  ASSERT_TRUE(open(testsupport::buildFlaw(testsupport::FlawFields{}), "a.DHN"));
  EXPECT_TRUE(focusOnWorkArea());
  ASSERT_TRUE(open(testsupport::buildFlaw(testsupport::FlawFields{}), "b.DHN"));
  EXPECT_TRUE(focusOnWorkArea());

  // Arrows, page keys and the wheel in the box do not step to another file.
  form_->FileNameBox->setFocus();
  for (Qt::Key key : {Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Down, Qt::Key_PageDown}) {
    press(form_->FileNameBox, key);
    EXPECT_EQ(form_->currentFileName(), q(path("b.DHN")));
  }
  // Ctrl+PgDown steps through the opened files as picking them would, round the end of the list.
  form_->ANextFile->trigger();
  EXPECT_EQ(form_->currentFileName(), q(path("a.DHN")));
  EXPECT_TRUE(focusOnWorkArea());
  form_->APrevFile->trigger();
  EXPECT_EQ(form_->currentFileName(), q(path("b.DHN")));
  // Picking a name from the list still switches, and gives the keyboard back to the picture.
  form_->FileNameBox->setCurrentIndex(0);
  emit form_->FileNameBox->activated(0);
  EXPECT_EQ(form_->currentFileName(), q(path("a.DHN")));
  EXPECT_TRUE(focusOnWorkArea());

  form_->ACloseFileExecute();
  EXPECT_TRUE(focusOnWorkArea());
  form_->ACloseFileExecute();  // the last one: the empty work area takes the keys
  EXPECT_TRUE(focusOnWorkArea());
}

TEST_F(OperatorDay, EveryRecordStartsAtTheTopLeft) {
  form_->show();
  ASSERT_TRUE(open(testsupport::buildFlaw(testsupport::FlawFields{}), "a.DHN"));
  for (int i = 0; i < 7; ++i) form_->AIncrease->trigger();
  QScrollArea* box = form_->flaw()->scrollBox();
  settle();
  ASSERT_GT(box->horizontalScrollBar()->maximum(), 0);
  box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->maximum());
  box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());

  ASSERT_TRUE(open(testsupport::buildFlaw(testsupport::FlawFields{}), "b.DHN"));
  settle();
  EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
  EXPECT_EQ(box->verticalScrollBar()->value(), 0);
  form_->hide();
}

TEST_F(OperatorDay, TheMapScrollsByKeyAndWheelAndFitsTheWindowAgain) {
  form_->show();
  testsupport::MapLikeFields m;
  m.type = 2;
  m.channels = 2;
  m.length = 20000;
  m.body.assign(2 * 2 * 20000, 0);
  ASSERT_TRUE(open(testsupport::buildMapLike(m), "LONG.DAU"));
  settle();
  ui::DefectMapController& map = *form_->defectMap();
  const float fit = map.map().scale;
  for (int i = 0; i < 4; ++i) form_->AIncrease->trigger();
  QScrollBar* bar = map.scrollBar();
  ASSERT_GT(bar->maximum(), 0);
  press(map.image(), Qt::Key_End);
  EXPECT_EQ(bar->value(), bar->maximum());
  press(map.image(), Qt::Key_PageUp);
  EXPECT_EQ(bar->value(), bar->maximum() - bar->pageStep());
  press(map.image(), Qt::Key_Home);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_GT(map.map().firstMm, -1);
  QWheelEvent down(QPointF(300, 50), QPointF(300, 50), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(map.image(), &down);
  EXPECT_GT(bar->value(), 0);
  EXPECT_GT(map.map().firstMm, 0);

  form_->AFit->trigger();
  EXPECT_FLOAT_EQ(map.map().scale, fit);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_TRUE(form_->AIncrease->isEnabled() && form_->ADecrease->isEnabled());
  form_->hide();
}

TEST_F(OperatorDay, TheInstrumentScreenFitsTheWindow) {
  form_->show();
  ASSERT_TRUE(open(testsupport::buildFlaw(testsupport::FlawFields{}), "a.DHN"));
  settle();
  for (int i = 0; i < 7; ++i) form_->AIncrease->trigger();
  form_->AFit->trigger();
  const flaw::HDScreen& s = form_->flaw()->screen();
  const QSize box = form_->flaw()->scrollBox()->viewport()->size();
  // The whole screen shows, and one step more would not.
  EXPECT_LE(s.marginX + s.width * s.zoomX + 20, box.width());
  EXPECT_LE(s.topY + s.height * s.zoomY + 20, box.height());
  EXPECT_TRUE(s.zoomX == flaw::kMaxZoom || s.marginX + s.width * (s.zoomX + 1) + 20 > box.width() ||
              s.topY + s.height * (s.zoomY + 1) + 20 > box.height());
  EXPECT_EQ(form_->AIncrease->isEnabled(), s.zoomX < flaw::kMaxZoom);
  form_->hide();
}

TEST_F(OperatorDay, TheThicknessLegendsLabelsNeitherOverlapNorGetCut) {
  ui::TLegendForm legend;
  QFont font("Arial");
  font.setPixelSize(12);
  const QFontMetrics fm(font);
  EXPECT_GE(legend.PaletImg->rowHeight(), fm.height());
  const int room = legend.PaletImg->width() - thickness::kLegendSwatchWidth - 5;
  for (text::Msg id : {text::Msg::AK, text::Msg::bigtol, text::Msg::bigvel})
    EXPECT_LE(fm.horizontalAdvance(q(text::msg(id))), room) << text::msg(id);
  for (std::uint16_t nominal : {std::uint16_t(8), std::uint16_t(80), std::uint16_t(999), std::uint16_t(65535)}) {
    for (const std::string& label : thickness::legendLabels(nominal, form_->numberFormat()))
      EXPECT_LE(fm.horizontalAdvance(q(label)), room) << label;
  }
}

TEST_F(OperatorDay, TheValueTablesTitlesAreWhole) {
  ASSERT_TRUE(open(run(20, 10), "PIPE.DTM"));
  form_->AShowTable->trigger();
  ui::SGTab& grid = *form_->thickness()->sgTab();
  QFont font("PROMT Helv Cyr");
  font.setPixelSize(13);
  font.setBold(true);
  font.setItalic(true);
  const QFontMetrics fm(font);
  for (int c = 0; c < grid.model()->columnCount(); ++c) {
    const QString title = grid.model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_GE(grid.horizontalHeader()->sectionSize(c), fm.horizontalAdvance(title) + 2) << title.toStdString();
    EXPECT_GE(grid.horizontalHeader()->sectionSize(c), 85);
  }
}

TEST_F(OperatorDay, ThePreviewSavesAboveItselfUnderTheDataFilesName) {
  ASSERT_TRUE(open(run(20, 10), "PIPE.DTM"));
  form_->AView->trigger();
  ui::TViewForm& preview = *form_->printer()->ViewForm();
  preview.ToolButton1Click();  // cancelled
  ASSERT_EQ(dialogs_.saveSuggestions.size(), 1);
  EXPECT_EQ(dialogs_.saveSuggestions[0], q(path("PIPE.txt")));
  EXPECT_TRUE(dialogs_.saveFilters[0].startsWith("Текстовый файл (*.txt);;"));
  EXPECT_TRUE(dialogs_.saveFilters[0].contains("*.rtf"));
  EXPECT_EQ(dialogs_.saveParents[0], &preview);
  // Later dialogs belong to the main window again.
  EXPECT_EQ(dialogs_.parent(), form_.get());
}

TEST_F(OperatorDay, ACutShortRunSaysSoOnceInTheStatusLineAndTheCaptionNamesTheFile) {
  ASSERT_TRUE(open(run(3000, 60), "CUT.DTM"));
  EXPECT_EQ(form_->windowTitle(), "CUT.DTM — Просмотр результатов контроля");
  auto* note = form_->findChild<QLabel*>("NoteStatus");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(), "Данные неполные: показано 120 мм из 3\u00A0000 мм");
  EXPECT_TRUE(form_->findChild<QLabel*>("FileStatus")->text().startsWith("Толщиномер-автомат"));
  EXPECT_TRUE(dialogs_.messages.isEmpty());

  // A whole record clears the note; closing everything gives the plain caption back.
  ASSERT_TRUE(open(testsupport::buildFlaw(testsupport::FlawFields{}), "a.DHN"));
  EXPECT_TRUE(note->text().isEmpty());
  form_->ACloseFileExecute();
  form_->ACloseFileExecute();
  EXPECT_EQ(form_->windowTitle(), "Просмотр результатов контроля");
}

TEST_F(OperatorDay, AFileOfAnotherProgramIsRefusedWithItsReasonAndTheWarningIcon) {
  EXPECT_FALSE(open({'M', 'Z', 7, 0, 0, 0}, "notes.DTM"));
  ASSERT_EQ(dialogs_.messages.size(), 1);
  EXPECT_EQ(dialogs_.warnings, 1);
  // The specified text first, the reason beneath it.
  EXPECT_TRUE(dialogs_.messages[0].contains("Открыть невозможно"));
  EXPECT_TRUE(dialogs_.messages[0].endsWith("неизвестный тип файла (байт типа 7): это не файл результатов"));
}

}  // namespace
