// tervtool csv: readings, indication runs or A-scan samples of the file, as CSV.
#include <ostream>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "core/printing/csv_export.h"

namespace cli {

int cmdCsv(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args) {
  std::string out;
  if (args.size() == 2 && args[0] == "-o") {
    out = args[1];
  } else if (!args.empty()) {
    *ctx.err << usage();
    return kUsage;
  }
  std::string csv;
  switch (file.kind) {
    case datafiles::FileKind::Dtm:
      csv = printing::csvThickness(file, ctx.nf);
      break;
    case datafiles::FileKind::Dau:
      csv = printing::csvDefectMap(file);
      break;
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht:
      csv = printing::csvFlaw(file, ctx.nf);
      break;
    case datafiles::FileKind::None:
      break;
  }
  return writeOutput(ctx, out, csv) ? kOk : kWriteFailed;
}

}  // namespace cli
