// The bytes of a protocol file: composing them from the fields and parsing them back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/protocol_fields.h"

namespace protocol {

// The file content, cp1251 with CR LF line ends, as the unit's other programs read it:
// each caption directly followed by its field, the conclusion's first line on the caption's
// line, every conclusion line ended by one line feed; an empty conclusion is the caption alone.
std::string composeProtocol(const ProtocolFields& fields);

// The fields from file bytes (cp1251; CR LF and LF line ends alike). Each of the first three
// lines loses as many leading characters as its caption has, without comparing them; the
// conclusion lines keep their line feeds.
ProtocolFields parseProtocol(std::string_view fileBytes);

// The conclusion as the memo shows it and printouts write it: one entry per line, without
// the line feeds that loaded lines carry.
std::vector<std::string> conclusionLines(const ProtocolFields& fields);

}  // namespace protocol
