// The real modal dialogs.
#include "ui/host/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {

void QtDialogs::message(const QString& text, const QString& title) {
  QMessageBox::information(parent(), title.isEmpty() ? QApplication::applicationName() : title, text, QMessageBox::Ok);
}

void QtDialogs::warning(const QString& text, const QString& title) {
  QMessageBox::warning(parent(), title.isEmpty() ? QApplication::applicationName() : title, text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString& text, const QString& title) {
  return QMessageBox::question(parent(), title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QStringList QtDialogs::openFiles(const QString& title, const QString& filter, const QString& dir) {
  return QFileDialog::getOpenFileNames(parent(), title, dir, filter);
}

QString QtDialogs::saveFile(const QString& title, const QString& filter, const QString& dir,
                            const QString& defaultSuffix) {
  QFileDialog dialog(parent(), title, dir, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
  QColor c = QColorDialog::getColor(initial, parent());
  if (!c.isValid()) return std::nullopt;
  return c;
}

bool QtDialogs::print(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent());
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace ui
