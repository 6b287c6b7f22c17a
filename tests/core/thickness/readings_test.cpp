// Reading classes, deviation colours, the chart value rule, display rounding and extremes.
#include "core/thickness/readings.h"

#include <gtest/gtest.h>

#include "dtm_fixture.h"

using namespace thickness;

TEST(ThicknessClasses, MarkersAndNominalBoundary) {
  EXPECT_EQ(classify(65535, 100), ReadingClass::ContactLost);
  EXPECT_EQ(classify(65534, 100), ReadingClass::SpeedExceeded);
  // t = N is valid, 1 um above it is an excess.
  EXPECT_EQ(classify(10000, 100), ReadingClass::Valid);
  EXPECT_EQ(classify(10001, 100), ReadingClass::ThicknessExceeded);
  EXPECT_EQ(classify(0, 100), ReadingClass::Valid);
  // A marker value is a marker even when it lies below the nominal's micrometres.
  EXPECT_EQ(classify(65535, 60000), ReadingClass::ContactLost);
  // A huge reading against the largest nominal.
  EXPECT_EQ(classify(6553500, 65535), ReadingClass::Valid);
  EXPECT_EQ(classify(6553501, 65535), ReadingClass::ThicknessExceeded);
  EXPECT_EQ(classColor(ReadingClass::ThicknessExceeded), 0x808080u);
  EXPECT_EQ(classColor(ReadingClass::SpeedExceeded), 0x008080u);
  EXPECT_EQ(classColor(ReadingClass::ContactLost), 0x000000u);
}

TEST(ThicknessDeviationColor, WorkedCases) {
  // At the nominal: the lightest green.
  EXPECT_EQ(deviationColor(tenths(10000), 100), 0xDFFFDFu);
  // N = 100, t = 80: d = 20, band 19.8, step 1.98: row 1, column 0.
  EXPECT_EQ(deviationColor(tenths(8000), 100), 0xFFFFE8u);
  // t = 0 and t below 0.1 (under 10 um) both land in row 4, column 9.
  EXPECT_EQ(deviationColor(tenths(0), 100), 0x800080u);
  EXPECT_EQ(deviationColor(tenths(9), 100), 0x800080u);
  // Thinned by more than 80 %: row 4, column by the 2 % steps, capped at 9.
  EXPECT_EQ(deviationColor(tenths(1500), 100), DeviationColors[4][2]);
  // Half the nominal: 50 / 1.98 = 25.25 -> row 2, column 5.
  EXPECT_EQ(deviationColor(tenths(5000), 100), DeviationColors[2][5]);
}

TEST(ThicknessDeviationColor, NominalOfOneOrLessHasNoScale) {
  EXPECT_EQ(deviationColor(tenths(100), 1), 0x800080u);
  EXPECT_EQ(deviationColor(tenths(0), 1), 0x800080u);
  EXPECT_EQ(deviationColor(tenths(0), 0), 0x800080u);
  // N = 2: band 0.2, every reading still gets a colour of the table.
  EXPECT_EQ(deviationColor(tenths(200), 2), DeviationColors[0][0]);
  EXPECT_EQ(deviationColor(tenths(100), 2), DeviationColors[4][9]);
}

TEST(ThicknessChartValue, RunningValuePerSensor) {
  ChartRunningValue p(100);
  // Contact lost before any valid reading plots 0 in black.
  ChartValue v = p.next(65535);
  EXPECT_DOUBLE_EQ(v.mm, 0.0);
  EXPECT_EQ(v.color, 0x000000u);
  v = p.next(8000);
  EXPECT_NEAR(v.mm, 8.0, 1e-6);
  EXPECT_EQ(v.color, 0xFFFFE8u);
  // Markers and excesses repeat the last valid value in their class colour.
  v = p.next(65534);
  EXPECT_NEAR(v.mm, 8.0, 1e-6);
  EXPECT_EQ(v.color, 0x008080u);
  v = p.next(10001);
  EXPECT_NEAR(v.mm, 8.0, 1e-6);
  EXPECT_EQ(v.color, 0x808080u);
  EXPECT_EQ(v.cls, ReadingClass::ThicknessExceeded);
  v = p.next(0);
  EXPECT_DOUBLE_EQ(v.mm, 0.0);
  EXPECT_EQ(v.color, 0x800080u);
}

TEST(ThicknessDisplay, RemainderRuleThenPattern) {
  text::NumberFormat nf;
  EXPECT_EQ(displayedMicrometres(10460), 10400u);
  EXPECT_EQ(displayedMicrometres(10450), 10450u);
  EXPECT_EQ(displayedMicrometres(10451), 10400u);
  EXPECT_EQ(displayedThickness(10460, nf), "10,4");
  EXPECT_EQ(displayedThickness(10440, nf), "10,4");
  // 50 um beyond is kept and rounds up on formatting.
  EXPECT_EQ(displayedThickness(10450, nf), "10,5");
  EXPECT_EQ(displayedThickness(500, nf), "0,5");
  EXPECT_EQ(displayedThickness(0, nf), "0,0");
  nf.decimal = ".";
  EXPECT_EQ(displayedThickness(11040, nf), "11.0");
  EXPECT_EQ(readingCell(65535, 100, nf), "--");
  EXPECT_EQ(readingCell(65534, 100, nf), "XX");
  EXPECT_EQ(readingCell(10001, 100, nf), "--");
  EXPECT_EQ(readingCell(10000, 100, nf), "10.0");
}

TEST(ThicknessExtremes, ZeroMeansNone) {
  // Valid readings only, with the lowered values.
  RowExtremes e = rowExtremes({11040, 65535, 65534, 10460}, 200);
  EXPECT_EQ(e.min, 10400u);
  EXPECT_EQ(e.max, 11040u);
  // A 0 um reading never survives when another valid reading follows.
  e = rowExtremes({0, 5000, 65535, 65535}, 100);
  EXPECT_EQ(e.min, 5000u);
  EXPECT_EQ(e.max, 5000u);
  // A reading above the nominal takes no part.
  e = rowExtremes({12000, 9000, 65535, 65535}, 100);
  EXPECT_EQ(e.min, 9000u);
  EXPECT_EQ(e.max, 9000u);
  e = rowExtremes({65535, 65534, 65535, 65534}, 100);
  EXPECT_EQ(e.min, 0u);
  EXPECT_EQ(e.max, 0u);

  OverallExtremes all;
  all.add({0, 0});
  all.add({9000, 9500});
  all.add({0, 0});
  all.add({8000, 9100});
  ThkExtremes x = all.result();
  EXPECT_FLOAT_EQ(x[0], 9.5f);
  EXPECT_FLOAT_EQ(x[1], 8.0f);
  EXPECT_EQ(OverallExtremes().result(), (ThkExtremes{0.0f, 0.0f}));
}

TEST(ThicknessSampleCounts, RowCountRule) {
  EXPECT_EQ(tableRowCount(400, 200), 100u);
  EXPECT_EQ(tableRowCount(400, 201), 101u);
  // At least one row.
  EXPECT_EQ(tableRowCount(7, 200), 1u);
  EXPECT_EQ(tableRowCount(0, 0), 1u);
  EXPECT_EQ(tableRowCount(3, 1), 1u);
  // The largest legal file: 32767 samples, L odd.
  EXPECT_EQ(tableRowCount(131068, 65535), 32768u);
  // Never more rows than ThkTableRows can count.
  EXPECT_EQ(tableRowCount(1000000, 1), 65536u);
  datafiles::ThicknessHeader h;
  h.Length = 7;
  EXPECT_EQ(chartSampleCount(h), 3u);
}

TEST(ThicknessSampleCounts, ReadSampleStaysInsideTheBody) {
  auto f = thicknesstest::makeDtm(100, 20, {{1, 2, 3, 4}, {5, 6, 7, 8}});
  f.body.resize(f.body.size() - 1);  // the second sample is cut short
  ASSERT_TRUE(readSample(f, 0).has_value());
  EXPECT_EQ((*readSample(f, 0))[3], 4u);
  EXPECT_FALSE(readSample(f, 1).has_value());
  EXPECT_FALSE(readSample(f, 1000).has_value());
  EXPECT_EQ(samplesInBody(f), 1u);
}
