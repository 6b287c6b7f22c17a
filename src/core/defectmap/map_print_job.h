// MapPrintJob: one printout of a defect map, the graphic strips or the text table, with the page state it needs.
#pragma once

#include <string>
#include <vector>

#include "core/defectmap/defect_map.h"
#include "core/defectmap/map_geometry.h"
#include "core/gfx/canvas.h"
#include "core/gfx/printer.h"
#include "core/printing/print_status.h"
#include "core/protocol/protocol_fields.h"

namespace defectmap {

// The print font of both forms.
inline const gfx::Font kPrintFont{"Courier New", 0, 10, gfx::kBlack};

// Everything that changes while a map is printed lives here: the page, the print position,
// the sheet count and the frame of the strip being drawn. The map is only read, so its
// screen (canvas, scale, scroll position, marker, ruler) is the same during and after the
// print. A job prints once.
class MapPrintJob {
 public:
  MapPrintJob(const DefectMap& map, gfx::Printer& printer, const protocol::ProtocolFields& protocol,
              const protocol::LabelCaptions& captions);

  // Nothing is printed without a map: Printed then, as nothing failed.
  printing::PrintStatus PrintGraphic();
  printing::PrintStatus PrintText();

  // --- Steps shared by both forms ---
  void PrintHeaderBlock();
  void PrintSheetNumber();
  void PrintFooter();
  // At the left margin, then one line down.
  void PrintLine(const std::string& text);
  // At x, on a new sheet (under the header, numbered) when the line would not fit above the
  // bottom margin.
  void PrintLineAt(int x, const std::string& text);

  // --- Graphic form ---
  void PrintLegend();
  void DrawStripFrame();
  void DrawStripRuler();
  void DrawStripRuns(int layer);

  // --- Text form: one group of six positions from printPos on ---
  void PrintTextGroup();

  // Page margins in printer pixels.
  static constexpr int pageMarginLeft = 200;
  static constexpr int pageMarginRight = 100;
  static constexpr int pageMarginTop = 100;
  static constexpr int pageMarginBottom = 40;

 private:
  bool hasMap() const { return map_.cells && map_.header; }
  void newSheet();
  void fitLine();
  // Graphic form: page metrics, the strips' metrics, the strips with their sheets.
  void setUpGraphicPage();
  void setUpStrips();
  void printStrips();
  bool stripHasIndication() const;
  void continueStripsOnNewSheet();
  // Text form: page metrics, the row titles of a block row, the queued texts of the rows.
  void setUpTextPage();
  void printRowTitles();
  void queueLabel(const std::string& label);
  void queueText(std::size_t row, const std::string& text);
  void flushRow(std::size_t row);
  void flushText();

  const DefectMap& map_;
  gfx::Printer& printer_;
  const protocol::ProtocolFields& protocol_;
  protocol::LabelCaptions captions_;

  gfx::Canvas* printCanvas = nullptr;
  int printX = 0;
  int printY = 0;
  int printPos = 0;
  int groupWidth = 0;
  int blockHeight = 0;
  int charWidth = 0;
  int lineStep = 0;
  float printScale = 0.0f;
  int stripWidth = 0;
  int pageBottom = 0;
  int stripMm = 0;
  int pageNo = 0;
  RunFrame strip_;               // the strip being drawn; its marginTop is the strip's top
  ColumnCompositor compositor_;  // reused between strips
  struct PendingText {
    int x = 0;
    std::string text;
  };
  std::vector<PendingText> pendingRows_;  // text table rows waiting to be printed
};

}  // namespace defectmap
