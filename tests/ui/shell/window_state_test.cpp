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
#include "ui/scripted_dialogs.h"
#include "ui/shell/main_form.h"

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

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = QString::fromStdString(testsupport::makeTempDir("form"));
    startUp.startDir = dir;
    startUp.programPath = "/usr/bin/tervview";
    startUp.localeId = "00000419";
    startUp.dialogs = &dialogs;
    form = std::make_unique<ui::TMainForm>(startUp);
  }
  QString writeFile(const QString& name, const testsupport::Bytes& bytes) {
    const QString path = dir + "/" + name;
    testsupport::writeBytes(path.toStdString(), bytes);
    return path;
  }
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
  static testsupport::Bytes dhn() { return testsupport::buildFlaw(testsupport::FlawFields{}); }

  bool visible(QAction* a) { return a->isVisible(); }

  QString dir;
  testsupport::ScriptedDialogs dialogs;
  ui::StartUp startUp;
  std::unique_ptr<ui::TMainForm> form;
};

TEST_F(MainFormTest, StartsInTheNoFileState) {
  EXPECT_EQ(form->windowTitle(), "Просмотр результатов контроля");
  EXPECT_EQ(form->minimumSize(), QSize(812, 508));
  EXPECT_FALSE(form->Panel1->isVisibleTo(form.get()));
  EXPECT_TRUE(visible(form->AFileOpen));
  EXPECT_TRUE(visible(form->ACloseFile));
  EXPECT_TRUE(visible(form->AReceive_dat));
  for (QAction* a : {form->AIncrease, form->ADecrease, form->APrnt, form->AView, form->AShowLegend, form->AShowTable,
                     form->AShowGraph, form->ABeginPosition, form->AFrPos, form->AUpPos})
    EXPECT_FALSE(visible(a)) << a->objectName().toStdString();
  EXPECT_FALSE(form->SetMn->menuAction()->isVisible());
  EXPECT_FALSE(form->DViewMn->isEnabled());
  EXPECT_FALSE(form->ResToolBtn->isVisibleTo(form.get()));
}

TEST_F(MainFormTest, KindStatesFollowTheOpenedFile) {
  ASSERT_TRUE(form->openFile(writeFile("a.dtm", dtm())));
  EXPECT_TRUE(form->Panel1->isVisibleTo(form.get()));
  EXPECT_TRUE(visible(form->AShowTable) && visible(form->AView) && visible(form->AShowLegend));
  EXPECT_TRUE(form->DViewMn->isEnabled());
  EXPECT_TRUE(form->HDChnMn->menuAction()->isVisible());
  EXPECT_FALSE(form->HDChnItems[0]->isVisible());    // "Фон"
  EXPECT_FALSE(form->HDPopupItems[2]->isVisible());  // "График"
  EXPECT_TRUE(form->HDChnItems[3]->isVisible());     // "Цифры"
  EXPECT_FALSE(form->ADChMn->menuAction()->isVisible());
  EXPECT_TRUE(form->AShowLegend->isChecked());
  EXPECT_FALSE(form->Layerslb->isVisibleTo(form.get()));

  // A record after a thickness file: the thickness buttons go, the three colour items return.
  ASSERT_TRUE(form->openFile(writeFile("b.dhn", dhn())));
  EXPECT_FALSE(visible(form->AShowTable) || visible(form->AShowGraph) || visible(form->AView));
  EXPECT_FALSE(visible(form->AShowLegend));
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(form->HDChnItems[i]->isVisible() && form->HDPopupItems[i]->isVisible());
  EXPECT_FALSE(form->DViewMn->isEnabled());
  EXPECT_FALSE(form->Etimelb->isVisibleTo(form.get()));
  EXPECT_FALSE(form->Tolshlb->isVisibleTo(form.get()));
  EXPECT_EQ(form->Datelb->text(), "Дата:05-06-2002");

  ASSERT_TRUE(form->openFile(writeFile("c.DAU", dau())));
  EXPECT_TRUE(form->ADChMn->menuAction()->isVisible());
  EXPECT_FALSE(form->HDChnMn->menuAction()->isVisible());
  EXPECT_TRUE(visible(form->AShowLegend) && visible(form->AView));
  EXPECT_FALSE(form->AShowLegend->isChecked());
  EXPECT_EQ(form->Layerslb->text(), "Число слоев:2");
  EXPECT_EQ(form->Shovlb->text(), "Шов:Участок 1");
  EXPECT_EQ(form->Tolshlb->text(), "Толщина(мм):8,0");
  EXPECT_EQ(form->Templb->text(), "Температура:+12C");
}

TEST_F(MainFormTest, OpeningThroughTheDialogFollowsTheDirectory) {
  const QString other = QString::fromStdString(testsupport::makeTempDir("other"));
  testsupport::writeBytes((other + "/x.dtm").toStdString(), dtm());
  dialogs.openAnswers.push_back({other + "/x.dtm", other + "/ignored.dtm"});
  form->AFileOpenExecute();
  EXPECT_EQ(dialogs.openDirs.front(), dir);
  EXPECT_EQ(form->FileNameBox->count(), 1);
  EXPECT_EQ(QString::fromStdString(form->appSettings().dataDir), other);
  dialogs.openAnswers.push_back({});  // cancelled: nothing changes, no message
  form->AFileOpenExecute();
  EXPECT_EQ(dialogs.openDirs.back(), other);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(form->currentFileName(), other + "/x.dtm");
}

TEST_F(MainFormTest, ARefusedFileChangesNothing) {
  ASSERT_TRUE(form->openFile(writeFile("a.dtm", dtm())));
  testsupport::Bytes broken = dtm();
  broken[127] ^= 1;
  const QString bad = writeFile("bad.dtm", broken);
  dialogs.openAnswers.push_back({bad});
  form->AFileOpenExecute();
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(dialogs.messages[0], "Ошибка контрольной суммы в файле\n" + bad);
  EXPECT_EQ(dialogs.messages[1], "   Файл: \n" + bad + "\n\n Открыть невозможно");
  EXPECT_EQ(form->FileNameBox->count(), 1);
  EXPECT_EQ(form->file().kind, FileKind::Dtm);
  EXPECT_EQ(form->shownKind(), FileKind::Dtm);
  EXPECT_TRUE(form->Panel1->isVisibleTo(form.get()));
}

TEST_F(MainFormTest, SameFileTwiceThenCloseRemovesTheFirst) {
  const QString a = writeFile("a.dtm", dtm());
  ASSERT_TRUE(form->openFile(a));
  ASSERT_TRUE(form->openFile(a));
  EXPECT_EQ(form->FileNameBox->count(), 2);
  form->ACloseFileExecute();
  EXPECT_EQ(form->FileNameBox->count(), 1);
  EXPECT_EQ(form->currentFileName(), a);
  EXPECT_EQ(form->shownKind(), FileKind::Dtm);
}

TEST_F(MainFormTest, ClosingTheMiddleOfThreeShowsTheThird) {
  const QString a = writeFile("a.dtm", dtm());
  const QString b = writeFile("b.dhn", dhn());
  const QString c = writeFile("c.dau", dau());
  form->openFile(a);
  form->openFile(b);
  form->openFile(c);
  form->FileNameBoxChange(b);  // picked from the list
  EXPECT_EQ(form->shownKind(), FileKind::Dhn);
  form->ACloseFileExecute();
  EXPECT_EQ(form->FileNameBox->count(), 2);
  EXPECT_EQ(form->currentFileName(), c);
  EXPECT_EQ(form->shownKind(), FileKind::Dau);
  // Closing the last makes the new last current.
  form->ACloseFileExecute();
  EXPECT_EQ(form->currentFileName(), a);
  EXPECT_EQ(form->shownKind(), FileKind::Dtm);
  form->ACloseFileExecute();
  EXPECT_EQ(form->FileNameBox->count(), 0);
  EXPECT_EQ(form->shownKind(), FileKind::None);
  EXPECT_FALSE(form->AIncrease->isVisible());
  form->ACloseFileExecute();  // nothing left: nothing happens
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainFormTest, TypedNamesOpenOnlyOnEnterAndFailuresKeepTheShownFile) {
  const QString a = writeFile("a.dtm", dtm());
  form->openFile(a);
  form->FileNameBox->setEditText(dir + "/a.dt");  // typing: nothing is opened
  EXPECT_TRUE(dialogs.messages.isEmpty());
  form->FileNameBoxChange(dir + "/a.dt");  // Enter
  ASSERT_FALSE(dialogs.messages.isEmpty());
  EXPECT_EQ(dialogs.messages.last(), "   Файл: \n" + dir + "/a.dt" + "\n Открыть невозможно");
  EXPECT_EQ(form->file().kind, FileKind::Dtm);
  EXPECT_EQ(form->FileNameBox->count(), 1);
  EXPECT_EQ(form->currentFileName(), a);
}

TEST_F(MainFormTest, DataTransferNotFoundMessage) {
  qputenv("PATH", "/nonexistent");
  form->AReceive_datExecute();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0], "Файл datpump.exe  \n \n не найден.\n");
}

TEST_F(MainFormTest, ClosingWritesTheSettings) {
  form->openFile(writeFile("a.dtm", dtm()));
  form->close();
  const auto s = settings::LoadSettings(dir.toStdString(), "");
  EXPECT_EQ(QString::fromStdString(s.dataDir), dir);
  EXPECT_TRUE(QFile::exists(dir + "/terv.ini"));
}

}  // namespace
