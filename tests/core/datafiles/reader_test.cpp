// Recognition, checksum and refusal messages of the reader, on files built from field values.
#include "core/datafiles/reader.h"

#include <gtest/gtest.h>

#include "support/file_builder.h"

namespace {

using datafiles::FileKind;
using datafiles::loadDataBytes;
using testsupport::Bytes;

Bytes thicknessFile(int headerSize = 128, std::uint16_t length = 8) {
  testsupport::MapLikeFields s;
  s.headerSize = headerSize;
  s.length = length;
  s.body = testsupport::thicknessBody({{1000, 1001, 1002, 1003}, {2000, 0xFFFF, 0xFFFE, 5}});
  return testsupport::buildMapLike(s);
}

TEST(Checksum, WorkedExample) {
  std::uint8_t h[96] = {};
  h[2] = 1;
  h[95] = 1;
  EXPECT_TRUE(datafiles::HeaderChecksumOk(h, 96, 96));
  h[95] = 2;
  EXPECT_FALSE(datafiles::HeaderChecksumOk(h, 96, 96));
  // The extension is summed too while the checksum stays at the header's last byte.
  std::uint8_t e[89] = {};
  e[2] = 3;
  e[85] = 7;
  e[79] = 10;
  EXPECT_TRUE(datafiles::HeaderChecksumOk(e, 89, 80));
}

TEST(Reader, ExtensionMustMatchTypeInOneCase) {
  const Bytes b = thicknessFile();
  EXPECT_TRUE(loadDataBytes("/d/X.DTM", b).ok);
  EXPECT_TRUE(loadDataBytes("/d/x.dtm", b).ok);
  auto r = loadDataBytes("/d/X.Dtm", b);
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.refusal.messages, std::vector<std::string>{"Ошибка расширения файла\n/d/X.Dtm"});
  r = loadDataBytes("/d/X.DAU", b);
  EXPECT_EQ(r.refusal.messages, std::vector<std::string>{"Ошибка расширения файла\n/d/X.DAU"});
  EXPECT_FALSE(loadDataBytes("/d.dtm/X", b).ok);
}

TEST(Reader, UnknownTypeAndEmptyNameRefuseSilently) {
  Bytes b = thicknessFile();
  b[2] = 5;
  auto r = loadDataBytes("a.dtm", b);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.refusal.messages.empty());
  r = loadDataBytes("", thicknessFile());
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.refusal.messages.empty());
  EXPECT_FALSE(loadDataBytes("a.dtm", Bytes{0, 0}).ok);
}

TEST(Reader, HeaderSizeByChecksumNinetySixFirst) {
  auto r = loadDataBytes("a.dtm", thicknessFile(96));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.HeaderSize, 96);
  // No calibration in the short header: 5 um per raw step.
  EXPECT_EQ(r.file.thk.VelocityFactor, 200);

  r = loadDataBytes("a.dtm", thicknessFile(128));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.HeaderSize, 128);

  Bytes bad = thicknessFile(128);
  bad[127] ^= 0x5A;
  r = loadDataBytes("a.DTM", bad);
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.refusal.messages, std::vector<std::string>{"Ошибка контрольной суммы в файле\na.DTM"});
}

TEST(Reader, ThicknessBodyIsEverythingAfterTheHeader) {
  Bytes b = thicknessFile(128, 2000);  // announces far more than is there: accepted
  b.push_back(0x77);                   // an odd byte is not read
  auto r = loadDataBytes("a.dtm", b);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.valueCount(), 8u);
  EXPECT_EQ(r.file.thk.ValuesRead, 8);
  EXPECT_EQ(r.file.value(0), 1000);
  EXPECT_EQ(r.file.value(5), 0xFFFF);
  EXPECT_EQ(r.file.ExpectedSize, 2u * 4 * 1000 + 128);
}

TEST(Reader, DefectMapLayoutAndByteCount) {
  testsupport::MapLikeFields s;
  s.type = 2;
  s.channels = 3;
  s.length = 1000;
  s.body.assign(6000 + 70000, 0);  // more than announced: accepted, count kept in 16 bits
  s.body[64] = 9;
  auto r = loadDataBytes("w.DAU", testsupport::buildMapLike(s));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.kind, FileKind::Dau);
  EXPECT_EQ(r.file.map.Layers, 3);
  EXPECT_EQ(r.file.map.Weld, "Участок 1");
  EXPECT_EQ(r.file.body.size(), 76000u);
  EXPECT_EQ(r.file.map.BytesRead, std::uint16_t(76000));
  // Millimetre 10, layer 2: offset 2 x (3 x 10 + 2) = 64.
  EXPECT_EQ(r.file.body[2 * (3 * 10 + 2)], 9);
}

TEST(Reader, TextFieldsAndOption) {
  testsupport::MapLikeFields s;
  s.section = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // exactly 32, no zero byte
  s.product = "Изделие";
  s.optionFlag = 0;
  s.option = 9;
  auto r = loadDataBytes("a.dtm", testsupport::buildMapLike(s));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.file.thk.Section, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
  EXPECT_EQ(r.file.thk.Product, "Изделие");
  EXPECT_EQ(r.file.thk.Option, 0);
  s.optionFlag = 1;
  EXPECT_EQ(loadDataBytes("a.dtm", testsupport::buildMapLike(s)).file.thk.Option, 9);
}

TEST(Reader, TemperatureByte) {
  EXPECT_EQ(datafiles::Temperature(0x05), 5);
  EXPECT_EQ(datafiles::Temperature(0xFA), -5);
  EXPECT_EQ(datafiles::Temperature(0x80), -127);
  EXPECT_EQ(datafiles::Temperature(0xFF), 0);
}

TEST(Reader, TruncatedHeaderIsALengthError) {
  Bytes b = thicknessFile();
  b.resize(50);
  auto r = loadDataBytes("a.dtm", b);
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.refusal.messages, std::vector<std::string>{"Ошибка длины файла \na.dtm"});
}

TEST(Reader, MissingFileMessage) {
  auto r = datafiles::loadDataFile("/nonexistent/dir/a.dtm");
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.refusal.messages, std::vector<std::string>{"   Файл: \n/nonexistent/dir/a.dtm\n Открыть невозможно"});
}

}  // namespace
