// The recent-files list and its submenu.
#include "ui/shell/recent_files.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace ui {

RecentFiles::RecentFiles(QMenu& fileMenu, QAction* before, std::function<void(const QString&)> open)
    : QObject(&fileMenu), open_(std::move(open)) {
  menu_ = new QMenu("Последние файлы", &fileMenu);
  menu_->setObjectName("RecentMn");
  fileMenu.insertMenu(before, menu_);
  fileMenu.insertSeparator(before);
  // A file may have gone or come back since the list was filled.
  connect(menu_, &QMenu::aboutToShow, this, &RecentFiles::refill);
  refill();
}

QStringList RecentFiles::cleaned(const QStringList& files) {
  QStringList out;
  for (const QString& f : files) {
    if (out.size() == kLimit) break;
    if (QFileInfo(f).isAbsolute() && !out.contains(f, Qt::CaseSensitive)) out << f;
  }
  return out;
}

void RecentFiles::setFiles(const QStringList& files) {
  files_ = cleaned(files);
  refill();
}

void RecentFiles::add(const QString& name) {
  QStringList files = files_;
  files.prepend(name);
  setFiles(files);
}

void RecentFiles::refill() {
  // The picked item may be the one emitting: it goes once its signal is done.
  for (QAction* old : menu_->actions()) {
    menu_->removeAction(old);
    old->deleteLater();
  }
  for (const QString& name : files_) {
    // "&" would mark a shortcut letter.
    QAction* item = menu_->addAction(QString(name).replace('&', "&&"));
    item->setData(name);
    item->setEnabled(QFileInfo::exists(name));
    connect(item, &QAction::triggered, this, [this, name] { open_(name); });
  }
  menu_->menuAction()->setEnabled(!files_.isEmpty());
}

}  // namespace ui
