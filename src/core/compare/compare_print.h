// The comparison printout: one page with the report header of the later run, the chart and the worst positions.
#pragma once

#include <string>
#include <vector>

#include "core/compare/comparison.h"
#include "core/compare/loss_chart.h"
#include "core/gfx/printer.h"
#include "core/printing/print_status.h"
#include "core/printing/report_header.h"
#include "core/text/numfmt.h"

namespace compare {

struct CompareReport {
  printing::ReportHeader header;  // of the later run, built by printing::BuildReportHeader
  std::string earlierName;        // the files as the operator picked them
  std::string laterName;
  ChartWindow window;  // the chart's stretch as shown
  text::NumberFormat nf;
};

// Under the header: the title, both file names, the match and period lines and the warnings, each
// wrapped to the page; the chart across the page; the worst 20 positions as a table.
printing::PrintStatus printComparison(gfx::Printer& printer, const Comparison& c, const CompareReport& report);

// The lines above the chart, unwrapped.
std::vector<std::string> reportLines(const Comparison& c, const CompareReport& report);

}  // namespace compare
