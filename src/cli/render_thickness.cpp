// tervtool render for .DTM files (placeholder until the chart is built).
#include "cli/commands.h"

namespace cli {
QImage renderThickness(const Context&, const datafiles::LoadedFile&, QSize) { return {}; }
}  // namespace cli
