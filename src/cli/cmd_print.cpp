// tervtool print: the printout of one or more result files as PDF, graphic form or, with --text, text form.
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <ostream>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/print_batch.h"
#include "core/datafiles/reader.h"
#include "core/printing/fresh_views.h"
#include "qt/qt_printer.h"

namespace cli {
namespace {

// In a directory each file gets its own PDF named after it, extension kept so that a
// .DTM and a .DAU of the same name do not overwrite each other.
QString pdfNameIn(const QString& dir, const std::string& file) {
  return QDir(dir).filePath(QFileInfo(QString::fromStdString(file)).fileName() + ".pdf");
}

int printOne(const Context& ctx, const std::string& name, const QString& pdf, bool text) {
  const datafiles::OpenResult opened = datafiles::loadDataFile(name);
  if (!opened.ok) {
    printRefusal(ctx, datafiles::openRefusal(opened, name));
    return kRefused;
  }
  const datafiles::LoadedFile& file = opened.file;
  printing::FreshViews views(file, ctx.nf, ctx.settings.ThicknessColors, ctx.settings.DefectColors);
  qtx::QtPrinter printer(pdf);
  const printing::PrintMode mode = text ? printing::PrintMode::Text : printing::PrintMode::Graphic;
  const printing::PrintStatus status =
      printing::printFile(printer, file, mode, views.printSources(ctx.settings.FlawColors, ctx.localeId, mode));
  if (status != printing::PrintStatus::Printed) {
    writeFailed(ctx, pdf.toStdString(), printer.error().empty() ? "the printout was not completed" : printer.error());
    return kWriteFailed;
  }
  return kOk;
}

}  // namespace

int cmdPrint(const Context& ctx, const datafiles::LoadedFile&, const std::vector<std::string>& args) {
  PrintArgs a;
  if (!parsePrintArgs(args, a)) {
    *ctx.err << "usage: tervtool print FILE... -o OUT.pdf|DIR [--text]\n";
    return kUsage;
  }
  if (a.out == "-") {
    *ctx.err << "tervtool print: a PDF is written to a file or a directory, not to standard output (-o -)\n";
    return kUsage;
  }
  const QString out = QString::fromStdString(a.out);
  const bool toDir = QFileInfo(out).isDir();
  if (a.files.size() > 1 && !toDir) {
    *ctx.err << "tervtool print: several files need -o to name a directory\n";
    return kUsage;
  }
  // Every file is tried; the worst outcome decides the exit code (a refusal before a failed write).
  int result = kOk;
  for (const std::string& name : a.files) {
    const int r = printOne(ctx, name, toDir ? pdfNameIn(out, name) : out, a.text);
    if (r == kRefused || (r == kWriteFailed && result == kOk)) result = r;
  }
  return result;
}

}  // namespace cli
