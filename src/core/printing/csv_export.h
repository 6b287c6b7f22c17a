// CSV exports of the three kinds: thickness readings, indication runs of a map, A-scan samples.
#pragma once

#include <ostream>
#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/text/numfmt.h"

namespace printing {

// Fields are separated by ";" so that a decimal comma needs no quoting; UTF-8, LF lines,
// a header row first. Nothing past the body is read. Rows are written to the stream as
// they are made (outputs of many megabytes are never held whole); the string forms are the
// same text, for callers that want it in memory.

// .DTM: the position of each sample in mm and the four readings in mm, class words for markers.
void csvThickness(std::ostream& out, const datafiles::LoadedFile& file, const text::NumberFormat& nf);
std::string csvThickness(const datafiles::LoadedFile& file, const text::NumberFormat& nf);
// .DAU: one row per run of equal indication in one layer: start and end mm, layer, class, size.
void csvDefectMap(std::ostream& out, const datafiles::LoadedFile& file);
std::string csvDefectMap(const datafiles::LoadedFile& file);
// .DHN/.DHT: sample number, amplitude, and the sample's time (µs) and depth (mm) on the sweep
// (analysis::SampleAxis; both empty when the sweep has no width).
void csvFlaw(std::ostream& out, const datafiles::LoadedFile& file, const text::NumberFormat& nf);
std::string csvFlaw(const datafiles::LoadedFile& file, const text::NumberFormat& nf);

// The CSV of the file's kind (nothing for none): what tervtool csv and the window's export write.
void csvOfFile(std::ostream& out, const datafiles::LoadedFile& file, const text::NumberFormat& nf);

}  // namespace printing
