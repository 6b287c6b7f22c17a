// Decoders of the three header formats and the derived values of flaw-detector records.
#pragma once

#include <array>
#include <cstdint>

#include "core/datafiles/loaded_file.h"
#include "core/datafiles/records.h"

namespace datafiles {

// Fills file.thk and file.Temperature from file.RawHeader; answers the body size in bytes
// that the header announces (2 x Channels x (Length / 2)).
std::uint32_t DecodeThicknessHeader(LoadedFile& file);
// Fills file.map and file.Temperature; answers 2 x Layers x Length.
std::uint32_t DecodeDefectMapHeader(LoadedFile& file);
// Fills file.flaw, DhObjectBlock and Temperature from the header and extension bytes;
// answers the total file size the record must have (0 for a zero sweep range).
std::uint32_t DecodeFlawHeader(LoadedFile& file, int headerAndExtensionBytes);

// Thickness in micrometres of the four raw readings of one position; markers pass unchanged.
std::array<std::uint32_t, 4> RawToThickness(const std::array<std::uint16_t, 4>& raw, const ThicknessHeader& hdr);

// S[i] = nearest integer of 40000 sin(i/2 degrees), i = 0..180.
const std::array<std::uint32_t, 181>& SineTable();
std::uint32_t ComputeBeamVelocity(FlawHeader& hdr);
std::uint16_t TimeToDepth(const FlawHeader& hdr, std::uint32_t beamVelocityCos, std::uint16_t t);
std::uint16_t TimeToLength(const FlawHeader& hdr, std::uint32_t beamVelocityCos, std::uint16_t t);

}  // namespace datafiles
