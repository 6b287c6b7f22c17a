// tervtool csv: readings, indication runs or A-scan samples of the file, as CSV.
#include <cerrno>
#include <ostream>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "core/io/atomic_file.h"
#include "core/io/staged_stream.h"
#include "core/printing/csv_export.h"

namespace cli {
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
    printing::csvOfFile(*ctx.out, file, ctx.nf);
    return writeOutput(ctx, "", "") ? kOk : kWriteFailed;
  }
  io::StagedFile staged(out);
  {
    io::StagedStream stream(staged);
    printing::csvOfFile(stream, file, ctx.nf);
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
