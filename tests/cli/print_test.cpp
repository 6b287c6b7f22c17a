// tervtool print: PDFs of every kind, one per file into a directory, exit codes, and the text read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/file_builder.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int code = 0;
  std::string out;
};

Outcome shell(const std::string& command) {
  Outcome r;
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  if (!p) return {-1, {}};
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
  const int status = pclose(p);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::string sample(const std::string& name) { return std::string(TERV_SOURCE_DIR) + "/samples/" + name; }

Outcome tervtool(const std::string& args) { return shell("QT_QPA_PLATFORM=offscreen " TERVTOOL_PATH " " + args); }

class TervtoolPrint : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testsupport::makeTempDir("print_cli"); }
  void TearDown() override { fs::remove_all(dir_); }
  std::string dir_;
};

// pdftotext joins what the PDF holds as text: the printout's texts come back from the file.
TEST_F(TervtoolPrint, ThicknessPdfReadsBackWithPdftotext) {
  if (shell("command -v pdftotext").code != 0) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const std::string pdf = dir_ + "/t.pdf";
  Outcome r = tervtool("print " + sample("TRUBA_01.DTM") + " -o " + pdf);
  ASSERT_EQ(r.code, 0) << r.out;
  Outcome text = shell("pdftotext -layout " + pdf + " -");
  ASSERT_EQ(text.code, 0);
  EXPECT_NE(text.out.find("Результаты  толщинометрии"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Условные обозначения"), std::string::npos);
  EXPECT_NE(text.out.find("Проконтролировано: 3000мм."), std::string::npos);
  EXPECT_NE(text.out.find("Всего листов:1"), std::string::npos);
  EXPECT_NE(text.out.find("Лист 1"), std::string::npos);
  EXPECT_EQ(shell("pdfinfo " + pdf + " | grep -q '^Pages: *1$'").code, 0);

  const std::string tpdf = dir_ + "/tt.pdf";
  r = tervtool("print " + sample("TRUBA_01.DTM") + " --text -o " + tpdf);
  ASSERT_EQ(r.code, 0) << r.out;
  text = shell("pdftotext -layout " + tpdf + " -");
  EXPECT_NE(text.out.find("00000"), std::string::npos);
  EXPECT_NE(text.out.find("02996"), std::string::npos);  // the last row, on the last table page
  EXPECT_NE(text.out.find("Дефектоскопист:"), std::string::npos);
}

TEST_F(TervtoolPrint, SeveralFilesIntoADirectoryGiveOnePdfEach) {
  const std::string files = sample("TRUBA_01.DTM") + " " + sample("SHOV_12.DAU") + " " + sample("EXT_220.DHN") +
                            " " + sample("TOLSH_01.DHT");
  const Outcome r = tervtool("print " + files + " -o " + dir_);
  EXPECT_EQ(r.code, 0) << r.out;
  for (const char* name : {"TRUBA_01.DTM.pdf", "SHOV_12.DAU.pdf", "EXT_220.DHN.pdf", "TOLSH_01.DHT.pdf"}) {
    std::ifstream in(dir_ + "/" + name, std::ios::binary);
    std::string got((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(got.substr(0, 5), "%PDF-") << name;
  }
}

TEST_F(TervtoolPrint, ExitCodes) {
  // Bad usage: no output, no file, several files to one PDF, an unknown option.
  EXPECT_EQ(tervtool("print " + sample("TRUBA_01.DTM")).code, 1);
  EXPECT_EQ(tervtool("print -o " + dir_ + "/x.pdf").code, 1);
  EXPECT_EQ(tervtool("print " + sample("TRUBA_01.DTM") + " " + sample("SHOV_12.DAU") + " -o " + dir_ + "/x.pdf").code,
            1);
  EXPECT_EQ(tervtool("print " + sample("TRUBA_01.DTM") + " --wide -o " + dir_ + "/x.pdf").code, 1);
  // A refused file: the reader's message on stderr, exit 2; the others are still printed.
  ASSERT_TRUE(testsupport::writeBytes(dir_ + "/bad.dtm", {1, 2, 3}));
  const Outcome refused = tervtool("print " + dir_ + "/bad.dtm " + sample("TRUBA_01.DTM") + " -o " + dir_);
  EXPECT_EQ(refused.code, 2);
  EXPECT_NE(refused.out.find("Открыть невозможно"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir_ + "/TRUBA_01.DTM.pdf"));
  // An output that cannot be written.
  EXPECT_EQ(tervtool("print " + sample("TRUBA_01.DTM") + " -o " + dir_ + "/no/such/dir/x.pdf").code, 3);
}

}  // namespace
