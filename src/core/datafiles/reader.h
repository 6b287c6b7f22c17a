// Recognising, checking and reading a result file: type byte, extension, header checksum, length, body.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/text/refusal.h"

namespace datafiles {

// The outcome of opening a file: the accepted file, or the reader's refusal (no message
// for an empty name and for an unknown type byte; openRefusal adds the closing one).
struct OpenResult {
  bool ok = false;
  text::Refusal refusal;
  std::string reason;  // why, when the refusal has no message of its own: shown beneath the closing one
  LoadedFile file;
};

// The largest file the unit writes: a 128-byte header and a map of 65535 mm in 3 layers,
// 2 bytes a cell (a thickness file of 4 sensors is smaller).
inline constexpr std::size_t kLargestLegalFileBytes = 128 + 2u * 3u * 65535u;
// Files are read whole, up to this size; anything larger is refused unread.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t(4) << 20;
static_assert(kMaxDataFileBytes >= 8 * kLargestLegalFileBytes, "the cap must stay far above any legal file");

// OpenDataFile followed by ReadDataBody: opens, checks and decodes the file by name. Only a
// regular file of at most kMaxDataFileBytes is read; anything else is refused with the
// read-error message and the reason beneath it.
OpenResult loadDataFile(const std::string& name);
// The same on bytes already in memory (tests, fuzzing); name supplies the extension. The
// bytes become the body where the kind allows: pass them with std::move to avoid a copy.
OpenResult loadDataBytes(const std::string& name, std::vector<std::uint8_t> bytes);

// Everything the user is told when opening name was refused: the reader's messages, then
// the closing "Файл: ... Открыть невозможно" (beforeNotOpen before its last words).
text::Refusal openRefusal(const OpenResult& result, const std::string& name, std::string_view beforeNotOpen = {});

// The checksum test: the byte at position - 1 equals the 8-bit sum of bytes 0 to length - 1 without it.
bool HeaderChecksumOk(const std::uint8_t* buffer, int length, int position);

// Temperature in degrees from the header's byte: t below 128, else t - 255.
int Temperature(std::uint8_t t);

// The file-name extension from the last "." on (dot included); empty when there is none.
std::string extension(const std::string& name);

}  // namespace datafiles
