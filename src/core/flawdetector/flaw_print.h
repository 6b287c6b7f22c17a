// The printed page of a flaw-detector record: header lines, the enlarged screen and the parameter text.
#pragma once

#include <array>
#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/flawdetector/hd_screen.h"
#include "core/gfx/printer.h"
#include "core/printing/print_status.h"
#include "core/protocol/protocol_fields.h"

namespace flaw {

// The status of the page and the scale it was printed at.
struct PrintOutcome {
  printing::PrintStatus result = printing::PrintStatus::Printed;
  bool sweepOk = true;  // false: the gates were left out, as on screen
  int zoom = 0;         // printer pixels per raster cell
  int marginX = 0;
};

// The header lines of the page, from textY on, onto headerCanvas (nothing without it or a record).
void DrawPrintHeader(HDScreen& s);

// Prints the record on one page; a conclusion that does not fit below the picture goes on
// to further sheets, each under the header lines, all numbered. The screen's own HDScreen is
// not touched: the caller redraws its picture afterwards.
PrintOutcome PrintScreen(gfx::Printer& printer, const datafiles::LoadedFile& file,
                         const protocol::ProtocolFields& fields, const std::array<gfx::Color, 6>& colors,
                         const std::string& localeId);

}  // namespace flaw
