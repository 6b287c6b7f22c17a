// Tests of the parameter text of a flaw-detector record: every line, its order and its conditions.
#include "core/flawdetector/parameter_text.h"

#include <gtest/gtest.h>

#include "core/gfx/recording_canvas.h"

namespace flaw {
namespace {

datafiles::FlawHeader Record() {
  datafiles::FlawHeader r;
  r.Year = 7;
  r.Month = 3;
  r.Gain = 42;
  r.Flags = 0x20;  // combined, long layout, no TVG
  r.DefectX = 120;
  r.DefectY = 45;
  r.GateStart = 200;
  r.GateWidth = 300;
  r.GateLevel = 50;
  r.Angle = 130;
  r.Velocity = 3240;
  r.PrismDelay = 1234;
  r.SweepStart = 15;
  r.SweepRange = 1000;
  r.Frequency = 2500;
  r.GateStartMm = 20;
  r.GateWidthMm = 31;
  r.SweepStartMm = 0;
  r.SweepRangeMm = 100;
  return r;
}

TEST(FlawParameterText, LengthDisplayLinesInOrder) {
  const auto lines = parameterTextLines(Record(), false);
  const std::vector<std::string> expected = {
      "Усиление: 42 дБ    Схема включения: Совмещенная",
      "Координаты дефекта:  Y=4.5 мм  X=12.0 мм",
      "Параметры строба: Начало:2.0мм  Длит.:3.1 мм  Порог:50 %",
      "Параметры развертки:  Начало:0.0 мм  Длит.:10.0 мм",
      "Угол ввода: 65.0град.  C=3240 м/с Задержка в призме: 12.3 мкс ",
      "Частота: 2.5 МГц ",
      " ",
  };
  EXPECT_EQ(lines, expected);
}

TEST(FlawParameterText, TimeDisplayBySetBitOrByDate) {
  datafiles::FlawHeader r = Record();
  r.Flags = 0x40;  // short layout, separate probe
  auto lines = parameterTextLines(r, false);
  EXPECT_EQ(lines[0], "Усиление: 42 дБ    Схема включения: Раздельная");
  EXPECT_EQ(lines[2], "Параметры строба: Начало:20.0 мкс   Длит.:30.0 мкс   Порог:50 %");
  EXPECT_EQ(lines[3], "Параметры развертки:  Начало:1.5 мкс   Длит.:100.0 мкс ");
  // A record of June 2002 still shows times, one of July 2002 or of 2003 lengths.
  r = Record();
  r.Year = 2;
  r.Month = 6;
  EXPECT_TRUE(usesTimeDisplay(r));
  EXPECT_EQ(parameterTextLines(r, false)[2], "Параметры строба: Начало:20.0 мкс   Длит.:30.0 мкс   Порог:50 %");
  r.Month = 7;
  EXPECT_FALSE(usesTimeDisplay(r));
  r.Month = 6;
  r.Year = 3;
  EXPECT_FALSE(usesTimeDisplay(r));
}

TEST(FlawParameterText, ExtendedRecordsShowOneMoreGate) {
  datafiles::FlawHeader r = Record();
  r.AgcGateOn = 1;
  r.AgcGateStart = 150;
  r.AgcGateWidth = 100;
  r.AgcGateLevel = 40;
  r.AgcDepth = 55;
  r.AgcLength = 66;
  r.ExtraGateOn = 1;
  r.ExtraDepth = 11;
  r.ExtraLength = 22;
  r.ExtraGateLevel = 70;
  EXPECT_EQ(parameterTextLines(r, false).size(), 7u);  // plain records never show it
  auto lines = parameterTextLines(r, true);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[3], "Параметры строба АРУ:Начало:5.5мм  Длит.:6.6мм  Порог:40 %");
  r.AgcGateOn = 0;
  EXPECT_EQ(parameterTextLines(r, true)[3], "Параметры доп. строба:Начало:1.1мм  Длит.:2.2мм  Порог:70 %");
  r.Flags = 0x40;
  r.ExtraGateStart = 300;
  r.ExtraGateWidth = 45;
  EXPECT_EQ(parameterTextLines(r, true)[3], "Параметры доп. строба:Начало:30.0 мкс   Длит.:4.5 мкс   Порог:70 %");
  r.ExtraGateOn = 0;
  EXPECT_EQ(parameterTextLines(r, true).size(), 7u);
}

TEST(FlawParameterText, TvgLines) {
  datafiles::FlawHeader r = Record();
  r.Flags = 0x21;
  r.TvgCount = 2;
  r.TvgTime = {10, 0};
  r.TvgGain = {10, 20};
  auto lines = parameterTextLines(r, false);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[6], "Параметры ВРЧ->Число точек: 2");
  EXPECT_EQ(lines[7], "Время(мкс)/Усиление(дБ): ");
  EXPECT_EQ(lines[8], "13.0/10 3.0/20 ");
  EXPECT_EQ(lines[9], " ");
  // No points: the value line is there and empty.
  r.TvgCount = 0;
  lines = parameterTextLines(r, false);
  EXPECT_EQ(lines[6], "Параметры ВРЧ->Число точек: 0");
  EXPECT_EQ(lines[8], "");
  // TVG mode other than 1: no TVG lines at all.
  r.Flags = 0x23;
  EXPECT_EQ(parameterTextLines(r, false).size(), 7u);
}

TEST(FlawParameterText, NeverMoreThanEightTvgPointsAreRead) {
  datafiles::FlawHeader r = Record();
  r.Flags = 0x01;
  r.TvgCount = 200;  // a count byte far outside the record's room
  r.TvgTime.fill(7);
  r.TvgGain.fill(5);
  auto lines = parameterTextLines(r, false);
  EXPECT_EQ(lines[6], "Параметры ВРЧ->Число точек: 200");
  std::string eight;
  for (int i = 0; i < 8; ++i) eight += "10.0/5 ";
  EXPECT_EQ(lines[8], eight);
}

TEST(FlawParameterText, PrintedConclusionFollowsTheBlankLine) {
  PrintedConclusion printed{{"Дефект допустим", "вторая строка"}, "Иванов"};
  auto lines = parameterTextLines(Record(), false, &printed);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[6], " ");
  EXPECT_EQ(lines[7], " Заключение:Дефект допустим");
  EXPECT_EQ(lines[8], "вторая строка");
  EXPECT_EQ(lines[9], "Дефектоскопист: Иванов");
  PrintedConclusion empty;
  lines = parameterTextLines(Record(), false, &empty);
  EXPECT_EQ(lines[7], " Заключение:");
  EXPECT_EQ(lines[8], "Дефектоскопист: ");
}

TEST(FlawParameterText, WritingOnThePanel) {
  datafiles::FlawHeader r = Record();
  HDScreen s;
  gfx::RecordingCanvas panel(600, 160);
  panel.setMetrics(7, 16);
  DrawParameterText(s);  // no panel: nothing at all
  s.textCanvas = &panel;
  s.pictureCanvas = &panel;
  DrawParameterText(s);  // no record: the panel is cleared to the workspace colour
  ASSERT_EQ(panel.ops().size(), 1u);
  EXPECT_EQ(panel.ops()[0].brush.color, gfx::sys::kAppWorkSpace);
  panel.clear();
  s.record = &r;
  s.marginX = 20;
  s.textY = 5;
  s.conclusionLines = {"не печатается"};
  DrawParameterText(s);
  auto texts = panel.ofKind(gfx::DrawOp::Text);
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_EQ(panel.ops()[0].brush.color, gfx::sys::kBtnFace);
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].at, (gfx::Point{20, 5 + 16 * int(i)}));
  EXPECT_EQ(texts[4].text, "Угол ввода: 65.0град.  C=3240 м/с Задержка в призме: 12.3 мкс ");
}

}  // namespace
}  // namespace flaw
