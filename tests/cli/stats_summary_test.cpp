// tervtool stats options and tervtool summary over a directory with a refused file, as CSV and as PDF.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "core/datafiles/reader.h"
#include "support/disk_faults.h"
#include "support/file_builder.h"
#include "support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int code = 0;
  std::string out, err;
};

Outcome stats(const datafiles::LoadedFile& f, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  cli::Context ctx;
  ctx.out = &out;
  ctx.err = &err;
  Outcome r;
  r.code = cli::cmdStats(ctx, f, args);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// Standard output only: the summary's text is compared, its messages on stderr are not.
testsupport::ShellOutcome tervtool(const std::string& args) {
  return testsupport::runShell("LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=offscreen " TERVTOOL_PATH " " +
                               args + " 2>/dev/null");
}

TEST(TervtoolStats, Options) {
  testsupport::MapLikeFields f;
  f.velocityFactor = 40;
  f.length = 2;
  f.body = testsupport::thicknessBody({{6000, 9000, 9000, 9000}});
  const datafiles::LoadedFile dtm = datafiles::loadDataBytes("T.DTM", testsupport::buildMapLike(f)).file;
  Outcome r = stats(dtm, {"--zones", "6", "--csv"});
  EXPECT_EQ(r.code, cli::kOk);
  EXPECT_EQ(r.out, "Начало мм;Конец мм;Длина мм;Мин. мм;Датчик;Позиция мин. мм\n0;0;2;6,0;1;0\n");
  EXPECT_EQ(stats(dtm, {"--zones", "шесть"}).code, cli::kUsage);
  EXPECT_EQ(stats(dtm, {"--csv", "--csv"}).code, cli::kUsage);
  EXPECT_EQ(stats(dtm, {"--zones"}).code, cli::kUsage);
  f.type = 2;
  f.body.clear();
  const datafiles::LoadedFile dau = datafiles::loadDataBytes("M.DAU", testsupport::buildMapLike(f)).file;
  r = stats(dau, {"--zones", "6"});
  EXPECT_EQ(r.code, cli::kUsage);
  EXPECT_NE(r.err.find(".DTM"), std::string::npos);
}

class TervtoolSummary : public testsupport::TempDirTest<> {
 protected:
  TervtoolSummary() : TempDirTest("summary_cli") {}
  void SetUp() override {
    TempDirTest::SetUp();
    testsupport::MapLikeFields later;
    later.year = 9;
    testsupport::MapLikeFields earlier;
    earlier.type = 2;
    earlier.year = 8;
    testsupport::writeBytes(dir_ + "/later.DTM", testsupport::buildMapLike(later));
    testsupport::writeBytes(dir_ + "/earlier.dau", testsupport::buildMapLike(earlier));
    testsupport::Bytes broken = testsupport::buildFlaw({});
    broken[20] ^= 1;
    testsupport::writeBytes(dir_ + "/broken.DHN", broken);
    testsupport::writeBytes(dir_ + "/notes.txt", {'x'});
  }
};

TEST_F(TervtoolSummary, RowsByDateRefusedFileKeptAndTheCommandGoesOn) {
  const testsupport::ShellOutcome r = tervtool("summary " + dir_);
  EXPECT_EQ(r.code, cli::kRefused);
  std::vector<std::string> lines;
  for (std::istringstream in(r.out); std::getline(in, lines.emplace_back());) {
  }
  lines.pop_back();
  ASSERT_EQ(lines.size(), 4u) << r.out;  // header, two files, the refused one; notes.txt is no result file
  EXPECT_EQ(lines[1].rfind(dir_ + "/earlier.dau;DAU;", 0), 0u);
  EXPECT_EQ(lines[2].rfind(dir_ + "/later.DTM;DTM;", 0), 0u);
  EXPECT_EQ(lines[3].rfind(dir_ + "/broken.DHN;;", 0), 0u);
  EXPECT_NE(lines[3].find("Открыть невозможно"), std::string::npos);

  EXPECT_EQ(tervtool("summary " + dir_ + " -o " + dir_ + "/s.csv").code, cli::kRefused);
  EXPECT_EQ(testsupport::readFileBytes(dir_ + "/s.csv"), r.out);
  // The PDF form draws: the program starts its GUI application for it, whatever the letter case.
  EXPECT_EQ(tervtool("summary " + dir_ + "/later.DTM -o " + dir_ + "/s.PDF").code, cli::kOk);
  EXPECT_EQ(testsupport::readFileBytes(dir_ + "/s.PDF").rfind("%PDF", 0), 0u);
  EXPECT_EQ(tervtool("summary -o " + dir_ + "/s.csv").code, cli::kUsage);
}

}  // namespace
