// Bounded whole-file reads: only regular files, never more than the caller's cap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace io {

enum class ReadError {
  None,
  Open,        // the file could not be opened (missing, no access, a directory): errnum says why
  NotRegular,  // a FIFO, a device or a socket: reading it could block or never end
  TooLarge,    // larger than the cap
  Read,        // the system failed while reading: errnum says why
};

struct ReadResult {
  std::vector<std::uint8_t> bytes;
  ReadError error = ReadError::None;
  int errnum = 0;
  bool ok() const { return error == ReadError::None; }
};

// The whole of a regular file of at most maxBytes bytes. The file is opened without
// blocking and checked on its descriptor, so a FIFO or a device is refused before anything
// is read from it, and a file that is swapped in after a check is checked as well.
ReadResult readRegularFile(const std::string& path, std::size_t maxBytes);

// The system's words for an error number ("No space left on device").
std::string errorText(int errnum);

}  // namespace io
