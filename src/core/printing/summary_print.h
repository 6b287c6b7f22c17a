// The printed campaign summary: a table of the result files, fifty to a page, under the first file's unit.
#pragma once

#include <cstddef>
#include <vector>

#include "core/analysis/campaign_summary.h"
#include "core/gfx/printer.h"
#include "core/printing/print_status.h"
#include "core/text/numfmt.h"

namespace printing {

inline constexpr std::size_t kSummaryRowsPerPage = 50;

// Each page: the title, the unit of the first accepted file, the number of files and the period,
// the page number, then up to kSummaryRowsPerPage rows of analysis::summaryTable (file names
// without their folder, the classes headed by their map symbols, explained at the foot). A refused
// file's row shows its message after the name. The font shrinks until the table fits the width.
PrintStatus printSummary(gfx::Printer& printer, const std::vector<analysis::SummaryRow>& rows,
                         const text::NumberFormat& nf);

}  // namespace printing
