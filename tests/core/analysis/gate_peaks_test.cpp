// Gate peaks and the sample axis of built flaw records: gate edges, ties, both layouts, gates off the sweep.
#include "core/analysis/gate_peaks.h"

#include <gtest/gtest.h>

#include "core/analysis/stats_tables.h"
#include "core/datafiles/reader.h"
#include "core/printing/csv_export.h"
#include "support/file_builder.h"

namespace {

// Sweep 0 .. 100 µs over 140 columns: sample i at i x 1000 / 140 tenths of a µs. Main gate
// 20 .. 50 µs holds samples 28 .. 70; AGC gate 15 .. 25 µs samples 21 .. 35.
testsupport::FlawFields fields() {
  testsupport::FlawFields f;
  f.agcGateOn = 1;
  f.aScan.assign(140, 10);
  f.aScan[27] = 250;  // just before the main gate, inside the AGC gate
  f.aScan[50] = 200;  // the main gate's peak, tied with sample 60
  f.aScan[60] = 200;
  f.aScan[71] = 255;  // just after the main gate
  return f;
}

datafiles::LoadedFile load(const testsupport::FlawFields& f) {
  auto r = datafiles::loadDataBytes("R.DHN", testsupport::buildFlaw(f));
  EXPECT_TRUE(r.ok);
  return r.file;
}

TEST(GatePeaks, PeakInsideEachGateWithTimeAndDepth) {
  const auto peaks = analysis::gatePeaks(load(fields()));
  ASSERT_EQ(peaks.size(), 2u);
  const analysis::GatePeak& main = peaks[0];
  EXPECT_TRUE(main.found);
  EXPECT_EQ(main.sample, 50u);
  EXPECT_EQ(main.amplitude, 200);
  EXPECT_NEAR(main.timeUs, 35.7142857, 1e-6);
  // 65 degrees: V = 3240 x S[50] / 40000 = 1369 m/s; (357.14 - 123) x 1369 / 2000 tenths of a mm.
  EXPECT_NEAR(main.depthMm, 16.0270786, 1e-6);
  EXPECT_NEAR(main.screenPercent, 78.125, 1e-4);  // 200 / 3.2 rows of 80
  EXPECT_EQ(peaks[1].gate, analysis::Gate::Agc);
  EXPECT_EQ(peaks[1].sample, 27u);
  EXPECT_EQ(peaks[1].amplitude, 250);
}

TEST(GatePeaks, ShortLayoutHasTheSameDepth) {
  // The decoder leaves V at 0 for the short layout; the angle and velocity are still there.
  testsupport::FlawFields f = fields();
  f.flags = 0x61;
  EXPECT_NEAR(analysis::gatePeaks(load(f))[0].depthMm, 16.0270786, 1e-6);
}

TEST(GatePeaks, GateBeyondTheSweepFindsNothing) {
  testsupport::FlawFields f = fields();
  f.aScanCode = 9;
  f.objectFlag = 1;
  f.extraGateOn = 1;
  f.extraGateStart = 2000;
  f.extraGateWidth = 100;
  const auto peaks = analysis::gatePeaks(load(f));
  ASSERT_EQ(peaks.size(), 3u);
  EXPECT_EQ(peaks[2].gate, analysis::Gate::Extra);
  EXPECT_FALSE(peaks[2].found);
  EXPECT_EQ(analysis::gatePeaksTable(peaks, {",", " "}).rows[2],
            (std::vector<std::string>{"Дополнительный", "200,0", "210,0", "0", "--", "--", "--", "--", "--"}));
}

TEST(GatePeaks, FlawCsvCarriesTimeAndDepth) {
  const std::string csv = printing::csvFlaw(load(fields()), {",", " "});
  EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
            "Отсчет;Амплитуда;Время мкс;Глубина мм\n0;10;0,00;0,00\n");
  EXPECT_NE(csv.find("\n50;200;35,71;16,03\n"), std::string::npos);
  // A sweep running backwards has no time axis: the fields stay empty.
  testsupport::FlawFields back = fields();
  back.sweepStart = 1200;
  const std::string none = printing::csvFlaw(load(back), {",", " "});
  EXPECT_NE(none.find("\n50;200;;\n"), std::string::npos);
  EXPECT_FALSE(analysis::gatePeaks(load(back))[0].found);
}

}  // namespace
