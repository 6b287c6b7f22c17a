// An output stream into a StagedFile: long outputs are written in pieces as they are made,
// never held whole in memory.
#pragma once

#include <array>
#include <ostream>
#include <streambuf>

#include "core/io/atomic_file.h"

namespace io {

// A failed write sets the stream's badbit; the StagedFile keeps the system's reason.
class StagedStream : public std::ostream {
 public:
  explicit StagedStream(StagedFile& file);
  ~StagedStream() override;
  StagedStream(const StagedStream&) = delete;
  StagedStream& operator=(const StagedStream&) = delete;

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(StagedFile& file);
    int_type overflow(int_type c) override;
    int sync() override;

   private:
    bool drain();
    StagedFile& file_;
    std::array<char, 64 * 1024> bytes_{};
  };
  Buffer buffer_;
};

}  // namespace io
