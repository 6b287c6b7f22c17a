// The report header lines and the text preview: exact texts, tabs and blanks.
#include <gtest/gtest.h>

#include "core/printing/preview_text.h"
#include "core/printing/report_header.h"
#include "core/thickness/value_table.h"

namespace {

using printing::BuildPreviewText;
using printing::BuildReportHeader;

text::NumberFormat commaLocale() {
  text::NumberFormat nf;
  nf.decimal = ",";
  return nf;
}

datafiles::LoadedFile thicknessFile() {
  datafiles::LoadedFile f;
  f.kind = datafiles::FileKind::Dtm;
  f.name = "/data/A12.dtm";
  auto& h = f.thk;
  h.Day = 5, h.Month = 3, h.Year = 7;
  h.StartHour = 8, h.StartMinute = 5, h.StartSecond = 9;
  h.EndHour = 9, h.EndMinute = 10, h.EndSecond = 11;
  h.Section = "Уч1";
  h.Product = "Изд";
  h.Diameter = 530;
  h.NominalThickness = 100;
  h.Block = 2;
  h.UnitNumber = 42;
  h.Length = 1500;
  f.Temperature = 12;
  return f;
}

datafiles::LoadedFile mapFile() {
  datafiles::LoadedFile f;
  f.kind = datafiles::FileKind::Dau;
  f.name = "/data/W7.dau";
  auto& h = f.map;
  h.Day = 1, h.Month = 12, h.Year = 9;
  h.Weld = "W1";
  h.Product = "P";
  h.Diameter = 1020;
  h.NominalThickness = 85;
  h.Block = 1;
  h.UnitNumber = 12345;
  h.Length = 3000;
  h.Layers = 2;
  f.Temperature = -3;
  return f;
}

TEST(ReportHeader, ThicknessFileLines) {
  const auto h = BuildReportHeader(thicknessFile(), {"12", "Труба 3", "", {}}, 95, commaLocale());
  EXPECT_EQ(h[0], "Протокол №: 12");
  EXPECT_EQ(h[1], "УИУ\"ВЕРТАН\"№ 00042");
  EXPECT_EQ(h[2], "Дата:05-03-2007");
  EXPECT_EQ(h[3], "Начало:08:05:09");
  EXPECT_EQ(h[4], "Окончание:09:10:11");
  EXPECT_EQ(h[5], "Объект:Труба 3");
  EXPECT_EQ(h[6], "Участок:Уч1   Изделие:Изд");
  EXPECT_EQ(h[7], "Диаметр:530 мм");
  EXPECT_EQ(h[8], "Толщина обзора:9,5 мм");
  EXPECT_EQ(h[9], "Блок:2");
  EXPECT_EQ(h[10], "Температура:+12C");
}

TEST(ReportHeader, DefectMapTakesUnitDiameterAndThicknessFromItsHeader) {
  const auto h = BuildReportHeader(mapFile(), {}, 95, commaLocale());
  EXPECT_EQ(h[0], "Протокол №: ");
  EXPECT_EQ(h[1], "УИУ\"ВЕРТАН\"№ 12345");
  EXPECT_EQ(h[5], "Объект:");
  EXPECT_EQ(h[6], "Шов:W1   Изделие:P");
  EXPECT_EQ(h[7], "Диаметр:1020 мм");
  EXPECT_EQ(h[8], "Толщина:8,5 мм");
  EXPECT_EQ(h[10], "Температура:-3C");
}

TEST(PreviewText, ThicknessPreviewWithNoResultTableKeepsEveryTab) {
  const auto file = thicknessFile();
  printing::PreviewSources s;
  s.fileName = file.name;
  s.header = BuildReportHeader(file, {"12", "Труба 3", "", {}}, 95, commaLocale());
  s.protocol = {"12", "Труба 3", "Иванов", {"Стенка в норме\n", "Дефектов нет\n"}};
  const thickness::ValueTable table(thickness::TableForm::NoResult, 100, commaLocale(), {});
  s.table = &table;

  const std::vector<std::string> expected{
      "   Файл: /data/A12.dtm",
      "Протокол №: 12",
      "УИУ\"ВЕРТАН\"№ 00042 \tДата:05-03-2007 \tНачало:08:05:09 \tОкончание:09:10:11",
      "Объект:Труба 3",
      "Участок:Уч1   Изделие:Изд",
      "Диаметр:530 мм \tТолщина обзора:9,5 мм\tБлок:2\tТемпература:+12C",
      "\t\t\t\t\t",
      "\t\t\t\t\t\t\t\t\t\t",
      "\t\t\t\t\t\t\t\t\t\t",
      "\t\t\t\t\t\t\t\t\t\t",
      "\t\tТОЛЩИНЫ\t\t НИЖЕ  \t\t ПОРОГА\t\t  НЕТ  \t\t",
      " Заключение:Стенка в норме",
      "Дефектов нет",
      "Проконтролировано: 1500мм.",
      "  Дефектоскопист: Иванов",
  };
  EXPECT_EQ(BuildPreviewText(file, s), expected);
}

TEST(PreviewText, HeaderRowHasSingleTabsAndDataRowsDoubleTabs) {
  const auto file = thicknessFile();
  thickness::ValueRow row;
  row.sample = 3;
  row.readings = {9000, 9100, 9200, 9300};
  const thickness::ValueTable table(thickness::TableForm::AllValues, 100, commaLocale(), {row});
  std::vector<std::string> lines;
  printing::appendValueTableLines(table, lines);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Позиция мм\tДатчик1\tДатчик2\tДатчик3\tДатчик4\t");
  std::string row1;
  for (int c = 0; c <= 4; ++c) row1 += table.cell(1, c) + "\t\t";
  EXPECT_EQ(lines[1], row1);
  EXPECT_EQ(lines[1].rfind("00006\t\t", 0), 0u);  // position 2k with five digits
}

TEST(PreviewText, EmptyConclusionAndMapLengthForADefectMap) {
  const auto file = mapFile();
  printing::PreviewSources s;
  s.fileName = file.name;
  s.header = BuildReportHeader(file, {}, 0, commaLocale());
  const auto lines = BuildPreviewText(file, s);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[6], " Заключение:");
  EXPECT_EQ(lines[7], "Проконтролировано: 3000мм.");
  EXPECT_EQ(lines[8], "  Дефектоскопист: ");
}

}  // namespace
