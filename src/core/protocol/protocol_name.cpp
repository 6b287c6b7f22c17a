// The name of the protocol file that belongs to a data file.
#include "core/protocol/protocol_name.h"

#include <array>
#include <cctype>

namespace protocol {
namespace {

// Start of the file-name part: both separators count, names come from Windows and Linux alike.
std::size_t nameStart(std::string_view name) {
  const auto sep = name.find_last_of("/\\");
  return sep == std::string_view::npos ? 0 : sep + 1;
}

// The first occurrence of ".<letter>" inside the file-name part, not at position 0 of the
// whole name (the unit's programs skip an occurrence there).
std::size_t findDot(std::string_view name, std::size_t from, char letter) {
  for (auto pos = name.find(std::string{'.', letter}, from); pos != std::string_view::npos;
       pos = name.find(std::string{'.', letter}, pos + 1)) {
    if (pos > 0) return pos;
  }
  return std::string_view::npos;
}

}  // namespace

std::string protocolFileName(std::string_view dataFileName) {
  const std::size_t from = nameStart(dataFileName);
  std::string result(dataFileName);
  if (auto pos = findDot(dataFileName, from, 'd'); pos != std::string_view::npos) {
    result[pos + 1] = 'z';
  } else if (pos = findDot(dataFileName, from, 'D'); pos != std::string_view::npos) {
    result[pos + 1] = 'Z';
  } else {
    result += ".z";
  }
  return result;
}

bool looksLikeDataFile(std::string_view fileName) {
  static constexpr std::array<std::string_view, 4> kExtensions{".dtm", ".dau", ".dhn", ".dht"};
  if (fileName.size() < 4) return false;
  const auto tail = fileName.substr(fileName.size() - 4);
  for (auto ext : kExtensions) {
    bool same = true;
    for (std::size_t i = 0; i < 4; ++i) same = same && std::tolower(static_cast<unsigned char>(tail[i])) == ext[i];
    if (same) return true;
  }
  return false;
}

}  // namespace protocol
