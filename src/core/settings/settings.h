// The viewer's settings: data directory, locale and the colour tables, kept in terv.ini.
#pragma once

#include <array>
#include <string>

#include "core/gfx/color.h"

namespace settings {

// Indexes into the colour tables.
enum ThicknessColor { kSensor1, kSensor2, kSensor3, kSensor4, kMarks, kText, kGrid };
enum FlawColor { kFlawBackground, kFlawGrid, kFlawGraph, kFlawSymbols, kFlawGate, kFlawText };
enum DefectColor { kVolume, kVolumePlanar, kPlanarAcross, kPlanarAlong, kExcessSpeed, kContactLost };

struct Settings {
  std::string iniPath;   // start directory + "/terv.ini", fixed at start
  std::string dataDir;   // initial directory of the open dialog
  std::string localeId;  // "00000419" for Russian, empty when unknown
  std::array<gfx::Color, 7> ThicknessColors{};
  std::array<gfx::Color, 6> FlawColors{};
  std::array<gfx::Color, 6> DefectColors{};
};

// Defaults: dataDir = startDir, every colour its default.
Settings SetDefaultSettings(const std::string& startDir);

// Reads startDir/terv.ini; a missing file gives the defaults, a missing or
// non-integer key its default.
Settings LoadSettings(const std::string& startDir, const std::string& localeId);

// Writes the settings back, atomically and synced, keeping sections and keys of other
// programs. Empty on success, else the message to show: "Файл настроек не удается открыть"
// and the system's reason on the line beneath. A file that is there but cannot be read, or
// that nobody may write, is left as it is and reported.
std::string SaveSettings(const Settings& s, const std::string& programPath);

}  // namespace settings
