// Defect-map statistics on a built map: runs of neighbouring millimetres per layer and class, covered lengths.
#include "core/analysis/map_stats.h"

#include <gtest/gtest.h>

#include "core/analysis/stats_tables.h"
#include "core/datafiles/reader.h"
#include "support/file_builder.h"

namespace {

// Two layers over 8 mm; the body ends inside mm 7.
datafiles::LoadedFile builtMap() {
  testsupport::MapLikeFields f;
  f.type = 2;
  f.channels = 2;
  f.length = 8;
  f.body = testsupport::mapBody({{3, 0},
                                 {4, 0},  // mm 0: volumetric in both layers
                                 {5, 0},
                                 {4, 1},  // mm 1: volumetric (another size), volumetric-planar
                                 {0, 0},
                                 {6, 1},  // mm 2
                                 {2, 0},
                                 {0, 0},  // mm 3: a second volumetric run
                                 {7, 2},
                                 {0, 0},  // mm 4: planar across right after it
                                 {1, 250},
                                 {1, 251},  // mm 5: contact lost, excess speed
                                 {9, 77},
                                 {0, 0}});  // mm 6: an unknown code is nothing
  f.body.push_back(4);                      // half a cell of mm 7
  auto r = datafiles::loadDataBytes("M.DAU", testsupport::buildMapLike(f));
  EXPECT_TRUE(r.ok);
  return r.file;
}

TEST(MapStats, RunsPerLayerAndClass) {
  const analysis::MapStats s = analysis::mapStats(builtMap());
  ASSERT_EQ(s.classes.size(), 6u);
  const analysis::ClassStats& volume = s.classes[0];
  EXPECT_EQ(volume.layer, 1);
  EXPECT_EQ(volume.slot, 0);
  EXPECT_EQ(volume.count, 2u);
  EXPECT_EQ(volume.totalMm, 3u);
  EXPECT_EQ(volume.largest, 5);
  EXPECT_EQ(volume.first, 0u);
  EXPECT_EQ(volume.last, 3u);
  ASSERT_EQ(volume.runs.size(), 2u);
  EXPECT_EQ(volume.runs[0].end, 1u);
  EXPECT_EQ(volume.runs[1].start, 3u);
  EXPECT_EQ(volume.runs[1].largest, 2);
  EXPECT_EQ(s.classes[1].slot, 2);  // planar across, layer 1
  EXPECT_EQ(s.classes[2].slot, 5);  // contact lost, layer 1
  EXPECT_EQ(s.classes[3].layer, 2);
  EXPECT_EQ(s.classes[3].slot, 0);
  EXPECT_EQ(s.classes[4].slot, 1);
  EXPECT_EQ(s.classes[4].totalMm, 2u);
  EXPECT_EQ(s.classes[4].largest, 6);
  EXPECT_EQ(s.classes[5].slot, 4);
  EXPECT_EQ(s.countPerClass, (std::array<std::size_t, 6>{3, 1, 1, 0, 1, 1}));
  EXPECT_EQ(s.coveredPerClass, (std::array<std::uint32_t, 6>{3, 2, 1, 0, 1, 1}));
  EXPECT_EQ(s.indicationMm, 5u);
  EXPECT_EQ(s.firstIndication, 0u);
  EXPECT_EQ(s.lastIndication, 4u);
  EXPECT_EQ(s.uninspectedMm, 1u);
}

TEST(MapStats, TableRowsPerClassOverLayersAndAllIndications) {
  const analysis::TextTable t = analysis::mapStatsTable(analysis::mapStats(builtMap()), {",", " "});
  ASSERT_EQ(t.rows.size(), 6u + 5u + 1u);
  EXPECT_EQ(t.rows[2], (std::vector<std::string>{"1", "Нарушение контакта", "1", "1", "--", "5", "5", "12,5"}));
  EXPECT_EQ(t.rows[6], (std::vector<std::string>{"Все", "Объемный", "3", "4", "5", "0", "3", "37,5"}));
  EXPECT_EQ(t.rows.back(), (std::vector<std::string>{"Все", "Все индикации", "5", "5", "7", "0", "4", "62,5"}));
  // Over the layers the runs stand by start, then layer.
  const analysis::ClassStats volume = analysis::classOverLayers(analysis::mapStats(builtMap()), 0);
  ASSERT_EQ(volume.runs.size(), 3u);
  EXPECT_EQ(volume.layer, 0);
  EXPECT_EQ(volume.runs[1].layer, 2);
  EXPECT_EQ(volume.runs[2].start, 3u);
  EXPECT_EQ(analysis::mapRunsTable(analysis::mapStats(builtMap()).classes[0]).rows[1],
            (std::vector<std::string>{"1", "3", "3", "1", "2"}));
}

}  // namespace
