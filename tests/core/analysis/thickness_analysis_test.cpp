// Thickness statistics and thin zones on built runs with hand-computed answers.
#include <gtest/gtest.h>

#include "core/analysis/stats_tables.h"
#include "core/analysis/thickness_stats.h"
#include "core/analysis/thin_zones.h"
#include "core/datafiles/reader.h"
#include "support/file_builder.h"

namespace {

using Raw = std::array<std::uint16_t, 4>;
constexpr std::uint16_t kLost = 0xFFFF, kSpeed = 0xFFFE;

// A .DTM whose raw values read as micrometres (factor 40, offsets 0).
datafiles::LoadedFile run(std::uint16_t nominal, std::uint16_t length, const std::vector<Raw>& samples) {
  testsupport::MapLikeFields f;
  f.nominal = nominal;
  f.length = length;
  f.velocityFactor = 40;
  f.body = testsupport::thicknessBody(samples);
  auto r = datafiles::loadDataBytes("T.DTM", testsupport::buildMapLike(f));
  EXPECT_TRUE(r.ok);
  return r.file;
}

// N 10.0 mm, L 9 mm: five samples, the last of one millimetre and missing from the body.
datafiles::LoadedFile mixedRun() {
  return run(100, 9,
             {{9000, kLost, 7900, 10100},   // mm 0-1: s3 below 80 %, s4 above the nominal
              {6900, kSpeed, 8000, 10000},  // mm 2-3: s1 below 70 %; 8000 is not below 80 %; 10000 valid
              {5900, 8000, kLost, 9000},    // mm 4-5: s1 below 60 %
              {kLost, kLost, kLost, kLost}});
}

TEST(ThicknessStats, PerSensorAndOverall) {
  const analysis::ThicknessStats s = analysis::thicknessStats(mixedRun());
  EXPECT_EQ(s.samples, 5u);
  const analysis::SensorStats& s1 = s.sensors[0];
  EXPECT_EQ(s1.min.micrometres, 5900u);
  EXPECT_EQ(s1.min.position, 4u);
  EXPECT_EQ(s1.max.micrometres, 9000u);
  EXPECT_EQ(s1.max.position, 0u);
  EXPECT_NEAR(s1.mean, 7266.667, 1e-3);
  EXPECT_NEAR(s1.deviation, 1291.855, 1e-3);
  EXPECT_EQ(s1.contactLost, 1u);
  EXPECT_EQ(s1.missing, 1u);
  EXPECT_EQ(s1.belowMm, (std::array<std::uint32_t, 3>{4, 4, 2}));
  EXPECT_EQ(s1.noValidMm, 3u);  // mm 6-7 lost, mm 8 missing

  const analysis::SensorStats& s2 = s.sensors[1];
  EXPECT_EQ(s2.valid, 1u);
  EXPECT_EQ(s2.contactLost, 2u);
  EXPECT_EQ(s2.speedExceeded, 1u);
  EXPECT_EQ(s2.noValidMm, 7u);
  EXPECT_EQ(s.sensors[2].belowMm, (std::array<std::uint32_t, 3>{2, 0, 0}));
  EXPECT_EQ(s.sensors[3].aboveNominal, 1u);
  EXPECT_EQ(s.sensors[3].max.micrometres, 10000u);  // at the nominal: valid

  const analysis::SensorStats& o = s.overall;
  EXPECT_EQ(o.min.micrometres, 5900u);
  EXPECT_EQ(o.min.sensor, 1);
  EXPECT_EQ(o.max.micrometres, 10000u);
  EXPECT_EQ(o.max.sensor, 4);
  EXPECT_EQ(o.max.position, 2u);
  EXPECT_EQ(o.valid, 8u);
  EXPECT_EQ(o.contactLost, 6u);
  EXPECT_NEAR(o.mean, 8087.5, 1e-9);
  EXPECT_NEAR(o.deviation, 1202.536, 1e-3);
  // Any sensor: mm 0-5 below 80 %, mm 2-5 below 70 %, mm 4-5 below 60 %; no valid reading at mm 6-8.
  EXPECT_EQ(o.belowMm, (std::array<std::uint32_t, 3>{6, 4, 2}));
  EXPECT_EQ(o.noValidMm, 3u);
  EXPECT_NEAR(analysis::percentOfLength(o.noValidMm, s.length), 100.0 / 3.0, 1e-9);

  // Extremes show as the value table shows them; a table row per sensor and one overall.
  const analysis::TextTable t = analysis::thicknessStatsTable(s, {",", " "});
  ASSERT_EQ(t.rows.size(), 5u);
  EXPECT_EQ(t.rows[4], (std::vector<std::string>{"Все датчики", "5,9", "4", "10,0", "2", "8,09", "1,20", "6", "1", "1",
                                                 "66,7", "44,4", "22,2", "33,3"}));
}

TEST(ThicknessStats, SensorWithoutValidReadingsAndOtherKinds) {
  const analysis::ThicknessStats s = analysis::thicknessStats(run(100, 2, {{kLost, 5000, 5000, 5000}}));
  EXPECT_FALSE(s.sensors[0].min.found);
  const analysis::TextTable t = analysis::thicknessStatsTable(s, {",", " "});
  EXPECT_EQ(t.rows[0][1], "--");
  EXPECT_EQ(t.rows[0][5], "--");
  datafiles::LoadedFile map;
  map.kind = datafiles::FileKind::Dau;
  EXPECT_EQ(analysis::thicknessStats(map).samples, 0u);
  EXPECT_TRUE(analysis::thinZones(map, 50).empty());
}

TEST(ThinZones, EdgesSingleSamplesAndThresholds) {
  const datafiles::LoadedFile f = mixedRun();
  // At 8.0 mm (the threshold table's rule: 8 099 µm is still 8.0): one zone from the start.
  auto zones = analysis::thinZones(f, 80);
  ASSERT_EQ(zones.size(), 1u);
  EXPECT_EQ(zones[0].start, 0u);
  EXPECT_EQ(zones[0].end, 4u);
  EXPECT_EQ(zones[0].length, 6u);
  EXPECT_EQ(zones[0].minMicrometres, 5900u);
  EXPECT_EQ(zones[0].minSensor, 1);
  EXPECT_EQ(zones[0].minPosition, 4u);
  // A single sample.
  zones = analysis::thinZones(f, 59);
  ASSERT_EQ(zones.size(), 1u);
  EXPECT_EQ(zones[0].start, 4u);
  EXPECT_EQ(zones[0].end, 4u);
  EXPECT_EQ(zones[0].length, 2u);
  EXPECT_TRUE(analysis::thinZones(f, 58).empty());
  EXPECT_EQ(analysis::defaultZoneThreshold(100), 80);
  EXPECT_EQ(analysis::defaultZoneThreshold(85), 68);
}

TEST(ThinZones, NeighbouringSensorsJoinAndTheZoneEndsWithTheRun) {
  // L 13: the last sample stands for one millimetre. Sensor 1 then sensor 2 carry the zone; the
  // equal minima keep the first; a gap splits.
  const datafiles::LoadedFile f = run(100, 13,
                                      {{7000, 9000, 9000, 9000},
                                       {9000, 9000, 9000, 9000},
                                       {9000, 9000, 9000, 7500},
                                       {7000, 9000, 9000, 9000},
                                       {9000, 7000, 9000, 9000},
                                       {9000, 9000, 9000, 9000},
                                       {9000, 9000, 7900, 9000}});
  const auto zones = analysis::thinZones(f, 79);
  ASSERT_EQ(zones.size(), 3u);
  EXPECT_EQ(zones[0].start, 0u);
  EXPECT_EQ(zones[0].end, 0u);
  EXPECT_EQ(zones[1].start, 4u);
  EXPECT_EQ(zones[1].end, 8u);
  EXPECT_EQ(zones[1].length, 6u);
  EXPECT_EQ(zones[1].minSensor, 1);
  EXPECT_EQ(zones[1].minPosition, 6u);
  EXPECT_EQ(zones[2].start, 12u);
  EXPECT_EQ(zones[2].length, 1u);
  EXPECT_EQ(analysis::tabSeparated(analysis::thinZonesTable({zones[2]}, {",", " "})),
            "Начало мм\tКонец мм\tДлина мм\tМин. мм\tДатчик\tПозиция мин. мм\n12\t12\t1\t7,9\t3\t12\n");
}

}  // namespace
