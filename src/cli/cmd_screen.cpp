// tervtool screen (placeholder until the instrument screen is built).
#include <ostream>

#include "cli/commands.h"

namespace cli {
int cmdScreen(const Context& ctx, const datafiles::LoadedFile&) {
  *ctx.err << "tervtool screen: not available yet\n";
  return kUsage;
}
}  // namespace cli
