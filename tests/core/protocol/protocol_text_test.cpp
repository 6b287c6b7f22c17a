// Protocol file content: the bytes the unit's programs exchange, and reading them back.
#include "core/protocol/protocol_text.h"

#include <gtest/gtest.h>

#include "core/text/cp1251.h"

namespace {

using protocol::composeProtocol;
using protocol::parseProtocol;
using protocol::ProtocolFields;

std::string cp(std::string_view utf8) { return text::utf8ToCp1251(utf8); }

ProtocolFields workedExample() { return {"12", "Труба 3", "Иванов", {"Стенка в норме", "Дефектов нет"}}; }

TEST(ProtocolText, WorkedExampleIsCp1251WithCrLfAndFourPlusOneLines) {
  const std::string bytes = composeProtocol(workedExample());
  EXPECT_EQ(bytes, cp("Протокол №:12\r\nОбъект:Труба 3\r\nДефектоскопист:Иванов\r\n"
                      "Заключение:Стенка в норме\r\nДефектов нет\r\n"));
  std::size_t lines = 0;
  for (char c : bytes) lines += c == '\n';
  EXPECT_EQ(lines, 5u);
}

TEST(ProtocolText, WorkedExampleRoundTripsToTheSameFields) {
  const ProtocolFields loaded = parseProtocol(composeProtocol(workedExample()));
  EXPECT_EQ(loaded.protocolNumber, "12");
  EXPECT_EQ(loaded.objectName, "Труба 3");
  EXPECT_EQ(loaded.operatorName, "Иванов");
  // Loaded memo lines keep their line feed; written again, they get no second one.
  ASSERT_EQ(loaded.conclusion.size(), 2u);
  EXPECT_EQ(loaded.conclusion[0], "Стенка в норме\n");
  EXPECT_EQ(loaded.conclusion[1], "Дефектов нет\n");
  EXPECT_EQ(composeProtocol(loaded), composeProtocol(workedExample()));
  EXPECT_EQ(protocol::conclusionLines(loaded), (std::vector<std::string>{"Стенка в норме", "Дефектов нет"}));
}

TEST(ProtocolText, LfAndCrLfFilesReadAlike) {
  const auto lf = cp("Протокол №:7\nОбъект:Колено\nДефектоскопист:Петров\nЗаключение:годен\n");
  const auto crlf = cp("Протокол №:7\r\nОбъект:Колено\r\nДефектоскопист:Петров\r\nЗаключение:годен\r\n");
  EXPECT_EQ(parseProtocol(lf), parseProtocol(crlf));
  EXPECT_EQ(parseProtocol(lf).objectName, "Колено");
}

TEST(ProtocolText, CaptionsAreDroppedByLengthNotCompared) {
  // A first line shorter than the caption gives an empty protocol number.
  auto f = parseProtocol(cp("Прот\r\nОбъект:Т\r\nДефектоскопист:И\r\nЗаключение:"));
  EXPECT_EQ(f.protocolNumber, "");
  EXPECT_EQ(f.objectName, "Т");
  // A first line without the caption still loses its first 11 characters.
  f = parseProtocol(cp("Номер акта 45/7\r\nОбъект:Т\r\nДефектоскопист:И\r\nЗаключение:"));
  EXPECT_EQ(f.protocolNumber, "45/7");
}

TEST(ProtocolText, EmptyConclusionIsTheCaptionAloneAndLoadsEmpty) {
  const ProtocolFields fields{"1", "", "", {}};
  const std::string bytes = composeProtocol(fields);
  EXPECT_EQ(bytes, cp("Протокол №:1\r\nОбъект:\r\nДефектоскопист:\r\nЗаключение:"));
  const auto loaded = parseProtocol(bytes);
  EXPECT_TRUE(loaded.conclusion.empty());
  EXPECT_EQ(loaded, fields);
}

TEST(ProtocolText, LastConclusionLineWithoutLineFeedIsKept) {
  const auto f = parseProtocol(cp("Протокол №:1\nОбъект:\nДефектоскопист:\nЗаключение:a\nb"));
  ASSERT_EQ(f.conclusion.size(), 2u);
  EXPECT_EQ(f.conclusion[0], "a\n");
  EXPECT_EQ(f.conclusion[1], "b");
}

TEST(ProtocolText, MissingLineFeedsLeaveFieldsEmptyAndTextForTheConclusion) {
  const auto f = parseProtocol(cp("Протокол №:12"));
  EXPECT_EQ(f.protocolNumber, "");
  EXPECT_EQ(f.objectName, "");
  EXPECT_EQ(f.operatorName, "");
  ASSERT_EQ(f.conclusion.size(), 1u);
  EXPECT_EQ(f.conclusion[0], "12");
  EXPECT_EQ(parseProtocol(""), ProtocolFields{});
}

TEST(ProtocolText, LineFeedInsideAOneLineFieldDoesNotShiftTheOthers) {
  const ProtocolFields fields{"1\n2", "Труба\r\n3", "Иванов", {"ok"}};
  const auto loaded = parseProtocol(composeProtocol(fields));
  EXPECT_EQ(loaded.protocolNumber, "1 2");
  EXPECT_EQ(loaded.objectName, "Труба  3");
  EXPECT_EQ(loaded.operatorName, "Иванов");
}

}  // namespace
