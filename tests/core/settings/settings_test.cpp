// terv.ini: defaults, reading by case-insensitive Cyrillic names, keeping other entries, atomic failing writes.
#include "core/settings/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/io/atomic_file.h"
#include "core/settings/profile_file.h"
#include "core/text/cp1251.h"
#include "support/file_builder.h"

namespace {

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void writeCp1251(const std::string& path, const std::string& utf8) {
  std::ofstream(path, std::ios::binary) << text::utf8ToCp1251(utf8);
}

TEST(Settings, MissingFileGivesDefaultsAndCreatesAllSectionsInOrder) {
  const std::string dir = testsupport::makeTempDir("ini");
  settings::Settings s = settings::LoadSettings(dir, "00000419");
  EXPECT_EQ(s.iniPath, dir + "/terv.ini");
  EXPECT_EQ(s.dataDir, dir);
  EXPECT_EQ(s.localeId, "00000419");
  EXPECT_EQ(s.FlawColors[settings::kFlawGrid], 0xFF0000u);
  EXPECT_EQ(s.ThicknessColors[settings::kSensor1], 0xC5B4B1u);
  EXPECT_EQ(s.DefectColors[settings::kExcessSpeed], 0x6A6A6Au);
  EXPECT_FALSE(io::fileExists(s.iniPath));

  ASSERT_EQ(settings::SaveSettings(s, "/opt/terv/tervview"), "");
  const std::string raw = readAll(s.iniPath);
  // cp1251 on disk: the Cyrillic section names are single bytes.
  EXPECT_NE(raw.find(text::utf8ToCp1251("[Р.Дефектоскоп]")), std::string::npos);
  const auto pf = settings::ProfileFile::parse(raw);
  EXPECT_EQ(pf.sectionNames(), (std::vector<std::string>{"Files", "Р.Дефектоскоп", "А.Толщиномер", "А.Дефект"}));
  EXPECT_EQ(pf.read("Files", "main"), "/opt/terv/tervview");
  EXPECT_EQ(pf.read("А.Толщиномер", "Датчик1"), std::to_string(0xC5B4B1));
  EXPECT_EQ(pf.read("А.Дефект", "АК"), "0");
  // Keys within a section keep the table's order.
  EXPECT_LT(raw.find(text::utf8ToCp1251("Датчик4=")), raw.find(text::utf8ToCp1251("Метки=")));
}

TEST(Settings, OnlyDataDirGivesDefaultColours) {
  const std::string dir = testsupport::makeTempDir("ini");
  writeCp1251(dir + "/terv.ini", "[Files]\r\nDataDir=C:\\DATA\r\n");
  const auto s = settings::LoadSettings(dir, "");
  EXPECT_EQ(s.dataDir, "C:\\DATA");
  EXPECT_EQ(s.FlawColors[settings::kFlawBackground], 0xFFFFFFu);
}

TEST(Settings, NamesIgnoreCaseAndBadValuesGiveDefaults) {
  const std::string dir = testsupport::makeTempDir("ini");
  writeCp1251(dir + "/terv.ini",
              "[files]\ndatadir=/data\n[р.дефектоскоп]\nфон=255\nсетка=blue\nГрафик=\n[А.ДЕФЕКТ]\nОБ=12x\nАК=-1\n");
  const auto s = settings::LoadSettings(dir, "");
  EXPECT_EQ(s.dataDir, "/data");
  EXPECT_EQ(s.FlawColors[settings::kFlawBackground], 255u);
  EXPECT_EQ(s.FlawColors[settings::kFlawGrid], 0xFF0000u);  // not an integer
  EXPECT_EQ(s.FlawColors[settings::kFlawGraph], 0u);        // empty: default (black)
  EXPECT_EQ(s.DefectColors[settings::kVolume], 0x00FF00u);
  EXPECT_EQ(s.DefectColors[settings::kContactLost], 0xFFFFFFFFu);  // negative system colours read as written
}

TEST(Settings, UnknownEntriesSurviveAWriteBack) {
  const std::string dir = testsupport::makeTempDir("ini");
  writeCp1251(dir + "/terv.ini", "[Files]\r\nDataDir=/d\r\nLast=x.dtm\r\n[Принтер]\r\nПоле=5\r\n");
  auto s = settings::LoadSettings(dir, "");
  s.DefectColors[0] = 123;
  ASSERT_EQ(settings::SaveSettings(s, "/p"), "");
  const auto pf = settings::ProfileFile::parse(readAll(dir + "/terv.ini"));
  EXPECT_EQ(pf.read("Files", "Last"), "x.dtm");
  EXPECT_EQ(pf.read("Принтер", "Поле"), "5");
  EXPECT_EQ(pf.read("А.Дефект", "Об"), "123");
  EXPECT_EQ(settings::LoadSettings(dir, "").DefectColors[0], 123u);
}

TEST(Settings, FailedWriteKeepsTheOldFileAndReportsIt) {
  const std::string dir = testsupport::makeTempDir("ini");
  settings::Settings s = settings::SetDefaultSettings(dir + "/no/such/dir");
  EXPECT_EQ(settings::SaveSettings(s, "/p"), "Файл настроек не удается открыть\nNo such file or directory");

  // A directory where the file should be: nothing is replaced.
  std::filesystem::create_directories(dir + "/blocked/terv.ini");
  s = settings::SetDefaultSettings(dir + "/blocked");
  EXPECT_EQ(settings::SaveSettings(s, "/p"), "Файл настроек не удается открыть\nIs a directory");
  EXPECT_TRUE(std::filesystem::is_directory(dir + "/blocked/terv.ini"));
}

TEST(Settings, StartDirectoryIsFixedAtLoad) {
  const std::string dir = testsupport::makeTempDir("ini");
  const auto s = settings::LoadSettings(dir, "");
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  EXPECT_EQ(s.iniPath, dir + "/terv.ini");
  std::filesystem::current_path(old);
}

}  // namespace

#include "core/settings/chart_colors.h"

namespace {

TEST(ChartColors, PenIsEachByteMinusTwentyWrapping) {
  EXPECT_EQ(settings::DarkenBy20(0xC5B4B1), 0xB1A09Du);
  EXPECT_EQ(settings::DarkenBy20(0x100A14), 0xFCF600u);  // 0x10 -> 0xFC, 0x0A -> 0xF6, 0x14 -> 0x00
  settings::Settings s = settings::SetDefaultSettings("/x");
  s.ThicknessColors[settings::kGrid] = 0x123456;
  const auto cc = settings::ApplyChartColors(s);
  EXPECT_EQ(cc.band[3], 0xB6A7B5u);
  EXPECT_EQ(cc.pen[3], 0xA293A1u);
  EXPECT_EQ(cc.grid, 0x123456u);
}

}  // namespace
