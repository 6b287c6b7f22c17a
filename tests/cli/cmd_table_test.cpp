// tervtool table: the all-values table, the threshold table and rejected thresholds.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "core/datafiles/reader.h"
#include "support/file_builder.h"

namespace {

struct TableRun {
  int code = 0;
  std::string out, err;
};

// N = 120 (12.0 mm), length 7: 3 positions; factor 200 makes a raw value 5 um.
datafiles::LoadedFile sampleFile() {
  testsupport::MapLikeFields fields;
  fields.nominal = 120;
  fields.length = 7;
  fields.body = testsupport::thicknessBody(
      {{2208, 0xFFFF, 0xFFFE, 2092}, {1900, 1960, 2000, 0xFFFF}, {100, 0xFFFF, 0xFFFF, 0xFFFF}});
  auto r = datafiles::loadDataBytes("T.DTM", testsupport::buildMapLike(fields));
  EXPECT_TRUE(r.ok);
  return r.file;
}

TableRun runTable(const datafiles::LoadedFile& f, std::vector<std::string> args, std::string decimal = ",") {
  std::ostringstream out, err;
  cli::Context ctx;
  ctx.nf.decimal = decimal;
  ctx.out = &out;
  ctx.err = &err;
  TableRun r;
  r.code = cli::cmdTable(ctx, f, args);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace

TEST(TervtoolTable, AllValuesTabSeparatedHeaderFirst) {
  const auto f = sampleFile();
  TableRun r = runTable(f, {});
  EXPECT_EQ(r.code, cli::kOk);
  EXPECT_EQ(r.out,
            "Позиция мм\tДатчик1\tДатчик2\tДатчик3\tДатчик4\tMin.толщина\tMax.толщина\n"
            "00000\t11,0\t--\tXX\t10,4\t10,4\t11,0\n"
            "00002\t9,5\t9,8\t10,0\t--\t9,5\t10,0\n"
            "00004\t0,5\t--\t--\t--\t,5\t,5\n");
  r = runTable(f, {}, ".");
  EXPECT_NE(r.out.find("00002\t9.5\t9.8\t10.0\t--\t9.5\t10.0\n"), std::string::npos);
}

TEST(TervtoolTable, ThresholdTable) {
  const auto f = sampleFile();
  TableRun r = runTable(f, {"--threshold", "9,5"});
  EXPECT_EQ(r.code, cli::kOk);
  EXPECT_EQ(r.out,
            "Позиция мм\tДатчик1\tДатчик2\tДатчик3\tДатчик4\tMin.толщина\tMax.толщина\n"
            "00002\t9,5\t9,8\t10,0\t--\t9,5\t10,0\n"
            "00004\t0,5\t--\t--\t--\t0,5\t0,5\n");
  // Nothing at or below 0.4 mm: the no-result form.
  r = runTable(f, {"--threshold", "0,4"});
  EXPECT_EQ(r.code, cli::kOk);
  EXPECT_EQ(r.out,
            "\t\t\t\t\t\t\n\t\t\t\t\t\t\n\t\t\t\t\t\t\n\t\t\t\t\t\t\n"
            "\tТОЛЩИНЫ\t НИЖЕ  \t ПОРОГА\t  НЕТ  \t\t\n");
}

TEST(TervtoolTable, RejectedThresholdsAndUsage) {
  const auto f = sampleFile();
  for (const char* v : {"12,0", "6553,6", "99999"}) {
    TableRun r = runTable(f, {"--threshold", v});
    EXPECT_EQ(r.code, cli::kUsage) << v;
    EXPECT_EQ(r.out, "") << v;
    EXPECT_EQ(r.err, "Пороговая толщина должна быть меньше номинальной\n") << v;
  }
  TableRun r = runTable(f, {"--threshold", "abc"});
  EXPECT_EQ(r.code, cli::kUsage);
  EXPECT_EQ(r.err, "Пороговую толщину нужно ввести числом, например 9,5\n");
  EXPECT_EQ(runTable(f, {"--threshold"}).code, cli::kUsage);
  EXPECT_EQ(runTable(f, {"--bogus"}).code, cli::kUsage);

  datafiles::LoadedFile map;
  map.kind = datafiles::FileKind::Dau;
  EXPECT_EQ(runTable(map, {}).code, cli::kUsage);
}
