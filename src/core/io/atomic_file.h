// Atomic file writes: new content goes to a temporary file beside the target, which then
// replaces it by a rename; a failed write leaves the old file byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace io {

// Flush: the data reach the file system before the rename (enough for exports).
// Sync: the file is fsynced before the rename and its directory after it, so that a crash
// leaves either the old or the new file (the user's own protocol and settings).
enum class Durability { Flush, Sync };

struct WriteResult {
  bool ok = false;
  std::string reason;  // the system's words when not ok ("No space left on device")
};

// One replacement of a file. The temporary file is created at once (exclusively, with a
// name of its own within the file-name limit) and written through fd(), by write() or by
// another writer on the same descriptor; commit() renames it over the target. A target that
// exists and is not a regular file (/dev/null, a FIFO) is written directly instead. A target
// nobody may write is refused. Without a commit the temporary file is removed.
class StagedFile {
 public:
  explicit StagedFile(std::string target);
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // False once anything failed; reason() then says why.
  bool ok() const { return reason_.empty(); }
  const std::string& reason() const { return reason_; }
  int fd() const { return fd_; }
  // The file being written: the temporary file, or the target when it is written directly.
  const std::string& writePath() const { return writePath_; }
  bool direct() const { return direct_; }

  // Writes every byte; false (and the reason kept) on failure.
  bool write(std::string_view bytes);
  // Records a failure found by another writer on fd(); the first reason is kept.
  void fail(const std::string& reason);
  // Closes the file and puts it in place of the target; on failure nothing of the target
  // changes and the temporary file is gone.
  WriteResult commit(Durability durability);

 private:
  void failErrno(int errnum);
  void discard();

  std::string target_;
  std::string writePath_;
  std::string reason_;
  int fd_ = -1;
  bool direct_ = false;
  bool committed_ = false;
};

// Writes bytes to path through a StagedFile.
WriteResult writeFileAtomic(const std::string& path, std::string_view bytes, Durability durability = Durability::Flush);

// The temporary name for a file named fileName (no directory part): the name, shortened
// where needed at a character boundary so that the whole stays within nameMax bytes, then
// ".~" and salt as 8 hex digits.
std::string temporaryName(const std::string& fileName, std::uint32_t salt, std::size_t nameMax = 255);

bool fileExists(const std::string& path);

}  // namespace io
