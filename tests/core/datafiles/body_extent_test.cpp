// A body shorter than its header announces is said so, for thickness runs and defect maps alike.
#include "core/datafiles/body_extent.h"

#include <gtest/gtest.h>

#include "core/datafiles/reader.h"
#include "support/file_builder.h"

namespace {

datafiles::LoadedFile loaded(const testsupport::MapLikeFields& fields) {
  datafiles::OpenResult r =
      datafiles::loadDataBytes(fields.type == 1 ? "run.DTM" : "map.DAU", testsupport::buildMapLike(fields));
  EXPECT_TRUE(r.ok);
  return std::move(r.file);
}

TEST(BodyExtent, AThicknessRunCutShortSaysHowFarItGoes) {
  testsupport::MapLikeFields run;
  run.length = 3000;
  run.body = testsupport::thicknessBody(std::vector<std::array<std::uint16_t, 4>>(60, {1600, 1600, 1600, 1600}));
  const auto extent = datafiles::shortBody(loaded(run));
  ASSERT_TRUE(extent);
  EXPECT_EQ(extent->shownMm, 120);
  EXPECT_EQ(datafiles::shortBodyText(*extent, text::NumberFormat{}),
            "Данные неполные: показано 120 мм из 3\xC2\xA0"
            "000 мм");

  // A whole body, and one with a half sample left over, say nothing.
  run.length = 120;
  EXPECT_FALSE(datafiles::shortBody(loaded(run)));
  run.body.resize(run.body.size() + 4);
  EXPECT_FALSE(datafiles::shortBody(loaded(run)));
}

TEST(BodyExtent, ADefectMapCountsWholeMillimetresOfEveryLayer) {
  testsupport::MapLikeFields map;
  map.type = 2;
  map.channels = 3;
  map.length = 50;
  map.body.assign(2 * 3 * 50, 0);
  EXPECT_FALSE(datafiles::shortBody(loaded(map)));
  map.body.resize(2 * 3 * 20 + 5);  // 20 whole millimetres and part of the next
  const auto extent = datafiles::shortBody(loaded(map));
  ASSERT_TRUE(extent);
  EXPECT_EQ(extent->shownMm, 20);
  EXPECT_EQ(extent->headerMm, 50);
}

}  // namespace
