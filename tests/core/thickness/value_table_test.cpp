// The all-values and threshold tables: row counts, cells, extremes, the search and the no-result form.
#include "core/thickness/value_table.h"

#include <gtest/gtest.h>

#include "core/text/messages.h"
#include "dtm_fixture.h"

using namespace thickness;
using thicknesstest::makeDtm;
using thicknesstest::Raw;

namespace {

std::vector<Raw> samples(std::size_t n, Raw each) { return std::vector<Raw>(n, each); }

}  // namespace

TEST(ThicknessAllValues, RowCountsFollowValuesAndLength) {
  text::NumberFormat nf;
  // W = 400, L = 200: 100 rows, samples 0 .. 98 at positions 0 .. 196.
  auto even = fillAllValues(makeDtm(100, 200, samples(100, {5000, 5000, 5000, 5000})), nf);
  ASSERT_EQ(even.table.rowCount(), 100u);
  EXPECT_EQ(even.table.cell(1, 0), "00000");
  EXPECT_EQ(even.table.cell(99, 0), "00196");
  // W = 400, L = 201: 101 rows, the last at 198.
  auto odd = fillAllValues(makeDtm(100, 201, samples(100, {5000, 5000, 5000, 5000})), nf);
  ASSERT_EQ(odd.table.rowCount(), 101u);
  EXPECT_EQ(odd.table.cell(100, 0), "00198");
  // W < 8, even L: no data row and no extremes.
  auto none = fillAllValues(makeDtm(100, 2, samples(1, {5000, 5000, 5000, 5000})), nf);
  EXPECT_EQ(none.table.rowCount(), 1u);
  EXPECT_EQ(none.extremes, (ThkExtremes{0.0f, 0.0f}));
}

TEST(ThicknessAllValues, HeadersCellsAndExtremes) {
  text::NumberFormat nf;
  auto all = fillAllValues(
      makeDtm(200, 5, {{11040, 65535, 65534, 10460}, {65535, 65534, 65535, 65534}, {0, 20001, 500, 65535}}), nf);
  const ValueTable& t = all.table;
  ASSERT_EQ(t.rowCount(), 4u);
  EXPECT_EQ(t.fixedRowColor(), gfx::sys::kInfoBk);
  EXPECT_EQ(t.cell(0, 0), "Позиция мм");
  EXPECT_EQ(t.cell(0, 1), "Датчик1");
  EXPECT_EQ(t.cell(0, 4), "Датчик4");
  EXPECT_EQ(t.cell(0, 5), "Min.толщина");
  EXPECT_EQ(t.cell(0, 6), "Max.толщина");
  // 11 040, 65535, 65534, 10 460 um.
  EXPECT_EQ(t.cell(1, 1), "11,0");
  EXPECT_EQ(t.cell(1, 2), "--");
  EXPECT_EQ(t.cell(1, 3), "XX");
  EXPECT_EQ(t.cell(1, 4), "10,4");
  EXPECT_EQ(t.cell(1, 5), "10,4");
  EXPECT_EQ(t.cell(1, 6), "11,0");
  // All markers: no extremes.
  EXPECT_EQ(t.cell(2, 5), "--");
  EXPECT_EQ(t.cell(2, 6), "--");
  // 0.5 mm without a leading zero here; the excess shows "--" and is left out; the
  // leading 0 um does not survive the 500 um behind it.
  EXPECT_EQ(t.cell(3, 1), "0,0");
  EXPECT_EQ(t.cell(3, 2), "--");
  EXPECT_EQ(t.cell(3, 3), "0,5");
  EXPECT_EQ(t.cell(3, 5), ",5");
  EXPECT_EQ(t.cell(3, 6), ",5");
  EXPECT_FLOAT_EQ(all.extremes[0], 11.04f);
  EXPECT_FLOAT_EQ(all.extremes[1], 0.5f);
  // Outside the table: nothing.
  EXPECT_EQ(t.cell(4, 0), "");
  EXPECT_EQ(t.cell(1, 7), "");
}

TEST(ThicknessAllValues, ZeroReadingsGiveNoExtremes) {
  text::NumberFormat nf;
  auto all = fillAllValues(makeDtm(100, 9, samples(4, {0, 0, 65535, 0})), nf);
  EXPECT_EQ(all.extremes, (ThkExtremes{0.0f, 0.0f}));
  EXPECT_EQ(all.table.cell(1, 5), "--");
}

TEST(ThicknessAllValues, ShortBodyIsNeverReadPast) {
  text::NumberFormat nf;
  auto f = makeDtm(100, 65535, samples(3, {5000, 5000, 5000, 5000}));
  f.body.resize(f.body.size() - 3);  // the last sample is cut: W = 10
  auto all = fillAllValues(f, nf);
  // (10 div 4) + 1 rows: samples 0 and 1, both whole.
  ASSERT_EQ(all.table.rowCount(), 3u);
  EXPECT_EQ(all.table.cell(2, 1), "5,0");
  EXPECT_TRUE(thresholdSearch(f, 100, 60) == (std::vector<std::uint16_t>{0, 1}));
}

TEST(ThicknessAllValues, LargestLegalFileHasAllItsRows) {
  text::NumberFormat nf;
  auto all = fillAllValues(makeDtm(100, 65535, samples(32767, {5000, 6000, 65535, 7000})), nf);
  ASSERT_EQ(all.table.rowCount(), 32768u);
  EXPECT_EQ(all.table.cell(32767, 0), "65532");
  EXPECT_EQ(all.table.cell(32767, 6), "7,0");
}

TEST(ThicknessThreshold, SearchRules) {
  auto f = makeDtm(100, 11,
                   {
                       {9999, 65535, 65535, 65535},   // 99.99 -> 99: listed at 99
                       {65535, 65534, 65535, 65534},  // markers only: never listed
                       {10000, 12000, 65534, 10000},  // 100: not at or below 99
                       {12000, 9900, 65535, 65535},   // second sensor 99: listed
                       {65534, 65535, 65535, 0},      // 0 after markers: listed
                   });
  EXPECT_TRUE(thresholdSearch(f, 5, 99) == (std::vector<std::uint16_t>{0, 3, 4}));
  EXPECT_TRUE(thresholdSearch(f, 5, 98) == (std::vector<std::uint16_t>{4}));
  // Only the samples asked for are scanned.
  EXPECT_TRUE(thresholdSearch(f, 3, 99) == (std::vector<std::uint16_t>{0}));
  // Readings above the nominal are not excluded.
  EXPECT_TRUE(thresholdSearch(f, 5, 120) == (std::vector<std::uint16_t>{0, 2, 3, 4}));
  EXPECT_TRUE(thresholdSearch(f, 0, 120).empty());
}

TEST(ThicknessThreshold, ReadingsAreCutTo16BitsTenths) {
  auto f = makeDtm(100, 3, {{0, 0, 0, 0}});
  f.thk.VelocityFactor = 40000;                               // r = 1000 x raw um
  f.body = {0x42, 0x1A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};  // raw 6722 -> 6 722 000 um -> 67220 tenths -> 1684
  EXPECT_TRUE(thresholdSearch(f, 1, 1684) == (std::vector<std::uint16_t>{0}));
  EXPECT_TRUE(thresholdSearch(f, 1, 1683).empty());
}

TEST(ThicknessThreshold, TableAndNoResultForm) {
  text::NumberFormat nf;
  auto f = makeDtm(100, 11, {{500, 65535, 65535, 65535}, {9000, 9000, 9000, 9000}, {300, 12000, 65534, 65535}});
  ValueTable t = fillThreshold(f, {0, 2}, nf);
  EXPECT_EQ(t.form(), TableForm::Threshold);
  ASSERT_EQ(t.rowCount(), 3u);
  EXPECT_EQ(t.fixedRowColor(), gfx::sys::kInfoBk);
  EXPECT_EQ(t.cell(0, 0), "Позиция мм");
  EXPECT_EQ(t.cell(1, 0), "00000");
  EXPECT_EQ(t.cell(2, 0), "00004");
  // The threshold table shows 0.5 mm with its leading zero.
  EXPECT_EQ(t.cell(1, 5), "0,5");
  EXPECT_EQ(t.cell(1, 6), "0,5");
  EXPECT_EQ(t.cell(2, 2), "--");
  EXPECT_EQ(t.cell(2, 3), "XX");
  EXPECT_EQ(t.cell(2, 6), "0,3");

  ValueTable none = fillThreshold(f, {}, nf);
  EXPECT_TRUE(none.noResult());
  ASSERT_EQ(none.rowCount(), 5u);
  EXPECT_EQ(none.fixedRowColor(), kInactiveCaptionText);
  for (std::size_t r = 0; r < 4; ++r)
    for (int c = 0; c < 7; ++c) EXPECT_EQ(none.cell(r, c), "") << r << "," << c;
  EXPECT_EQ(none.cell(4, 0), "");
  EXPECT_EQ(none.cell(4, 1), "ТОЛЩИНЫ");
  EXPECT_EQ(none.cell(4, 2), " НИЖЕ  ");
  EXPECT_EQ(none.cell(4, 3), " ПОРОГА");
  EXPECT_EQ(none.cell(4, 4), "  НЕТ  ");
  EXPECT_EQ(none.cell(4, 5), "");
  EXPECT_EQ(none.cell(4, 6), "");
}
