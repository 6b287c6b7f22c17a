// The printed page of a flaw-detector record: header lines, the enlarged screen and the parameter text.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/flawdetector/hd_screen.h"
#include "core/gfx/printer.h"

namespace flaw {

// The protocol fields as the window holds them.
struct ProtocolFields {
  std::string protocol;                      // ProtEdt
  std::string object;                        // ObjEdt
  std::vector<std::string> conclusionLines;  // ZaklMem, line by line
  std::string operatorName;                  // DefEdt
};

enum class PrintResult { Printed, NotStarted, WriteFailed };

struct PrintOutcome {
  PrintResult result = PrintResult::Printed;
  bool sweepOk = true;  // false: the gates were left out, as on screen
  int zoom = 0;         // printer pixels per raster cell
  int marginX = 0;
};

// The header lines of the page, from textY on, onto headerCanvas (nothing without it or a record).
void DrawPrintHeader(HDScreen& s);

// Prints the record on one page. The screen's own HDScreen is not touched: the caller
// redraws its picture afterwards.
PrintOutcome PrintScreen(gfx::Printer& printer, const datafiles::LoadedFile& file, const ProtocolFields& fields,
                         const std::array<gfx::Color, 6>& colors, const std::string& localeId);

}  // namespace flaw
