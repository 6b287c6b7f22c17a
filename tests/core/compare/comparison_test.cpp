// Comparing two built runs: the offset found exactly, loss and rate over the thinned stretch, markers, refusals,
// warnings.
#include "core/compare/comparison.h"

#include <gtest/gtest.h>

#include "core/compare/compare_text.h"
#include "support/run_pair.h"

namespace compare {
namespace {

using comparetest::buildRun;
using comparetest::laterShape;
using comparetest::RunShape;

const text::NumberFormat kNf{",", " "};

class PairAtOffset : public ::testing::TestWithParam<int> {};

TEST_P(PairAtOffset, FindsTheShiftAndTheLossOverTheThinnedStretch) {
  const int shift = GetParam();  // where the later run starts on the pipe
  RunShape earlier;
  earlier.startMm = shift < 0 ? -shift : 0;
  const int laterStart = earlier.startMm + shift;
  const Comparison c = compareRuns(buildRun(earlier), buildRun(laterShape(laterStart)), {});
  ASSERT_TRUE(c.compared()) << refusalText(c, kNf)[0];
  EXPECT_EQ(c.alignment.verdict, AlignVerdict::Clear);
  EXPECT_EQ(c.offsetMm(), shift);
  EXPECT_EQ(c.alignment.best.spreadUm, 0);
  ASSERT_TRUE(c.years);
  EXPECT_NEAR(*c.years, 730 / 365.25, 1e-12);
  EXPECT_EQ(c.tminUm, 4000);
  ASSERT_FALSE(c.positions.empty());
  for (const PositionLoss& p : c.positions) {
    const int pipe = laterStart + p.positionMm;
    const bool thinned = pipe >= 900 && pipe < 1100;
    for (const SensorLoss& s : p.sensors) {
      ASSERT_TRUE(s.valid);
      ASSERT_EQ(s.lossUm(), thinned ? 400 : 0) << "pipe " << pipe;
      ASSERT_NEAR(*c.rate(s), thinned ? 0.4 / (730 / 365.25) : 0.0, 1e-9);
      if (thinned) {
        ASSERT_NEAR(*c.remainingLife(s), (s.laterUm - 4000) * 0.001 / *c.rate(s), 1e-9);
      } else {
        ASSERT_FALSE(c.remainingLife(s));
      }
    }
  }
  const std::vector<Spot> worst = worstPositions(c);
  ASSERT_EQ(worst.size(), 20u);
  EXPECT_EQ(worst.front().positionMm, 900 - laterStart);  // first of equal losses
  for (const Spot& s : worst) EXPECT_EQ(s.loss.lossUm(), 400);
}

INSTANTIATE_TEST_SUITE_P(Shifts, PairAtOffset, ::testing::Values(0, 150, -86, 498));

// Runs of 20 m are searched coarsely first: the exact offset must still come out.
TEST(PairAtOffsetLong, CoarseSearchThenExact) {
  RunShape earlier;
  earlier.lengthMm = 20000;
  RunShape later = laterShape(-338 + 500);
  later.lengthMm = 19000;
  const Comparison c = compareRuns(buildRun(earlier), buildRun(later), {});
  ASSERT_TRUE(c.compared());
  EXPECT_EQ(c.offsetMm(), 162);
  EXPECT_EQ(c.alignment.best.spreadUm, 0);
  ASSERT_TRUE(c.alignment.runnerUp);
  EXPECT_GE(std::abs(c.alignment.runnerUp->offsetMm - 162), 50);
}

TEST(CompareMarkers, AreNeverALoss) {
  RunShape later = laterShape(100);
  // Contact lost on sensor 2 over the thinned stretch, speed exceeded on all at 1300..1320 in
  // the later run; over-nominal readings on sensor 4 of the earlier run at 950..1000.
  later.marker = [](int x, int i) -> std::uint16_t {
    if (i == 1 && x >= 900 && x < 1100) return 0xFFFF;
    return x >= 1300 && x < 1320 ? 0xFFFE : 0;
  };
  RunShape earlier;
  earlier.wall = [](int x, int i) { return i == 3 && x >= 950 && x < 1000 ? 8500 : comparetest::wallUm(x, i); };
  const Comparison c = compareRuns(buildRun(earlier), buildRun(later), {});
  ASSERT_TRUE(c.compared());
  EXPECT_EQ(c.offsetMm(), 100);
  for (const PositionLoss& p : c.positions) {
    const int pipe = 100 + p.positionMm;
    EXPECT_EQ(p.sensors[1].valid, !(pipe >= 900 && pipe < 1100) && !(pipe >= 1300 && pipe < 1320));
    EXPECT_EQ(p.sensors[3].valid, !(pipe >= 950 && pipe < 1000) && !(pipe >= 1300 && pipe < 1320));
    if (pipe == 1310) {
      EXPECT_EQ(positionRow(c, p, kNf),
                (std::vector<std::string>{"1210", "--", "--", "--", "--", "--", "--", "--", "--"}));
    }
  }
  for (const Spot& s : worstPositions(c, 1000)) {
    EXPECT_TRUE(s.loss.valid);
    EXPECT_NE(s.sensor, 1);  // its only losses lie under the markers
  }
  const Extremes x = extremesOf(c);
  ASSERT_TRUE(x.largestLoss);
  EXPECT_EQ(x.largestLoss->loss.lossUm(), 400);
}

TEST(CompareRefusals, ShortOverlapFlatProfileAndTheOperatorsOffset) {
  RunShape earlier;
  // A later run of 150 mm: no offset gives 200 mm in common.
  RunShape shortRun = laterShape(300);
  shortRun.lengthMm = 150;
  const Comparison little = compareRuns(buildRun(earlier), buildRun(shortRun), {});
  EXPECT_EQ(little.refusal, Refusal::TooLittleOverlap);
  EXPECT_TRUE(little.positions.empty());
  EXPECT_NE(refusalText(little, kNf)[0].find("ни при каком смещении"), std::string::npos);

  // The later run begins 1 900 mm along: within the search the runs share no stretch of pipe,
  // so every offset matches alike badly.
  const Comparison far = compareRuns(buildRun(earlier), buildRun(laterShape(1900)), {});
  EXPECT_EQ(far.refusal, Refusal::NoClearMatch);
  EXPECT_TRUE(far.positions.empty());

  // A wall that is the same everywhere matches at every offset alike.
  RunShape flat;
  flat.wall = [](int, int) { return 7000; };
  RunShape flatLater = laterShape(40);
  flatLater.wall = flat.wall;
  const Comparison same = compareRuns(buildRun(flat), buildRun(flatLater), {});
  EXPECT_EQ(same.refusal, Refusal::NoClearMatch);
  EXPECT_TRUE(same.positions.empty());
  EXPECT_NE(refusalText(same, kNf)[0].find("Нет явного совпадения"), std::string::npos);

  // The operator's offset is used as given, even where it matches worse, and compared.
  CompareOptions given;
  given.offsetMm = 40;
  given.tminUm = 6000;
  const Comparison forced = compareRuns(buildRun(flat), buildRun(flatLater), given);
  ASSERT_TRUE(forced.compared());
  EXPECT_EQ(forced.alignment.verdict, AlignVerdict::Overridden);
  EXPECT_EQ(forced.offsetMm(), 40);
  EXPECT_EQ(forced.tminUm, 6000);
  EXPECT_NE(matchLine(forced, kNf).find("Смещение: +40 мм (задано)"), std::string::npos);

  given.offsetMm = 1900;
  const Comparison beyond = compareRuns(buildRun(earlier), buildRun(laterShape(1900)), given);
  EXPECT_EQ(beyond.refusal, Refusal::TooLittleOverlap);
  EXPECT_NE(refusalText(beyond, kNf)[0].find("При смещении +1900 мм"), std::string::npos);
}

TEST(CompareWarnings, ObjectDiameterNominalAndDates) {
  RunShape earlier;
  RunShape later = laterShape(0);
  later.fields.product = "Труба 530x10";
  later.fields.diameter = 530;
  later.fields.nominal = 100;
  later.day = 1;
  later.month = 1;
  later.year = 7;  // before the earlier run
  Comparison c = compareRuns(buildRun(earlier), buildRun(later), {});
  EXPECT_EQ(c.warnings, (std::vector<Warning>{Warning::ObjectDiffers, Warning::DiameterDiffers, Warning::NominalDiffers,
                                              Warning::NotLater}));
  ASSERT_TRUE(c.compared());
  EXPECT_EQ(c.tminUm, 5000);  // half the later nominal
  EXPECT_FALSE(c.years);
  const SensorLoss& s = c.positions[500].sensors[0];
  EXPECT_FALSE(c.rate(s));
  EXPECT_FALSE(c.remainingLife(s));
  EXPECT_EQ(positionRow(c, c.positions[500], kNf)[2], "--");
  EXPECT_EQ(summaryLines(c, kNf)[1], "Наибольшая скорость: не вычисляется");

  // 31 June: no date, so no rate, and said so.
  later = laterShape(0);
  later.day = 31;
  later.month = 6;
  c = compareRuns(buildRun(earlier), buildRun(later), {});
  EXPECT_EQ(c.warnings, std::vector<Warning>{Warning::LaterDateInvalid});
  EXPECT_FALSE(c.years);
  EXPECT_NE(periodLine(c, kNf).find("дата неверна: скорость и остаточный срок не вычисляются"), std::string::npos);
}

TEST(CompareText, LinesInTheLocalesNumberForm) {
  const Comparison c = compareRuns(buildRun(RunShape{}), buildRun(laterShape(150)), {});
  ASSERT_TRUE(c.compared());
  EXPECT_EQ(periodLine(c, kNf),
            "Контроли: 14-03-2007 и 13-03-2009, между ними 730 дней (2,00 года); минимальная толщина 4,00 мм");
  EXPECT_EQ(matchLine(c, kNf).rfind(
                "Смещение: +150 мм (найдено); совпадение: разброс 0,000 мм по 3 700 парам показаний на 1850 мм;", 0),
            0u)
      << matchLine(c, kNf);
  const std::vector<std::string> sum = summaryLines(c, kNf);
  EXPECT_EQ(sum[0], "Наибольшая потеря: 0,40 мм, позиция 750 мм, Датчик1");
  EXPECT_EQ(sum[1], "Наибольшая скорость: 0,200 мм/год, позиция 750 мм, Датчик1");
  EXPECT_EQ(sum[2].rfind("Наименьший остаточный срок до 4,00 мм: ", 0), 0u);
  EXPECT_EQ(worstRow(c, worstPositions(c, 1)[0], kNf)[4], "0,40");
}

TEST(RunDates, DaysAcrossLeapYearsAndInvalidFields) {
  EXPECT_EQ(daysBetween({2000, 1, 1}, {2099, 12, 31}), 36524);
  EXPECT_EQ(daysBetween({2008, 2, 28}, {2008, 3, 1}), 2);
  EXPECT_EQ(daysBetween({2100 - 1, 2, 28}, {2099, 3, 1}), 1);
  datafiles::ThicknessHeader h;
  h.Day = 29;
  h.Month = 2;
  h.Year = 8;
  EXPECT_TRUE(runDate(h));
  h.Year = 9;
  EXPECT_FALSE(runDate(h));
  h.Day = 1;
  h.Month = 13;
  EXPECT_FALSE(runDate(h));
  h.Month = 0;
  EXPECT_FALSE(runDate(h));
  h.Month = 1;
  h.Year = 100;
  EXPECT_FALSE(runDate(h));
}

}  // namespace
}  // namespace compare
