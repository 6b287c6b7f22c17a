// tervtool csv: dispatches by kind (placeholder until the exports are built).
#include <ostream>

#include "cli/commands.h"

namespace cli {
int cmdCsv(const Context& ctx, const datafiles::LoadedFile&, const std::vector<std::string>&) {
  *ctx.err << "tervtool csv: not available yet\n";
  return kUsage;
}
}  // namespace cli
