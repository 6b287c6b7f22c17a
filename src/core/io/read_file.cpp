// Bounded whole-file reads over POSIX descriptors.
#include "core/io/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace io {

std::string errorText(int errnum) { return std::generic_category().message(errnum); }

ReadResult readRegularFile(const std::string& path, std::size_t maxBytes) {
  ReadResult r;
  auto fail = [&r](ReadError e, int errnum) {
    r.error = e;
    r.errnum = errnum;
    r.bytes = {};
    return std::move(r);
  };
  // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one forever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return fail(ReadError::Open, errno);
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};

  struct stat st {};
  if (::fstat(fd, &st) != 0) return fail(ReadError::Read, errno);
  if (S_ISDIR(st.st_mode)) return fail(ReadError::Open, EISDIR);
  if (!S_ISREG(st.st_mode)) return fail(ReadError::NotRegular, 0);
  if (st.st_size < 0 || std::uintmax_t(st.st_size) > maxBytes) return fail(ReadError::TooLarge, EFBIG);

  // One buffer of the size the file has now; a file that shrinks meanwhile gives what is
  // left, one that grows gives the size it had when checked.
  r.bytes.resize(std::size_t(st.st_size));
  std::size_t got = 0;
  while (got < r.bytes.size()) {
    const ssize_t n = ::read(fd, r.bytes.data() + got, r.bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(ReadError::Read, errno);
    }
    if (n == 0) break;
    got += std::size_t(n);
  }
  r.bytes.resize(got);
  return r;
}

}  // namespace io
