// printFile: one print routine by kind and mode, the protocol's texts on the page, and printer failures.
#include <gtest/gtest.h>

#include "core/datafiles/reader.h"
#include "core/defectmap/defect_map.h"
#include "core/gfx/recording_printer.h"
#include "core/printing/preview_text.h"
#include "core/printing/print_file.h"
#include "core/text/wrap.h"
#include "core/thickness/value_table.h"
#include "support/file_builder.h"

namespace {

using printing::printFile;
using printing::PrintMode;
using printing::PrintStatus;

bool printed(const gfx::RecordingPrinter& p, const std::string& text) {
  for (const auto& page : p.pages())
    if (page->findText(text)) return true;
  return false;
}

datafiles::LoadedFile load(const testsupport::Bytes& bytes, const std::string& name) {
  auto r = datafiles::loadDataBytes(name, bytes);
  EXPECT_TRUE(r.ok) << name;
  return r.file;
}

printing::PrintSources sources() {
  printing::PrintSources s;
  s.protocol.protocolNumber = "5";
  s.protocol.objectName = "Труба 3";
  s.protocol.operatorName = "Иванов";
  s.protocol.conclusion = {"Годен\r\n", "к эксплуатации"};
  s.nf.decimal = ",";
  return s;
}

// A printer whose device cannot be opened, or whose document cannot be completed.
class FailingPrinter : public gfx::RecordingPrinter {
 public:
  FailingPrinter(bool opens) : RecordingPrinter(4800, 6600), opens_(opens) {}
  bool beginDoc(const std::string& t) override { return opens_ && RecordingPrinter::beginDoc(t); }
  bool endDoc() override {
    RecordingPrinter::endDoc();
    return false;
  }

 private:
  bool opens_;
};

TEST(PrintFileDispatch, ThicknessModesShareTheReportAndTheProtocol) {
  testsupport::MapLikeFields fields;
  fields.nominal = 125;  // 12.5 mm: the legend scale takes 12 whole millimetres
  fields.length = 6;
  fields.body = testsupport::thicknessBody({{900, 900, 900, 900}, {880, 870, 860, 850}});
  const auto file = load(testsupport::buildMapLike(fields), "T.DTM");
  auto s = sources();
  s.thkThreshold = 95;
  const auto all = thickness::fillAllValues(file, s.nf);
  s.table = &all.table;

  const printing::ThicknessReport r = printing::makeThicknessReport(file, s);
  EXPECT_EQ(r.nominalMm, 12);
  EXPECT_EQ(r.lengthMm, 6u);
  EXPECT_EQ(r.header[0], "Протокол №: 5");
  EXPECT_EQ(r.header[8], "Толщина обзора:9,5 мм");

  gfx::RecordingPrinter graphic(4800, 6600);
  ASSERT_EQ(printFile(graphic, file, PrintMode::Graphic, s), PrintStatus::Printed);
  EXPECT_TRUE(printed(graphic, "Условные обозначения"));
  EXPECT_TRUE(printed(graphic, " 2,2мм"));  // (12 - 1) x 0.2 with the offset 0.22 below it
  EXPECT_TRUE(printed(graphic, "Годен"));   // the memo line without its line feed
  EXPECT_TRUE(printed(graphic, "к эксплуатации"));
  EXPECT_FALSE(printed(graphic, "00000"));

  gfx::RecordingPrinter text(4800, 6600);
  ASSERT_EQ(printFile(text, file, PrintMode::Text, s), PrintStatus::Printed);
  EXPECT_TRUE(printed(text, "00000"));
  EXPECT_FALSE(printed(text, "Условные обозначения"));
  EXPECT_TRUE(printed(text, "Дефектоскопист: Иванов"));
}

TEST(PrintFileDispatch, DefectMapByModeAndFlawRecordOnOnePage) {
  testsupport::MapLikeFields dau;
  dau.type = 2;
  dau.channels = 1;
  dau.length = 4;
  dau.body = testsupport::mapBody({{0, 0}, {5, 1}, {0, 0}, {0, 0}});
  const auto map = load(testsupport::buildMapLike(dau), "M.DAU");
  defectmap::DefectMap dm;
  dm.SetHeader(&map.map);
  dm.SetCells(map.body.data(), map.body.size());
  auto s = sources();
  gfx::RecordingPrinter none(4800, 6600);
  EXPECT_EQ(printFile(none, map, PrintMode::Graphic, s), PrintStatus::NotStarted);  // no map object
  s.map = &dm;
  gfx::RecordingPrinter text(4800, 6600);
  ASSERT_EQ(printFile(text, map, PrintMode::Text, s), PrintStatus::Printed);
  EXPECT_TRUE(printed(text, "00002"));  // the group of the indication at the second millimetre
  EXPECT_TRUE(printed(text, "Годен"));

  testsupport::FlawFields dhn;
  const auto flaw = load(testsupport::buildFlaw(dhn), "F.DHN");
  gfx::RecordingPrinter page(4800, 6600);
  ASSERT_EQ(printFile(page, flaw, PrintMode::Text, s), PrintStatus::Printed);
  EXPECT_EQ(page.pages().size(), 1u);
  EXPECT_TRUE(printed(page, "Протокол №: 5"));
}

// A conclusion line of many words and one word wider than any page.
struct LongConclusion {
  std::string words;
  std::string longWord = std::string(1, 'Z') + std::string(299, 'z');
  LongConclusion() {
    for (int i = 1; i <= 80; ++i) words += (i > 1 ? " " : "") + ("слово" + std::to_string(i));
  }
  // The pieces of the two lines among the texts, each ending at or before rightEdge (in
  // characters with 40 pixels a character, as the recording printer measures), and, put
  // together in their order, the lines again: words joined by one blank, the long word without.
  void check(const std::vector<std::pair<std::string, int>>& texts, const std::string& prefix, int rightEdge,
             const std::string& what) const {
    std::string joinedWords, joinedWord;
    for (const auto& [text, right] : texts) {
      std::string t = text;
      if (t.rfind(prefix, 0) == 0) t.erase(0, prefix.size());
      const bool word = t.rfind("слово", 0) == 0;
      const bool part = !t.empty() && t.find_first_not_of("Zz") == std::string::npos;
      if (word) joinedWords += (joinedWords.empty() ? "" : " ") + t;
      if (part) joinedWord += t;
      if (word || part) EXPECT_LE(right, rightEdge) << what << ": " << text;
    }
    EXPECT_EQ(joinedWords, words) << what;
    EXPECT_EQ(joinedWord, longWord) << what;
  }
};

TEST(PrintFileDispatch, ConclusionLinesWrapInsideTheMarginsOfEveryPrintoutAndThePreview) {
  const LongConclusion conclusion;
  auto s = sources();
  s.protocol.conclusion = {conclusion.words + "\r\n", conclusion.longWord};

  testsupport::MapLikeFields dtm;
  dtm.body = testsupport::thicknessBody({{900, 900, 900, 900}});
  const auto thicknessFile = load(testsupport::buildMapLike(dtm), "T.DTM");
  testsupport::MapLikeFields dau;
  dau.type = 2;
  dau.channels = 1;
  dau.length = 4;
  dau.body = testsupport::mapBody({{0, 0}, {5, 1}, {0, 0}, {0, 0}});
  const auto mapFile = load(testsupport::buildMapLike(dau), "M.DAU");
  defectmap::DefectMap dm;
  defectmap::bindMap(dm, mapFile, dm.DefectColors, s.nf);
  s.map = &dm;
  const auto flawFile = load(testsupport::buildFlaw(testsupport::FlawFields{}), "F.DHN");

  // Each printout with the right edge of its text: thickness pages 200 pixels in from the
  // page edge, map pages 100, the flaw page its picture's margin.
  struct Case {
    const datafiles::LoadedFile* file;
    PrintMode mode;
    int rightEdge;
    std::string prefix;  // what the first conclusion line is written after on the same line
  };
  const Case cases[] = {
      {&thicknessFile, PrintMode::Graphic, 4800 - 200, ""},
      {&thicknessFile, PrintMode::Text, 4800 - 200, ""},
      {&mapFile, PrintMode::Graphic, 4800 - 100, ""},
      {&mapFile, PrintMode::Text, 4800 - 100, ""},
      {&flawFile, PrintMode::Graphic, 4800 - 346, " Заключение:"},
  };
  for (const Case& c : cases) {
    const std::string what = c.file->name + (c.mode == PrintMode::Text ? " text" : " graphic");
    gfx::RecordingPrinter printer(4800, 6600);
    ASSERT_EQ(printFile(printer, *c.file, c.mode, s), PrintStatus::Printed) << what;
    std::vector<std::pair<std::string, int>> texts;
    for (const auto& page : printer.pages())
      for (const auto& op : page->ofKind(gfx::DrawOp::Text))
        texts.emplace_back(op.text, op.at.x + 40 * text::codePointCount(op.text));
    conclusion.check(texts, c.prefix, c.rightEdge, what);
  }

  printing::PreviewSources preview;
  preview.protocol = s.protocol;
  preview.map = &dm;
  std::vector<std::pair<std::string, int>> lines;
  for (const auto& line : printing::BuildPreviewText(mapFile, preview))
    lines.emplace_back(line, text::codePointCount(line));
  conclusion.check(lines, " Заключение:", printing::kPreviewColumns, "preview");
}

TEST(PrintFileDispatch, PrinterFailuresAreTold) {
  testsupport::MapLikeFields fields;
  fields.body = testsupport::thicknessBody({{900, 900, 900, 900}});
  const auto file = load(testsupport::buildMapLike(fields), "T.DTM");
  FailingPrinter closed(false);
  EXPECT_EQ(printFile(closed, file, PrintMode::Graphic, sources()), PrintStatus::NotStarted);
  EXPECT_TRUE(closed.pages().empty());
  FailingPrinter broken(true);
  EXPECT_EQ(printFile(broken, file, PrintMode::Text, sources()), PrintStatus::WriteFailed);
  datafiles::LoadedFile nothing;
  gfx::RecordingPrinter idle(4800, 6600);
  EXPECT_EQ(printFile(idle, nothing, PrintMode::Graphic, sources()), PrintStatus::NotStarted);
  EXPECT_TRUE(idle.pages().empty());
}

}  // namespace
