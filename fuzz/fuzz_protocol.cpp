// Protocol files as read beside a data file: the parser, the memo lines, the file name rule,
// and a write-back that reads back as it was written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/protocol/protocol_name.h"
#include "core/protocol/protocol_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const protocol::ProtocolFields fields = protocol::parseProtocol(bytes);
  (void)protocol::conclusionLines(fields);

  // Composing what was read and reading it again is stable after the first round.
  const std::string once = protocol::composeProtocol(fields);
  const protocol::ProtocolFields back = protocol::parseProtocol(once);
  if (protocol::composeProtocol(back) != once) std::abort();

  // The first line as a data file's name: the protocol's name is never the data file's own.
  const std::string_view name = bytes.substr(0, bytes.find('\n'));
  const std::string z = protocol::protocolFileName(name);
  if (!name.empty() && z == name && !z.empty()) std::abort();
  (void)protocol::looksLikeDataFile(z);
  return 0;
}
