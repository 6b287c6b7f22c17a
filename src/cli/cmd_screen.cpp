// tervtool screen: the instrument screen of a .DHN/.DHT record as text, then its parameter text.
#include <ostream>

#include "cli/commands.h"
#include "core/flawdetector/flaw_picture.h"
#include "core/flawdetector/parameter_text.h"
#include "core/flawdetector/screen_text.h"

namespace cli {

int cmdScreen(const Context& ctx, const datafiles::LoadedFile& file) {
  if (!file.isFlaw()) {
    *ctx.err << "tervtool screen: only .DHN and .DHT records have an instrument screen\n";
    return kUsage;
  }
  flaw::HDScreen screen;
  screen.colors = ctx.settings.FlawColors;
  screen.loadInstrumentFont();
  flaw::setRecord(screen, file, ctx.localeId);
  if (!flaw::fillRaster(screen)) *ctx.err << flaw::kZeroSweepMessage << "\n";
  std::string text;
  for (const std::string& line : flaw::rasterText(screen)) text += line + "\n";
  text += "\n";
  for (const std::string& line : flaw::parameterTextLines(file.flaw, file.DhExtended)) text += line + "\n";
  if (!writeOutput(ctx, "", text)) return kWriteFailed;
  return kOk;
}

}  // namespace cli
