// tervtool render for .DHN/.DHT files (placeholder until the picture is built).
#include "cli/commands.h"

namespace cli {
QImage renderFlaw(const Context&, const datafiles::LoadedFile&, QSize) { return {}; }
}  // namespace cli
