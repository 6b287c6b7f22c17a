// The commands of tervtool and what they share: the loaded file, the locale's number form, the streams.
#pragma once

#include <QImage>
#include <QSize>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/analysis/campaign_summary.h"
#include "core/datafiles/loaded_file.h"
#include "core/settings/settings.h"
#include "core/text/numfmt.h"
#include "core/text/refusal.h"

namespace cli {

// Exit codes.
constexpr int kOk = 0;
constexpr int kUsage = 1;
constexpr int kRefused = 2;
constexpr int kWriteFailed = 3;

struct Context {
  text::NumberFormat nf;        // the locale's separators
  std::string localeId;         // "00000419" for Russian
  settings::Settings settings;  // default colours (the tool reads no terv.ini)
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
};

// Each command gets the accepted file and its remaining arguments (after FILE).
int cmdInfo(const Context& ctx, const datafiles::LoadedFile& file);
int cmdTable(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args);
int cmdPreview(const Context& ctx, const datafiles::LoadedFile& file);
int cmdScreen(const Context& ctx, const datafiles::LoadedFile& file);
int cmdCsv(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args);
int cmdPrint(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args);
int cmdStats(const Context& ctx, const datafiles::LoadedFile& file, const std::vector<std::string>& args);
// summary takes files and directories itself (no FILE is opened for it).
int cmdSummary(const Context& ctx, const std::vector<std::string>& args);
// The summary's PDF (the only drawing part of summary); false, said on ctx.err, when not written.
bool writeSummaryPdf(const Context& ctx, const std::string& path, const std::vector<analysis::SummaryRow>& rows);
// Commands of two files take their whole command line after the command's name.
int cmdCompare(const Context& ctx, const std::vector<std::string>& args);

// The picture the viewer's work area shows for the file, by kind; a null image when
// the kind has nothing to draw. size is the work area (or picture) size asked for.
QImage renderThickness(const Context& ctx, const datafiles::LoadedFile& file, QSize size);
QImage renderDefectMap(const Context& ctx, const datafiles::LoadedFile& file, QSize size);
QImage renderFlaw(const Context& ctx, const datafiles::LoadedFile& file, QSize size);

// A refused file on stderr: every message of the refusal on its own line.
void printRefusal(const Context& ctx, const text::Refusal& refusal);

// Writes text to a file (atomically: a temporary file beside it, then a rename) or, for "-"
// or empty, to ctx.out; on failure says so on ctx.err with the system's reason and answers false.
bool writeOutput(const Context& ctx, const std::string& path, const std::string& text);

// "tervtool: cannot write PATH: REASON" on ctx.err.
void writeFailed(const Context& ctx, const std::string& path, const std::string& reason);

}  // namespace cli
