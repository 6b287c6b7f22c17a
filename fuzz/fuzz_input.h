// Turns fuzz input into files the reader accepts, so that the targets behind the reader are
// reached: the type byte is set, the header checksum recomputed and, for flaw records, the
// size made what the header announces. Everything else stays as the fuzzer made it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/gfx/color.h"
#include "core/protocol/protocol_fields.h"
#include "core/text/numfmt.h"

namespace fuzzinput {

// A .DTM (type 1) or .DAU (type 2) file: 96- or 128-byte header by bit 0 of byte 0. Unless
// bits 1 to 3 of byte 0 are all set, the announced length is cut to a little more than the
// body holds, so that most inputs stay fast; the rest keep the length they have, up to 65535
// (a map of more than 3 layers no more cells than 3 layers of 65535 mm).
std::optional<datafiles::LoadedFile> loadMapLike(const std::uint8_t* data, std::size_t size, std::uint8_t type);

// A .DHN (type 3) or .DHT (type 4) record.
std::optional<datafiles::LoadedFile> loadFlaw(const std::uint8_t* data, std::size_t size, std::uint8_t type);

// Choices taken from the input's first bytes (kept stable under the repairs above).
text::NumberFormat numberFormat(const std::uint8_t* data, std::size_t size);
std::string localeId(const std::uint8_t* data, std::size_t size);
// A protocol whose texts come from the header's text fields, with a conclusion of several lines.
protocol::ProtocolFields protocolOf(const datafiles::LoadedFile& file);

}  // namespace fuzzinput
