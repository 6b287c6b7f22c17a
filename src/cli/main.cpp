// tervtool: reads, renders, prints and exports result files without a window.
#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QLocale>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "qt/convert.h"

int main(int argc, char** argv) {
  // Over the file-size limit a write then fails with EFBIG and is reported, instead of the
  // signal ending the program with a partial output.
  std::signal(SIGXFSZ, SIG_IGN);
  // Rendering needs a GUI application for fonts; no window is ever shown.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
    // Qt wants a private runtime directory even offscreen; give it one instead of a warning.
    const std::string runtime = "/tmp/tervtool-runtime-" + std::to_string(getuid());
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
  QGuiApplication app(argc, argv);

  cli::Context ctx;
  const QLocale locale = QLocale::system();
  ctx.nf = qtx::numberFormat(locale);
  ctx.localeId = qtx::localeId(locale).toStdString();
  ctx.settings = settings::SetDefaultSettings(".");
  ctx.settings.localeId = ctx.localeId;
  ctx.out = &std::cout;
  ctx.err = &std::cerr;

  std::vector<std::string> args(argv + 1, argv + argc);
  return cli::run(ctx, args);
}
