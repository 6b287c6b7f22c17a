// tervview: starts the viewer with its main window, opening the result files named on the command line.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <csignal>
#include <cstdio>

#include "qt/convert.h"
#include "ui/shell/command_line.h"
#include "ui/shell/main_form.h"
#include "ui/shell/window_memory.h"

namespace {

int finish(const ui::CommandLine& c) {
  std::fputs(c.out.toUtf8().constData(), stdout);
  std::fputs(c.err.toUtf8().constData(), stderr);
  return c.exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  // A save over the file-size limit fails with its message instead of ending the viewer.
  std::signal(SIGXFSZ, SIG_IGN);
  // --help and --version answer on the terminal without a window, also where no display can be opened.
  QStringList raw;
  for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
  if (ui::asksNoWindow(raw)) return finish(ui::parseCommandLine(raw, QDir::currentPath(), TERV_VERSION));

  QApplication app(argc, argv);
  // The application title; no display name, which the platform would append to every caption.
  QApplication::setApplicationName("View Tervik files");

  // The standard dialogs (open, save, colour, print) in the operator's language.
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale::system(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTranslator);

  // Qt has taken its own options (-platform and the like) out of the arguments by now.
  const ui::CommandLine command = ui::parseCommandLine(QApplication::arguments(), QDir::currentPath(), TERV_VERSION);
  if (command.finished) return finish(command);

  ui::StartUp startUp;
  startUp.startDir = QDir::currentPath();
  startUp.programPath = QApplication::applicationFilePath();
  startUp.localeId = qtx::localeId(QLocale::system());
  startUp.numberFormat = qtx::numberFormat(QLocale::system());
  startUp.stateFile = ui::userStateFile();

  ui::TMainForm form(startUp);
  ui::openAtFirstPaint(form, command.files);
  form.showRemembered();
  return app.exec();
}
