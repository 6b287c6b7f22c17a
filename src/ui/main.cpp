// tervview: starts the viewer with its main window.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "qt/convert.h"
#include "ui/shell/main_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The application title; no display name, which the platform would append to every caption.
  QApplication::setApplicationName("View Tervik files");

  // The standard dialogs (open, save, colour, print) in the operator's language.
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale::system(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTranslator);

  ui::StartUp startUp;
  startUp.startDir = QDir::currentPath();
  startUp.programPath = QApplication::applicationFilePath();
  startUp.localeId = qtx::localeId(QLocale::system());
  startUp.numberFormat = qtx::numberFormat(QLocale::system());

  ui::TMainForm form(startUp);
  form.showMaximized();
  return app.exec();
}
