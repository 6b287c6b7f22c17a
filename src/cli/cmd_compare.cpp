// tervtool compare: the offset and match of a later run on an earlier one, the loss and rate per position, a summary.
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "core/compare/compare_text.h"
#include "core/compare/comparison.h"
#include "core/compare/mm_input.h"
#include "core/datafiles/reader.h"

namespace cli {
namespace {

constexpr const char* kUsageLine = "usage: tervtool compare EARLIER LATER [--offset MM] [--tmin MM] [--csv]\n";

std::string joined(const std::vector<std::string>& fields, char separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) line += separator;
    line += fields[i];
  }
  return line + "\n";
}

// Reads the options; false on bad usage.
bool readOptions(const std::vector<std::string>& options, compare::CompareOptions& o, bool& csv) {
  for (std::size_t i = 0; i < options.size(); ++i) {
    const std::string& opt = options[i];
    if (opt == "--csv" && !csv) {
      csv = true;
    } else if (opt == "--offset" && i + 1 < options.size() && !o.offsetMm) {
      o.offsetMm = compare::parseWholeMillimetres(options[++i]);
      // Positions are 2 mm apart: an odd offset would pair readings that were never taken.
      if (!o.offsetMm || *o.offsetMm % compare::kSampleMm != 0) return false;
    } else if (opt == "--tmin" && i + 1 < options.size() && !o.tminUm) {
      o.tminUm = compare::parseMillimetres(options[++i]);
      if (!o.tminUm) return false;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int cmdCompare(const Context& ctx, const std::vector<std::string>& args) {
  const Arguments split = splitArguments(args);
  compare::CompareOptions options;
  bool csv = false;
  if (split.operands.size() != 2 || !readOptions(split.options, options, csv)) {
    *ctx.err << kUsageLine;
    return kUsage;
  }
  datafiles::OpenResult runs[2];
  for (int i = 0; i < 2; ++i) {
    runs[i] = datafiles::loadDataFile(split.operands[std::size_t(i)]);
    if (!runs[i].ok) {
      printRefusal(ctx, datafiles::openRefusal(runs[i], split.operands[std::size_t(i)]));
      return kRefused;
    }
  }
  const compare::Comparison c = compare::compareRuns(runs[0].file, runs[1].file, options);
  for (compare::Warning w : c.warnings) *ctx.err << "tervtool compare: " << compare::warningText(w) << "\n";
  if (!c.compared()) {
    for (const std::string& m : compare::refusalText(c, ctx.nf)) *ctx.err << m << "\n";
    return c.refusal == compare::Refusal::NotThickness ? kUsage : kRefused;
  }
  const char sep = csv ? ';' : '\t';
  std::string text = compare::matchLine(c, ctx.nf) + "\n" + compare::periodLine(c, ctx.nf) + "\n";
  text += joined(compare::positionHeader(), sep);
  for (const compare::PositionLoss& p : c.positions) text += joined(compare::positionRow(c, p, ctx.nf), sep);
  for (const std::string& line : compare::summaryLines(c, ctx.nf)) text += line + "\n";
  return writeOutput(ctx, "", text) ? kOk : kWriteFailed;
}

}  // namespace cli
