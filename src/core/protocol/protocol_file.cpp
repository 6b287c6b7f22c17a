// Reading and writing the protocol file beside a data file.
#include "core/protocol/protocol_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/protocol/protocol_name.h"
#include "core/protocol/protocol_text.h"
#include "core/text/messages.h"

namespace protocol {
namespace {

namespace fs = std::filesystem;

SaveOutcome failure(const std::string& protocolName) {
  SaveOutcome out;
  out.protocolName = protocolName;
  out.message = text::msg(text::Msg::fil) + protocolName + text::msg(text::Msg::notopen);
  out.title = "ERROR";
  return out;
}

// Creates a new file beside the target (never an existing one) and writes the bytes.
bool writeTemporary(const std::string& target, const std::string& bytes, std::string& tmpName) {
  std::random_device rd;
  for (int attempt = 0; attempt < 8; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".~%08x", static_cast<unsigned>(rd()));
    tmpName = target + suffix;
    std::FILE* f = std::fopen(tmpName.c_str(), "wbx");
    if (!f) {
      std::error_code ec;
      if (fs::exists(tmpName, ec)) continue;  // a name clash: try another
      return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
      std::error_code ec;
      fs::remove(tmpName, ec);
    }
    return ok;
  }
  return false;
}

}  // namespace

SaveOutcome saveProtocolFile(std::string_view dataFileName, const ProtocolFields& fields) {
  if (dataFileName.empty()) return failure({});
  const std::string name = protocolFileName(dataFileName);
  if (name == dataFileName || looksLikeDataFile(name)) return failure(name);

  std::string tmpName;
  if (!writeTemporary(name, composeProtocol(fields), tmpName)) return failure(name);

  std::error_code ec;
  // Keep the access rights the old protocol file had.
  const auto old = fs::status(name, ec);
  if (!ec && fs::is_regular_file(old)) fs::permissions(tmpName, old.permissions(), ec);
  ec.clear();
  fs::rename(tmpName, name, ec);
  if (ec) {
    fs::remove(tmpName, ec);
    return failure(name);
  }
  SaveOutcome out;
  out.ok = true;
  out.protocolName = name;
  return out;
}

std::optional<ProtocolFields> loadProtocolFile(std::string_view dataFileName) {
  if (dataFileName.empty()) return std::nullopt;
  const std::string name = protocolFileName(dataFileName);
  std::error_code ec;
  if (!fs::is_regular_file(name, ec)) return std::nullopt;
  std::ifstream in(name, std::ios::binary);
  if (!in) return std::nullopt;
  const auto size = fs::file_size(name, ec);
  if (ec) return std::nullopt;
  std::string bytes(std::min<std::uintmax_t>(size, kMaxProtocolFileBytes), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return parseProtocol(bytes);
}

}  // namespace protocol
