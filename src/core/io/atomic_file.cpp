// Atomic file writes over POSIX descriptors: exclusive temporary file, write, close, rename.
#include "core/io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "core/io/read_file.h"

namespace io {
namespace {

constexpr std::size_t kSuffixBytes = 10;  // ".~" and 8 hex digits

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Read-only for us: access() says so, or nobody has the right to write it. The second test
// matters for root, whom access() lets write anything: a file its owner protected is still
// not replaced behind their back.
bool readOnly(const std::string& path, const struct stat& st) {
  if (::access(path.c_str(), W_OK) != 0) return errno == EACCES || errno == EROFS || errno == EPERM;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::size_t nameMaxOf(const std::string& dir) {
  const long n = ::pathconf(dir.c_str(), _PC_NAME_MAX);
  return n > int(kSuffixBytes) ? std::size_t(n) : std::size_t(NAME_MAX);
}

void syncDirectory(const std::string& dir) {
  const int d = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (d < 0) return;
  // The rename is done: whatever this answers, the old content is gone, so it is not
  // reported as a failed save.
  (void)::fsync(d);
  ::close(d);
}

}  // namespace

std::string temporaryName(const std::string& fileName, std::uint32_t salt, std::size_t nameMax) {
  std::size_t keep = fileName.size();
  if (nameMax < kSuffixBytes + 1) nameMax = kSuffixBytes + 1;
  if (keep + kSuffixBytes > nameMax) {
    keep = nameMax - kSuffixBytes;
    // Never cut a UTF-8 sequence: step back over continuation bytes.
    while (keep > 0 && (static_cast<unsigned char>(fileName[keep]) & 0xC0) == 0x80) --keep;
  }
  char suffix[kSuffixBytes + 1];
  std::snprintf(suffix, sizeof suffix, ".~%08x", static_cast<unsigned>(salt));
  return fileName.substr(0, keep) + suffix;
}

StagedFile::StagedFile(std::string target) : target_(std::move(target)) {
  struct stat st {};
  bool exists = false;
  if (::stat(target_.c_str(), &st) == 0) {
    exists = true;
    if (S_ISDIR(st.st_mode)) {
      failErrno(EISDIR);
      return;
    }
    if (!S_ISREG(st.st_mode)) {
      // /dev/null, a FIFO, a terminal: nothing to replace, the data go straight in. Without
      // O_NONBLOCK a FIFO nobody reads would hang the open.
      fd_ = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
      if (fd_ < 0) {
        failErrno(errno);
        return;
      }
      const int flags = ::fcntl(fd_, F_GETFL);
      if (flags >= 0) ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
      direct_ = true;
      writePath_ = target_;
      return;
    }
    if (readOnly(target_, st)) {
      failErrno(EACCES);
      return;
    }
    // A symbolic link stays a link: the file it names is the one replaced.
    struct stat lst {};
    if (::lstat(target_.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
      if (char* real = ::realpath(target_.c_str(), nullptr)) {
        target_ = real;
        std::free(real);
      }
    }
  } else if (errno != ENOENT) {
    failErrno(errno);
    return;
  }

  const std::string dir = directoryOf(target_);
  const std::string name = fileNameOf(target_);
  const std::size_t nameMax = nameMaxOf(dir);
  std::random_device rd;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string temp = (dir == "/" ? "/" : dir + "/") + temporaryName(name, rd(), nameMax);
    // 0666 and the umask, as any new file; an existing file's rights are copied below.
    fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd_ >= 0) {
      writePath_ = temp;
      break;
    }
    if (errno != EEXIST) {
      failErrno(errno);
      return;
    }
  }
  if (fd_ < 0) {
    failErrno(EEXIST);
    return;
  }
  if (exists) (void)::fchmod(fd_, st.st_mode & 07777);
}

StagedFile::~StagedFile() {
  if (!committed_) discard();
}

void StagedFile::failErrno(int errnum) { fail(errorText(errnum)); }

void StagedFile::fail(const std::string& reason) {
  if (reason_.empty()) reason_ = reason.empty() ? errorText(EIO) : reason;
}

bool StagedFile::write(std::string_view bytes) {
  if (!ok() || fd_ < 0) return false;
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd_, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      failErrno(errno);
      return false;
    }
    if (n == 0) {
      failErrno(ENOSPC);
      return false;
    }
    p += n;
    left -= std::size_t(n);
  }
  return true;
}

void StagedFile::discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!direct_ && !writePath_.empty()) ::unlink(writePath_.c_str());
  writePath_.clear();
}

WriteResult StagedFile::commit(Durability durability) {
  WriteResult result;
  if (committed_ || fd_ < 0) {
    if (ok()) fail(errorText(EBADF));
    result.reason = reason_;
    return result;
  }
  // A device or a pipe may not sync: that is no failure of the data written to it.
  if (ok() && durability == Durability::Sync && ::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
    failErrno(errno);
  }
  // close() is where some file systems report a failed write.
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && ok()) failErrno(errno);
  if (ok() && !direct_) {
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode) && readOnly(target_, st)) failErrno(EACCES);
  }
  if (ok() && !direct_ && ::rename(writePath_.c_str(), target_.c_str()) != 0) failErrno(errno);
  if (!ok()) {
    discard();
    result.reason = reason_;
    return result;
  }
  committed_ = true;
  if (!direct_ && durability == Durability::Sync) syncDirectory(directoryOf(target_));
  result.ok = true;
  return result;
}

WriteResult writeFileAtomic(const std::string& path, std::string_view bytes, Durability durability) {
  StagedFile staged(path);
  staged.write(bytes);
  return staged.commit(durability);
}

bool fileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace io
