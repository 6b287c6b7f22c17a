// A printer that keeps each page as a RecordingCanvas, for tests of the print routines.
#pragma once

#include <memory>
#include <vector>

#include "core/gfx/printer.h"
#include "core/gfx/recording_canvas.h"

namespace gfx {

class RecordingPrinter : public Printer {
 public:
  RecordingPrinter(int pageWidth, int pageHeight, int dpi = 600) : w_(pageWidth), h_(pageHeight), dpi_(dpi) {}

  void setMetrics(int charWidth, int lineHeight) {
    charWidth_ = charWidth;
    lineHeight_ = lineHeight;
  }

  int pageWidth() const override { return w_; }
  int pageHeight() const override { return h_; }
  int dpi() const override { return dpi_; }
  bool beginDoc(const std::string& title) override {
    title_ = title;
    pages_.clear();
    addPage();
    printing_ = true;
    return true;
  }
  void newPage() override { addPage(); }
  bool endDoc() override {
    printing_ = false;
    ended_ = true;
    return true;
  }
  bool printing() const override { return printing_; }
  int pageNumber() const override { return int(pages_.size()); }
  Canvas& canvas() override { return *pages_.back(); }

  const std::vector<std::unique_ptr<RecordingCanvas>>& pages() const { return pages_; }
  const std::string& title() const { return title_; }
  bool ended() const { return ended_; }

 private:
  void addPage() {
    auto page = std::make_unique<RecordingCanvas>(w_, h_);
    page->setMetrics(charWidth_, lineHeight_);
    pages_.push_back(std::move(page));
  }

  int w_;
  int h_;
  int dpi_;
  int charWidth_ = 40;
  int lineHeight_ = 80;
  bool printing_ = false;
  bool ended_ = false;
  std::string title_;
  std::vector<std::unique_ptr<RecordingCanvas>> pages_;
};

}  // namespace gfx
