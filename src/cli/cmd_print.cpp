// tervtool print (placeholder until the print routines are built).
#include <ostream>

#include "cli/commands.h"

namespace cli {
int cmdPrint(const Context& ctx, const datafiles::LoadedFile&, const std::vector<std::string>&) {
  *ctx.err << "tervtool print: not available yet\n";
  return kUsage;
}
}  // namespace cli
