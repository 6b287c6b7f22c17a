// DefectMap: the one view object of a defect map: its screen state, drawing, navigation and the entry to its printouts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/datafiles/records.h"
#include "core/defectmap/map_geometry.h"
#include "core/gfx/canvas.h"
#include "core/gfx/printer.h"
#include "core/printing/print_status.h"
#include "core/protocol/protocol_fields.h"
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
  void clearCells() {
    cells = nullptr;
    cellsSize = 0;
  }
  // Stores the canvas; with a header set, fits the map to its width.
  void SetCanvas(gfx::Canvas* c);
  void setColors(const std::array<gfx::Color, 6>& colors) { DefectColors = colors; }
  void setNumberFormat(const text::NumberFormat& nf) { numberFormat = nf; }

  void FitToWidth();
  void ClearCanvas();
  std::string FormatPosition(int mm) const;
  // layer counted from 1.
  CellTextResult CellText(int position, int layer) const;
  bool HasIndicationAt(int position) const;
  // Characters a position takes in the text table's group of six from `position` on, over
  // layers 1 .. n: one while every size of the group is one character, otherwise the widest
  // size and a blank, so that each size stands apart and under its own type symbol.
  int TextColumnWidth(int position, int n) const;

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
  // Scrolls so that millimetre mm stands a quarter into the window and puts the marker on it.
  void ShowPosition(int mm);

  // --- Printouts and the preview's table; the map is only read ---
  // Each printout runs as a MapPrintJob with its own page state. Nothing is printed without
  // a map (Printed: nothing failed); captions are those of the panel's labels.
  printing::PrintStatus PrintGraphic(gfx::Printer& printer, const protocol::ProtocolFields& protocol,
                                     const protocol::LabelCaptions& captions = {}) const;
  printing::PrintStatus PrintText(gfx::Printer& printer, const protocol::ProtocolFields& protocol,
                                  const protocol::LabelCaptions& captions = {}) const;
  // Appends the preview's lines of the table to target.
  void BuildTextTable(std::vector<std::string>& target) const;

  // The runs of one layer between byte offsets first and limit, drawn in frame f on c;
  // the compositor is the caller's, reused between layers.
  void drawRuns(gfx::Canvas& c, const RunFrame& f, ColumnCompositor& compositor, int layer, std::int64_t first,
                std::int64_t limit) const;

  // --- Fields of the screen, in the unit's order ---
  gfx::Canvas* canvas = nullptr;
  const datafiles::DefectMapHeader* header = nullptr;
  const std::uint8_t* cells = nullptr;
  std::size_t cellsSize = 0;
  // Where the rows start and which millimetre stands at the left margin.
  int marginLeft = 90;
  int marginTop = 90;
  int firstMm = 0;
  // Zoom: pixels a millimetre, pixels a unit of size, pixels a scroll step.
  float scale = 0.0f;
  float sizeFactor = 0.0f;
  int scrollUnit = 0;
  // The ruler's wanted label spacing in pixels and its tick lengths.
  int rulerTarget = 0;
  int majorTick = 0;
  int minorTick = 0;
  // The marker window: its left edge, the millimetre there and its width in millimetres.
  int markerX = 92;
  int markerMm = 92;
  int markerWidth = 6;
  int rowHeight = 0;
  ScrollBar* scrollBar = nullptr;

  std::array<gfx::Color, 6> DefectColors{0x00FF00, 0x00FFFF, 0x000080, 0x0000FF, 0x6A6A6A, 0x000000};
  text::NumberFormat numberFormat;

 private:
  // The lines of the preview's table being filled: the position row, then type and size
  // rows of up to three layers.
  using TextLines = std::array<std::string, 7>;

  // Cell bytes of position p, layer l (0-based), when the body holds the whole cell.
  bool cellPresent(std::int64_t offset) const { return offset >= 0 && std::size_t(offset) + 2 <= cellsSize; }
  // The last offset + 2 the body can serve, as an even byte count.
  std::int64_t bodyCellBytes() const { return std::int64_t(cellsSize & ~std::size_t(1)); }
  int bottomLine() const { return marginTop + layers() * rowHeight; }
  // The screen's frame: the map's own fields.
  RunFrame screenFrame() const { return RunFrame{firstMm, scale, sizeFactor, marginLeft, marginTop, rowHeight}; }
  // The bar of a run of `count` cells from position `position` with these two bytes.
  RunBar barOf(const RunFrame& f, int layer, std::int64_t position, std::int64_t count, std::uint8_t size,
               std::uint8_t type) const;
  // s, e: byte offsets of the run's first cell and one past its last cell.
  void drawRun(gfx::Canvas& c, const RunFrame& f, int layer, std::int64_t s, std::int64_t e) const;
  // Runs far more than pixel columns (below one pixel a millimetre) merged by columns into
  // the same final pixels.
  void compositeRuns(gfx::Canvas& c, const RunFrame& f, ColumnCompositor& compositor, int layer, std::int64_t first,
                     std::int64_t stop) const;
  // The marker window's XOR lines: drawn twice, they leave the picture as it was.
  void xorMarkerFrame(gfx::Canvas& c) const;
  // Pixels from the marker window's left edge to its right: markerWidth millimetres, yet
  // always wide enough that its two sides, drawn in XOR, never overlap and cancel out.
  int markerPixels() const;
  // One group of six positions from `position` on; position moves past it.
  void AppendTextGroup(int& position, TextLines& lines) const;

  ColumnCompositor compositor_;  // reused between layers and redraws
};

// Plain millimetres below 1000, then metres and kilometres with two decimals.
std::string FormatPosition(int mm, const text::NumberFormat& nf);

// Shows the file's map in m: header and cells of a .DAU file (none for any other kind),
// the colours and the number format. The map keeps pointing into file, which must outlive
// that use.
void bindMap(DefectMap& m, const datafiles::LoadedFile& file, const std::array<gfx::Color, 6>& colors,
             const text::NumberFormat& nf);

}  // namespace defectmap
