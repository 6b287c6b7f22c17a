// Recognising, checking and reading a result file: type byte, extension, header checksum, length, body.
#pragma once

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

// OpenDataFile followed by ReadDataBody: opens, checks and decodes the file by name.
OpenResult loadDataFile(const std::string& name);
// The same on bytes already in memory (tests, fuzzing); name supplies the extension.
OpenResult loadDataBytes(const std::string& name, const std::vector<std::uint8_t>& bytes);

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
