// tervtool info: the kind, then the header panel's texts in the panel's order.
#include <ostream>

#include "cli/commands.h"
#include "core/datafiles/body_extent.h"
#include "core/datafiles/header_text.h"

namespace cli {

int cmdInfo(const Context& ctx, const datafiles::LoadedFile& file) {
  std::string out = datafiles::kindName(file.kind) + "\n";
  for (const auto& t : datafiles::HeaderTexts(file, ctx.nf)) out += t.text + "\n";
  if (const auto extent = datafiles::shortBody(file)) out += datafiles::shortBodyText(*extent, ctx.nf) + "\n";
  return writeOutput(ctx, "", out) ? kOk : kWriteFailed;
}

}  // namespace cli
