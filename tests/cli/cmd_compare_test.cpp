// tervtool compare: two built runs on disk, the offset and loss lines, refusals, warnings and usage.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "support/run_pair.h"
#include "support/temp_dir_test.h"

namespace {

using comparetest::laterShape;
using comparetest::RunShape;

struct CompareRun {
  int code = 0;
  std::string out, err;
};

class TervtoolCompare : public testsupport::TempDirTest<> {
 protected:
  TervtoolCompare() : TempDirTest("compare") {}

  std::string write(const std::string& name, const RunShape& shape) {
    const std::string path = dir_ + "/" + name;
    EXPECT_TRUE(testsupport::writeBytes(path, comparetest::runBytes(shape)));
    return path;
  }

  CompareRun run(std::vector<std::string> args) {
    std::ostringstream out, err;
    cli::Context ctx;
    ctx.out = &out;
    ctx.err = &err;
    args.insert(args.begin(), "compare");
    CompareRun r;
    r.code = cli::run(ctx, args);
    r.out = out.str();
    r.err = err.str();
    return r;
  }
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

TEST_F(TervtoolCompare, OffsetLineRowsAndSummary) {
  const std::string a = write("A.DTM", RunShape{});
  const std::string b = write("B.DTM", laterShape(150));
  const CompareRun r = run({a, b});
  ASSERT_EQ(r.code, cli::kOk) << r.err;
  EXPECT_EQ(r.err, "");
  const std::vector<std::string> l = lines(r.out);
  ASSERT_EQ(l.size(), 2u + 1u + 925u + 3u);
  EXPECT_EQ(l[0].rfind("Смещение: +150 мм (найдено)", 0), 0u);
  EXPECT_EQ(l[2].rfind("Позиция мм\tПотеря1 мм\tСкорость1 мм/год\t", 0), 0u);
  // Pipe 900 is later position 750: 0,40 mm in 2 years on every sensor.
  EXPECT_EQ(l[3 + 750 / 2], "750\t0,40\t0,200\t0,40\t0,200\t0,40\t0,200\t0,40\t0,200");
  EXPECT_EQ(l[3 + 748 / 2], "748\t0,00\t0,000\t0,00\t0,000\t0,00\t0,000\t0,00\t0,000");
  EXPECT_EQ(l[928], "Наибольшая потеря: 0,40 мм, позиция 750 мм, Датчик1");

  // The operator's offset and minimum, ";" separated.
  const CompareRun forced = run({"--csv", a, b, "--offset", "-20", "--tmin", "6.5"});
  ASSERT_EQ(forced.code, cli::kOk) << forced.err;
  const std::vector<std::string> f = lines(forced.out);
  EXPECT_EQ(f[0].rfind("Смещение: -20 мм (задано)", 0), 0u);
  EXPECT_NE(f[1].find("минимальная толщина 6,50 мм"), std::string::npos);
  EXPECT_EQ(f[2].rfind("Позиция мм;Потеря1 мм;Скорость1 мм/год;", 0), 0u);
}

TEST_F(TervtoolCompare, RefusalsWarningsAndUsage) {
  const std::string a = write("A.DTM", RunShape{});
  RunShape shortRun = laterShape(0);
  shortRun.lengthMm = 100;
  const CompareRun little = run({a, write("S.DTM", shortRun)});
  EXPECT_EQ(little.code, cli::kRefused);
  EXPECT_EQ(little.out, "");
  EXPECT_NE(little.err.find("Контроли мало перекрываются"), std::string::npos) << little.err;

  RunShape other = laterShape(0);
  other.fields.section = "Участок 9";
  other.fields.diameter = 530;
  const CompareRun mismatched = run({a, write("O.DTM", other)});
  EXPECT_EQ(mismatched.code, cli::kOk);
  EXPECT_EQ(mismatched.err,
            "tervtool compare: Объект контролей различается (участок или изделие)\n"
            "tervtool compare: Диаметр в контролях различается\n");

  EXPECT_EQ(run({a, "/nonexistent/B.DTM"}).code, cli::kRefused);
  EXPECT_EQ(run({a}).code, cli::kUsage);
  EXPECT_EQ(run({a, a, a}).code, cli::kUsage);
  EXPECT_EQ(run({a, a, "--offset", "3"}).code, cli::kUsage);  // between two readings
  EXPECT_EQ(run({a, a, "--tmin", "4,5,0"}).code, cli::kUsage);
  EXPECT_EQ(run({a, a, "--frobnicate"}).code, cli::kUsage);
}

}  // namespace
