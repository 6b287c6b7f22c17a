// Reading and writing the protocol file beside a data file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/protocol/protocol_fields.h"
#include "core/text/refusal.h"

namespace protocol {

// The outcome of a save; on failure "   Файл: " + protocol file name + "\n Открыть невозможно"
// and the system's reason on a line beneath, under the title "ERROR".
struct SaveOutcome {
  bool ok = false;
  std::string protocolName;
  text::Refusal refusal;
};

// Writes the protocol of a data file. The new content goes to a temporary file in the same
// directory that is synced and then replaces the old one, so a failed save leaves the old file
// intact; a protocol file nobody may write is not replaced.
// Refuses (as a failure) when there is no data file name or the protocol name would fall on
// a data file.
SaveOutcome saveProtocolFile(std::string_view dataFileName, const ProtocolFields& fields);

// The protocol of a data file; nothing when there is no readable protocol file.
std::optional<ProtocolFields> loadProtocolFile(std::string_view dataFileName);

// Protocol files are a few hundred bytes; anything beyond this is not read.
inline constexpr std::size_t kMaxProtocolFileBytes = 1 << 20;

}  // namespace protocol
