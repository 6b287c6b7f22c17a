// Reads are bounded: only regular files up to the cap are taken, a FIFO or a device is refused
// at once with the read-error message, for data files and for terv.ini alike.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/datafiles/reader.h"
#include "core/io/read_file.h"
#include "core/settings/settings.h"
#include "core/text/cp1251.h"
#include "support/disk_faults.h"
#include "support/file_builder.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ChildLimits;

// Each case runs in a child that may neither hang nor eat the machine's memory: a reader
// without bounds fails here by the time or the memory limit instead of taking the test run.
ChildLimits bounded() {
  ChildLimits l;
  l.seconds = 10;
  l.memoryBytes = std::uint64_t(1) << 30;
  return l;
}

// The refusal messages of loading name, one per line, computed in a bounded child.
std::string refusalOf(const std::string& name) {
  const auto child = testsupport::runInChild(
      [&] {
        const auto r = datafiles::loadDataFile(name);
        if (r.ok) return std::string("accepted");
        std::string all;
        for (const std::string& m : datafiles::openRefusal(r, name).messages) all += m + "|";
        return all;
      },
      bounded());
  if (!child.exited) return child.timedOut ? "timed out" : "crashed";
  return child.output;
}

class BoundedRead : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testsupport::makeTempDir("bounded"); }
  void TearDown() override { fs::remove_all(dir_); }

  // The read-error message, its reason, then the shell's closing message.
  static std::string refused(const std::string& name, const std::string& reason) {
    return "Невозможно считать данные\n" + reason + "|   Файл: \n" + name + "\n Открыть невозможно|";
  }

  std::string dir_;
};

TEST_F(BoundedRead, FifoIsRefusedWithoutWaitingForAWriter) {
  const std::string fifo = dir_ + "/SHOV.DAU";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_EQ(refusalOf(fifo), refused(fifo, "Это не обычный файл (канал, устройство или сокет)"));
}

TEST_F(BoundedRead, CharacterDeviceIsRefusedUnread) {
  // /dev/zero never ends: a reader that takes it whole grows until memory runs out.
  EXPECT_EQ(refusalOf("/dev/zero"), refused("/dev/zero", "Это не обычный файл (канал, устройство или сокет)"));
}

TEST_F(BoundedRead, FileAboveTheCapIsRefusedAndTheLargestLegalFileIsRead) {
  // The largest map the unit writes: 65535 mm in 3 layers.
  testsupport::MapLikeFields f;
  f.type = 2;
  f.channels = 3;
  f.length = 65535;
  f.body.assign(2u * 3u * 65535u, 0);
  const std::string legal = dir_ + "/BIG.DAU";
  ASSERT_TRUE(testsupport::writeBytes(legal, testsupport::buildMapLike(f)));
  ASSERT_EQ(fs::file_size(legal), datafiles::kLargestLegalFileBytes);
  const auto r = datafiles::loadDataFile(legal);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.body.size(), 2u * 3u * 65535u);

  // A sparse file one byte above the cap costs nothing on disk; it is refused unread.
  const std::string huge = dir_ + "/HUGE.DAU";
  fs::copy_file(legal, huge);
  const int fd = open(huge.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, off_t(datafiles::kMaxDataFileBytes) + 1), 0);
  close(fd);
  EXPECT_EQ(refusalOf(huge), refused(huge, "Файл больше 4 МиБ: таких файлов установка не записывает"));
}

TEST_F(BoundedRead, SettingsFromAFifoAreTheDefaultsAndAreNotWrittenIntoIt) {
  ASSERT_EQ(mkfifo((dir_ + "/terv.ini").c_str(), 0644), 0);
  const auto child = testsupport::runInChild(
      [&] {
        const settings::Settings s = settings::LoadSettings(dir_, "");
        // Nobody reads the FIFO: writing into it must fail at once, not wait.
        return s.dataDir + "|" + settings::SaveSettings(s, "/p");
      },
      bounded());
  ASSERT_TRUE(child.exited) << (child.timedOut ? "timed out" : "crashed");
  EXPECT_EQ(child.output, dir_ + "|Файл настроек не удается открыть\nNo such device or address");
}

// A file costs its size once: the body is the file's own buffer without the header, not a copy.
TEST(BoundedReadBody, IsTheFilesOwnBuffer) {
  for (std::uint8_t type : {1, 2}) {
    testsupport::MapLikeFields f;
    f.type = type;
    f.length = 1000;
    f.body.assign(4000, 7);
    testsupport::Bytes bytes = testsupport::buildMapLike(f);
    const std::uint8_t* buffer = bytes.data();
    const auto r = datafiles::loadDataBytes(type == 1 ? "a.DTM" : "a.DAU", std::move(bytes));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.file.body.size(), 4000u);
    EXPECT_EQ(r.file.body.data(), buffer) << "the body was copied (type " << int(type) << ")";
  }
}

TEST(ReadRegularFile, DirectoriesFailToOpenAndTheBufferIsExact) {
  const std::string dir = testsupport::makeTempDir("read");
  auto r = io::readRegularFile(dir, 100);
  EXPECT_EQ(r.error, io::ReadError::Open);
  EXPECT_EQ(io::errorText(r.errnum), "Is a directory");
  testsupport::writeFileBytes(dir + "/f", "12345");
  r = io::readRegularFile(dir + "/f", 5);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(std::string(r.bytes.begin(), r.bytes.end()), "12345");
  EXPECT_EQ(io::readRegularFile(dir + "/f", 4).error, io::ReadError::TooLarge);
  fs::remove_all(dir);
}

}  // namespace
