// tervtool table: the all-values table of a .DTM file, or with --threshold the threshold table.
#include <cstdint>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "core/thickness/readings.h"
#include "core/thickness/threshold_input.h"
#include "core/thickness/value_table.h"

namespace cli {

namespace {

void printTable(std::ostream& out, const thickness::ValueTable& table) {
  std::string line;
  for (std::size_t r = 0; r < table.rowCount(); ++r) {
    line.clear();
    for (int c = 0; c < thickness::ValueTable::kColumns; ++c) {
      if (c) line += '\t';
      line += table.cell(r, c);
    }
    line += '\n';
    out << line;
  }
}

}  // namespace

int cmdTable(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args) {
  if (file.kind != datafiles::FileKind::Dtm) {
    *ctx.err << "tervtool table: only .DTM files have value tables\n";
    return kUsage;
  }
  const std::string* thresholdArg = nullptr;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--threshold" && i + 1 < args.size() && !thresholdArg) {
      thresholdArg = &args[++i];
      continue;
    }
    *ctx.err << "usage: tervtool table FILE [--threshold MM]\n";
    return kUsage;
  }

  // As at a load: the all-values table fixes the samples the threshold search scans.
  thickness::AllValues all = thickness::fillAllValues(file, ctx.nf);
  if (!thresholdArg) {
    printTable(*ctx.out, all.table);
    return writeOutput(ctx, "", "") ? kOk : kWriteFailed;
  }

  const std::uint16_t nominal = file.thk.NominalThickness;
  const thickness::ThresholdEntry e = thickness::evaluateThreshold(*thresholdArg, ctx.nf.decimal, nominal);
  if (e.verdict != thickness::ThresholdVerdict::Accepted) {
    *ctx.err << thickness::thresholdMessage(e.verdict, ctx.nf.decimal) << '\n';
    return kUsage;
  }
  const auto tableRows = std::uint16_t(all.table.rowCount() - 1);
  const auto found = thickness::thresholdSearch(file, tableRows, e.tenths);
  printTable(*ctx.out, thickness::fillThreshold(file, found, ctx.nf));
  return writeOutput(ctx, "", "") ? kOk : kWriteFailed;
}

}  // namespace cli
