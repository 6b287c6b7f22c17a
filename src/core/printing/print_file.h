// One print routine for every kind of file, serving the printer, the PDF file and the tests alike.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/gfx/printer.h"
#include "core/printing/print_status.h"
#include "core/printing/thickness_print.h"
#include "core/protocol/protocol_fields.h"
#include "core/text/numfmt.h"

namespace defectmap {
class DefectMap;
}

namespace printing {

// The print-mode dialog's results: 2 graphic, 3 text.
enum class PrintMode { Graphic = 2, Text = 3 };

// What the printout shows besides the file: the protocol as just loaded and the views' state.
struct PrintSources {
  protocol::ProtocolFields protocol;
  std::uint16_t thkThreshold = 0;                // ThkThreshold, tenths of a mm (report header line 8)
  const thickness::ValueTable* table = nullptr;  // .DTM: the grid as shown
  const thickness::Chart3D* chart = nullptr;     // .DTM: the chart as shown
  const defectmap::DefectMap* map = nullptr;     // .DAU: the map of the view (only read)
  std::array<gfx::Color, 6> flawColors{};        // .DHN/.DHT: the screen colours
  std::string localeId;                          // .DHN/.DHT: legends of the instrument screen
  text::NumberFormat nf;
};

// The thickness report of a .DTM file: header lines built now, the protocol's texts.
ThicknessReport makeThicknessReport(const datafiles::LoadedFile& file, const PrintSources& sources);

// Prints the file by its kind; the mode matters for .DTM and .DAU files only.
// NotStarted when the printer could not be opened (or there is nothing of that kind to
// print), WriteFailed when the document could not be completed.
PrintStatus printFile(gfx::Printer& printer, const datafiles::LoadedFile& file, PrintMode mode,
                      const PrintSources& sources);

}  // namespace printing
