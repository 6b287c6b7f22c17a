// A print of many files spread over worker processes: every file once, messages in the order
// of the files, the exit code a single process gives.
#include "cli/print_batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "support/file_builder.h"
#include "support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;

// Stands for a worker's print: names each file of its share on stderr; "bad" files are
// refused and "full" ones fail to be written.
int fakePrint(const std::vector<std::string>& args) {
  cli::PrintArgs a;
  if (!cli::parsePrintArgs(std::vector<std::string>(args.begin() + 1, args.end()), a)) return cli::kUsage;
  int result = cli::kOk;
  for (const std::string& f : a.files) {
    std::cerr << f << (a.text ? " text" : "") << "\n";
    const int r = f.find("bad") != std::string::npos    ? cli::kRefused
                  : f.find("full") != std::string::npos ? cli::kWriteFailed
                                                        : cli::kOk;
    if (r == cli::kRefused || (r == cli::kWriteFailed && result == cli::kOk)) result = r;
  }
  return result;
}

class PrintBatch : public testsupport::TempDirTest<> {
 protected:
  PrintBatch() : TempDirTest("print_batch") {}
};

TEST_F(PrintBatch, EveryFileOnceInOrderAndTheWorstExitCode) {
  const std::vector<std::string> files = {"a", "-b", "full1", "c", "bad", "d", "e"};
  for (int workers : {2, 3, 7, 16}) {
    std::vector<std::string> args = {"print", "--text", "-o", dir_, "--"};
    args.insert(args.end(), files.begin(), files.end());
    testing::internal::CaptureStderr();
    const std::optional<int> code = cli::runPrintBatch(args, workers, fakePrint);
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(code.has_value()) << workers;
    EXPECT_EQ(*code, cli::kRefused) << workers;
    EXPECT_EQ(err, "a text\n-b text\nfull1 text\nc text\nbad text\nd text\ne text\n") << workers;
  }
  // Without a refusal the failed write decides.
  testing::internal::CaptureStderr();
  EXPECT_EQ(cli::runPrintBatch({"print", "x", "full", "y", "-o", dir_}, 2, fakePrint), cli::kWriteFailed);
  testing::internal::GetCapturedStderr();
}

TEST_F(PrintBatch, OtherCommandLinesAreLeftToTheCommand) {
  EXPECT_FALSE(cli::runPrintBatch({"print", "x", "y", "-o", dir_}, 1, fakePrint));             // one core
  EXPECT_FALSE(cli::runPrintBatch({"print", "x", "-o", dir_}, 2, fakePrint));                  // one file
  EXPECT_FALSE(cli::runPrintBatch({"print", "x", "y", "-o", dir_ + "/o.pdf"}, 2, fakePrint));  // no directory
  EXPECT_FALSE(cli::runPrintBatch({"print", "x", "y", "--wide", "-o", dir_}, 2, fakePrint));   // bad usage
  EXPECT_FALSE(cli::runPrintBatch({"csv", "x", "y", "-o", dir_}, 2, fakePrint));
}

}  // namespace
