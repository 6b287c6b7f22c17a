// tervtool render for .DAU files (placeholder until the map is built).
#include "cli/commands.h"

namespace cli {
QImage renderDefectMap(const Context&, const datafiles::LoadedFile&, QSize) { return {}; }
}  // namespace cli
