// tervtool csv: readings, indication runs or A-scan samples of the file, as CSV.
#include <cerrno>
#include <ostream>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "core/io/atomic_file.h"
#include "core/io/staged_stream.h"
#include "core/printing/csv_export.h"

namespace cli {
namespace {

void writeCsv(std::ostream& out, const Context& ctx, const datafiles::LoadedFile& file) {
  switch (file.kind) {
    case datafiles::FileKind::Dtm:
      printing::csvThickness(out, file, ctx.nf);
      break;
    case datafiles::FileKind::Dau:
      printing::csvDefectMap(out, file);
      break;
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht:
      printing::csvFlaw(out, file, ctx.nf);
      break;
    case datafiles::FileKind::None:
      break;
  }
}

}  // namespace

// The rows go out as they are made, to the file being staged or to standard output.
int cmdCsv(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args) {
  std::string out;
  if (args.size() == 2 && args[0] == "-o") {
    out = args[1];
  } else if (!args.empty()) {
    *ctx.err << usage();
    return kUsage;
  }
  if (out.empty() || out == "-") {
    errno = 0;
    writeCsv(*ctx.out, ctx, file);
    return writeOutput(ctx, "", "") ? kOk : kWriteFailed;
  }
  io::StagedFile staged(out);
  {
    io::StagedStream stream(staged);
    writeCsv(stream, ctx, file);
    stream.flush();
  }
  const io::WriteResult written = staged.commit(io::Durability::Flush);
  if (!written.ok) {
    writeFailed(ctx, out, written.reason);
    return kWriteFailed;
  }
  return kOk;
}

}  // namespace cli
