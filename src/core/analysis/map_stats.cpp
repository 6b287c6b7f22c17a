// Defect-map statistics: runs of one class in one layer, gathered per layer and class.
#include "core/analysis/map_stats.h"

#include <algorithm>
#include <optional>

#include "core/defectmap/defect_codes.h"

namespace analysis {

namespace {

// The class a cell holds, or none; bounded by the body.
struct Cell {
  std::optional<int> slot;
  std::uint8_t size = 0;
};

Cell cellAt(const datafiles::LoadedFile& file, std::size_t mm, std::size_t layer) {
  const std::size_t layers = file.map.Layers;
  const std::size_t at = 2 * (layers * mm + layer);
  if (at + 2 > file.body.size()) return {};
  const std::uint8_t size = file.body[at];
  if (size == 0) return {};
  return Cell{defectmap::colorSlot(file.body[at + 1]), size};
}

// The runs of one layer, in order along the weld.
std::vector<MapRun> layerRuns(const datafiles::LoadedFile& file, std::size_t layer) {
  std::vector<MapRun> runs;
  const std::size_t length = file.map.Length;
  bool open = false;
  for (std::size_t mm = 0; mm < length; ++mm) {
    const Cell c = cellAt(file, mm, layer);
    if (open && (!c.slot || *c.slot != runs.back().slot)) open = false;
    if (!c.slot) continue;
    if (!open) {
      runs.push_back(MapRun{int(layer) + 1, *c.slot, std::uint32_t(mm), std::uint32_t(mm), 0, 0});
      open = true;
    }
    MapRun& r = runs.back();
    r.end = std::uint32_t(mm);
    r.length = r.end - r.start + 1;
    r.largest = std::max(r.largest, c.size);
  }
  return runs;
}

// Millimetres covered by each class, by any indication and by any uninspected cell, over the layers.
void countCovered(const datafiles::LoadedFile& file, MapStats& st) {
  for (std::size_t mm = 0; mm < st.length; ++mm) {
    std::array<bool, kMapClasses> held{};
    for (int layer = 0; layer < st.layers; ++layer) {
      const Cell c = cellAt(file, mm, std::size_t(layer));
      if (c.slot) held[std::size_t(*c.slot)] = true;
    }
    bool indication = false, uninspected = false;
    for (int slot = 0; slot < kMapClasses; ++slot) {
      if (!held[std::size_t(slot)]) continue;
      ++st.coveredPerClass[std::size_t(slot)];
      (slot < kDefectClasses ? indication : uninspected) = true;
    }
    if (indication) {
      if (st.indicationMm == 0) st.firstIndication = std::uint32_t(mm);
      st.lastIndication = std::uint32_t(mm);
      ++st.indicationMm;
    }
    if (uninspected) ++st.uninspectedMm;
  }
}

}  // namespace

MapStats mapStats(const datafiles::LoadedFile& file) {
  MapStats st;
  if (file.kind != datafiles::FileKind::Dau) return st;
  st.layers = file.map.Layers;
  st.length = file.map.Length;
  for (int layer = 0; layer < st.layers; ++layer) {
    std::array<ClassStats, kMapClasses> perSlot;
    for (const MapRun& r : layerRuns(file, std::size_t(layer))) {
      ClassStats& c = perSlot[std::size_t(r.slot)];
      if (c.count == 0) c.first = r.start;
      ++c.count;
      c.totalMm += r.length;
      c.largest = std::max(c.largest, r.largest);
      c.last = r.end;
      c.runs.push_back(r);
    }
    for (int slot = 0; slot < kMapClasses; ++slot) {
      ClassStats& c = perSlot[std::size_t(slot)];
      if (c.count == 0) continue;
      c.layer = layer + 1;
      c.slot = slot;
      st.countPerClass[std::size_t(slot)] += c.count;
      st.classes.push_back(std::move(c));
    }
  }
  countCovered(file, st);
  return st;
}

ClassStats classOverLayers(const MapStats& s, int slot) {
  ClassStats all;
  all.layer = 0;
  all.slot = slot;
  for (const ClassStats& c : s.classes) {
    if (c.slot != slot) continue;
    all.first = all.count == 0 ? c.first : std::min(all.first, c.first);
    all.last = std::max(all.last, c.last);
    all.count += c.count;
    all.totalMm += c.totalMm;
    all.largest = std::max(all.largest, c.largest);
    all.runs.insert(all.runs.end(), c.runs.begin(), c.runs.end());
  }
  std::stable_sort(all.runs.begin(), all.runs.end(), [](const MapRun& a, const MapRun& b) {
    return a.start != b.start ? a.start < b.start : a.layer < b.layer;
  });
  return all;
}

}  // namespace analysis
