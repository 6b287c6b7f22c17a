// The main window on a fresh temporary directory with scripted dialogs, for the tests that drive the real window.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QSize>
#include <QString>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

#include "support/file_builder.h"
#include "ui/scripted_dialogs.h"
#include "ui/shell/main_form.h"

namespace testsupport {

// Keys as the operator's keyboard delivers them to a field.
inline void typeText(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

// D is what the window asks its questions of: ScriptedDialogs unless a test records them its own way.
// A derived fixture names its temporary directory and, where its tests measure pixels, the window size.
template <class D = ScriptedDialogs>
class BasicMainWindowTest : public ::testing::Test {
 protected:
  explicit BasicMainWindowTest(std::string tag = "window", QSize size = QSize()) : tag_(std::move(tag)), size_(size) {}

  void SetUp() override {
    dir_ = makeTempDir(tag_);
    form_ = makeForm();
  }
  void TearDown() override {
    form_.reset();  // writes its settings into dir_ first
    std::filesystem::remove_all(dir_);
  }

  // A window started as the program starts it, in dir_ and with the Russian locale. Assigning one to form_ restarts
  // the viewer; the new window starts before the old one goes.
  std::unique_ptr<ui::TMainForm> makeForm() {
    ui::StartUp s;
    s.startDir = q(dir_);
    s.programPath = q(dir_ + "/tervview");
    s.localeId = "00000419";
    s.numberFormat = text::NumberFormat{",", "\xC2\xA0"};  // the Russian separators, as the locale gives them
    s.dialogs = &dialogs_;
    s.stateFile = stateFile_;
    auto form = std::make_unique<ui::TMainForm>(s);
    if (size_.isValid()) form->resize(size_);
    return form;
  }

  std::string path(const std::string& name) const { return dir_ + "/" + name; }
  // Puts a file into dir_; gives its full name.
  QString writeFile(const std::string& name, const Bytes& bytes) const {
    writeBytes(path(name), bytes);
    return q(path(name));
  }
  // Puts a file into dir_ and opens it in the window.
  bool open(const Bytes& bytes, const std::string& name) { return form_->openFile(writeFile(name, bytes)); }

  // Lets layouts settle and paints happen.
  static void settle(int rounds = 5) {
    for (int i = 0; i < rounds; ++i) QApplication::processEvents();
  }
  static QString q(const std::string& s) { return QString::fromStdString(s); }
  static std::string readAll(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // Files more than one test file opens, built the same way everywhere.
  // A pipe of 4 mm: 4.5 mm on every sensor, then 4.4 down to 4.25 mm.
  static Bytes shortPipe() {
    MapLikeFields s;
    s.body = thicknessBody({{900, 900, 900, 900}, {880, 870, 860, 850}});
    s.length = 4;
    return buildMapLike(s);
  }
  // A one-layer weld of 4 mm whose second cell holds a defect.
  static Bytes shortWeld() {
    MapLikeFields s;
    s.type = 2;
    s.channels = 1;
    s.length = 4;
    s.body = mapBody({{0, 0}, {5, 1}, {0, 0}, {0, 0}});
    return buildMapLike(s);
  }
  // A flaw-detector record with every field at its default.
  static Bytes defaultRecord() { return buildFlaw(FlawFields{}); }

  std::string dir_;
  D dialogs_;
  // The user's state file the window remembers in; empty (no memory) unless a test sets it before makeForm.
  QString stateFile_;
  std::unique_ptr<ui::TMainForm> form_;

 private:
  std::string tag_;
  QSize size_;
};

class MainWindowTest : public BasicMainWindowTest<> {
 protected:
  using BasicMainWindowTest::BasicMainWindowTest;
};

}  // namespace testsupport
