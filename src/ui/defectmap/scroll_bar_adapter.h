// ADScrollBar1 as the map drives it: range, large step and position set without echoing a scroll.
#pragma once

#include <QScrollBar>
#include <QSignalBlocker>

#include "core/defectmap/defect_map.h"

namespace ui {

class ScrollBarAdapter : public defectmap::ScrollBar {
 public:
  explicit ScrollBarAdapter(QScrollBar* bar) : bar_(bar) {}
  void setRange(int minimum, int maximum) override {
    const QSignalBlocker block(bar_);
    bar_->setRange(minimum, maximum);
  }
  void setLargeStep(int step) override {
    const QSignalBlocker block(bar_);
    bar_->setPageStep(step > 0 ? step : 1);
  }
  void setPosition(int position) override {
    const QSignalBlocker block(bar_);
    bar_->setValue(position);
  }
  int position() const override { return bar_->value(); }

 private:
  QScrollBar* bar_;
};

}  // namespace ui
