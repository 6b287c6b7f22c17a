// TViewForm: the "Предварительный просмотр" window with the report as text and its "Сохранить в файл" button.
#pragma once

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;
class QToolBar;
class QToolButton;

namespace ui {

class ViewHost;

class TViewForm : public QWidget {
  Q_OBJECT

 public:
  explicit TViewForm(ViewHost& host);

  // The preview lines into ViewEdit (replacing what was there).
  void setLines(const std::vector<std::string>& lines);
  QStringList lines() const;

  // "Сохранить в файл": the text into a file chosen with the save dialog; the window closes
  // whether the text was saved, the dialog cancelled or the write failed.
  void ToolButton1Click();

  QToolBar* ToolBar1 = nullptr;
  QToolButton* ToolButton1 = nullptr;
  QWidget* Panel1 = nullptr;
  QPlainTextEdit* ViewEdit = nullptr;

 signals:
  // The window was closed (close box or after saving): the tool button is released.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  ViewHost& host_;
};

}  // namespace ui
