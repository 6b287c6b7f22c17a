// The PDF form of tervtool summary: the one part of the command that draws (and so needs the GUI application).
#include <QString>
#include <ostream>

#include "cli/commands.h"
#include "core/printing/summary_print.h"
#include "qt/qt_printer.h"

namespace cli {

bool writeSummaryPdf(const Context& ctx, const std::string& path, const std::vector<analysis::SummaryRow>& rows) {
  qtx::QtPrinter printer(QString::fromStdString(path));
  if (printing::printSummary(printer, rows, ctx.nf) != printing::PrintStatus::Printed) {
    writeFailed(ctx, path, printer.error().empty() ? "the printout was not completed" : printer.error());
    return false;
  }
  return true;
}

}  // namespace cli
