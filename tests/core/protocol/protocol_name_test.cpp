// Protocol file names: which ".d" becomes ".z", and names that must never be produced.
#include "core/protocol/protocol_name.h"

#include <gtest/gtest.h>

namespace {

using protocol::looksLikeDataFile;
using protocol::protocolFileName;

TEST(ProtocolName, FirstLowerCaseDotDOfTheFileNameBecomesDotZ) {
  EXPECT_EQ(protocolFileName("C:\\DATA\\A12.dhn"), "C:\\DATA\\A12.zhn");
  EXPECT_EQ(protocolFileName("x.dtm"), "x.ztm");
  EXPECT_EQ(protocolFileName("/home/op/run.dau"), "/home/op/run.zau");
  // Only the first occurrence changes.
  EXPECT_EQ(protocolFileName("/r/a.d1.dht"), "/r/a.z1.dht");
}

TEST(ProtocolName, DirectoriesAreNeverChanged) {
  EXPECT_EQ(protocolFileName("/data.d/x.dtm"), "/data.d/x.ztm");
  EXPECT_EQ(protocolFileName("C:\\old.dat\\A12.dhn"), "C:\\old.dat\\A12.zhn");
  EXPECT_EQ(protocolFileName("/a.dir/b.DHN"), "/a.dir/b.ZHN");
}

TEST(ProtocolName, UpperCaseExtensionGetsUpperCaseZ) {
  EXPECT_EQ(protocolFileName("X.DHN"), "X.ZHN");
  EXPECT_EQ(protocolFileName("C:\\DATA\\A12.DTM"), "C:\\DATA\\A12.ZTM");
  // A lower-case ".d" anywhere in the name wins over an earlier ".D".
  EXPECT_EQ(protocolFileName("a.Dx.dhn"), "a.Dx.zhn");
}

TEST(ProtocolName, NamesWithoutDotDNeverGiveTheDataFileItself) {
  EXPECT_EQ(protocolFileName("x.txt"), "x.txt.z");
  // ".d" at the very first character does not count.
  EXPECT_EQ(protocolFileName(".dtm"), ".dtm.z");
  for (const char* name : {"x.txt", ".dtm", "X.DHN", "x.dtm", "/d/e", "noext"}) EXPECT_NE(protocolFileName(name), name);
}

TEST(ProtocolName, DataFileExtensionsAreRecognisedInAnyCase) {
  EXPECT_TRUE(looksLikeDataFile("my.zata.dtm"));
  EXPECT_TRUE(looksLikeDataFile("A.DaU"));
  EXPECT_FALSE(looksLikeDataFile("A12.zhn"));
  EXPECT_FALSE(looksLikeDataFile("dtm"));
}

}  // namespace
