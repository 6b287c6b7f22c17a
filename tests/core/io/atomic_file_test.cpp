// The staged replacement of a file: temporary names within the limit, concurrent writers,
// targets that are not regular files, links, abandoned writes.
#include "core/io/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <thread>

#include "support/disk_faults.h"
#include "support/file_builder.h"
#include "support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;
using testsupport::directoryNames;
using testsupport::readFileBytes;
using testsupport::writeFileBytes;

class StagedFileTest : public testsupport::TempDirTest<> {
 protected:
  StagedFileTest() : TempDirTest("staged") {}
};

TEST(TemporaryName, StaysWithinTheNameLimitWithoutCuttingACharacter) {
  EXPECT_EQ(io::temporaryName("x.ztm", 0xBEEF), "x.ztm.~0000beef");
  const std::string longest(255, 'a');
  const std::string t = io::temporaryName(longest, 1);
  EXPECT_EQ(t.size(), 255u);
  EXPECT_EQ(t, std::string(245, 'a') + ".~00000001");
  // Cyrillic letters are two bytes: a cut in the middle of one would leave invalid UTF-8.
  std::string cyrillic;
  for (int i = 0; i < 125; ++i) cyrillic += "ж";
  cyrillic += "12345";  // 255 bytes
  const std::string c = io::temporaryName(cyrillic, 2);
  EXPECT_LE(c.size(), 255u);
  EXPECT_EQ(c.substr(0, c.size() - 10).size() % 2, 0u);
  EXPECT_EQ(c.substr(c.size() - 10), ".~00000002");
}

// Two writers of one file at once (two prints to the same PDF) each write a file of their
// own; the target is always one of them whole, never a mix.
TEST_F(StagedFileTest, ConcurrentWritersNeverShareATemporaryFile) {
  const std::string target = dir_ + "/out.pdf";
  const std::string a(100000, 'A');
  const std::string b(50000, 'B');
  io::StagedFile first(target);
  io::StagedFile second(target);
  ASSERT_TRUE(first.ok() && second.ok());
  EXPECT_NE(first.writePath(), second.writePath());
  std::thread ta([&] { first.write(a); });
  std::thread tb([&] { second.write(b); });
  ta.join();
  tb.join();
  ASSERT_TRUE(second.commit(io::Durability::Flush).ok);
  EXPECT_EQ(readFileBytes(target), b);
  ASSERT_TRUE(first.commit(io::Durability::Flush).ok);
  EXPECT_EQ(readFileBytes(target), a);
  EXPECT_EQ(directoryNames(dir_), std::vector<std::string>{"out.pdf"});
}

TEST_F(StagedFileTest, AbandonedWriteLeavesTheOldFileAndNoTrace) {
  const std::string target = dir_ + "/t.csv";
  writeFileBytes(target, "old");
  {
    io::StagedFile staged(target);
    ASSERT_TRUE(staged.write("new and longer"));
    staged.fail("the encoder gave up");
    const io::WriteResult r = staged.commit(io::Durability::Sync);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "the encoder gave up");
  }
  {
    io::StagedFile never(target);
    never.write("x");
  }
  EXPECT_EQ(readFileBytes(target), "old");
  EXPECT_EQ(directoryNames(dir_), std::vector<std::string>{"t.csv"});
}

TEST_F(StagedFileTest, TargetsThatAreNotRegularFilesAreWrittenDirectly) {
  io::StagedFile null("/dev/null");
  ASSERT_TRUE(null.ok());
  EXPECT_TRUE(null.direct());
  EXPECT_TRUE(null.write("discarded"));
  EXPECT_TRUE(null.commit(io::Durability::Sync).ok);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  // A FIFO with a reader gets the bytes; the FIFO stays a FIFO.
  const std::string fifo = dir_ + "/pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(io::writeFileAtomic(fifo, "through").ok);
  char buf[16] = {};
  EXPECT_EQ(read(reader, buf, sizeof buf), 7);
  EXPECT_EQ(std::string(buf), "through");
  close(reader);
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(directoryNames(dir_), std::vector<std::string>{"pipe"});
}

TEST_F(StagedFileTest, LinkStaysALinkAndItsFileIsReplaced) {
  fs::create_directory(dir_ + "/real");
  writeFileBytes(dir_ + "/real/terv.ini", "old");
  fs::create_symlink("real/terv.ini", dir_ + "/terv.ini");
  ASSERT_TRUE(io::writeFileAtomic(dir_ + "/terv.ini", "new", io::Durability::Sync).ok);
  EXPECT_TRUE(fs::is_symlink(dir_ + "/terv.ini"));
  EXPECT_EQ(readFileBytes(dir_ + "/real/terv.ini"), "new");
  EXPECT_EQ(directoryNames(dir_ + "/real"), std::vector<std::string>{"terv.ini"});
}

TEST_F(StagedFileTest, DirectoryIsNeverReplaced) {
  fs::create_directory(dir_ + "/out.csv");
  const io::WriteResult r = io::writeFileAtomic(dir_ + "/out.csv", "x");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, "Is a directory");
  EXPECT_TRUE(fs::is_directory(dir_ + "/out.csv"));
}

}  // namespace
