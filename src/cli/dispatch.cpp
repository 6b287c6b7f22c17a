// tervtool command dispatch: every command opens its file with the viewer's reader.
#include "cli/dispatch.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <ostream>

#include "core/datafiles/reader.h"
#include "core/io/atomic_file.h"
#include "core/io/read_file.h"

namespace cli {

std::string usage() {
  return "usage: tervtool COMMAND FILE [options]\n"
         "  info FILE                          kind and header texts\n"
         "  table FILE [--threshold MM]        .DTM value table, tab-separated\n"
         "  preview FILE                       report preview text\n"
         "  screen FILE                        .DHN/.DHT screen raster and parameter text\n"
         "  render FILE -o OUT.png [--size WxH] the picture the viewer shows\n"
         "  print FILE... -o OUT.pdf|DIR [--text] the printout as PDF\n"
         "  csv FILE [-o OUT.csv]              readings, indications or samples as CSV\n"
         "  stats FILE [--csv] [--zones MM]    statistics, tab-separated; --zones: thin zones at MM\n"
         "  summary DIR|FILE... [-o OUT.csv|OUT.pdf] one row per result file, by date\n"
         "  compare EARLIER LATER [--offset MM] [--tmin MM] [--csv]\n"
         "                                     wall loss and rate between two .DTM runs\n"
         "Options may come before or after FILE; -- ends them (for a FILE starting with -).\n"
         "-o - writes a text output to standard output. A failed write exits with 3.\n";
}

bool needsGuiApplication(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& cmd = args[0];
  if (cmd == "render" || cmd == "print") return true;
  // A summary draws only its PDF form.
  if (cmd == "summary") {
    const Arguments split = splitArguments(std::vector<std::string>(args.begin() + 1, args.end()));
    for (std::size_t i = 0; i + 1 < split.options.size(); ++i) {
      if (split.options[i] != "-o") continue;
      const std::string& out = split.options[i + 1];
      return out.size() >= 4 &&
             QString::fromStdString(out.substr(out.size() - 4)).compare(".pdf", Qt::CaseInsensitive) == 0;
    }
  }
  return false;
}

Arguments splitArguments(const std::vector<std::string>& args) {
  Arguments a;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      a.operands.insert(a.operands.end(), args.begin() + long(i) + 1, args.end());
      break;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      a.operands.push_back(arg);
      continue;
    }
    a.options.push_back(arg);
    // The value of an option is taken as it is, even when it starts with "-" ("-o -").
    if ((arg == "-o" || arg == "--threshold" || arg == "--size" || arg == "--zones" || arg == "--offset" ||
         arg == "--tmin") &&
        i + 1 < args.size())
      a.options.push_back(args[++i]);
  }
  return a;
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
  if (out == "-") {
    *ctx.err << "tervtool render: a PNG is written to a file, not to standard output (-o -)\n";
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
  // Encoded straight into the temporary file, which replaces OUT only when complete.
  io::StagedFile staged(out);
  if (staged.ok()) {
    QFile file;
    if (!file.open(staged.fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
      staged.fail(file.errorString().toStdString());
    } else {
      const bool saved = image.save(&file, "PNG");
      file.flush();
      if (file.error() != QFileDevice::NoError) {
        staged.fail(file.errorString().toStdString());
      } else if (!saved) {
        staged.fail("the PNG could not be encoded");
      }
      file.close();
    }
  }
  const io::WriteResult written = staged.commit(io::Durability::Flush);
  if (!written.ok) {
    writeFailed(ctx, out, written.reason);
    return kWriteFailed;
  }
  return kOk;
}

}  // namespace

void printRefusal(const Context& ctx, const text::Refusal& refusal) {
  for (const std::string& m : refusal.messages) *ctx.err << m << "\n";
}

void writeFailed(const Context& ctx, const std::string& path, const std::string& reason) {
  *ctx.err << "tervtool: cannot write " << path << ": " << reason << "\n";
}

bool writeOutput(const Context& ctx, const std::string& path, const std::string& text) {
  if (path.empty() || path == "-") {
    errno = 0;
    *ctx.out << text;
    ctx.out->flush();
    if (*ctx.out) return true;
    // The stream keeps no reason; the failed write() left it in errno.
    writeFailed(ctx, "standard output", io::errorText(errno != 0 ? errno : EIO));
    return false;
  }
  const io::WriteResult written = io::writeFileAtomic(path, text);
  if (!written.ok) writeFailed(ctx, path, written.reason);
  return written.ok;
}

int run(const Context& ctx, const std::vector<std::string>& args) {
  if (args.size() < 2) {
    *ctx.err << usage();
    return kUsage;
  }
  const std::string& cmd = args[0];
  static const char* kCommands[] = {"info",  "table", "preview", "screen",  "render",
                                    "print", "csv",   "stats",   "summary", "compare"};
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
  if (cmd == "summary") return cmdSummary(ctx, std::vector<std::string>(args.begin() + 1, args.end()));
  if (cmd == "compare") return cmdCompare(ctx, std::vector<std::string>(args.begin() + 1, args.end()));
  const Arguments split = splitArguments(std::vector<std::string>(args.begin() + 1, args.end()));
  if (split.operands.size() != 1) {
    *ctx.err << usage();
    return kUsage;
  }
  const std::string& name = split.operands[0];
  const datafiles::OpenResult opened = datafiles::loadDataFile(name);
  if (!opened.ok) {
    printRefusal(ctx, datafiles::openRefusal(opened, name));
    return kRefused;
  }
  const std::vector<std::string>& rest = split.options;
  const datafiles::LoadedFile& file = opened.file;
  if (cmd == "info") return rest.empty() ? cmdInfo(ctx, file) : (*ctx.err << usage(), kUsage);
  if (cmd == "table") return cmdTable(ctx, file, rest);
  if (cmd == "preview") return cmdPreview(ctx, file);
  if (cmd == "screen") return cmdScreen(ctx, file);
  if (cmd == "render") return renderCommand(ctx, file, rest);
  if (cmd == "stats") return cmdStats(ctx, file, rest);
  return cmdCsv(ctx, file, rest);
}

}  // namespace cli
