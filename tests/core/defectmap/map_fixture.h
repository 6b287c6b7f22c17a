// Test helpers for the defect map: a map of given layers and length, cells set by position, a fake scroll bar.
#pragma once

#include <cstdint>
#include <vector>

#include "core/datafiles/records.h"
#include "core/defectmap/defect_map.h"
#include "core/gfx/recording_canvas.h"

namespace defectmap::testing {

class FakeScrollBar : public ScrollBar {
 public:
  void setRange(int minimum, int maximum) override {
    min = minimum;
    max = maximum;
  }
  void setLargeStep(int step) override { largeStep = step; }
  void setPosition(int p) override { pos = p; }
  int position() const override { return pos; }
  int min = -100, max = -100, largeStep = -100, pos = -100;
};

// A loaded map: header and body owned here, the DefectMap pointing at them.
struct MapFixture {
  MapFixture(int layers, int length, int width = 1090, int height = 600)
      : canvas(width, height), body(std::size_t(2) * layers * length, 0) {
    hdr.Layers = std::uint8_t(layers);
    hdr.Length = std::uint16_t(length);
    attach();
  }
  void attach() {
    map.SetHeader(&hdr);
    map.SetCells(body.data(), body.size());
    map.SetCanvas(&canvas);
  }
  void set(int position, int layer, std::uint8_t size, std::uint8_t type) {
    const std::size_t off = 2 * (std::size_t(position) * hdr.Layers + layer);
    body[off] = size;
    body[off + 1] = type;
    map.SetCells(body.data(), body.size());
  }
  // Draws again from scratch and returns the recorded operations.
  const std::vector<gfx::DrawOp>& redraw() {
    canvas.clear();
    map.Redraw();
    return canvas.ops();
  }
  std::vector<gfx::DrawOp> fillsOf(gfx::Color c) const {
    std::vector<gfx::DrawOp> out;
    for (const auto& op : canvas.ops())
      if (op.kind == gfx::DrawOp::FillRect && op.brush.color == c) out.push_back(op);
    return out;
  }
  std::vector<gfx::DrawOp> lines() const { return canvas.ofKind(gfx::DrawOp::Line); }
  bool hasLine(int x1, int y1, int x2, int y2) const {
    for (const auto& op : lines())
      if (op.rect == gfx::Rect{x1, y1, x2, y2}) return true;
    return false;
  }
  bool hasFill(const gfx::Rect& r) const {
    for (const auto& op : canvas.ofKind(gfx::DrawOp::FillRect))
      if (op.rect == r) return true;
    return false;
  }

  datafiles::DefectMapHeader hdr;
  gfx::RecordingCanvas canvas;
  std::vector<std::uint8_t> body;
  DefectMap map;
};

}  // namespace defectmap::testing
