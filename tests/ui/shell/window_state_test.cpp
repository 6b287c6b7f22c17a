// The window states of the four kinds, checked on a real main window (offscreen).
#include "ui/shell/window_state.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "support/file_builder.h"
#include "ui/main_window_fixture.h"

namespace {

using datafiles::FileKind;
using ui::StateFor;

TEST(WindowStateTable, NoFile) {
  const ui::WindowState s = StateFor(FileKind::None);
  EXPECT_FALSE(s.headerPanel);
  EXPECT_EQ(s.work, ui::WorkPanel::None);
  EXPECT_FALSE(s.resButtons || s.zoomAndPrint || s.view || s.showLegend || s.thicknessActions);
  EXPECT_FALSE(s.separator6 || s.separator16 || s.detailMenuEnabled || s.settingsMenu);
  EXPECT_FALSE(s.defectColors || s.flawColors);
  EXPECT_EQ(s.thicknessLegend, ui::LegendChange::Unchanged);
  EXPECT_EQ(s.defectLegend, ui::LegendChange::Unchanged);
}

TEST(WindowStateTable, EachKind) {
  const auto dtm = StateFor(FileKind::Dtm);
  EXPECT_TRUE(dtm.view && dtm.showLegend && dtm.thicknessActions && dtm.separator6 && dtm.separator16);
  EXPECT_TRUE(dtm.detailMenuEnabled && dtm.flawColors);
  EXPECT_FALSE(dtm.flawBackGraphGate || dtm.defectColors);
  EXPECT_EQ(dtm.thicknessLegend, ui::LegendChange::Show);

  const auto dau = StateFor(FileKind::Dau);
  EXPECT_TRUE(dau.view && dau.showLegend && dau.separator6 && dau.defectColors);
  EXPECT_FALSE(dau.thicknessActions || dau.separator16 || dau.detailMenuEnabled || dau.flawColors);
  EXPECT_EQ(dau.defectLegend, ui::LegendChange::Hide);

  for (FileKind k : {FileKind::Dhn, FileKind::Dht}) {
    const auto f = StateFor(k);
    EXPECT_EQ(f.work, ui::WorkPanel::Flaw);
    EXPECT_TRUE(f.flawColors && f.flawBackGraphGate && f.zoomAndPrint && f.resButtons);
    EXPECT_FALSE(f.view || f.showLegend || f.separator6 || f.defectColors || f.detailMenuEnabled);
    EXPECT_EQ(f.thicknessLegend, ui::LegendChange::Hide);
  }
}

class MainFormTest : public testsupport::MainWindowTest {
 protected:
  MainFormTest() : MainWindowTest("form") {}

  static testsupport::Bytes dtm() {
    testsupport::MapLikeFields s;
    s.length = 20;
    s.body = testsupport::thicknessBody(std::vector<std::array<std::uint16_t, 4>>(10, {1600, 1600, 1600, 1600}));
    return testsupport::buildMapLike(s);
  }
  static testsupport::Bytes dau() {
    testsupport::MapLikeFields s;
    s.type = 2;
    s.channels = 2;
    s.length = 50;
    s.body.assign(200, 0);
    return testsupport::buildMapLike(s);
  }

  bool visible(QAction* a) { return a->isVisible(); }
};

TEST_F(MainFormTest, StartsInTheNoFileState) {
  EXPECT_EQ(form_->windowTitle(), "Просмотр результатов контроля");
  EXPECT_EQ(form_->minimumSize(), QSize(812, 508));
  EXPECT_FALSE(form_->Panel1->isVisibleTo(form_.get()));
  EXPECT_TRUE(visible(form_->AFileOpen));
  EXPECT_TRUE(visible(form_->ACloseFile));
  EXPECT_TRUE(visible(form_->AReceive_dat));
  for (QAction* a : {form_->AIncrease, form_->ADecrease, form_->APrnt, form_->AView, form_->AShowLegend,
                     form_->AShowTable, form_->AShowGraph, form_->ABeginPosition, form_->AFrPos, form_->AUpPos})
    EXPECT_FALSE(visible(a)) << a->objectName().toStdString();
  EXPECT_FALSE(form_->SetMn->menuAction()->isVisible());
  EXPECT_FALSE(form_->DViewMn->isEnabled());
  EXPECT_FALSE(form_->ResToolBtn->isVisibleTo(form_.get()));
}

TEST_F(MainFormTest, KindStatesFollowTheOpenedFile) {
  ASSERT_TRUE(form_->openFile(writeFile("a.dtm", dtm())));
  EXPECT_TRUE(form_->Panel1->isVisibleTo(form_.get()));
  EXPECT_TRUE(visible(form_->AShowTable) && visible(form_->AView) && visible(form_->AShowLegend));
  EXPECT_TRUE(form_->DViewMn->isEnabled());
  EXPECT_TRUE(form_->HDChnMn->menuAction()->isVisible());
  EXPECT_FALSE(form_->HDChnItems[0]->isVisible());    // "Фон"
  EXPECT_FALSE(form_->HDPopupItems[2]->isVisible());  // "График"
  EXPECT_TRUE(form_->HDChnItems[3]->isVisible());     // "Цифры"
  EXPECT_FALSE(form_->ADChMn->menuAction()->isVisible());
  EXPECT_TRUE(form_->AShowLegend->isChecked());
  EXPECT_FALSE(form_->Layerslb->isVisibleTo(form_.get()));

  // A record after a thickness file: the thickness buttons go, the three colour items return.
  ASSERT_TRUE(form_->openFile(writeFile("b.dhn", defaultRecord())));
  EXPECT_FALSE(visible(form_->AShowTable) || visible(form_->AShowGraph) || visible(form_->AView));
  EXPECT_FALSE(visible(form_->AShowLegend));
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(form_->HDChnItems[i]->isVisible() && form_->HDPopupItems[i]->isVisible());
  EXPECT_FALSE(form_->DViewMn->isEnabled());
  EXPECT_FALSE(form_->Etimelb->isVisibleTo(form_.get()));
  EXPECT_FALSE(form_->Tolshlb->isVisibleTo(form_.get()));
  EXPECT_EQ(form_->Datelb->text(), "Дата:05-06-2002");

  ASSERT_TRUE(form_->openFile(writeFile("c.DAU", dau())));
  EXPECT_TRUE(form_->ADChMn->menuAction()->isVisible());
  EXPECT_FALSE(form_->HDChnMn->menuAction()->isVisible());
  EXPECT_TRUE(visible(form_->AShowLegend) && visible(form_->AView));
  EXPECT_FALSE(form_->AShowLegend->isChecked());
  EXPECT_EQ(form_->Layerslb->text(), "Число слоев:2");
  EXPECT_EQ(form_->Shovlb->text(), "Шов:Участок 1");
  EXPECT_EQ(form_->Tolshlb->text(), "Толщина(мм):8,0");
  EXPECT_EQ(form_->Templb->text(), "Температура:+12C");
}

TEST_F(MainFormTest, OpeningThroughTheDialogFollowsTheDirectory) {
  const QString other = QString::fromStdString(testsupport::makeTempDir("other"));
  testsupport::writeBytes((other + "/x.dtm").toStdString(), dtm());
  dialogs_.openAnswers.push_back({other + "/x.dtm", other + "/ignored.dtm"});
  form_->AFileOpenExecute();
  EXPECT_EQ(dialogs_.openDirs.front(), q(dir_));
  EXPECT_EQ(form_->FileNameBox->count(), 1);
  EXPECT_EQ(QString::fromStdString(form_->appSettings().dataDir), other);
  dialogs_.openAnswers.push_back({});  // cancelled: nothing changes, no message
  form_->AFileOpenExecute();
  EXPECT_EQ(dialogs_.openDirs.back(), other);
  EXPECT_TRUE(dialogs_.messages.isEmpty());
  EXPECT_EQ(form_->currentFileName(), other + "/x.dtm");
}

TEST_F(MainFormTest, ARefusedFileChangesNothing) {
  ASSERT_TRUE(form_->openFile(writeFile("a.dtm", dtm())));
  testsupport::Bytes broken = dtm();
  broken[127] ^= 1;
  const QString bad = writeFile("bad.dtm", broken);
  dialogs_.openAnswers.push_back({bad});
  form_->AFileOpenExecute();
  ASSERT_EQ(dialogs_.messages.size(), 2);
  EXPECT_EQ(dialogs_.messages[0], "Ошибка контрольной суммы в файле\n" + bad);
  EXPECT_EQ(dialogs_.messages[1], "   Файл: \n" + bad + "\n\n Открыть невозможно");
  EXPECT_EQ(form_->FileNameBox->count(), 1);
  EXPECT_EQ(form_->file().kind, FileKind::Dtm);
  EXPECT_EQ(form_->shownKind(), FileKind::Dtm);
  EXPECT_TRUE(form_->Panel1->isVisibleTo(form_.get()));
}

TEST_F(MainFormTest, SameFileTwiceThenCloseRemovesTheFirst) {
  const QString a = writeFile("a.dtm", dtm());
  ASSERT_TRUE(form_->openFile(a));
  ASSERT_TRUE(form_->openFile(a));
  EXPECT_EQ(form_->FileNameBox->count(), 2);
  form_->ACloseFileExecute();
  EXPECT_EQ(form_->FileNameBox->count(), 1);
  EXPECT_EQ(form_->currentFileName(), a);
  EXPECT_EQ(form_->shownKind(), FileKind::Dtm);
}

TEST_F(MainFormTest, ClosingTheMiddleOfThreeShowsTheThird) {
  const QString a = writeFile("a.dtm", dtm());
  const QString b = writeFile("b.dhn", defaultRecord());
  const QString c = writeFile("c.dau", dau());
  form_->openFile(a);
  form_->openFile(b);
  form_->openFile(c);
  form_->FileNameBoxChange(b);  // picked from the list
  EXPECT_EQ(form_->shownKind(), FileKind::Dhn);
  form_->ACloseFileExecute();
  EXPECT_EQ(form_->FileNameBox->count(), 2);
  EXPECT_EQ(form_->currentFileName(), c);
  EXPECT_EQ(form_->shownKind(), FileKind::Dau);
  // Closing the last makes the new last current.
  form_->ACloseFileExecute();
  EXPECT_EQ(form_->currentFileName(), a);
  EXPECT_EQ(form_->shownKind(), FileKind::Dtm);
  form_->ACloseFileExecute();
  EXPECT_EQ(form_->FileNameBox->count(), 0);
  EXPECT_EQ(form_->shownKind(), FileKind::None);
  EXPECT_FALSE(form_->AIncrease->isVisible());
  form_->ACloseFileExecute();  // nothing left: nothing happens
  EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(MainFormTest, TypedNamesOpenOnlyOnEnterAndFailuresKeepTheShownFile) {
  const QString a = writeFile("a.dtm", dtm());
  form_->openFile(a);
  form_->FileNameBox->setEditText(q(dir_) + "/a.dt");  // typing: nothing is opened
  EXPECT_TRUE(dialogs_.messages.isEmpty());
  form_->FileNameBoxChange(q(dir_) + "/a.dt");  // Enter
  ASSERT_FALSE(dialogs_.messages.isEmpty());
  EXPECT_EQ(dialogs_.messages.last(), "   Файл: \n" + q(dir_) + "/a.dt" + "\n Открыть невозможно");
  EXPECT_EQ(form_->file().kind, FileKind::Dtm);
  EXPECT_EQ(form_->FileNameBox->count(), 1);
  EXPECT_EQ(form_->currentFileName(), a);
}

TEST_F(MainFormTest, DataTransferNotFoundMessage) {
  qputenv("PATH", "/nonexistent");
  form_->AReceive_datExecute();
  ASSERT_EQ(dialogs_.messages.size(), 1);
  EXPECT_EQ(dialogs_.messages[0], "Файл datpump.exe  \n \n не найден.\n");
}

TEST_F(MainFormTest, ClosingWritesTheSettings) {
  form_->openFile(writeFile("a.dtm", dtm()));
  form_->close();
  const auto s = settings::LoadSettings(dir_, "");
  EXPECT_EQ(QString::fromStdString(s.dataDir), q(dir_));
  EXPECT_TRUE(QFile::exists(q(dir_) + "/terv.ini"));
}

}  // namespace
