// The lines of parameter text that describe a flaw-detector record, and their writing.
#pragma once

#include <string>
#include <vector>

#include "core/datafiles/records.h"
#include "core/flawdetector/hd_screen.h"

namespace flaw {

// The instrument keeps room for this many time-varied gain points.
constexpr int kMaxTvgPoints = 8;

// What only a printed page carries below the parameters.
struct PrintedConclusion {
  std::vector<std::string> conclusionLines;  // the conclusion memo, line by line
  std::string operatorText;                  // the operator box
};

// True when the parameters are shown as times (µs), false when as lengths (mm).
bool usesTimeDisplay(const datafiles::FlawHeader& r);

// The parameter text lines in order (UTF-8); the printed ones only when printed is given.
std::vector<std::string> parameterTextLines(const datafiles::FlawHeader& r, bool extended,
                                            const PrintedConclusion* printed = nullptr);

// Writes the lines with WriteTextLine onto pictureCanvas; the text panel is cleared first.
void DrawParameterText(HDScreen& s);

}  // namespace flaw
