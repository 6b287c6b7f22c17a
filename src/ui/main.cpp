// tervview: starts the viewer with its main window.
#include <QApplication>
#include <QDir>
#include <QLocale>

#include "qt/convert.h"
#include "ui/shell/main_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("View Tervik files");
  QApplication::setApplicationDisplayName("View Tervik files");

  ui::StartUp startUp;
  startUp.startDir = QDir::currentPath();
  startUp.programPath = QApplication::applicationFilePath();
  startUp.localeId = qtx::localeId(QLocale::system());
  startUp.numberFormat = qtx::numberFormat(QLocale::system());

  ui::TMainForm form(startUp);
  form.showMaximized();
  return app.exec();
}
