// tervtool preview: the text preview of a .DTM or .DAU file, with the protocol from its protocol file.
#include <QFileInfo>
#include <QString>
#include <cerrno>
#include <ostream>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "core/printing/fresh_views.h"

namespace cli {

int cmdPreview(const Context& ctx, const datafiles::LoadedFile& file) {
  if (!file.DtmOpen() && !file.DauOpen()) {
    *ctx.err << "tervtool preview: only .DTM and .DAU files have a text preview\n";
    return kUsage;
  }
  printing::FreshViews views(file, ctx.nf, ctx.settings.ThicknessColors, ctx.settings.DefectColors);
  // The viewer shows the name the open dialog gave: the full path.
  const std::string fullName = QFileInfo(QString::fromStdString(file.name)).absoluteFilePath().toStdString();
  // Line by line: the text of a long file is never held twice.
  errno = 0;
  views.writePreview(fullName, [&ctx](std::string&& line) { *ctx.out << line << '\n'; });
  return writeOutput(ctx, "", "") ? kOk : kWriteFailed;
}

}  // namespace cli
