// Files dropped onto the main window: the local ones are opened as the open dialog would open them.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

namespace ui {

class FileDrop : public QObject {
 public:
  // Watches window for drops; open gets the dropped files' full names in the order of the drag.
  FileDrop(QWidget& window, std::function<void(const QStringList&)> open);

  // The local files among the dropped data; a drag without any is not taken.
  static QStringList localFiles(const QMimeData* data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QStringList&)> open_;
};

}  // namespace ui
