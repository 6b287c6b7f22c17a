// Campaign summary rows: figures of each kind, the order by date, refused files, and the printed pages.
#include <gtest/gtest.h>

#include "core/analysis/campaign_summary.h"
#include "core/gfx/recording_printer.h"
#include "core/printing/summary_print.h"
#include "support/file_builder.h"

namespace {

analysis::SummaryRow rowOf(const std::string& name, const testsupport::Bytes& bytes) {
  return analysis::summaryRow(name, datafiles::loadDataBytes(name, bytes));
}

std::vector<analysis::SummaryRow> campaign() {
  testsupport::MapLikeFields thk;
  thk.year = 9;
  thk.velocityFactor = 40;
  thk.length = 4;
  thk.nominal = 100;
  thk.body = testsupport::thicknessBody({{9000, 9000, 9000, 9000}, {9000, 7000, 0xFFFF, 9000}});
  testsupport::MapLikeFields map;
  map.type = 2;
  map.year = 8;
  map.channels = 1;
  map.length = 4;
  map.body = testsupport::mapBody({{2, 0}, {3, 0}, {0, 0}, {1, 3}});
  testsupport::FlawFields flaw;
  flaw.year = 8;
  flaw.month = 1;
  testsupport::Bytes broken = testsupport::buildFlaw(flaw);
  broken[20] ^= 1;
  std::vector<analysis::SummaryRow> rows{rowOf("b.DTM", testsupport::buildMapLike(thk)), rowOf("x.DHN", broken),
                                         rowOf("a.DAU", testsupport::buildMapLike(map)),
                                         rowOf("f.DHN", testsupport::buildFlaw(flaw))};
  analysis::sortByDate(rows);
  return rows;
}

TEST(CampaignSummary, RowsByDateWithRefusalsLast) {
  const auto rows = campaign();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].name, "f.DHN");  // 2008-01
  EXPECT_EQ(rows[1].name, "a.DAU");  // 2008-06
  EXPECT_EQ(rows[2].name, "b.DTM");  // 2009
  EXPECT_TRUE(rows[3].refused);
  EXPECT_NE(rows[3].refusal.find("x.DHN"), std::string::npos);
  EXPECT_EQ(rows[3].refusal.find('\n'), std::string::npos);

  const analysis::TextTable t = analysis::summaryTable(rows, {",", " "});
  EXPECT_EQ(t.rows[1][10], "1");  // mm 0-1 is one volumetric run, sizes aside
  EXPECT_EQ(t.rows[1][13], "1");
  EXPECT_EQ(t.rows[2][7], "7,0");
  EXPECT_EQ(t.rows[2][8], "2");
  EXPECT_EQ(t.rows[2][9], "50,0");
  EXPECT_EQ(t.rows[3][1], "");
  EXPECT_EQ(t.rows[3].back(), rows[3].refusal);
}

TEST(CampaignSummary, FiftyFilesAPage) {
  std::vector<analysis::SummaryRow> rows = campaign();
  gfx::RecordingPrinter one(4960, 7016);
  EXPECT_EQ(printing::printSummary(one, rows, {",", " "}), printing::PrintStatus::Printed);
  EXPECT_EQ(one.pages().size(), 1u);
  while (rows.size() < 51) rows.push_back(rows[0]);
  gfx::RecordingPrinter two(4960, 7016);
  EXPECT_EQ(printing::printSummary(two, rows, {",", " "}), printing::PrintStatus::Printed);
  EXPECT_EQ(two.pages().size(), 2u);
}

}  // namespace
