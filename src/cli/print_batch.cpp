// A print of many files into a directory, spread over worker processes, one per core.
#include "cli/print_batch.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "cli/dispatch.h"

namespace cli {

bool parsePrintArgs(const std::vector<std::string>& args, PrintArgs& a) {
  const Arguments split = splitArguments(args);
  const std::vector<std::string>& o = split.options;
  for (std::size_t i = 0; i < o.size(); ++i) {
    if (o[i] == "-o") {
      if (i + 1 >= o.size() || !a.out.empty()) return false;
      a.out = o[++i];
    } else if (o[i] == "--text") {
      a.text = true;
    } else {
      return false;
    }
  }
  a.files = split.operands;
  return !a.files.empty() && !a.out.empty();
}

namespace {

struct Worker {
  pid_t pid = -1;
  std::FILE* messages = nullptr;  // the worker's stderr, replayed in file order
};

// The worker's command line: its share of the files after "--", so that a name starting
// with "-" stays a file.
std::vector<std::string> shareArgs(const PrintArgs& a, std::size_t first, std::size_t count) {
  std::vector<std::string> args{"print", "-o", a.out};
  if (a.text) args.push_back("--text");
  args.push_back("--");
  args.insert(args.end(), a.files.begin() + long(first), a.files.begin() + long(first + count));
  return args;
}

Worker startWorker(const std::vector<std::string>& args,
                   const std::function<int(const std::vector<std::string>&)>& runOne) {
  Worker w;
  w.messages = std::tmpfile();
  if (!w.messages) return w;
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  w.pid = fork();
  if (w.pid == 0) {
    dup2(fileno(w.messages), STDERR_FILENO);
    const int code = runOne(args);
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    // No exit handlers of the parent's objects run in the worker.
    _exit(code);
  }
  return w;
}

void replay(std::FILE* messages) {
  std::rewind(messages);
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, messages)) > 0;) std::cerr.write(buf, long(n));
  std::fclose(messages);
}

}  // namespace

std::optional<int> runPrintBatch(const std::vector<std::string>& args, int workers,
                                 const std::function<int(const std::vector<std::string>&)>& runOne) {
  if (args.empty() || args[0] != "print" || workers < 2) return std::nullopt;
  PrintArgs a;
  if (!parsePrintArgs(std::vector<std::string>(args.begin() + 1, args.end()), a) || a.files.size() < 2)
    return std::nullopt;
  struct stat st {};
  if (a.out == "-" || stat(a.out.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;

  const std::size_t n = std::min<std::size_t>(std::size_t(workers), a.files.size());
  std::vector<Worker> started;
  std::size_t first = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t count = (a.files.size() - first) / (n - k);
    started.push_back(startWorker(shareArgs(a, first, count), runOne));
    first += count;
  }
  int result = kOk;
  for (Worker& w : started) {
    int status = 0;
    int code = kWriteFailed;
    if (w.pid > 0 && waitpid(w.pid, &status, 0) == w.pid && WIFEXITED(status)) code = WEXITSTATUS(status);
    if (w.messages) replay(w.messages);
    if (w.pid <= 0 || !WIFEXITED(status))
      std::cerr << "tervtool print: a worker process " << (w.pid <= 0 ? "could not be started" : "ended abnormally")
                << "; some PDFs may be missing\n";
    if (code == kRefused || (code != kOk && result == kOk)) result = code;
  }
  return result;
}

}  // namespace cli
