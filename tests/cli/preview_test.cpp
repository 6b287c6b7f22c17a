// tervtool preview on the bundled samples: the preview text line by line, with and without a protocol file.
#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>
#include <sstream>

#include "cli/commands.h"
#include "core/datafiles/reader.h"
#include "core/protocol/protocol_file.h"
#include "core/thickness/value_table.h"
#include "support/file_builder.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int code = 0;
  std::vector<std::string> lines;
  std::string err;
};

Outcome preview(const datafiles::LoadedFile& f) {
  std::ostringstream out, err;
  cli::Context ctx;
  ctx.nf.decimal = ",";
  ctx.out = &out;
  ctx.err = &err;
  Outcome r;
  r.code = cli::cmdPreview(ctx, f);
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) r.lines.push_back(line);
  r.err = err.str();
  return r;
}

// A sample copied into a fresh directory, so that a protocol file can lie beside it.
class TervtoolPreview : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testsupport::makeTempDir("preview_cli"); }
  void TearDown() override { fs::remove_all(dir_); }
  datafiles::LoadedFile sample(const std::string& name) {
    const std::string copy = dir_ + "/" + name;
    fs::copy_file(std::string(TERV_SOURCE_DIR) + "/samples/" + name, copy);
    auto r = datafiles::loadDataFile(copy);
    EXPECT_TRUE(r.ok);
    return r.file;
  }
  std::string dir_;
};

TEST_F(TervtoolPreview, ThicknessSampleWithItsProtocol) {
  const auto file = sample("TRUBA_01.DTM");
  protocol::ProtocolFields p;
  p.protocolNumber = "12";
  p.objectName = "Труба 3";
  p.operatorName = "Иванов";
  p.conclusion = {"Стенка в норме", "Дефектов нет"};
  ASSERT_TRUE(protocol::saveProtocolFile(file.name, p).ok);

  const Outcome r = preview(file);
  ASSERT_EQ(r.code, cli::kOk) << r.err;
  const std::size_t rows = thickness::fillAllValues(file, text::NumberFormat{",", " "}).table.rowCount();
  ASSERT_EQ(r.lines.size(), 6 + rows + 4);
  EXPECT_EQ(r.lines[0], "   Файл: " + file.name);
  EXPECT_EQ(r.lines[1], "Протокол №: 12");
  EXPECT_EQ(r.lines[2], "УИУ\"ВЕРТАН\"№ 00117 \tДата:14-03-2007 \tНачало:09:12:05 \tОкончание:09:31:40");
  EXPECT_EQ(r.lines[3], "Объект:Труба 3");
  EXPECT_EQ(r.lines[4], "Участок:Участок 4, км 12   Изделие:Труба 325x8 ст.20");
  // A load sets the threshold to the nominal thickness.
  EXPECT_EQ(r.lines[5], "Диаметр:325 мм \tТолщина обзора:8,0 мм\tБлок:2\tТемпература:-8C");
  EXPECT_EQ(r.lines[6], "Позиция мм\tДатчик1\tДатчик2\tДатчик3\tДатчик4\t");
  EXPECT_EQ(r.lines[7], "00000\t\t7,9\t\t7,9\t\t7,9\t\t7,9\t\t");
  EXPECT_EQ(r.lines[8], "00002\t\t7,9\t\t7,9\t\t7,9\t\t7,9\t\t");
  const std::size_t tail = 6 + rows;
  EXPECT_EQ(r.lines[tail], " Заключение:Стенка в норме");
  EXPECT_EQ(r.lines[tail + 1], "Дефектов нет");
  EXPECT_EQ(r.lines[tail + 2], "Проконтролировано: 3000мм.");
  EXPECT_EQ(r.lines[tail + 3], "  Дефектоскопист: Иванов");
}

TEST_F(TervtoolPreview, DefectMapSampleWithoutProtocol) {
  const auto file = sample("SHOV_12.DAU");
  const Outcome r = preview(file);
  ASSERT_EQ(r.code, cli::kOk) << r.err;
  ASSERT_GE(r.lines.size(), 9u);
  EXPECT_EQ(r.lines[1], "Протокол №: ");
  EXPECT_EQ(r.lines[2], "УИУ\"ВЕРТАН\"№ 00117 \tДата:02-11-2008 \tНачало:13:40:00 \tОкончание:13:52:31");
  EXPECT_EQ(r.lines[3], "Объект:");
  EXPECT_EQ(r.lines[4], "Шов:Шов 12 (кольцевой)   Изделие:Труба 530x10");
  EXPECT_EQ(r.lines[5], "Диаметр:530 мм \tТолщина:10,0 мм\tБлок:1\tТемпература:+18C");
  // The map's table: blocks of a position row and, per layer, a type and a size row.
  const std::size_t tableEnd = r.lines.size() - 3;
  ASSERT_GT(tableEnd, 6u) << "the map's text table is missing";
  EXPECT_EQ((tableEnd - 6) % std::size_t(2 * file.map.Layers + 1), 0u);
  EXPECT_EQ(r.lines[6].rfind("КООР:  ", 0), 0u);
  EXPECT_EQ(r.lines[tableEnd], " Заключение:");
  EXPECT_EQ(r.lines[tableEnd + 1], "Проконтролировано: 1500мм.");
  EXPECT_EQ(r.lines[tableEnd + 2], "  Дефектоскопист: ");
}

TEST_F(TervtoolPreview, FlawRecordHasNoPreview) {
  const Outcome r = preview(sample("PLAIN_01.DHN"));
  EXPECT_EQ(r.code, cli::kUsage);
  EXPECT_TRUE(r.lines.empty());
}

}  // namespace
