// The protocol panel in the main window: filling, saving, reloading, limits, and the save question.
#include "ui/protocol/protocol_panel.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <deque>
#include <filesystem>
#include <fstream>

#include "core/protocol/protocol_name.h"
#include "core/text/cp1251.h"
#include "support/file_builder.h"
#include "ui/host/dialogs.h"
#include "ui/main_window_fixture.h"

namespace {

namespace fs = std::filesystem;
using testsupport::typeText;
using ui::ProtocolPanel;

// Answers questions from a script and records every message and question with its title.
class ProtocolDialogs : public ui::Dialogs {
 public:
  struct Shown {
    QString text, title;
  };
  void message(const QString& text, const QString& title) override { messages.push_back({text, title}); }
  bool askYesNo(const QString& text, const QString& title) override {
    questions.push_back({text, title});
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  QStringList openFiles(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
  std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
  bool print(QPrinter&) override { return false; }

  std::deque<bool> answers;
  std::vector<Shown> messages;
  std::vector<Shown> questions;
};

class ProtocolPanelUi : public testsupport::BasicMainWindowTest<ProtocolDialogs> {
 protected:
  ProtocolPanelUi() : BasicMainWindowTest("protocol_ui") {}

  void SetUp() override {
    BasicMainWindowTest::SetUp();
    ASSERT_TRUE(testsupport::writeBytes(dtmName(), shortPipe()));
    ASSERT_TRUE(testsupport::writeBytes(dauName(), shortWeld()));
    testsupport::FlawFields dhn;
    dhn.objectFlag = 1;
    dhn.objectName = "Задвижка 7";
    ASSERT_TRUE(testsupport::writeBytes(dhnName(), testsupport::buildFlaw(dhn)));
  }

  std::string dtmName() const { return path("A12.dtm"); }
  std::string dauName() const { return path("C3.dau"); }
  std::string dhnName() const { return path("B7.dhn"); }

  ProtocolPanel& panel() { return *form_->protocol(); }
  void fillWorkedExample() {
    typeText(panel().ProtEdt, "12");
    typeText(panel().ObjEdt, "Труба 3");
    typeText(panel().DefEdt, "Иванов");
    panel().ZaklMem->insertPlainText("Стенка в норме\nДефектов нет");
  }
};

TEST_F(ProtocolPanelUi, FilledProtocolIsSavedAsCp1251CrLfAndReloadedAfterARestart) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  EXPECT_FALSE(panel().isOpen());
  panel().ResToolBtnClick();
  EXPECT_TRUE(panel().isOpen());
  EXPECT_TRUE(form_->ResToolBtn->isChecked());
  EXPECT_TRUE(dialogs_.questions.empty());  // opening asks nothing

  fillWorkedExample();
  EXPECT_TRUE(panel().isModified());
  dialogs_.answers = {true};
  panel().ResToolBtnClick();
  ASSERT_EQ(dialogs_.questions.size(), 1u);
  EXPECT_EQ(dialogs_.questions[0].text, "Сохранить заключение ?");
  EXPECT_EQ(dialogs_.questions[0].title, "Сохранение заключения");
  EXPECT_FALSE(panel().isOpen());
  EXPECT_FALSE(form_->ResToolBtn->isChecked());
  EXPECT_EQ(readAll(dir_ + "/A12.ztm"),
            text::utf8ToCp1251("Протокол №:12\r\nОбъект:Труба 3\r\nДефектоскопист:Иванов\r\n"
                               "Заключение:Стенка в норме\r\nДефектов нет\r\n"));

  form_ = makeForm();
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  EXPECT_TRUE(panel().ProtEdt->text().isEmpty());
  panel().ResToolBtnClick();
  EXPECT_EQ(panel().ProtEdt->text(), "12");
  EXPECT_EQ(panel().ObjEdt->text(), "Труба 3");
  EXPECT_EQ(panel().DefEdt->text(), "Иванов");
  EXPECT_EQ(panel().ZaklMem->toPlainText(), "Стенка в норме\nДефектов нет");
  EXPECT_FALSE(panel().isModified());
}

TEST_F(ProtocolPanelUi, RecordObjectNameFillsOnlyAnEmptyObjectField) {
  ASSERT_TRUE(form_->openFile(q(dhnName())));
  panel().ClearProtocol();
  panel().ResToolBtnClick();
  EXPECT_EQ(panel().ObjEdt->text(), "Задвижка 7");
  EXPECT_FALSE(panel().isModified());  // filled by the program, not typed

  // A protocol file that names its own object keeps it.
  std::ofstream(dir_ + "/B7.zhn", std::ios::binary)
      << text::utf8ToCp1251("Протокол №:3\r\nОбъект:Кран\r\nДефектоскопист:\r\nЗаключение:");
  dialogs_.answers = {false};
  panel().ResToolBtnClick();  // close without saving
  panel().ResToolBtnClick();  // open again: loaded from the file
  EXPECT_EQ(panel().ObjEdt->text(), "Кран");
  EXPECT_EQ(panel().ProtEdt->text(), "3");
}

TEST_F(ProtocolPanelUi, FieldLimitsBindTypingButKeepLongerLoadedTexts) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  panel().ResToolBtnClick();
  typeText(panel().ProtEdt, QString(40, u'7'));
  EXPECT_EQ(panel().ProtEdt->text().size(), 35);
  typeText(panel().ObjEdt, QString(70, u'о'));
  EXPECT_EQ(panel().ObjEdt->text().size(), 60);
  typeText(panel().DefEdt, QString(61, u'д'));
  EXPECT_EQ(panel().DefEdt->text().size(), 60);
  panel().ZaklMem->insertPlainText(QString(990, u'з'));
  panel().ZaklMem->insertPlainText("0123456789abcdef");
  EXPECT_EQ(panel().ZaklMem->toPlainText().size(), 1000);
  EXPECT_TRUE(panel().ZaklMem->toPlainText().endsWith("зз0123456789"));

  // A file written elsewhere with a longer number is shown whole.
  std::ofstream(dir_ + "/A12.ztm", std::ios::binary)
      << text::utf8ToCp1251("Протокол №:" + std::string(50, '9') + "\r\nОбъект:\r\nДефектоскопист:\r\nЗаключение:");
  dialogs_.answers = {false};
  panel().ResToolBtnClick();
  panel().ResToolBtnClick();
  EXPECT_EQ(panel().ProtEdt->text().size(), 50);
  // Clearing restores the typing limit.
  panel().ClearProtocol();
  EXPECT_EQ(panel().ProtEdt->maxLength(), 35);
}

TEST_F(ProtocolPanelUi, SwitchingCloseAndExitAskOnlyAboutChangedFields) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  ASSERT_TRUE(form_->openFile(q(dauName())));
  panel().ResToolBtnClick();

  // Unchanged fields: switching asks nothing.
  form_->FileNameBoxChange(q(dtmName()));
  EXPECT_TRUE(dialogs_.questions.empty());

  // Changed fields: switching asks and, on Yes, saves the protocol of the file being left.
  panel().ResToolBtnClick();
  typeText(panel().ProtEdt, "5");
  dialogs_.answers = {true};
  form_->FileNameBoxChange(q(dauName()));
  ASSERT_EQ(dialogs_.questions.size(), 1u);
  EXPECT_EQ(dialogs_.questions[0].text, "Сохранить заключение ?");
  EXPECT_TRUE(fs::exists(dir_ + "/A12.ztm"));
  EXPECT_FALSE(fs::exists(dir_ + "/C3.zau"));
  EXPECT_TRUE(panel().ProtEdt->text().isEmpty());

  // Closing the file with changes asks; No leaves nothing on disk.
  panel().ResToolBtnClick();
  typeText(panel().ObjEdt, "x");
  dialogs_.answers = {false};
  form_->ACloseFileExecute();
  EXPECT_EQ(dialogs_.questions.size(), 2u);
  EXPECT_FALSE(fs::exists(dir_ + "/C3.zau"));

  // Leaving the viewer with changes asks too.
  panel().ResToolBtnClick();
  typeText(panel().DefEdt, "Петров");
  dialogs_.answers = {true};
  form_->FormClose();
  EXPECT_EQ(dialogs_.questions.size(), 3u);
  EXPECT_NE(readAll(dir_ + "/A12.ztm").find(text::utf8ToCp1251("Петров")), std::string::npos);
}

TEST_F(ProtocolPanelUi, ClosedPanelIsNotAskedAbout) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  panel().ResToolBtnClick();
  typeText(panel().ProtEdt, "9");
  dialogs_.answers = {false};
  panel().ResToolBtnClick();  // the operator declined once
  form_->FormClose();
  EXPECT_EQ(dialogs_.questions.size(), 1u);
}

TEST_F(ProtocolPanelUi, FailedSaveShowsErrorKeepsOldFileAndThePanelOpen) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  fs::create_directory(dir_ + "/A12.ztm");  // something that cannot be replaced by a file
  std::ofstream(dir_ + "/A12.ztm/keep") << "x";
  panel().ResToolBtnClick();
  typeText(panel().ProtEdt, "1");
  dialogs_.answers = {true};
  form_->ResToolBtn->click();  // as the operator presses it
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  // The specified text, and the system's reason beneath it.
  EXPECT_EQ(dialogs_.messages[0].text, "   Файл: " + q(dir_) + "/A12.ztm\n Открыть невозможно\nIs a directory");
  EXPECT_EQ(dialogs_.messages[0].title, "ERROR");
  EXPECT_TRUE(panel().isOpen());
  EXPECT_TRUE(form_->ResToolBtn->isChecked());
  EXPECT_EQ(panel().ProtEdt->text(), "1");
  EXPECT_TRUE(panel().isModified());
  EXPECT_TRUE(fs::exists(dir_ + "/A12.ztm/keep"));
}

TEST_F(ProtocolPanelUi, ReloadForPrintingKeepsUnsavedTyping) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  std::ofstream(dir_ + "/A12.ztm", std::ios::binary)
      << text::utf8ToCp1251("Протокол №:1\r\nОбъект:\r\nДефектоскопист:\r\nЗаключение:");
  panel().ResToolBtnClick();
  EXPECT_EQ(panel().ProtEdt->text(), "1");
  typeText(panel().ProtEdt, "2");
  EXPECT_TRUE(panel().LoadProtocol(q(dtmName())));
  EXPECT_EQ(panel().ProtEdt->text(), "12");
}

TEST_F(ProtocolPanelUi, EverySampleKeepsItsProtocolAcrossARestart) {
  const fs::path samples = fs::path(TERV_SOURCE_DIR) / "samples";
  int seen = 0;
  for (const auto& entry : fs::directory_iterator(samples)) {
    if (entry.path().extension() == ".cpp") continue;
    const std::string copy = dir_ + "/" + entry.path().filename().string();
    fs::copy_file(entry.path(), copy, fs::copy_options::overwrite_existing);
    SCOPED_TRACE(copy);

    form_ = makeForm();
    ASSERT_TRUE(form_->openFile(q(copy)));
    panel().ResToolBtnClick();
    panel().ObjEdt->clear();
    typeText(panel().ProtEdt, "№7");
    typeText(panel().ObjEdt, "Объект " + QString::number(seen));
    typeText(panel().DefEdt, "Сидоров");
    panel().ZaklMem->insertPlainText("строка 1\nстрока 2");
    dialogs_.answers = {true};
    form_->FormClose();
    EXPECT_TRUE(dialogs_.messages.empty());

    form_ = makeForm();
    ASSERT_TRUE(form_->openFile(q(copy)));
    panel().ResToolBtnClick();
    EXPECT_EQ(panel().ProtEdt->text(), "№7");
    EXPECT_EQ(panel().ObjEdt->text(), "Объект " + QString::number(seen));
    EXPECT_EQ(panel().DefEdt->text(), "Сидоров");
    EXPECT_EQ(panel().ZaklMem->toPlainText(), "строка 1\nстрока 2");
    const std::string bytes = readAll(protocol::protocolFileName(copy));
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(text::utf8ToCp1251("Сидоров")), std::string::npos);
    EXPECT_EQ(readAll(copy), readAll(entry.path().string()));  // the data file untouched
    ++seen;
  }
  EXPECT_GE(seen, 6);
}

}  // namespace
