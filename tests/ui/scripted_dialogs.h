// A Dialogs that answers from a script and records every message, so ui tests never block.
#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "ui/host/dialogs.h"

namespace testsupport {

class ScriptedDialogs : public ui::Dialogs {
 public:
  // Recorded calls.
  QStringList messages;         // texts of message()
  QStringList messageTitles;    // their titles
  QStringList questions;        // texts of askYesNo()
  QList<QColor> askedColors;    // the colours the colour dialog started at
  QStringList openDirs;         // initial directories of the open dialogs
  QStringList saveSuggestions;  // the names the save dialogs proposed
  QStringList saveFilters;      // and their filters
  QList<QWidget*> saveParents;  // the windows they opened above
  QStringList openFilters;      // their file-type filters

  // Answers, consumed in order; when empty: No, cancel, cancel.
  std::deque<bool> yesNo;
  std::deque<QStringList> openAnswers;
  std::deque<QString> saveAnswers;
  std::deque<std::optional<QColor>> colorAnswers;
  std::deque<bool> printAnswers;
  std::deque<std::optional<QSize>> imageSizeAnswers;  // when empty: the size shown
  QList<QSize> shownSizes;                            // the sizes the size dialog started at

  void message(const QString& text, const QString& title = QString()) override {
    messages << text;
    messageTitles << title;
  }
  // A warning is a message with the warning icon: recorded with the messages, and counted.
  void warning(const QString& text, const QString& title = QString()) override {
    message(text, title);
    ++warnings;
  }
  int warnings = 0;
  bool askYesNo(const QString& text, const QString&) override {
    questions << text;
    if (yesNo.empty()) return false;
    const bool a = yesNo.front();
    yesNo.pop_front();
    return a;
  }
  QStringList openFiles(const QString&, const QString& filter, const QString& dir) override {
    openDirs << dir;
    openFilters << filter;
    if (openAnswers.empty()) return {};
    QStringList a = openAnswers.front();
    openAnswers.pop_front();
    return a;
  }
  QString saveFile(const QString&, const QString& filter, const QString& suggested, const QString&) override {
    saveSuggestions << suggested;
    saveFilters << filter;
    saveParents << parent();
    if (saveAnswers.empty()) return {};
    QString a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
  }
  std::optional<QColor> chooseColor(const QColor& initial) override {
    askedColors << initial;
    if (colorAnswers.empty()) return std::nullopt;
    auto a = colorAnswers.front();
    colorAnswers.pop_front();
    return a;
  }
  std::optional<QSize> imageSize(QSize shown) override {
    shownSizes << shown;
    if (imageSizeAnswers.empty()) return shown;
    auto a = imageSizeAnswers.front();
    imageSizeAnswers.pop_front();
    return a;
  }
  bool print(QPrinter&) override {
    if (printAnswers.empty()) return false;
    const bool a = printAnswers.front();
    printAnswers.pop_front();
    return a;
  }
};

}  // namespace testsupport
