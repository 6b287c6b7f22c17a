// Every message box and common dialog of the viewer goes through here, so that tests can script the answers.
#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class QPrinter;

namespace ui {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal message with an OK button; the title defaults to the application title.
  virtual void message(const QString& text, const QString& title = QString()) = 0;
  // A failure (a refused file, a failed save): the same box with the warning icon.
  virtual void warning(const QString& text, const QString& title = QString()) { message(text, title); }
  // A question with Yes and No; only Yes answers true.
  virtual bool askYesNo(const QString& text, const QString& title) = 0;
  // An open dialog; the chosen files (only the first is used by the callers), empty when cancelled.
  virtual QStringList openFiles(const QString& title, const QString& filter, const QString& dir) = 0;
  // A save dialog; empty when cancelled.
  virtual QString saveFile(const QString& title, const QString& filter, const QString& dir,
                           const QString& defaultSuffix) = 0;
  // The colour dialog, starting at the given colour; nothing when cancelled.
  virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
  // The print dialog on a printer; false when cancelled.
  virtual bool print(QPrinter& printer) = 0;
  // The size of a saved picture, starting at the size shown; nothing when cancelled.
  virtual std::optional<QSize> imageSize(QSize shown) { return shown; }

  // The window the modal dialogs belong to.
  void setParent(QWidget* parent) { parent_ = parent; }
  QWidget* parent() const { return parent_; }

 private:
  QWidget* parent_ = nullptr;
};

// While it lives, the dialogs open above another window than the main one: the tool window
// that asked for them.
class DialogParentScope {
 public:
  DialogParentScope(Dialogs& dialogs, QWidget* parent) : dialogs_(dialogs), previous_(dialogs.parent()) {
    dialogs_.setParent(parent);
  }
  ~DialogParentScope() { dialogs_.setParent(previous_); }
  DialogParentScope(const DialogParentScope&) = delete;
  DialogParentScope& operator=(const DialogParentScope&) = delete;

 private:
  Dialogs& dialogs_;
  QWidget* previous_;
};

// The real dialogs (QMessageBox, QFileDialog, QColorDialog, QPrintDialog).
class QtDialogs : public Dialogs {
 public:
  void message(const QString& text, const QString& title = QString()) override;
  void warning(const QString& text, const QString& title = QString()) override;
  bool askYesNo(const QString& text, const QString& title) override;
  QStringList openFiles(const QString& title, const QString& filter, const QString& dir) override;
  QString saveFile(const QString& title, const QString& filter, const QString& dir,
                   const QString& defaultSuffix) override;
  std::optional<QColor> chooseColor(const QColor& initial) override;
  bool print(QPrinter& printer) override;
  std::optional<QSize> imageSize(QSize shown) override;
};

}  // namespace ui
