// "Сравнить с прошлым контролем...": picks the earlier run for the shown .DTM, says what is doubtful, shows the window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace ui {

class ViewHost;
class CompareWindow;

class CompareController : public QObject {
  Q_OBJECT

 public:
  explicit CompareController(ViewHost& host);
  ~CompareController() override;

  // The open dialog for the earlier run, then compareWith; nothing unless a .DTM is shown.
  void ACompareExecute();
  // Loads earlierName and compares the shown run with it: a refused file, another kind, the
  // warnings and a refused comparison are told through the dialogs; the window opens unless the
  // file could not be used. False when it did not open.
  bool compareWith(const QString& earlierName);

  // The window, once opened.
  CompareWindow* window();

 private:
  ViewHost& host_;
  QPointer<CompareWindow> window_;
};

}  // namespace ui
