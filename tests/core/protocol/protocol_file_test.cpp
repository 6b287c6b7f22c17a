// Protocol files on disk: saving beside the data file, reloading, and failing without damage.
#include "core/protocol/protocol_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/text/cp1251.h"

namespace {

namespace fs = std::filesystem;
using protocol::loadProtocolFile;
using protocol::ProtocolFields;
using protocol::saveProtocolFile;

class ProtocolFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("terv_protocol_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void writeAll(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }
  std::size_t entries() const { return std::distance(fs::directory_iterator(dir_), {}); }

  fs::path dir_;
};

const ProtocolFields kExample{"12", "Труба 3", "Иванов", {"Стенка в норме", "Дефектов нет"}};

TEST_F(ProtocolFile, SavedBesideTheDataFileAndLoadedBack) {
  const std::string data = (dir_ / "A12.dhn").string();
  const auto saved = saveProtocolFile(data, kExample);
  ASSERT_TRUE(saved.ok);
  EXPECT_EQ(saved.protocolName, (dir_ / "A12.zhn").string());
  EXPECT_EQ(readAll(dir_ / "A12.zhn"), text::utf8ToCp1251("Протокол №:12\r\nОбъект:Труба 3\r\nДефектоскопист:Иванов\r\n"
                                                          "Заключение:Стенка в норме\r\nДефектов нет\r\n"));
  EXPECT_EQ(entries(), 1u);  // no temporary file left behind

  const auto loaded = loadProtocolFile(data);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(loaded->protocolNumber, "12");
  EXPECT_EQ(loaded->objectName, "Труба 3");
  EXPECT_EQ(loaded->conclusion.size(), 2u);
}

TEST_F(ProtocolFile, ResavingReplacesTheOldContent) {
  const std::string data = (dir_ / "x.dtm").string();
  ASSERT_TRUE(saveProtocolFile(data, kExample).ok);
  ASSERT_TRUE(saveProtocolFile(data, ProtocolFields{"13", "", "", {}}).ok);
  EXPECT_EQ(loadProtocolFile(data)->protocolNumber, "13");
  EXPECT_TRUE(loadProtocolFile(data)->conclusion.empty());
  EXPECT_EQ(entries(), 1u);
}

TEST_F(ProtocolFile, MissingProtocolIsNothingNotAnError) {
  EXPECT_FALSE(loadProtocolFile((dir_ / "none.dau").string()).has_value());
  fs::create_directory(dir_ / "dir.zau");  // a directory of that name is not a protocol
  EXPECT_FALSE(loadProtocolFile((dir_ / "dir.dau").string()).has_value());
  EXPECT_FALSE(loadProtocolFile("").has_value());
}

TEST_F(ProtocolFile, FailedWriteKeepsTheOldFileAndReportsTheMessage) {
  const std::string data = (dir_ / "A12.dhn").string();
  const std::string old = text::utf8ToCp1251("Протокол №:1\r\nОбъект:старый\r\nДефектоскопист:\r\nЗаключение:");
  writeAll(dir_ / "A12.zhn", old);

  // A file-size limit makes every write beyond 8 bytes fail, for any user.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit tight = saved;
  tight.rlim_cur = 8;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  const auto outcome = saveProtocolFile(data, kExample);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(outcome.ok);
  const std::string name = (dir_ / "A12.zhn").string();
  EXPECT_EQ(outcome.refusal.messages,
            std::vector<std::string>{"   Файл: " + name + "\n Открыть невозможно\nFile too large"});
  EXPECT_EQ(outcome.refusal.title, "ERROR");
  EXPECT_EQ(readAll(name), old);
  EXPECT_EQ(entries(), 1u);
}

TEST_F(ProtocolFile, UncreatableFileIsReported) {
  const std::string data = (dir_ / "missing" / "x.dtm").string();
  const auto outcome = saveProtocolFile(data, kExample);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.refusal.messages, std::vector<std::string>{"   Файл: " + (dir_ / "missing" / "x.ztm").string() +
                                                               "\n Открыть невозможно\nNo such file or directory"});
}

TEST_F(ProtocolFile, NeverWritesOverADataFile) {
  // "my.data.dtm" would give "my.zata.dtm", itself a thickness file name.
  writeAll(dir_ / "my.zata.dtm", "DATA");
  const auto outcome = saveProtocolFile((dir_ / "my.data.dtm").string(), kExample);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(readAll(dir_ / "my.zata.dtm"), "DATA");
  EXPECT_FALSE(saveProtocolFile("", kExample).ok);
}

TEST_F(ProtocolFile, UpperCaseDataNameGetsItsOwnProtocol) {
  const std::string data = (dir_ / "X.DHN").string();
  writeAll(data, "RECORD");
  ASSERT_TRUE(saveProtocolFile(data, kExample).ok);
  EXPECT_EQ(readAll(data), "RECORD");
  EXPECT_TRUE(fs::exists(dir_ / "X.ZHN"));
  EXPECT_EQ(loadProtocolFile(data)->operatorName, "Иванов");
}

}  // namespace
