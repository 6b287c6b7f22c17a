// An output stream into a StagedFile, written in pieces of 64 KiB.
#include "core/io/staged_stream.h"

#include <string_view>

namespace io {

StagedStream::Buffer::Buffer(StagedFile& file) : file_(file) { setp(bytes_.data(), bytes_.data() + bytes_.size()); }

bool StagedStream::Buffer::drain() {
  const std::size_t n = std::size_t(pptr() - pbase());
  setp(bytes_.data(), bytes_.data() + bytes_.size());
  return n == 0 || file_.write(std::string_view(bytes_.data(), n));
}

StagedStream::Buffer::int_type StagedStream::Buffer::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int StagedStream::Buffer::sync() { return drain() ? 0 : -1; }

StagedStream::StagedStream(StagedFile& file) : std::ostream(nullptr), buffer_(file) {
  rdbuf(&buffer_);
  if (!file.ok()) setstate(std::ios::badbit);
}

StagedStream::~StagedStream() = default;

}  // namespace io
