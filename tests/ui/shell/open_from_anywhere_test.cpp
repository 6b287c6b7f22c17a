// Files named on the command line, dropped on the window or picked from "Последние файлы" take the open dialog's path.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "core/text/messages.h"
#include "qt/convert.h"
#include "support/file_builder.h"
#include "ui/main_window_fixture.h"
#include "ui/protocol/protocol_panel.h"
#include "ui/shell/command_line.h"
#include "ui/shell/recent_files.h"

namespace {

using datafiles::FileKind;

class OpenFromAnywhere : public testsupport::MainWindowTest {
 protected:
  OpenFromAnywhere() : MainWindowTest("anywhere") {}

  QStringList boxEntries() const {
    QStringList entries;
    for (int i = 0; i < form_->FileNameBox->count(); ++i) entries << form_->FileNameBox->itemText(i);
    return entries;
  }
  // The messages the open dialog's path shows for a refused name, after the reader's own.
  static QString notOpened(const QString& name) {
    return qtx::qs(text::msg(text::Msg::fil)) + "\n" + name + "\n" + qtx::qs(text::msg(text::Msg::notopen));
  }
  // Drags files onto the window and drops them, as a file manager does; false when the drag was not taken.
  bool drop(const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &dropped);
    settle();
    return true;
  }
  ui::RecentFiles& recent() { return *form_->recentFiles(); }
  QList<QAction*> recentItems() {
    emit recent().menu()->aboutToShow();
    return recent().menu()->actions();
  }
};

TEST_F(OpenFromAnywhere, NamedFilesEnterTheListInTheirOrderAndTheFirstAcceptedIsShown) {
  const std::string other = testsupport::makeTempDir("anywhere-other");
  const QString bad = writeFile("bad.dtm", shortWeld());  // a map under a thickness name: refused
  const QString weld = q(other + "/weld.dau");
  testsupport::writeBytes(other + "/weld.dau", shortWeld());
  const QString record = writeFile("record.dhn", defaultRecord());

  EXPECT_EQ(form_->openFiles({bad, weld, record}), 2);

  EXPECT_EQ(boxEntries(), QStringList({weld, record}));
  EXPECT_EQ(form_->currentFileName(), weld);
  EXPECT_EQ(form_->FileNameBox->currentText(), weld);
  EXPECT_EQ(form_->shownKind(), FileKind::Dau);
  // The data directory follows the file on screen, as after the open dialog.
  EXPECT_EQ(QString::fromStdString(form_->appSettings().dataDir), q(other));
  // The refusal speaks as the open dialog's does: the reader's message, then the shell's.
  ASSERT_EQ(dialogs_.messages.size(), 2);
  EXPECT_EQ(dialogs_.messages[1], notOpened(bad));
  // The file on screen is the most recent one.
  EXPECT_EQ(recent().files(), QStringList({weld, record}));
  std::filesystem::remove_all(other);
}

TEST_F(OpenFromAnywhere, RelativeNamesAreTakenFromWhereTheViewerStarted) {
  // Opening the first file moves the current directory: the second name must not be read from there.
  const std::string sub = path("sub");
  std::filesystem::create_directories(sub);
  testsupport::writeBytes(sub + "/a.dtm", shortPipe());
  writeFile("b.dhn", defaultRecord());
  const ui::CommandLine c = ui::parseCommandLine({"tervview", "sub/a.dtm", "./b.dhn"}, q(dir_), "0.1");
  ASSERT_FALSE(c.finished);
  ASSERT_EQ(form_->openFiles(c.files), 2);
  EXPECT_EQ(boxEntries(), QStringList({q(sub + "/a.dtm"), q(path("b.dhn"))}));
  EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(OpenFromAnywhere, NamedFilesWaitUntilTheWindowIsOnScreenAtItsSize) {
  const QString weld = writeFile("weld.dau", shortWeld());
  ui::openAtFirstPaint(*form_, {weld});
  settle();  // not shown yet: a map opened now would be fitted to a width it never has
  EXPECT_EQ(form_->FileNameBox->count(), 0);
  form_->show();
  settle();
  EXPECT_EQ(form_->currentFileName(), weld);
  EXPECT_EQ(form_->shownKind(), FileKind::Dau);
}

TEST_F(OpenFromAnywhere, HelpAndVersionEndTheProgramAndBadOptionsAreUsageErrors) {
  for (const char* option : {"--help", "-h"}) {
    const ui::CommandLine c = ui::parseCommandLine({"tervview", option, "x.dtm"}, "/", "0.1");
    EXPECT_TRUE(c.finished && c.exitCode == 0 && c.out.startsWith("Использование: tervview")) << option;
  }
  const ui::CommandLine version = ui::parseCommandLine({"tervview", "--version"}, "/", "0.1");
  EXPECT_TRUE(version.finished);
  EXPECT_EQ(version.out, "tervview 0.1\n");
  const ui::CommandLine bad = ui::parseCommandLine({"tervview", "--zoom", "x.dtm"}, "/", "0.1");
  EXPECT_TRUE(bad.finished);
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_TRUE(bad.out.isEmpty());
  // A file whose name starts with a dash, after "--".
  const ui::CommandLine dashed = ui::parseCommandLine({"tervview", "--", "-1.dtm"}, "/data", "0.1");
  EXPECT_FALSE(dashed.finished);
  EXPECT_EQ(dashed.files, QStringList({"/data/-1.dtm"}));
  // No arguments: the window starts as it always did.
  const ui::CommandLine none = ui::parseCommandLine({"tervview"}, "/data", "0.1");
  EXPECT_FALSE(none.finished);
  EXPECT_TRUE(none.files.isEmpty());
}

TEST_F(OpenFromAnywhere, DroppedFilesOpenLikeNamedOnesAfterTheProtocolQuestion) {
  const QString record = writeFile("record.dhn", defaultRecord());
  ASSERT_TRUE(form_->openFile(record));
  form_->protocol()->ResToolBtnClick();  // the operator is filling in the protocol
  ASSERT_TRUE(form_->protocol()->isOpen());

  const QString pipe = writeFile("pipe.dtm", shortPipe());
  const QString weld = writeFile("weld.dau", shortWeld());
  ASSERT_TRUE(drop({QUrl::fromLocalFile(pipe), QUrl::fromLocalFile(weld)}));

  ASSERT_EQ(dialogs_.questions.size(), 1);
  EXPECT_EQ(dialogs_.questions[0], qtx::qs(text::msg(text::Msg::savezakl)));
  EXPECT_EQ(boxEntries(), QStringList({record, pipe, weld}));
  EXPECT_EQ(form_->currentFileName(), pipe);
  EXPECT_EQ(form_->shownKind(), FileKind::Dtm);
  EXPECT_EQ(recent().files(), QStringList({pipe, weld, record}));
}

TEST_F(OpenFromAnywhere, OnlyLocalFilesAreTakenFromADrag) {
  EXPECT_FALSE(drop({QUrl("https://example.org/pipe.dtm")}));
  QMimeData text;
  text.setText("pipe.dtm");
  QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_.get(), &enter);
  EXPECT_FALSE(enter.isAccepted());
  EXPECT_EQ(form_->FileNameBox->count(), 0);
}

TEST_F(OpenFromAnywhere, TheOpenDialogOffersAllKindsFirstThenEachKind) {
  form_->AFileOpenExecute();
  ASSERT_EQ(dialogs_.openFilters.size(), 1);
  const QStringList filters = dialogs_.openFilters[0].split(";;");
  ASSERT_EQ(filters.size(), 5);
  EXPECT_EQ(filters[0], "Все файлы результатов (*.dtm *.DTM *.dau *.DAU *.dhn *.DHN *.dht *.DHT)");
  EXPECT_EQ(filters.mid(1).join(";;"),
            "Ручной дефектоскоп (*.dhn *.DHN);;Ручной толщиномер (*.dht *.DHT);;"
            "Дефектоскоп-автомат (*.dau *.DAU);;Толщиномер-автомат (*.dtm *.DTM)");
}

TEST_F(OpenFromAnywhere, RecentFilesKeepTheLastTenOnceEachMostRecentFirst) {
  EXPECT_FALSE(recent().menu()->menuAction()->isEnabled());  // nothing opened yet
  QStringList names;
  for (int i = 0; i < 12; ++i) {
    names << writeFile("r" + std::to_string(i) + ".dhn", defaultRecord());
    ASSERT_TRUE(form_->openFile(names.last()));
  }
  // Letter case makes another file.
  const QString upper = writeFile("R3.dhn", defaultRecord());
  ASSERT_TRUE(form_->openFile(upper));
  ASSERT_TRUE(form_->openFile(names[5]));  // again: to the top, not twice

  QStringList expected = {names[5], upper,    names[11], names[10], names[9],
                          names[8], names[7], names[6],  names[4],  names[3]};
  EXPECT_EQ(recent().files(), expected);
  const QList<QAction*> items = recentItems();
  ASSERT_EQ(items.size(), ui::RecentFiles::kLimit);
  for (int i = 0; i < items.size(); ++i) EXPECT_EQ(items[i]->data().toString(), expected[i]);
  EXPECT_TRUE(recent().menu()->menuAction()->isEnabled());
}

TEST_F(OpenFromAnywhere, ARecentFileThatIsGoneIsGreyedAndAPickedOneOpensAsFromTheDialog) {
  const QString kept = writeFile("kept.dtm", shortPipe());
  const QString gone = writeFile("gone.dau", shortWeld());
  ASSERT_TRUE(form_->openFile(kept));
  ASSERT_TRUE(form_->openFile(gone));
  ASSERT_TRUE(QFile::remove(gone));

  const QList<QAction*> items = recentItems();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->data().toString(), gone);
  EXPECT_FALSE(items[0]->isEnabled());
  EXPECT_TRUE(items[1]->isEnabled());

  items[1]->trigger();
  settle();
  EXPECT_EQ(boxEntries(), QStringList({kept, gone, kept}));
  EXPECT_EQ(form_->FileNameBox->currentIndex(), 2);
  EXPECT_EQ(form_->shownKind(), FileKind::Dtm);
  EXPECT_EQ(recent().files(), QStringList({kept, gone}));
  EXPECT_TRUE(dialogs_.messages.isEmpty());
}

}  // namespace
