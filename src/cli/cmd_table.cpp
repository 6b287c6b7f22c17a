// tervtool table (placeholder until the value tables are built).
#include <ostream>

#include "cli/commands.h"

namespace cli {
int cmdTable(const Context& ctx, const datafiles::LoadedFile&, const std::vector<std::string>&) {
  *ctx.err << "tervtool table: not available yet\n";
  return kUsage;
}
}  // namespace cli
