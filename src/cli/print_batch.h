// A print of many files into a directory, spread over worker processes, one per core.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// What `tervtool print` is asked for: the files, the output (a PDF or a directory), the form.
struct PrintArgs {
  std::vector<std::string> files;
  std::string out;
  bool text = false;
};

// The arguments after "print"; false for bad usage.
bool parsePrintArgs(const std::vector<std::string>& args, PrintArgs& a);

// For a print of several files into a directory with more than one worker: splits the files
// into one consecutive share per worker process, each running runOne on the command line of
// its share (args without the command's name, as run() takes them). The workers' messages
// come out in the order of the files, and the exit code is the one a single process gives:
// a refusal before a failed write. Must be called before any Qt application object exists.
// Nothing (and nothing done) for any other command line.
std::optional<int> runPrintBatch(const std::vector<std::string>& args, int workers,
                                 const std::function<int(const std::vector<std::string>&)>& runOne);

}  // namespace cli
