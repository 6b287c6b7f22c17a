// Drag and drop of file URLs onto the main window.
#include "ui/shell/file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace ui {

FileDrop::FileDrop(QWidget& window, std::function<void(const QStringList&)> open)
    : QObject(&window), open_(std::move(open)) {
  window.setAcceptDrops(true);
  window.installEventFilter(this);
}

QStringList FileDrop::localFiles(const QMimeData* data) {
  QStringList names;
  if (!data || !data->hasUrls()) return names;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && !url.toLocalFile().isEmpty()) names << url.toLocalFile();
  return names;
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (localFiles(drag->mimeData()).isEmpty()) return QObject::eventFilter(watched, event);
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QStringList names = localFiles(drop->mimeData());
      if (names.isEmpty()) return QObject::eventFilter(watched, event);
      drop->acceptProposedAction();
      // The drag ends first: a refusal's message box must not hold the program the files came from.
      QTimer::singleShot(0, this, [this, names] { open_(names); });
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace ui
