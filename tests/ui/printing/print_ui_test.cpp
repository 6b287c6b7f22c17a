// The print command, the PDF export, the print-mode dialog and the preview window in the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <filesystem>

#include "core/gfx/recording_printer.h"
#include "support/file_builder.h"
#include "ui/main_window_fixture.h"
#include "ui/printing/print_controller.h"
#include "ui/printing/print_mode_dialog.h"
#include "ui/printing/view_form.h"
#include "ui/protocol/protocol_panel.h"
#include "ui/thickness/thickness_controller.h"

namespace {

namespace fs = std::filesystem;
using ui::PrintController;
using ui::TForm4;
using ui::TMainForm;

// A recording printer that notes whether the view handlers were held off while it printed.
class WatchingPrinter : public gfx::RecordingPrinter {
 public:
  explicit WatchingPrinter(const TMainForm& form) : RecordingPrinter(4800, 6600), form_(form) {}
  bool beginDoc(const std::string& title) override {
    printingSeen = form_.printing();
    ++jobs;
    return RecordingPrinter::beginDoc(title);
  }
  bool printingSeen = false;
  int jobs = 0;

 private:
  const TMainForm& form_;
};

// The print dialog as an operator uses it to print into a file: PDF output, a file name.
class PrintToFileDialogs : public testsupport::ScriptedDialogs {
 public:
  bool print(QPrinter& printer) override {
    if (outputFile.isEmpty()) return ScriptedDialogs::print(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outputFile);
    return true;
  }
  QString outputFile;
};

bool printed(const gfx::RecordingPrinter& p, const std::string& text) {
  for (const auto& page : p.pages())
    if (page->findText(text)) return true;
  return false;
}

class PrintUi : public testsupport::BasicMainWindowTest<PrintToFileDialogs> {
 protected:
  PrintUi() : BasicMainWindowTest("print_ui") {}

  void SetUp() override {
    BasicMainWindowTest::SetUp();
    ASSERT_TRUE(testsupport::writeBytes(dtmName(), shortPipe()));
    ASSERT_TRUE(testsupport::writeBytes(dauName(), shortWeld()));
    ASSERT_TRUE(testsupport::writeBytes(dhnName(), defaultRecord()));

    form_->show();
    printer_ = std::make_unique<WatchingPrinter>(*form_);
    print().setPrinterOverride([this] { return printer_.get(); });
    print().setModeRunner([this](TForm4& d) {
      graphicPreselected_ = d.GrPrnBttn->isChecked();
      textPreselected_ = d.TxtPrnBttn->isChecked();
      ++modeAsked_;
      return modeAnswer_;
    });
  }

  std::string dtmName() const { return path("A12.dtm"); }
  std::string dauName() const { return path("C3.dau"); }
  std::string dhnName() const { return path("B7.dhn"); }
  PrintController& print() { return *form_->printer(); }

  std::unique_ptr<WatchingPrinter> printer_;
  int modeAnswer_ = TForm4::kGraphic;
  int modeAsked_ = 0;
  bool graphicPreselected_ = false;
  bool textPreselected_ = false;
};

TEST_F(PrintUi, PrintModeDialogPreselectsByTheViewAndKeepsTheChoiceForAMap) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  form_->thickness()->AShowTableExecute();
  print().APrntExecute();
  EXPECT_TRUE(textPreselected_);
  EXPECT_FALSE(graphicPreselected_);

  form_->AShowGraph->trigger();
  print().APrntExecute();
  EXPECT_TRUE(graphicPreselected_);

  // The map keeps what was chosen last, whichever it was.
  print().Form4()->TxtPrnBttn->setChecked(true);
  ASSERT_TRUE(form_->openFile(q(dauName())));
  print().APrntExecute();
  EXPECT_TRUE(textPreselected_);
  EXPECT_EQ(modeAsked_, 3);
}

TEST_F(PrintUi, PrintModeDialogResults) {
  TForm4 d;
  EXPECT_EQ(d.windowTitle(), "Form4");
  EXPECT_EQ(d.size(), QSize(159, 112));
  EXPECT_TRUE(d.GrPrnBttn->isChecked());
  d.TxtPrnBttn->setChecked(true);
  d.Button1->click();
  EXPECT_EQ(d.result(), 3);
  d.GrPrnBttn->setChecked(true);
  d.Button1Click();
  EXPECT_EQ(d.result(), 2);
  // The close box gives 2 even with the text choice selected.
  d.TxtPrnBttn->setChecked(true);
  d.show();
  d.close();
  EXPECT_EQ(d.result(), 2);
  // A click on the free area closes it like the button.
  d.show();
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 100), QPointF(5, 100), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&d, &click);
  EXPECT_EQ(d.result(), 3);
  EXPECT_FALSE(d.isVisible());
}

TEST_F(PrintUi, CancelledDialogsPrintNothing) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  print().APrntExecute();  // the print dialog cancels (no scripted answer)
  EXPECT_EQ(printer_->jobs, 0);
  modeAnswer_ = 0;  // neither 2 nor 3
  dialogs_.printAnswers = {true};
  print().APrntExecute();
  EXPECT_EQ(printer_->jobs, 0);
  EXPECT_EQ(dialogs_.printAnswers.size(), 1u);  // the print dialog was never shown
  dialogs_.printAnswers.clear();
  ASSERT_TRUE(form_->openFile(q(dhnName())));
  print().APrntExecute();
  EXPECT_EQ(printer_->jobs, 0);
}

TEST_F(PrintUi, ThicknessTextPrintWithTheProtocolReloadedAndViewsHeldOff) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  // A protocol saved beside the file is what the printout shows.
  protocol::ProtocolFields f;
  f.protocolNumber = "77";
  f.operatorName = "Петров";
  f.conclusion = {"Годен"};
  form_->protocol()->setFields(f);
  ASSERT_TRUE(form_->protocol()->SaveProtocol(q(dtmName())));
  form_->protocol()->ClearProtocol();

  modeAnswer_ = TForm4::kText;
  dialogs_.printAnswers = {true};
  print().APrntExecute();
  ASSERT_EQ(printer_->jobs, 1);
  EXPECT_TRUE(printer_->printingSeen);
  EXPECT_FALSE(form_->printing());
  EXPECT_TRUE(printed(*printer_, "Протокол №: 77"));
  EXPECT_TRUE(printed(*printer_, "Дефектоскопист: Петров"));
  EXPECT_TRUE(printed(*printer_, "Годен"));
  EXPECT_TRUE(printed(*printer_, "00000"));  // the data row
  EXPECT_TRUE(printed(*printer_, "4,5"));
  EXPECT_TRUE(printed(*printer_, "Всего листов:1"));
}

TEST_F(PrintUi, FlawRecordPrintsOnePageWithoutTheModeDialog) {
  ASSERT_TRUE(form_->openFile(q(dhnName())));
  dialogs_.printAnswers = {true};
  print().APrntExecute();
  EXPECT_EQ(modeAsked_, 0);
  ASSERT_EQ(printer_->jobs, 1);
  EXPECT_EQ(printer_->pages().size(), 1u);
  EXPECT_FALSE(form_->printing());
}

TEST_F(PrintUi, PdfExportWritesTheChosenFileAndNothingOnCancel) {
  ASSERT_TRUE(form_->openFile(q(dtmName())));
  print().APdfExecute();  // save dialog cancelled
  EXPECT_EQ(modeAsked_, 1);
  const std::string pdf = dir_ + "/out.pdf";
  EXPECT_FALSE(fs::exists(pdf));
  dialogs_.saveAnswers = {q(pdf)};
  print().APdfExecute();
  EXPECT_EQ(readAll(pdf).substr(0, 5), "%PDF-");
  EXPECT_TRUE(dialogs_.messages.isEmpty());
  // A place that cannot be written is reported.
  dialogs_.saveAnswers = {q(dir_ + "/no/such/dir/out.pdf")};
  print().APdfExecute();
  ASSERT_EQ(dialogs_.messages.size(), 1);
  EXPECT_TRUE(dialogs_.messages[0].contains("Открыть невозможно"));
}

TEST_F(PrintUi, PrintDialogPrintingIntoAFileWritesEveryKind) {
  print().setPrinterOverride(nullptr);
  int n = 0;
  for (const std::string& name : {dtmName(), dauName(), dhnName()}) {
    ASSERT_TRUE(form_->openFile(q(name)));
    const std::string pdf = dir_ + "/printed" + std::to_string(n++) + ".pdf";
    dialogs_.outputFile = q(pdf);
    print().APrntExecute();
    EXPECT_EQ(readAll(pdf).substr(0, 5), "%PDF-") << name;
  }
  EXPECT_EQ(modeAsked_, 2);
}

TEST_F(PrintUi, PreviewToggleFollowsTheWindowAndRebuildsOnlyWhenShown) {
  ASSERT_TRUE(form_->openFile(q(dhnName())));
  form_->AView->trigger();
  EXPECT_FALSE(form_->AView->isChecked());
  EXPECT_FALSE(print().ViewForm()->isVisible());

  ASSERT_TRUE(form_->openFile(q(dtmName())));
  form_->AView->trigger();
  ui::TViewForm& view = *print().ViewForm();
  ASSERT_TRUE(view.isVisible());
  EXPECT_TRUE(form_->AView->isChecked());
  EXPECT_TRUE(form_->ViewToolBtn->isChecked());
  EXPECT_EQ(view.windowTitle(), "Предварительный просмотр");
  EXPECT_EQ(view.size(), QSize(695, 466));
  EXPECT_TRUE(view.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(view.ViewEdit->isReadOnly());
  EXPECT_EQ(view.ViewEdit->font().family(), "Courier New");
  EXPECT_EQ(view.ViewEdit->font().pointSize(), 10);
  const QStringList lines = view.lines();
  ASSERT_GE(lines.size(), 10);
  EXPECT_EQ(lines[0], "   Файл: " + q(dtmName()));
  EXPECT_EQ(lines[7], "00000\t\t4,5\t\t4,5\t\t4,5\t\t4,5\t\t");

  view.ViewEdit->setPlainText("stale");
  form_->AView->trigger();  // hides, text untouched
  EXPECT_FALSE(view.isVisible());
  EXPECT_FALSE(form_->AView->isChecked());
  EXPECT_FALSE(form_->ViewToolBtn->isChecked());
  EXPECT_EQ(view.ViewEdit->toPlainText(), "stale");
  form_->AView->trigger();  // shows, text rebuilt
  EXPECT_EQ(view.lines(), lines);

  view.close();  // the close box releases the button
  EXPECT_FALSE(form_->AView->isChecked());
  EXPECT_FALSE(form_->ViewToolBtn->isChecked());
}

TEST_F(PrintUi, SaveToFileWritesUtf8AndClosesEitherWay) {
  ASSERT_TRUE(form_->openFile(q(dauName())));
  form_->AView->trigger();
  ui::TViewForm& view = *print().ViewForm();
  ASSERT_TRUE(view.isVisible());
  view.ToolButton1Click();  // cancelled
  EXPECT_FALSE(view.isVisible());
  EXPECT_FALSE(form_->AView->isChecked());

  form_->AView->trigger();
  const std::string out = dir_ + "/preview.txt";
  dialogs_.saveAnswers = {q(out)};
  view.ToolButton1Click();
  EXPECT_FALSE(view.isVisible());
  EXPECT_FALSE(form_->ViewToolBtn->isChecked());
  const std::string text = readAll(out);
  EXPECT_EQ(text.rfind("   Файл: " + dauName() + "\n", 0), 0u);
  EXPECT_NE(text.find("КООР:  00002 "), std::string::npos);  // the map's text table
}

}  // namespace
