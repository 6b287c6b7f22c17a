// Golden outputs: every file golden/<SAMPLE>.<command>.txt is what `tervtool <command> samples/<SAMPLE>` prints.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string runTool(const std::string& args, int* exitCode) {
  const std::string cmd = "LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=offscreen " +
                          std::string(TERVTOOL_PATH) + " " + args + " 2>/dev/null";
  std::string out;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return out;
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
  const int status = pclose(p);
  *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(Golden, ToolOutputsOnTheSamples) {
  const fs::path source(TERV_SOURCE_DIR);
  int checked = 0;
  for (const auto& entry : fs::directory_iterator(source / "tests/cli/golden")) {
    const std::string name = entry.path().filename().string();  // TRUBA_01.DTM.info.txt
    if (entry.path().extension() != ".txt") continue;
    const std::string stem = name.substr(0, name.size() - 4);
    const std::size_t dot = stem.rfind('.');
    ASSERT_NE(dot, std::string::npos) << name;
    const std::string sample = stem.substr(0, dot);
    const std::string command = stem.substr(dot + 1);
    int code = -1;
    const std::string out = runTool(command + " " + (source / "samples" / sample).string(), &code);
    EXPECT_EQ(code, 0) << name;
    EXPECT_EQ(out, readAll(entry.path())) << "tervtool " << command << " " << sample << " differs from " << name;
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

TEST(ToolExitCodes, RefusedFileAndUsage) {
  const fs::path source(TERV_SOURCE_DIR);
  int code = -1;
  runTool("info /nonexistent/file.dtm", &code);
  EXPECT_EQ(code, 2);
  runTool("frobnicate " + (source / "samples/TRUBA_01.DTM").string(), &code);
  EXPECT_EQ(code, 1);
  runTool("", &code);
  EXPECT_EQ(code, 1);
  runTool("render " + (source / "samples/TRUBA_01.DTM").string() + " --size 3x", &code);
  EXPECT_EQ(code, 1);
  // A file whose checksum is broken: the reader's message, exit 2.
  const std::string dir = fs::temp_directory_path() / "terv-golden";
  fs::create_directories(dir);
  std::string bytes = readAll(source / "samples/TRUBA_01.DTM");
  bytes[127] = char(bytes[127] ^ 1);
  std::ofstream(dir + "/bad.DTM", std::ios::binary) << bytes;
  const std::string cmd = "QT_QPA_PLATFORM=offscreen " + std::string(TERVTOOL_PATH) + " info " + dir + "/bad.DTM 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  std::array<char, 4096> buf{};
  const std::size_t n = fread(buf.data(), 1, buf.size() - 1, p);
  const int status = pclose(p);
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_NE(std::string(buf.data(), n).find("Ошибка контрольной суммы в файле\n" + dir + "/bad.DTM"),
            std::string::npos);
}

}  // namespace
