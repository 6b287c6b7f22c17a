// tervtool print: PDFs of every kind, one per file into a directory, exit codes, and the text read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/disk_faults.h"
#include "support/file_builder.h"
#include "support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;

using Outcome = testsupport::ShellOutcome;

// Standard output and error together: a failure shows both.
Outcome shell(const std::string& command) { return testsupport::runShell(command + " 2>&1"); }

// Text read back from a PDF with its runs of blanks and line breaks made one blank: the
// layout's spacing is not what is checked here.
std::string pdfText(const std::string& pdf) {
  const std::string raw = shell("pdftotext -layout " + pdf + " -").out;
  std::string out;
  for (char c : raw) {
    const bool blank = c == ' ' || c == '\n' || c == '\t' || c == '\f';
    if (!blank)
      out += c;
    else if (!out.empty() && out.back() != ' ')
      out += ' ';
  }
  return out;
}

std::string sample(const std::string& name) { return std::string(TERV_SOURCE_DIR) + "/samples/" + name; }

Outcome tervtool(const std::string& args) { return shell("QT_QPA_PLATFORM=offscreen " TERVTOOL_PATH " " + args); }

class TervtoolPrint : public testsupport::TempDirTest<> {
 protected:
  TervtoolPrint() : TempDirTest("print_cli") {}
};

// pdftotext joins what the PDF holds as text: the printout's texts come back from the file.
TEST_F(TervtoolPrint, ThicknessPdfReadsBackWithPdftotext) {
  if (shell("command -v pdftotext").code != 0) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const std::string pdf = dir_ + "/t.pdf";
  Outcome r = tervtool("print " + sample("TRUBA_01.DTM") + " -o " + pdf);
  ASSERT_EQ(r.code, 0) << r.out;
  std::string text = pdfText(pdf);
  EXPECT_NE(text.find("Результаты толщинометрии"), std::string::npos) << text;
  EXPECT_NE(text.find("Условные обозначения"), std::string::npos);
  EXPECT_NE(text.find("Проконтролировано: 3000мм."), std::string::npos);
  EXPECT_NE(text.find("Всего листов:1"), std::string::npos);
  EXPECT_NE(text.find("Лист 1"), std::string::npos);
  EXPECT_EQ(shell("pdfinfo " + pdf + " | grep -q '^Pages: *1$'").code, 0);

  const std::string tpdf = dir_ + "/tt.pdf";
  r = tervtool("print " + sample("TRUBA_01.DTM") + " --text -o " + tpdf);
  ASSERT_EQ(r.code, 0) << r.out;
  text = pdfText(tpdf);
  EXPECT_NE(text.find("Позиция мм Датчик1 Датчик2 Датчик3 Датчик4 00000"), std::string::npos);
  EXPECT_NE(text.find("02996"), std::string::npos);  // the last row, on the last table page
  // The footer on the last sheet counts all of them.
  const std::string pages = shell("pdfinfo " + tpdf + " | sed -n 's/^Pages: *//p'").out;
  ASSERT_FALSE(pages.empty());
  EXPECT_GT(std::stoi(pages), 1);
  EXPECT_NE(text.find("Всего листов:" + std::to_string(std::stoi(pages))), std::string::npos);
}

TEST_F(TervtoolPrint, SeveralFilesIntoADirectoryGiveOnePdfEach) {
  const std::string files =
      sample("TRUBA_01.DTM") + " " + sample("SHOV_12.DAU") + " " + sample("EXT_220.DHN") + " " + sample("TOLSH_01.DHT");
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
