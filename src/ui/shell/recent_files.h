// The files opened last, most recent first: the "Последние файлы" submenu of the "Файл" menu.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;

namespace ui {

class RecentFiles : public QObject {
  Q_OBJECT

 public:
  static constexpr int kLimit = 10;

  // Puts the submenu into fileMenu before `before`, followed by a separator; open opens a picked file.
  RecentFiles(QMenu& fileMenu, QAction* before, std::function<void(const QString&)> open);

  // Full names, most recent first: no duplicates (names compared exactly, as paths are), at most kLimit.
  const QStringList& files() const { return files_; }
  void setFiles(const QStringList& files);
  // A file was opened: it goes to the top, once.
  void add(const QString& name);

  QMenu* menu() const { return menu_; }

  // Only absolute names, the first of equal ones, at most kLimit.
  static QStringList cleaned(const QStringList& files);

 private:
  // One item per file; a file that is gone is greyed until it is there again.
  void refill();

  QMenu* menu_ = nullptr;
  std::function<void(const QString&)> open_;
  QStringList files_;
};

}  // namespace ui
