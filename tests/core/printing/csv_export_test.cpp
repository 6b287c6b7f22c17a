// CSV exports: markers as words, runs of equal indications, short bodies.
#include "core/printing/csv_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/datafiles/reader.h"
#include "support/file_builder.h"

namespace {

using testsupport::Bytes;

datafiles::LoadedFile load(const std::string& name, const Bytes& b) {
  auto r = datafiles::loadDataBytes(name, b);
  EXPECT_TRUE(r.ok);
  return r.file;
}

TEST(CsvExport, ThicknessReadingsWithMarkerWords) {
  testsupport::MapLikeFields s;
  s.length = 4;
  s.body = testsupport::thicknessBody({{2090, 0xFFFF, 0xFFFE, 1}, {10, 20, 30, 40}});
  s.body.push_back(7);  // half a value: not read
  const std::string csv = printing::csvThickness(load("a.dtm", testsupport::buildMapLike(s)), {",", " "});
  EXPECT_EQ(csv,
            "Позиция мм;Датчик1;Датчик2;Датчик3;Датчик4\n"
            "0;10,450;Нарушение контакта;Превышение скорости;0,005\n"
            "2;0,050;0,100;0,150;0,200\n");
}

TEST(CsvExport, DefectMapRunsPerLayerOnlyOfTheSixCodes) {
  testsupport::MapLikeFields s;
  s.type = 2;
  s.channels = 2;
  s.length = 6;
  // mm-major cells: {size, type} for layer 0 then layer 1.
  s.body = testsupport::mapBody({{3, 1},
                                 {0, 0},  // mm 0
                                 {3, 1},
                                 {5, 250},  // mm 1
                                 {4, 1},
                                 {5, 250},  // mm 2: size changes in layer 0
                                 {2, 77},
                                 {0, 0},  // mm 3: an unknown code is no indication
                                 {0, 0},
                                 {9, 3}});  // mm 4; mm 5 is missing from the body
  const std::string csv = printing::csvDefectMap(load("m.dau", testsupport::buildMapLike(s)));
  EXPECT_EQ(csv,
            "Начало мм;Конец мм;Слой;Класс;Размер\n"
            "0;1;1;Объемно-плоскостной;3\n"
            "1;2;2;Нарушение контакта;5\n"
            "2;2;1;Объемно-плоскостной;4\n"
            "4;4;2;Плоскостной вдоль;9\n");
}

// Runs of several layers that start together come in the order of the layers, whichever ends first.
TEST(CsvExport, DefectMapRunsStartingTogetherInLayerOrder) {
  testsupport::MapLikeFields s;
  s.type = 2;
  s.channels = 3;
  s.length = 3;
  s.body = testsupport::mapBody({{4, 2},
                                 {5, 1},
                                 {6, 3},  // mm 0: all three layers start
                                 {4, 2},
                                 {0, 0},
                                 {7, 3},  // mm 1: layer 2 ended, layer 3 changes
                                 {0, 0},
                                 {2, 1},
                                 {7, 3}});  // mm 2: layer 2 starts again
  std::ostringstream streamed;
  const auto file = load("t.dau", testsupport::buildMapLike(s));
  printing::csvDefectMap(streamed, file);
  EXPECT_EQ(streamed.str(),
            "Начало мм;Конец мм;Слой;Класс;Размер\n"
            "0;1;1;Плоскостной поперек;4\n"
            "0;0;2;Объемно-плоскостной;5\n"
            "0;0;3;Плоскостной вдоль;6\n"
            "1;2;3;Плоскостной вдоль;7\n"
            "2;2;2;Объемно-плоскостной;2\n");
  EXPECT_EQ(printing::csvDefectMap(file), streamed.str());
}

TEST(CsvExport, FlawSamples) {
  testsupport::FlawFields f;
  f.aScan = {0, 255, 17};
  const std::string csv = printing::csvFlaw(load("r.dhn", testsupport::buildFlaw(f)), {",", " "});
  EXPECT_EQ(csv.rfind("Отсчет;Амплитуда;Время мкс;Глубина мм\n0;0;", 0), 0u);
  EXPECT_NE(csv.find("\n1;255;"), std::string::npos);
  EXPECT_NE(csv.find("\n2;17;"), std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 141);
}

}  // namespace
