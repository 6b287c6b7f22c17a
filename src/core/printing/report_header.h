// ReportHeader: the eleven header lines of a thickness printout and of the text preview.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/protocol/protocol_fields.h"
#include "core/text/numfmt.h"

namespace printing {

using ReportHeader = std::array<std::string, 11>;

// Lines 0 to 10 as the printout and the preview use them. A .DTM file takes its unit
// number, diameter and the threshold (`ThkThreshold`, tenths of a millimetre) from the
// thickness header; any other kind takes unit number, diameter and nominal thickness from
// the defect-map header. The remaining lines are the header panel's label texts.
// Of the protocol, the header shows the protocol number and the object name.
ReportHeader BuildReportHeader(const datafiles::LoadedFile& file, const protocol::ProtocolFields& protocol,
                               std::uint16_t thkThreshold, const text::NumberFormat& nf);

}  // namespace printing
