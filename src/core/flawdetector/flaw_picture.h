// The picture of one flaw-detector record: screen size, grid, trace, gates and read-out digits.
#pragma once

#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/flawdetector/hd_screen.h"

namespace flaw {

// The message and caption shown when a record's sweep has no width.
inline constexpr const char* kZeroSweepMessage = "Неверный  формат файла";
inline constexpr const char* kZeroSweepCaption = "Error";

struct ScreenSize {
  int width = 160;
  int height = 80;
  int rowStep = 10;  // rows between the lines of read-out digits
};

ScreenSize ScreenSizeFor(bool extended, int aScanLength);
ScreenSize ScreenSizeFor(const HDScreen& s);

// Amplitude units per raster row of the trace: a sample of amplitude a stands a / divisor rows high.
float TraceDivisor(bool extended, bool dht, int aScanLength);

// The record part of showing a file: record, samples (bounded by the body), kind, screen size,
// margins and zoom 3; the protocol texts are emptied. The file must outlive the screen's use of it.
void setRecord(HDScreen& s, const datafiles::LoadedFile& file, const std::string& localeId);

// False when the sweep has no width: the gates are not drawn and the caller shows kZeroSweepMessage.
bool DrawGates(HDScreen& s);
void DrawGridDhn(HDScreen& s);
void DrawGridDht(HDScreen& s);
void DrawTrace(HDScreen& s);
void DrawReadouts(HDScreen& s);
// Clear the raster and write grid, trace, read-outs and gates into it; false as DrawGates.
bool fillRaster(HDScreen& s);

// Rebuild the raster, paint the picture and write the parameter text on the text panel.
// False as DrawGates; everything else is drawn all the same.
bool BuildScreen(HDScreen& s);

}  // namespace flaw
