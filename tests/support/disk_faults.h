// Disk faults for tests of the write paths: a full device, a file-size limit, and a child
// process that can neither hang the test nor take the machine's memory.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A tmpfs of 64 KiB mounted on a fresh directory and unmounted (and removed) at the end.
// Mounting needs root: elsewhere available() is false and why() says so, for GTEST_SKIP.
class FullDevice {
 public:
  FullDevice();
  ~FullDevice();
  FullDevice(const FullDevice&) = delete;
  FullDevice& operator=(const FullDevice&) = delete;

  bool available() const { return mounted_; }
  const std::string& why() const { return why_; }
  const std::string& dir() const { return dir_; }
  // Takes every free byte with a filler file; call it after the files a test keeps are there.
  void fill();

 private:
  std::string dir_;
  std::string why_;
  bool mounted_ = false;
};

struct ChildOutcome {
  bool exited = false;  // false: killed by a signal or by the time limit
  bool timedOut = false;
  int code = -1;       // exit status when exited
  std::string output;  // what the child wrote to stdout and stderr, or passed back
};

struct ChildLimits {
  std::uint64_t fileSizeBytes = 0;  // RLIMIT_FSIZE, with SIGXFSZ ignored; 0: none
  int seconds = 20;                 // killed after this long
  std::uint64_t memoryBytes = 0;    // RLIMIT_AS, left out under AddressSanitizer; 0: none
};

// Runs fn in a forked child under the limits; what fn returns is passed back as output and
// the child exits with 0.
ChildOutcome runInChild(const std::function<std::string()>& fn, const ChildLimits& limits);

// Runs a program in a child under the limits, its stdout and stderr captured together, with
// the working directory cwd (when not empty) and QT_QPA_PLATFORM=offscreen.
ChildOutcome runProgram(const std::string& program, const std::vector<std::string>& args, const ChildLimits& limits,
                        const std::string& cwd = {});

struct ShellOutcome {
  int code = -1;    // exit status; -1 when it did not exit
  std::string out;  // what it wrote to standard output
};
// Runs a command line through the shell (redirections are the caller's).
ShellOutcome runShell(const std::string& command);

// The names in a directory, sorted.
std::vector<std::string> directoryNames(const std::string& dir);

std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);

}  // namespace testsupport
