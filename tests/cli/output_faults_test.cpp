// tervtool's outputs under disk faults: each failure exits with 3 and the system's reason, and
// the old output stays byte for byte; the command line's "--", "-o -" and device targets.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/disk_faults.h"
#include "support/file_builder.h"
#include "support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ChildLimits;
using testsupport::ChildOutcome;
using testsupport::directoryNames;
using testsupport::readFileBytes;
using testsupport::writeFileBytes;

std::string sample(const std::string& name) { return std::string(TERV_SOURCE_DIR) + "/samples/" + name; }

ChildOutcome tervtool(const std::vector<std::string>& args, const ChildLimits& limits = {},
                      const std::string& cwd = {}) {
  return testsupport::runProgram(TERVTOOL_PATH, args, limits, cwd);
}

// One output of tervtool: the command line that writes it and how a complete one begins and ends.
struct Output {
  std::string name;
  std::string file;  // the output's name in the test's directory
  std::vector<std::string> (*args)(const std::string& target);
  std::string head;
  std::string tail;  // "" when any end will do
};

// Names the case in gtest's messages instead of a dump of its bytes.
void PrintTo(const Output& o, std::ostream* os) { *os << o.name; }

const Output kCsv{"Csv", "out.csv",
                  [](const std::string& t) {
                    return std::vector<std::string>{"csv", sample("TRUBA_01.DTM"), "-o", t};
                  },
                  "Позиция", ""};
const Output kPng{"Png", "out.png",
                  [](const std::string& t) {
                    return std::vector<std::string>{"render", sample("SHOV_12.DAU"), "-o", t, "--size", "400x300"};
                  },
                  "\x89PNG", std::string("IEND\xAE\x42\x60\x82", 8)};
const Output kPdf{"Pdf", "out.pdf",
                  [](const std::string& t) {
                    return std::vector<std::string>{"print", sample("EXT_220.DHN"), "-o", t};
                  },
                  "%PDF-", "%%EOF\n"};

const std::string kOld = "old output\n";

class OutputUnderFault : public testsupport::TempDirTest<::testing::TestWithParam<Output>> {
 protected:
  OutputUnderFault() : TempDirTest("output-fault") {}

  // Exit 3, the message with the system's reason, the old output and nothing else left.
  void expectFailedAndIntact(const ChildOutcome& r, const std::string& target, const std::string& reason,
                             const std::vector<std::string>& names) {
    ASSERT_TRUE(r.exited) << r.output;
    EXPECT_EQ(r.code, 3) << r.output;
    EXPECT_EQ(r.output, "tervtool: cannot write " + target + ": " + reason + "\n");
    EXPECT_EQ(readFileBytes(target), kOld);
    EXPECT_EQ(directoryNames(fs::path(target).parent_path()), names) << "a temporary file was left behind";
  }

  void expectComplete(const std::string& path) {
    const std::string got = readFileBytes(path);
    const Output& o = GetParam();
    EXPECT_EQ(got.substr(0, o.head.size()), o.head);
    if (!o.tail.empty()) {
      ASSERT_GE(got.size(), o.tail.size());
      EXPECT_EQ(got.substr(got.size() - o.tail.size()), o.tail);
    }
  }
};

TEST_P(OutputUnderFault, FullDevice) {
  testsupport::FullDevice device;
  if (!device.available()) GTEST_SKIP() << device.why();
  const std::string target = device.dir() + "/" + GetParam().file;
  writeFileBytes(target, kOld);
  device.fill();
  const auto before = directoryNames(device.dir());
  expectFailedAndIntact(tervtool(GetParam().args(target)), target, "No space left on device", before);
}

TEST_P(OutputUnderFault, FileSizeLimit) {
  const std::string target = dir_ + "/" + GetParam().file;
  writeFileBytes(target, kOld);
  ChildLimits limits;
  limits.fileSizeBytes = 16;
  expectFailedAndIntact(tervtool(GetParam().args(target), limits), target, "File too large", {GetParam().file});
}

TEST_P(OutputUnderFault, ReadOnlyTarget) {
  const std::string target = dir_ + "/" + GetParam().file;
  writeFileBytes(target, kOld);
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  expectFailedAndIntact(tervtool(GetParam().args(target)), target, "Permission denied", {GetParam().file});
}

TEST_P(OutputUnderFault, MissingDirectoryAndFileAsParent) {
  const std::string missing = dir_ + "/missing/" + GetParam().file;
  auto r = tervtool(GetParam().args(missing));
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.output, "tervtool: cannot write " + missing + ": No such file or directory\n");
  writeFileBytes(dir_ + "/plain", "x");
  const std::string underFile = dir_ + "/plain/" + GetParam().file;
  r = tervtool(GetParam().args(underFile));
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.output, "tervtool: cannot write " + underFile + ": Not a directory\n");
  EXPECT_EQ(directoryNames(dir_), std::vector<std::string>{"plain"});
}

// A name of 255 bytes is legal; the temporary file beside it must be too.
TEST_P(OutputUnderFault, LongestNameIsWrittenAndReplaced) {
  const std::string ext = fs::path(GetParam().file).extension().string();
  const std::string name = std::string(255 - ext.size(), 'n') + ext;
  const std::string target = dir_ + "/" + name;
  writeFileBytes(target, kOld);
  const auto r = tervtool(GetParam().args(target));
  EXPECT_EQ(r.code, 0) << r.output;
  expectComplete(target);
  EXPECT_EQ(directoryNames(dir_), std::vector<std::string>{name});
}

INSTANTIATE_TEST_SUITE_P(Outputs, OutputUnderFault, ::testing::Values(kCsv, kPng, kPdf),
                         [](const auto& info) { return info.param.name; });

class TervtoolCommandLine : public testsupport::TempDirTest<> {
 protected:
  TervtoolCommandLine() : TempDirTest("cmdline") {}
};

TEST_F(TervtoolCommandLine, DoubleDashEndsTheOptions) {
  fs::copy_file(sample("SHOV_12.DAU"), dir_ + "/-x.DAU");
  const auto plain = tervtool({"info", sample("SHOV_12.DAU")});
  const auto dashed = tervtool({"info", "--", "-x.DAU"}, {}, dir_);
  EXPECT_EQ(dashed.code, 0) << dashed.output;
  EXPECT_EQ(dashed.output.substr(dashed.output.find('\n')), plain.output.substr(plain.output.find('\n')));
  // Options before the file, the file after "--"; the same for print.
  EXPECT_EQ(tervtool({"csv", "-o", "x.csv", "--", "-x.DAU"}, {}, dir_).code, 0);
  EXPECT_EQ(readFileBytes(dir_ + "/x.csv"), tervtool({"csv", sample("SHOV_12.DAU")}).output);
  EXPECT_EQ(tervtool({"print", "-o", "x.pdf", "--", "-x.DAU"}, {}, dir_).code, 0);
  EXPECT_EQ(readFileBytes(dir_ + "/x.pdf").substr(0, 5), "%PDF-");
  // Without "--" the name is an unknown option.
  EXPECT_EQ(tervtool({"info", "-x.DAU"}, {}, dir_).code, 1);
}

TEST_F(TervtoolCommandLine, DashIsStandardOutputForTextOnly) {
  const auto toStdout = tervtool({"csv", sample("TOLSH_01.DHT"), "-o", "-"});
  EXPECT_EQ(toStdout.code, 0);
  EXPECT_EQ(toStdout.output, tervtool({"csv", sample("TOLSH_01.DHT")}).output);
  EXPECT_FALSE(fs::exists("-"));
  for (const auto& args : {std::vector<std::string>{"render", sample("TOLSH_01.DHT"), "-o", "-"},
                           std::vector<std::string>{"print", sample("TOLSH_01.DHT"), "-o", "-"}}) {
    const auto r = tervtool(args, {}, dir_);
    EXPECT_EQ(r.code, 1) << args[0];
    EXPECT_NE(r.output.find("not to standard output"), std::string::npos) << r.output;
  }
  EXPECT_TRUE(directoryNames(dir_).empty());
}

TEST_F(TervtoolCommandLine, DevicesAreWrittenDirectly) {
  EXPECT_EQ(tervtool({"print", sample("TRUBA_01.DTM"), "-o", "/dev/null"}).code, 0);
  EXPECT_EQ(tervtool({"render", sample("TRUBA_01.DTM"), "-o", "/dev/null"}).code, 0);
  EXPECT_EQ(tervtool({"csv", sample("TRUBA_01.DTM"), "-o", "/dev/null"}).code, 0);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  // A full device shows as a failed write, with its reason.
  const auto full = tervtool({"csv", sample("TRUBA_01.DTM"), "-o", "/dev/full"});
  EXPECT_EQ(full.code, 3);
  EXPECT_EQ(full.output, "tervtool: cannot write /dev/full: No space left on device\n");
}

TEST_F(TervtoolCommandLine, FifoIsRefusedAsInputWithoutHanging) {
  const std::string fifo = dir_ + "/SHOV.DAU";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  ChildLimits limits;
  limits.seconds = 15;
  const auto r = tervtool({"info", fifo}, limits);
  ASSERT_TRUE(r.exited) << "tervtool waited on the FIFO";
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.output.substr(0, r.output.find('\n')), "Невозможно считать данные");
}

}  // namespace
