// tervtool: reads, renders, prints and exports result files without a window.
#include <malloc.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/print_batch.h"
#include "qt/convert.h"

namespace {

// One run of a command line in this process: the application object it needs, the locale's
// number form, the default settings.
int runHere(int argc, char** argv, const std::vector<std::string>& args) {
  // Rendering and printing need a GUI application for fonts; no window is ever shown. The text
  // commands start without one, which costs most of the start-up.
  const bool gui = cli::needsGuiApplication(args);
  if (gui && std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (gui && std::getenv("XDG_RUNTIME_DIR") == nullptr) {
    // Qt wants a private runtime directory even offscreen; give it one instead of a warning.
    const std::string runtime = "/tmp/tervtool-runtime-" + std::to_string(getuid());
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
  std::unique_ptr<QCoreApplication> app;
  if (gui)
    app = std::make_unique<QGuiApplication>(argc, argv);
  else
    app = std::make_unique<QCoreApplication>(argc, argv);

  cli::Context ctx;
  const QLocale locale = QLocale::system();
  ctx.nf = qtx::numberFormat(locale);
  ctx.localeId = qtx::localeId(locale).toStdString();
  ctx.settings = settings::SetDefaultSettings(".");
  ctx.settings.localeId = ctx.localeId;
  ctx.out = &std::cout;
  ctx.err = &std::cerr;
  return cli::run(ctx, args);
}

// The cores this process may run on (taskset and cgroups' cpusets narrow them).
int usableCores() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
  const long online = sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? int(online) : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Over the file-size limit a write then fails with EFBIG and is reported, instead of the
  // signal ending the program with a partial output.
  std::signal(SIGXFSZ, SIG_IGN);
  // The PDF writer makes and frees a buffer of some hundred kilobytes for every page; by
  // default each goes back to the system and is faulted in afresh on the next page, which
  // cost a third of a long printout. A run of the tool is short: keep them.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  const std::vector<std::string> args(argv + 1, argv + argc);
  // Many files printed into a directory: one worker process per core, started before any
  // Qt object exists.
  const auto batch = cli::runPrintBatch(
      args, usableCores(), [&](const std::vector<std::string>& share) { return runHere(argc, argv, share); });
  if (batch) return *batch;
  return runHere(argc, argv, args);
}
