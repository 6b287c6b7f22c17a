// Disk faults for tests: a tmpfs that is full, limited child processes.
#include "support/disk_faults.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/file_builder.h"

namespace testsupport {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

void applyLimits(const ChildLimits& limits) {
  if (limits.fileSizeBytes > 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit r {};
    r.rlim_cur = r.rlim_max = limits.fileSizeBytes;
    setrlimit(RLIMIT_FSIZE, &r);
  }
  // AddressSanitizer reserves terabytes of address space: a limit would fail every mapping.
  if (limits.memoryBytes > 0 && !kAddressSanitizer) {
    struct rlimit r {};
    r.rlim_cur = r.rlim_max = limits.memoryBytes;
    setrlimit(RLIMIT_AS, &r);
  }
}

// Reads the child's pipe until it closes or the time is up, then reaps the child.
ChildOutcome collect(pid_t pid, int fd, int seconds) {
  ChildOutcome out;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  char buf[4096];
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0) {
      out.timedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, int(std::min<long long>(left, 1000)));
    if (ready < 0 && errno != EINTR) break;
    if (ready <= 0) continue;
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    out.output.append(buf, std::size_t(n));
  }
  close(fd);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  out.exited = !out.timedOut && WIFEXITED(status);
  out.code = out.exited ? WEXITSTATUS(status) : -1;
  return out;
}

}  // namespace

FullDevice::FullDevice() {
  dir_ = makeTempDir("full");
  if (geteuid() != 0) {
    why_ = "mounting a small tmpfs needs root";
    return;
  }
  if (mount("tmpfs", dir_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
    why_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    return;
  }
  mounted_ = true;
}

FullDevice::~FullDevice() {
  if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

void FullDevice::fill() {
  const int fd = open((dir_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  const std::string block(4096, 'F');
  while (write(fd, block.data(), block.size()) > 0) {
  }
  // The last page may still take a few bytes.
  while (write(fd, "F", 1) > 0) {
  }
  close(fd);
}

ChildOutcome runInChild(const std::function<std::string()>& fn, const ChildLimits& limits) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return {};
  const pid_t pid = fork();
  if (pid < 0) return {};
  if (pid == 0) {
    close(fds[0]);
    applyLimits(limits);
    const std::string result = fn();
    std::size_t done = 0;
    while (done < result.size()) {
      const ssize_t n = write(fds[1], result.data() + done, result.size() - done);
      if (n <= 0) break;
      done += std::size_t(n);
    }
    _exit(0);
  }
  close(fds[1]);
  return collect(pid, fds[0], limits.seconds);
}

ChildOutcome runProgram(const std::string& program, const std::vector<std::string>& args, const ChildLimits& limits,
                        const std::string& cwd) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return {};
  std::vector<std::string> argvStrings{program};
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argvStrings) argv.push_back(a.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return {};
  if (pid == 0) {
    close(fds[0]);
    dup2(fds[1], STDOUT_FILENO);
    dup2(fds[1], STDERR_FILENO);
    if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    applyLimits(limits);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(fds[1]);
  return collect(pid, fds[0], limits.seconds);
}

ShellOutcome runShell(const std::string& command) {
  ShellOutcome r;
  FILE* p = popen(command.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
  const int status = pclose(p);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::vector<std::string> directoryNames(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace testsupport
