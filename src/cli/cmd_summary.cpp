// tervtool summary: one row per result file of the named files and directories, sorted by date, as CSV or PDF.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "core/analysis/campaign_summary.h"
#include "core/datafiles/reader.h"
#include "core/io/read_file.h"

namespace cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSummaryUsage = "usage: tervtool summary DIR|FILE... [-o OUT.csv|OUT.pdf]\n";

std::string upper(std::string s) {
  for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool isResultName(const std::string& name) {
  const std::string ext = upper(datafiles::extension(name));
  return ext == ".DTM" || ext == ".DAU" || ext == ".DHN" || ext == ".DHT";
}

bool endsWithPdf(const std::string& path) { return upper(datafiles::extension(path)) == ".PDF"; }

// The result files directly in dir, by name; a directory that cannot be listed is a refused row.
void addDirectory(const std::string& dir, std::vector<analysis::SummaryRow>& rows) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError) && isResultName(it->path().filename().string()))
      names.push_back(it->path().string());
  }
  if (ec) {
    analysis::SummaryRow row;
    row.name = dir;
    row.refused = true;
    row.refusal = "Каталог не читается: " + io::errorText(ec.value());
    rows.push_back(row);
    return;
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) rows.push_back(analysis::summarizeFile(name));
}

}  // namespace

int cmdSummary(const Context& ctx, const std::vector<std::string>& args) {
  const Arguments split = splitArguments(args);
  std::string out;
  for (std::size_t i = 0; i < split.options.size(); ++i) {
    if (split.options[i] == "-o" && i + 1 < split.options.size() && out.empty()) {
      out = split.options[++i];
    } else {
      *ctx.err << kSummaryUsage;
      return kUsage;
    }
  }
  if (split.operands.empty()) {
    *ctx.err << kSummaryUsage;
    return kUsage;
  }
  const bool pdf = endsWithPdf(out);
  std::vector<analysis::SummaryRow> rows;
  for (const std::string& operand : split.operands) {
    std::error_code ec;
    if (fs::is_directory(operand, ec)) {
      addDirectory(operand, rows);
    } else {
      rows.push_back(analysis::summarizeFile(operand));
    }
  }
  analysis::sortByDate(rows);
  const bool written = pdf ? writeSummaryPdf(ctx, out, rows)
                           : writeOutput(ctx, out, analysis::csvText(analysis::summaryTable(rows, ctx.nf)));
  if (!written) return kWriteFailed;
  // The summary is complete; a refused file still makes the outcome worth a look.
  const bool anyRefused = std::any_of(rows.begin(), rows.end(), [](const auto& r) { return r.refused; });
  return anyRefused ? kRefused : kOk;
}

}  // namespace cli
