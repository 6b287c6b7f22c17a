// DefectMap: the one view object of a defect map, with its screen and print state and every drawing step.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/datafiles/records.h"
#include "core/defectmap/map_geometry.h"
#include "core/gfx/canvas.h"
#include "core/gfx/printer.h"
#include "core/text/numfmt.h"

namespace defectmap {

// The horizontal scroll bar of the view, as the map drives it.
class ScrollBar {
 public:
  virtual ~ScrollBar() = default;
  virtual void setRange(int minimum, int maximum) = 0;
  virtual void setLargeStep(int step) = 0;
  // Moves the thumb without reporting a scroll back to the map.
  virtual void setPosition(int position) = 0;
  virtual int position() const = 0;
};

// The texts of one cell: found is false for no indication (both texts then a blank).
struct CellTextResult {
  bool found = false;
  std::string type = " ";
  std::string size = " ";
};

// What a printout needs besides the map: the protocol fields of the main window.
struct ProtocolText {
  std::string protCaption;              // caption of ProtLb
  std::string protText;                 // ProtEdt
  std::string objCaption;               // caption of ObjLb
  std::string objText;                  // ObjEdt
  std::string inspector;                // DefEdt
  std::vector<std::string> conclusion;  // lines of ZaklMem
};

class DefectMap {
 public:
  DefectMap();

  // --- Model (setters and queries) ---
  void SetScrollBar(ScrollBar* bar) { scrollBar = bar; }
  void SetHeader(const datafiles::DefectMapHeader* hdr) { header = hdr; }
  // The body of the shown map; size bounds every read (the body may be short or empty:
  // an empty body is still a shown map, drawn as empty rows).
  void SetCells(const std::uint8_t* body, std::size_t size) {
    static constexpr std::uint8_t kNoCells[2] = {0, 0};
    cells = body ? body : kNoCells;
    cellsSize = body ? size : 0;
  }
  // No map shown any more (its body released): the view falls back to the empty background.
  void ClearCells() {
    cells = nullptr;
    cellsSize = 0;
  }
  // Stores the canvas; with a header set, fits the map to its width.
  void SetCanvas(gfx::Canvas* c);
  void SetColors(const std::array<gfx::Color, 6>& colors) { DefectColors = colors; }
  void SetNumberFormat(const text::NumberFormat& nf) { numberFormat = nf; }

  void FitToWidth();
  void ClearCanvas();
  std::string FormatPosition(int mm) const;
  // layer counted from 1.
  CellTextResult CellText(int position, int layer) const;
  bool HasIndicationAt(int position) const;

  int layers() const { return header ? header->Layers : 0; }
  int length() const { return header ? header->Length : 0; }

  // --- Screen rendering ---
  void Redraw();
  void DrawBackground();
  void DrawRuler();
  void DrawLayerRuns(int layer);
  // s, e: byte offsets of the run's first cell and one past its last cell.
  void DrawRun(int layer, std::int64_t s, std::int64_t e);
  void DrawMarker();
  void EraseMarker();
  void DrawSidePanel();

  // --- Navigation; the bool results say whether the zoom limit is reached ---
  void ScrollTo(int pos);
  bool ZoomInH();
  bool ZoomOutH();
  bool ZoomInV();
  bool ZoomOutV();
  int HitMarker(int x) const;
  void MoveMarker(int x);
  void ShowDistance(int x);

  // --- Graphic print (strips) ---
  // Nothing happens without a map; false when the printer could not be opened or finished.
  bool PrintGraphic(gfx::Printer& printer, const ProtocolText& protocol);
  void PrintHeaderBlock();
  void PrintSheetNumber();
  void PrintLegend();
  void PrintFooter();
  void PrintLine(const std::string& text);
  void PrintLineAt(int x, const std::string& text);
  void DrawStripFrame();
  void DrawStripRuler();
  void DrawStripRuns(int layer);

  // --- Text table ---
  bool PrintText(gfx::Printer& printer, const ProtocolText& protocol);
  void PrintTextGroup();
  // Appends the preview's lines of the table to target.
  void BuildTextTable(std::vector<std::string>& target);
  void AppendTextGroup();

  // --- Fields, in the unit's order ---
  gfx::Canvas* canvas = nullptr;
  const datafiles::DefectMapHeader* header = nullptr;
  const std::uint8_t* cells = nullptr;
  std::size_t cellsSize = 0;
  int marginLeft = 90;
  int marginTop = 90;
  int firstMm = 0;
  float scale = 0.0f;
  float sizeFactor = 0.0f;
  int scrollUnit = 0;
  int rulerTarget = 0;
  int majorTick = 0;
  int minorTick = 0;
  int markerX = 92;
  int markerMm = 92;
  int markerWidth = 6;
  int rowHeight = 0;
  ScrollBar* scrollBar = nullptr;
  gfx::Canvas* printCanvas = nullptr;
  int pageMarginLeft = 200;
  int pageMarginRight = 100;
  int pageMarginTop = 100;
  int pageMarginBottom = 40;
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
  std::array<std::string, 7> textLines;

  std::array<gfx::Color, 6> DefectColors{0x00FF00, 0x00FFFF, 0x000080, 0x0000FF, 0x6A6A6A, 0x000000};
  text::NumberFormat numberFormat;

 private:
  // Cell bytes of position p, layer l (0-based), when the body holds the whole cell.
  bool cellPresent(std::int64_t offset) const { return offset >= 0 && std::size_t(offset) + 2 <= cellsSize; }
  // The last offset + 2 the body can serve, as an even byte count.
  std::int64_t bodyCellBytes() const { return std::int64_t(cellsSize & ~std::size_t(1)); }
  int bottomLine() const { return marginTop + layers() * rowHeight; }
  // The bar of a run of `count` cells from position `position` with these two bytes.
  RunBar barOf(int layer, std::int64_t position, std::int64_t count, std::uint8_t size, std::uint8_t type) const;
  // Runs of one layer from offset first up to limit; composite merges the bars that
  // share pixel columns (far more runs than columns) into the same final pixels.
  void scanRuns(int layer, std::int64_t first, std::int64_t limit, bool composite,
                void (DefectMap::*draw)(int, std::int64_t, std::int64_t));
  int rulerStep() const;
  void compositeRuns(int layer, std::int64_t first, std::int64_t stop);
  void queueText(std::size_t row, const std::string& text, bool joinable);
  void flushRow(std::size_t row);
  void flushText();
  void newSheet();
  void fitLine();

  ColumnCompositor compositor_;  // reused between layers and redraws
  struct PendingText {
    int x = 0;
    std::string text;
  };
  std::vector<PendingText> pendingRows_;  // text table rows waiting to be printed
  gfx::Printer* printer_ = nullptr;
  const ProtocolText* protocol_ = nullptr;
};

// Plain millimetres below 1000, then metres and kilometres with two decimals.
std::string FormatPosition(int mm, const text::NumberFormat& nf);

}  // namespace defectmap
