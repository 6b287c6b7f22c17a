// tervtool command dispatch: every command opens its file with the viewer's reader.
#include "cli/dispatch.h"

#include <QImage>
#include <QString>
#include <cstdio>
#include <fstream>
#include <ostream>

#include "core/datafiles/reader.h"

namespace cli {

std::string usage() {
  return "usage: tervtool COMMAND FILE [options]\n"
         "  info FILE                          kind and header texts\n"
         "  table FILE [--threshold MM]        .DTM value table, tab-separated\n"
         "  preview FILE                       report preview text\n"
         "  screen FILE                        .DHN/.DHT screen raster and parameter text\n"
         "  render FILE -o OUT.png [--size WxH] the picture the viewer shows\n"
         "  print FILE... -o OUT.pdf|DIR [--text] the printout as PDF\n"
         "  csv FILE [-o OUT.csv]              readings, indications or samples as CSV\n";
}

namespace {

int renderCommand(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args) {
  std::string out;
  QSize size(1280, 720);
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if (args[i] == "--size" && i + 1 < args.size()) {
      int w = 0, h = 0;
      if (std::sscanf(args[++i].c_str(), "%dx%d", &w, &h) != 2 || w < 16 || h < 16 || w > 20000 || h > 20000) {
        *ctx.err << usage();
        return kUsage;
      }
      size = QSize(w, h);
    } else {
      *ctx.err << usage();
      return kUsage;
    }
  }
  if (out.empty()) {
    *ctx.err << usage();
    return kUsage;
  }
  QImage image;
  switch (file.kind) {
    case datafiles::FileKind::Dtm:
      image = renderThickness(ctx, file, size);
      break;
    case datafiles::FileKind::Dau:
      image = renderDefectMap(ctx, file, size);
      break;
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht:
      image = renderFlaw(ctx, file, size);
      break;
    case datafiles::FileKind::None:
      break;
  }
  if (image.isNull()) {
    *ctx.err << "tervtool render: nothing to draw for this file\n";
    return kUsage;
  }
  if (!image.save(QString::fromStdString(out), "PNG")) {
    *ctx.err << "tervtool: cannot write " << out << "\n";
    return kWriteFailed;
  }
  return kOk;
}

}  // namespace

void printRefusal(const Context& ctx, const text::Refusal& refusal) {
  for (const std::string& m : refusal.messages) *ctx.err << m << "\n";
}

bool writeOutput(const Context& ctx, const std::string& path, const std::string& text) {
  if (path.empty() || path == "-") {
    *ctx.out << text;
    ctx.out->flush();
    return bool(*ctx.out);
  }
  std::ofstream f(path, std::ios::binary);
  if (!f) return false;
  f << text;
  f.close();
  return bool(f);
}

int run(const Context& ctx, const std::vector<std::string>& args) {
  if (args.size() < 2) {
    *ctx.err << usage();
    return kUsage;
  }
  const std::string& cmd = args[0];
  static const char* kCommands[] = {"info", "table", "preview", "screen", "render", "print", "csv"};
  bool known = false;
  for (const char* c : kCommands) known = known || cmd == c;
  if (!known) {
    *ctx.err << usage();
    return kUsage;
  }
  if (cmd == "print") {
    // print takes several files; it opens them itself.
    datafiles::LoadedFile none;
    return cmdPrint(ctx, none, std::vector<std::string>(args.begin() + 1, args.end()));
  }
  const std::string& name = args[1];
  const datafiles::OpenResult opened = datafiles::loadDataFile(name);
  if (!opened.ok) {
    printRefusal(ctx, datafiles::openRefusal(opened, name));
    return kRefused;
  }
  const std::vector<std::string> rest(args.begin() + 2, args.end());
  const datafiles::LoadedFile& file = opened.file;
  if (cmd == "info") return rest.empty() ? cmdInfo(ctx, file) : (*ctx.err << usage(), kUsage);
  if (cmd == "table") return cmdTable(ctx, file, rest);
  if (cmd == "preview") return cmdPreview(ctx, file);
  if (cmd == "screen") return cmdScreen(ctx, file);
  if (cmd == "render") return renderCommand(ctx, file, rest);
  return cmdCsv(ctx, file, rest);
}

}  // namespace cli
