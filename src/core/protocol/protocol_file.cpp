// Reading and writing the protocol file beside a data file.
#include "core/protocol/protocol_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/io/atomic_file.h"
#include "core/protocol/protocol_name.h"
#include "core/protocol/protocol_text.h"

namespace protocol {
namespace {

namespace fs = std::filesystem;

// The specified message, and the system's reason on the line beneath when there is one.
SaveOutcome failure(const std::string& protocolName, const std::string& reason = {}) {
  SaveOutcome out;
  out.protocolName = protocolName;
  std::string message = text::notOpenText(protocolName);
  if (!reason.empty()) message += "\n" + reason;
  out.refusal = text::Refusal{{message}, "ERROR"};
  return out;
}

}  // namespace

SaveOutcome saveProtocolFile(std::string_view dataFileName, const ProtocolFields& fields) {
  if (dataFileName.empty()) return failure({});
  const std::string name = protocolFileName(dataFileName);
  if (name == dataFileName || looksLikeDataFile(name)) return failure(name);

  const io::WriteResult written = io::writeFileAtomic(name, composeProtocol(fields), io::Durability::Sync);
  if (!written.ok) return failure(name, written.reason);
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
