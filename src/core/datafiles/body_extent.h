// How much of the object a result file's body covers, against the length its header announces.
#pragma once

#include <algorithm>
#include <optional>
#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/text/numfmt.h"

namespace datafiles {

// Millimetres a thickness run or defect map body covers and the length its header gives.
struct BodyExtent {
  long long shownMm = 0;
  long long headerMm = 0;
};

// The extent of a body shorter than its header announces; nothing when the body is whole
// or the kind has no length. What is missing is shown as empty; this says so.
std::optional<BodyExtent> shortBody(const LoadedFile& file);

// "Данные неполные: показано 120 мм из 3 000 мм".
std::string shortBodyText(const BodyExtent& extent, const text::NumberFormat& nf);

}  // namespace datafiles
