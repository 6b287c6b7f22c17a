// tervtool stats: the statistics of the file's kind, or with --zones the thin zones, tab-separated or as CSV.
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "core/analysis/stats_tables.h"
#include "core/analysis/thin_zones.h"
#include "core/thickness/threshold_input.h"

namespace cli {

namespace {

constexpr const char* kStatsUsage = "usage: tervtool stats FILE [--csv] [--zones MM]\n";

}  // namespace

int cmdStats(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args) {
  bool csv = false;
  const std::string* zonesArg = nullptr;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--csv" && !csv) {
      csv = true;
    } else if (args[i] == "--zones" && i + 1 < args.size() && !zonesArg) {
      zonesArg = &args[++i];
    } else {
      *ctx.err << kStatsUsage;
      return kUsage;
    }
  }
  analysis::TextTable table;
  if (zonesArg) {
    if (file.kind != datafiles::FileKind::Dtm) {
      *ctx.err << "tervtool stats: only .DTM files have thin zones\n";
      return kUsage;
    }
    // The field's rule; a threshold at or above the nominal is taken as typed.
    const thickness::ThresholdEntry e =
        thickness::evaluateThreshold(*zonesArg, ctx.nf.decimal, file.thk.NominalThickness);
    if (!e.stores()) {
      *ctx.err << thickness::thresholdMessage(e.verdict, ctx.nf.decimal) << '\n';
      return kUsage;
    }
    table = analysis::thinZonesTable(analysis::thinZones(file, e.tenths), ctx.nf);
  } else {
    table = analysis::statsTable(file, ctx.nf);
  }
  return writeOutput(ctx, "", csv ? analysis::csvText(table) : analysis::tabSeparated(table)) ? kOk : kWriteFailed;
}

}  // namespace cli
