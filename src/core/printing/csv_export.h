// CSV exports of the three kinds: thickness readings, indication runs of a map, A-scan samples.
#pragma once

#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/text/numfmt.h"

namespace printing {

// Fields are separated by ";" so that a decimal comma needs no quoting; UTF-8, LF lines,
// a header row first. Nothing past the body is read.

// .DTM: the position of each sample in mm and the four readings in mm, class words for markers.
std::string csvThickness(const datafiles::LoadedFile& file, const text::NumberFormat& nf);
// .DAU: one row per run of equal indication in one layer: start and end mm, layer, class, size.
std::string csvDefectMap(const datafiles::LoadedFile& file);
// .DHN/.DHT: sample number, amplitude, and the sample's time (µs) and depth (mm) on the sweep
// (analysis::SampleAxis; both empty when the sweep has no width).
std::string csvFlaw(const datafiles::LoadedFile& file, const text::NumberFormat& nf);

}  // namespace printing
