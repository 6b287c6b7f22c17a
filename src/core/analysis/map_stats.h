// Statistics of a defect map: indications per layer and class, their runs, and the share of the weld they cover.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/datafiles/loaded_file.h"

namespace analysis {

// Classes are the six cell type codes of the map (defectmap/defect_codes.h), numbered by their
// legend slot: 0 volumetric, 1 volumetric-planar, 2 planar across, 3 planar along, 4 excess
// speed, 5 contact lost. Slots 0 .. 3 are indications of the weld; 4 and 5 say the weld was not
// inspected there. A cell holds a class when its size byte is not 0 and its type code is one of
// the six; cells the body lacks hold nothing.
inline constexpr int kMapClasses = 6;
inline constexpr int kDefectClasses = 4;

// An indication: a run of neighbouring millimetres of one layer whose cells hold the same class
// (sizes may differ along it). Positions count from 0, as the map's ruler.
struct MapRun {
  int layer = 1;             // 1 .. Layers
  int slot = 0;              // class, legend slot
  std::uint32_t start = 0;   // first mm
  std::uint32_t end = 0;     // last mm
  std::uint32_t length = 0;  // end - start + 1
  std::uint8_t largest = 0;  // largest size byte along the run
};

// One class in one layer: its runs in order along the weld.
struct ClassStats {
  int layer = 1;  // 0: all layers (classOverLayers)
  int slot = 0;
  std::size_t count = 0;      // runs
  std::uint32_t totalMm = 0;  // sum of the runs' lengths
  std::uint8_t largest = 0;
  std::uint32_t first = 0;  // start of the first run
  std::uint32_t last = 0;   // end of the last run
  std::vector<MapRun> runs;
};

struct MapStats {
  int layers = 0;
  std::uint16_t length = 0;  // L, mm
  // Only the classes present, layer by layer, in slot order within a layer.
  std::vector<ClassStats> classes;
  // Runs per class over all layers (a run in each of two layers counts twice).
  std::array<std::size_t, kMapClasses> countPerClass{};
  // Millimetres with an indication (slots 0 .. 3) in any layer; their share is that over L.
  std::uint32_t indicationMm = 0;
  // Millimetres where some layer was not inspected (slots 4, 5).
  std::uint32_t uninspectedMm = 0;
  // Millimetres where some layer holds the class.
  std::array<std::uint32_t, kMapClasses> coveredPerClass{};
  // First and last millimetre with an indication (meaningful when indicationMm is not 0).
  std::uint32_t firstIndication = 0;
  std::uint32_t lastIndication = 0;
};

// The statistics of a .DAU file's map (empty for any other kind).
MapStats mapStats(const datafiles::LoadedFile& file);

// One class over all layers: layer 0, the runs of every layer ordered by start (then layer),
// count, length and largest size summed or taken over them; count 0 when the class is absent.
ClassStats classOverLayers(const MapStats& s, int slot);

}  // namespace analysis
