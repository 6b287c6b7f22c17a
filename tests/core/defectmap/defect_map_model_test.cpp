// Defect map model: position texts, cell texts, indication search, fitting to the picture.
#include <gtest/gtest.h>

#include "map_fixture.h"

namespace defectmap {
namespace {

using testing::FakeScrollBar;
using testing::MapFixture;

TEST(DefectMapFormatPosition, MillimetresMetresKilometres) {
  text::NumberFormat comma;
  comma.decimal = ",";
  EXPECT_EQ(FormatPosition(999, comma), "999");
  EXPECT_EQ(FormatPosition(1000, comma), "1,00м");
  EXPECT_EQ(FormatPosition(1000000, comma), "1,00км");
  EXPECT_EQ(FormatPosition(-1000, comma), "-1000");
  EXPECT_EQ(FormatPosition(0, comma), "0");
  EXPECT_EQ(FormatPosition(1234, comma), "1,23м");
  EXPECT_EQ(FormatPosition(65535, comma), "65,54м");
  EXPECT_EQ(FormatPosition(1005, comma), "1,01м");  // two decimals, half rounded up
  EXPECT_EQ(FormatPosition(999999, comma), "1000,00м");
  text::NumberFormat dot;
  dot.decimal = ".";
  EXPECT_EQ(FormatPosition(2500, dot), "2.50м");
}

TEST(DefectMapCellText, IndicationKindsAndRejections) {
  MapFixture f(2, 10);
  f.set(0, 0, 0, 3);    // size 0: no indication whatever the type
  f.set(1, 1, 5, 250);  // contact lost: A over K, never the size
  f.set(2, 0, 12, 0);   // volumetric prints the letter O
  f.set(3, 0, 7, 251);  // speed exceeded
  f.set(4, 0, 9, 77);   // a class outside the six
  f.set(5, 1, 3, 2);

  CellTextResult none = f.map.CellText(0, 1);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.type, " ");
  EXPECT_EQ(none.size, " ");

  CellTextResult ak = f.map.CellText(1, 2);
  EXPECT_TRUE(ak.found);
  EXPECT_EQ(ak.type, "A");
  EXPECT_EQ(ak.size, "K");

  CellTextResult vol = f.map.CellText(2, 1);
  EXPECT_TRUE(vol.found);
  EXPECT_EQ(vol.type, "O");
  EXPECT_EQ(vol.size, "12");

  EXPECT_EQ(f.map.CellText(3, 1).type, "X");
  EXPECT_EQ(f.map.CellText(3, 1).size, "X");
  EXPECT_FALSE(f.map.CellText(4, 1).found);
  EXPECT_EQ(f.map.CellText(5, 2).type, "|");

  EXPECT_FALSE(f.map.CellText(-1, 1).found);
  EXPECT_FALSE(f.map.CellText(10, 1).found);
  EXPECT_FALSE(f.map.CellText(5, 3).found);  // no third layer
}

TEST(DefectMapCellText, ShortBodyReadsOnlyWhatIsThere) {
  MapFixture f(3, 100);
  f.set(99, 2, 4, 1);
  f.set(10, 0, 4, 1);
  // Only the first 11 positions and a half cell arrived.
  f.map.SetCells(f.body.data(), 2 * 3 * 11 + 1);
  EXPECT_TRUE(f.map.CellText(10, 1).found);
  EXPECT_FALSE(f.map.CellText(99, 3).found);
  EXPECT_FALSE(f.map.HasIndicationAt(99));
  EXPECT_FALSE(f.map.HasIndicationAt(11));
}

TEST(DefectMapHasIndication, AnyLayerWithinTheObject) {
  MapFixture f(3, 20);
  f.set(7, 2, 1, 3);
  f.set(19, 0, 1, 0);
  EXPECT_TRUE(f.map.HasIndicationAt(7));
  EXPECT_FALSE(f.map.HasIndicationAt(8));
  EXPECT_TRUE(f.map.HasIndicationAt(19));
  EXPECT_FALSE(f.map.HasIndicationAt(20));
  DefectMap empty;
  EXPECT_FALSE(empty.HasIndicationAt(0));
}

TEST(DefectMapFit, ScaleScrollRangeAndResets) {
  MapFixture f(1, 500, 1090);
  FakeScrollBar bar;
  f.map.SetScrollBar(&bar);
  f.map.scale = 7;
  f.map.firstMm = 40;
  f.map.rowHeight = 110;
  f.map.sizeFactor = 13;
  f.map.markerX = 300;
  f.map.markerMm = 17;
  f.map.SetCanvas(&f.canvas);
  EXPECT_FLOAT_EQ(f.map.scale, 2.0f);
  EXPECT_EQ(f.map.firstMm, 0);
  EXPECT_EQ(f.map.rowHeight, 80);
  EXPECT_FLOAT_EQ(f.map.sizeFactor, 10.0f);
  EXPECT_EQ(f.map.scrollUnit, 20);
  EXPECT_EQ(bar.min, 0);
  EXPECT_EQ(bar.max, 49);         // 500 x 2 / 20 - 1
  EXPECT_EQ(bar.largeStep, 49);   // 1000 div 20 - 1
  EXPECT_EQ(f.map.markerX, 300);  // the marker keeps its place
  EXPECT_EQ(f.map.markerMm, 17);
}

TEST(DefectMapFit, EmptyObjectHasNoScale) {
  MapFixture f(2, 0);
  FakeScrollBar bar;
  f.map.SetScrollBar(&bar);
  f.map.FitToWidth();
  EXPECT_EQ(f.map.scale, 0.0f);
  EXPECT_EQ(bar.max, 0);
}

}  // namespace
}  // namespace defectmap

namespace defectmap {
namespace {

TEST(DefectMapBind, MapFileShownAnyOtherKindClearsTheMap) {
  datafiles::LoadedFile dau;
  dau.kind = datafiles::FileKind::Dau;
  dau.map.Layers = 1;
  dau.map.Length = 3;
  dau.body = {0, 0, 4, 1, 0, 0};
  const std::array<gfx::Color, 6> colors{1, 2, 3, 4, 5, 6};
  text::NumberFormat dot;
  dot.decimal = ".";
  DefectMap m;
  bindMap(m, dau, colors, dot);
  EXPECT_EQ(m.header, &dau.map);
  EXPECT_EQ(m.cells, dau.body.data());
  EXPECT_EQ(m.cellsSize, 6u);
  EXPECT_EQ(m.DefectColors, colors);
  EXPECT_EQ(m.FormatPosition(2500), "2.50м");
  EXPECT_TRUE(m.HasIndicationAt(1));

  datafiles::LoadedFile dtm;
  dtm.kind = datafiles::FileKind::Dtm;
  bindMap(m, dtm, colors, dot);
  EXPECT_EQ(m.header, nullptr);
  EXPECT_EQ(m.cells, nullptr);
  EXPECT_EQ(m.cellsSize, 0u);
}

}  // namespace
}  // namespace defectmap
