// A .DHN/.DHT record's whole path: the instrument screen (raster, picture, read-outs), the
// parameter text, CSV and the printout on a recording printer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/analysis/stats_tables.h"
#include "core/datafiles/header_text.h"
#include "core/flawdetector/flaw_picture.h"
#include "core/flawdetector/flaw_print.h"
#include "core/flawdetector/parameter_text.h"
#include "core/flawdetector/screen_text.h"
#include "core/gfx/recording_canvas.h"
#include "core/gfx/recording_printer.h"
#include "core/printing/csv_export.h"
#include "core/printing/print_file.h"
#include "core/settings/settings.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t type = size > 0 && (data[0] & 1) ? 4 : 3;
  const auto loaded = fuzzinput::loadFlaw(data, size, type);
  if (!loaded) return 0;
  const datafiles::LoadedFile& file = *loaded;
  const text::NumberFormat nf = fuzzinput::numberFormat(data, size);
  const std::string locale = fuzzinput::localeId(data, size);
  (void)datafiles::HeaderTexts(file, nf);
  const settings::Settings colors = settings::SetDefaultSettings(".");

  flaw::HDScreen raster;
  raster.colors = colors.FlawColors;
  raster.loadInstrumentFont();
  flaw::setRecord(raster, file, locale);
  (void)flaw::fillRaster(raster);
  (void)flaw::rasterText(raster);

  flaw::HDScreen screen;
  screen.colors = colors.FlawColors;
  screen.loadInstrumentFont();
  flaw::setRecord(screen, file, locale);
  gfx::RecordingCanvas picture(480 + data[0] % 200, 240);
  gfx::RecordingCanvas panel(480, 230);
  screen.AttachCanvas(&picture);
  screen.textCanvas = &panel;
  screen.textY = screen.topY;
  (void)flaw::BuildScreen(screen);

  const protocol::ProtocolFields fields = fuzzinput::protocolOf(file);
  flaw::PrintedConclusion printed;
  printed.conclusionLines = fields.conclusion;
  printed.operatorText = fields.operatorName;
  (void)flaw::parameterTextLines(file.flaw, file.DhExtended);
  (void)flaw::parameterTextLines(file.flaw, file.DhExtended, &printed);
  (void)printing::csvFlaw(file, nf);
  (void)analysis::csvText(analysis::statsTable(file, nf));

  gfx::RecordingPrinter printer(4960, 7016);
  printing::PrintSources sources;
  sources.protocol = fields;
  sources.flawColors = colors.FlawColors;
  sources.localeId = locale;
  sources.nf = nf;
  (void)printing::printFile(printer, file, printing::PrintMode::Graphic, sources);
  return 0;
}
