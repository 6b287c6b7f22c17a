// tervtool preview (placeholder until the preview text is built).
#include <ostream>

#include "cli/commands.h"

namespace cli {
int cmdPreview(const Context& ctx, const datafiles::LoadedFile&) {
  *ctx.err << "tervtool preview: not available yet\n";
  return kUsage;
}
}  // namespace cli
