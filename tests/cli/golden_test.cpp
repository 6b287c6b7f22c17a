// Golden outputs: what tervtool prints for each command on each bundled sample, compared byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/file_builder.h"

namespace {

namespace fs = std::filesystem;

// One golden: `tervtool COMMAND SAMPLE OPTIONS...` prints tests/cli/golden/<golden()>.
struct GoldenCase {
  std::string sample;  // a file of samples/
  std::string command;
  std::vector<std::string> options;
  std::string variant;  // names the golden of a case with options

  std::string golden() const { return sample + "." + (variant.empty() ? command : variant) + ".txt"; }
};

// Names the case in gtest's messages instead of a dump of its bytes.
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.golden(); }

// Every command that prints text, on every sample its kind supports (CoversEverySample checks
// this against samples/), plus the options whose output differs in kind.
const std::vector<GoldenCase> kCases = {
    {"TRUBA_01.DTM", "info", {}, ""},
    {"TRUBA_01.DTM", "table", {}, ""},
    {"TRUBA_01.DTM", "table", {"--threshold", "5,5"}, "table-threshold-found"},
    {"TRUBA_01.DTM", "table", {"--threshold", "3"}, "table-threshold-none"},
    {"TRUBA_01.DTM", "preview", {}, ""},
    {"TRUBA_01.DTM", "csv", {}, ""},
    {"TRUBA_01.DTM", "stats", {}, ""},
    {"TRUBA_01.DTM", "stats", {"--csv"}, "stats-csv"},
    {"TRUBA_01.DTM", "stats", {"--zones", "6,4"}, "stats-zones"},
    {"TRUBA_01.DTM", "compare", {"TRUBA_02.DTM"}, "compare-TRUBA_02"},
    {"TRUBA_02.DTM", "info", {}, ""},
    {"TRUBA_02.DTM", "table", {}, ""},
    {"TRUBA_02.DTM", "preview", {}, ""},
    {"TRUBA_02.DTM", "csv", {}, ""},
    {"TRUBA_02.DTM", "stats", {}, ""},
    {"SHOV_12.DAU", "info", {}, ""},
    {"SHOV_12.DAU", "preview", {}, ""},
    {"SHOV_12.DAU", "csv", {}, ""},
    {"SHOV_12.DAU", "stats", {}, ""},
    {"SHOV_3L.DAU", "info", {}, ""},
    {"SHOV_3L.DAU", "preview", {}, ""},
    {"SHOV_3L.DAU", "csv", {}, ""},
    {"SHOV_3L.DAU", "stats", {}, ""},
    {"PLAIN_01.DHN", "info", {}, ""},
    {"PLAIN_01.DHN", "screen", {}, ""},
    {"PLAIN_01.DHN", "csv", {}, ""},
    {"PLAIN_01.DHN", "stats", {}, ""},
    {"EXT_220.DHN", "info", {}, ""},
    {"EXT_220.DHN", "screen", {}, ""},
    {"EXT_220.DHN", "csv", {}, ""},
    {"EXT_220.DHN", "stats", {}, ""},
    {"TOLSH_01.DHT", "info", {}, ""},
    {"TOLSH_01.DHT", "screen", {}, ""},
    {"TOLSH_01.DHT", "csv", {}, ""},
    {"TOLSH_01.DHT", "stats", {}, ""},
};

// The text commands each kind accepts; the others refuse it with exit 1.
const std::map<std::string, std::vector<std::string>> kCommandsOfKind = {
    {".DTM", {"info", "table", "preview", "csv", "stats"}},
    {".DAU", {"info", "preview", "csv", "stats"}},
    {".DHN", {"info", "screen", "csv", "stats"}},
    {".DHT", {"info", "screen", "csv", "stats"}},
};

// The placeholder goldens hold instead of the directory the sample was run from.
constexpr const char* kDirToken = "@DIR@";

const fs::path kSource(TERV_SOURCE_DIR);
const fs::path kGoldenDir = kSource / "tests/cli/golden";

bool updating() {
  const char* v = std::getenv("TERV_UPDATE_GOLDENS");
  return v != nullptr && std::string(v) == "1";
}

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string shellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
}

struct ToolRun {
  int code = -1;
  std::string out, err;
};

// Runs tervtool in `dir` under a fixed Russian locale, so that decimal commas and texts do
// not depend on the machine; `args` are quoted one by one.
ToolRun runTool(const std::string& dir, const std::vector<std::string>& args) {
  std::string cmd = "cd " + shellQuote(dir) + " && LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=offscreen " +
                    shellQuote(TERVTOOL_PATH);
  for (const std::string& a : args) cmd += " " + shellQuote(a);
  cmd += " 2>" + shellQuote(dir + "/stderr.txt");
  ToolRun r;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  const int status = pclose(p);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.err = readAll(dir + "/stderr.txt");
  return r;
}

// Where two texts first part, as a line number and both lines, for a readable failure.
std::string firstDifference(const std::string& want, const std::string& got) {
  std::istringstream a(want), b(got);
  std::string la, lb;
  for (int line = 1;; ++line) {
    const bool moreA = bool(std::getline(a, la));
    const bool moreB = bool(std::getline(b, lb));
    if (!moreA && !moreB) return "texts differ only in the final line break";
    if (!moreA || !moreB || la != lb) {
      return "first difference at line " + std::to_string(line) + "\n  golden: " + (moreA ? la : "(end)") +
             "\n  actual: " + (moreB ? lb : "(end)");
    }
  }
}

class Golden : public ::testing::TestWithParam<GoldenCase> {
 protected:
  // A copy of the sample in a fresh directory: no protocol file or terv.ini lying around
  // in samples/ or the build tree can change what is printed.
  void SetUp() override { dir_ = testsupport::makeTempDir("golden"); }
  void TearDown() override { fs::remove_all(dir_); }
  std::string dir_;
};

TEST_P(Golden, ToolPrintsTheGolden) {
  const GoldenCase& c = GetParam();
  fs::copy_file(kSource / "samples" / c.sample, fs::path(dir_) / c.sample);
  // An option naming another sample (the later run of compare) is copied beside it.
  for (const std::string& o : c.options)
    if (o.find('/') == std::string::npos && fs::is_regular_file(kSource / "samples" / o))
      fs::copy_file(kSource / "samples" / o, fs::path(dir_) / o);
  std::vector<std::string> args = {c.command, c.sample};
  args.insert(args.end(), c.options.begin(), c.options.end());
  ToolRun r = runTool(dir_, args);
  ASSERT_EQ(r.code, 0) << "tervtool exit code; stderr:\n" << r.err;
  replaceAll(r.out, fs::canonical(dir_).string(), kDirToken);
  replaceAll(r.out, dir_, kDirToken);

  const fs::path golden = kGoldenDir / c.golden();
  if (updating()) {
    if (!fs::exists(golden) || readAll(golden) != r.out) {
      std::ofstream(golden, std::ios::binary) << r.out;
      std::printf("updated %s\n", golden.string().c_str());
    }
    return;
  }
  ASSERT_TRUE(fs::exists(golden)) << golden << " is missing: scripts/update-goldens writes it";
  const std::string want = readAll(golden);
  EXPECT_TRUE(r.out == want) << c.golden() << ": " << firstDifference(want, r.out)
                             << "\nAfter a deliberate change run scripts/update-goldens and review the diff.";
}

std::string caseName(const ::testing::TestParamInfo<GoldenCase>& info) {
  std::string name = info.param.golden();
  name.resize(name.size() - 4);  // ".txt"
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Samples, Golden, ::testing::ValuesIn(kCases), caseName);

TEST(GoldenSet, CoversEverySample) {
  int samples = 0;
  for (const auto& entry : fs::directory_iterator(kSource / "samples")) {
    const auto kind = kCommandsOfKind.find(entry.path().extension().string());
    if (kind == kCommandsOfKind.end()) continue;
    ++samples;
    const std::string sample = entry.path().filename().string();
    for (const std::string& command : kind->second) {
      const bool covered = std::any_of(kCases.begin(), kCases.end(), [&](const GoldenCase& c) {
        return c.sample == sample && c.command == command && c.options.empty();
      });
      EXPECT_TRUE(covered) << "no golden case for tervtool " << command << " " << sample;
    }
  }
  EXPECT_GT(samples, 0);
}

// A golden no case produces would never be checked again; an update removes it.
TEST(GoldenSet, NoStrayGoldens) {
  std::set<std::string> expected;
  for (const GoldenCase& c : kCases) EXPECT_TRUE(expected.insert(c.golden()).second) << "twice: " << c.golden();
  for (const auto& entry : fs::directory_iterator(kGoldenDir)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".txt" || expected.count(name)) continue;
    if (updating()) {
      fs::remove(entry.path());
      std::printf("removed %s\n", entry.path().string().c_str());
    } else {
      ADD_FAILURE() << name << " belongs to no case of golden_test.cpp";
    }
  }
}

TEST(ToolExitCodes, RefusedFileAndUsage) {
  const std::string dir = testsupport::makeTempDir("exitcodes");
  const std::string truba = (kSource / "samples/TRUBA_01.DTM").string();
  EXPECT_EQ(runTool(dir, {"info", "/nonexistent/file.dtm"}).code, 2);
  EXPECT_EQ(runTool(dir, {"frobnicate", truba}).code, 1);
  EXPECT_EQ(runTool(dir, {}).code, 1);
  EXPECT_EQ(runTool(dir, {"render", truba, "--size", "3x"}).code, 1);
  EXPECT_EQ(runTool(dir, {"table", (kSource / "samples/SHOV_12.DAU").string()}).code, 1);
  EXPECT_EQ(runTool(dir, {"screen", truba}).code, 1);
  // A file whose checksum is broken: the reader's message, exit 2.
  std::string bytes = readAll(truba);
  bytes[127] = char(bytes[127] ^ 1);
  std::ofstream(dir + "/bad.DTM", std::ios::binary) << bytes;
  const ToolRun r = runTool(dir, {"info", dir + "/bad.DTM"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Ошибка контрольной суммы в файле\n" + dir + "/bad.DTM"), std::string::npos) << r.err;
  fs::remove_all(dir);
}

}  // namespace
