// The user's saves under disk faults: the protocol and terv.ini keep their old bytes, and the
// message is the specified one with the system's reason beneath.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "core/protocol/protocol_file.h"
#include "core/settings/settings.h"
#include "core/text/cp1251.h"
#include "support/disk_faults.h"
#include "support/file_builder.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ChildLimits;
using testsupport::directoryNames;
using testsupport::readFileBytes;
using testsupport::writeFileBytes;

// One write path: where it writes in a directory, and a save that answers "" or its message.
struct SavePath {
  std::string name;
  std::function<std::string(const std::string& dir)> target;
  std::function<std::string(const std::string& dir)> save;
  std::function<std::string(const std::string& target)> message;  // the specified text
};

// Names the case in gtest's messages instead of a dump of its bytes.
void PrintTo(const SavePath& p, std::ostream* os) { *os << p.name; }

const protocol::ProtocolFields kFields{"12", "Труба 3", "Иванов", {"Стенка в норме"}};

const SavePath kProtocol{"Protocol", [](const std::string& dir) { return dir + "/A12.zhn"; },
                         [](const std::string& dir) {
                           const auto out = protocol::saveProtocolFile(dir + "/A12.dhn", kFields);
                           return out.ok ? std::string() : out.refusal.messages.at(0);
                         },
                         [](const std::string& target) { return "   Файл: " + target + "\n Открыть невозможно"; }};

const SavePath kSettings{"Settings", [](const std::string& dir) { return dir + "/terv.ini"; },
                         [](const std::string& dir) {
                           return settings::SaveSettings(settings::SetDefaultSettings(dir), "/opt/terv/tervview");
                         },
                         [](const std::string&) { return std::string("Файл настроек не удается открыть"); }};

const std::string kOld = text::utf8ToCp1251("[Files]\r\nDataDir=старый\r\n");

class SaveUnderFault : public ::testing::TestWithParam<SavePath> {
 protected:
  void SetUp() override { dir_ = testsupport::makeTempDir("save-fault"); }
  void TearDown() override { fs::remove_all(dir_); }

  // The save failed with the specified message and reason, and left the directory as it was.
  void expectRefusedAndIntact(const std::string& dir, const std::string& message, const std::string& reason,
                              const std::vector<std::string>& names) {
    const SavePath& p = GetParam();
    EXPECT_EQ(message, p.message(p.target(dir)) + "\n" + reason);
    EXPECT_EQ(readFileBytes(p.target(dir)), kOld);
    EXPECT_EQ(directoryNames(dir), names) << "a temporary file was left behind";
  }

  std::string dir_;
};

TEST_P(SaveUnderFault, FullDevice) {
  testsupport::FullDevice device;
  if (!device.available()) GTEST_SKIP() << device.why();
  const SavePath& p = GetParam();
  writeFileBytes(p.target(device.dir()), kOld);
  device.fill();
  const std::vector<std::string> before = directoryNames(device.dir());  // the old file and the filler
  expectRefusedAndIntact(device.dir(), p.save(device.dir()), "No space left on device", before);
}

TEST_P(SaveUnderFault, FileSizeLimit) {
  const SavePath& p = GetParam();
  writeFileBytes(p.target(dir_), kOld);
  ChildLimits limits;
  limits.fileSizeBytes = 8;
  const auto child = testsupport::runInChild([&] { return p.save(dir_); }, limits);
  ASSERT_TRUE(child.exited) << "the save did not survive the file-size limit";
  expectRefusedAndIntact(dir_, child.output, "File too large", {fs::path(p.target(dir_)).filename().string()});
}

TEST_P(SaveUnderFault, ReadOnlyTargetIsNotReplaced) {
  const SavePath& p = GetParam();
  writeFileBytes(p.target(dir_), kOld);
  fs::permissions(p.target(dir_), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  expectRefusedAndIntact(dir_, p.save(dir_), "Permission denied", {fs::path(p.target(dir_)).filename().string()});
}

TEST_P(SaveUnderFault, MissingDirectoryAndFileAsParent) {
  const SavePath& p = GetParam();
  const std::string missing = dir_ + "/missing";
  EXPECT_EQ(p.save(missing), p.message(p.target(missing)) + "\nNo such file or directory");
  writeFileBytes(dir_ + "/plain", "x");
  const std::string notDir = dir_ + "/plain";
  EXPECT_EQ(p.save(notDir), p.message(p.target(notDir)) + "\nNot a directory");
  EXPECT_EQ(directoryNames(dir_), std::vector<std::string>{"plain"});
}

TEST_P(SaveUnderFault, SuccessReplacesTheFileAndKeepsItsRights) {
  const SavePath& p = GetParam();
  writeFileBytes(p.target(dir_), kOld);
  fs::permissions(p.target(dir_), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(p.save(dir_), "");
  EXPECT_NE(readFileBytes(p.target(dir_)), kOld);
  EXPECT_EQ(fs::status(p.target(dir_)).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(directoryNames(dir_).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Saves, SaveUnderFault, ::testing::Values(kProtocol, kSettings),
                         [](const auto& info) { return info.param.name; });

// A name at the limit is legal: the temporary name must fit too (it is shortened, not the
// target's name plus a suffix).
TEST(SaveLongName, ProtocolBesideADataFileOf255Bytes) {
  const std::string dir = testsupport::makeTempDir("long-name");
  const std::string stem(251, 'a');
  const std::string data = dir + "/" + stem + ".dhn";
  const auto saved = protocol::saveProtocolFile(data, kFields);
  ASSERT_TRUE(saved.ok) << saved.refusal.messages.at(0);
  EXPECT_EQ(saved.protocolName, dir + "/" + stem + ".zhn");
  EXPECT_EQ(protocol::loadProtocolFile(data)->objectName, "Труба 3");
  ASSERT_TRUE(protocol::saveProtocolFile(data, kFields).ok);  // and replacing it
  EXPECT_EQ(directoryNames(dir), std::vector<std::string>{stem + ".zhn"});

  // One byte more is no legal name: refused with the system's words.
  const auto tooLong = protocol::saveProtocolFile(dir + "/" + stem + "a.dhn", kFields);
  ASSERT_FALSE(tooLong.ok);
  EXPECT_EQ(tooLong.refusal.messages.at(0),
            "   Файл: " + dir + "/" + stem + "a.zhn\n Открыть невозможно\nFile name too long");
  fs::remove_all(dir);
}

}  // namespace
