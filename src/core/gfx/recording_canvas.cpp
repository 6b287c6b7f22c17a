// Recording canvas for tests.
#include "core/gfx/recording_canvas.h"

namespace gfx {

DrawOp RecordingCanvas::base(DrawOp::Kind kind) const {
  DrawOp op;
  op.kind = kind;
  op.pen = pen_;
  op.brush = brush_;
  op.font = font_;
  return op;
}

void RecordingCanvas::lineTo(int x, int y) {
  DrawOp op = base(DrawOp::Line);
  op.rect = Rect{pos_.x, pos_.y, x, y};
  ops_.push_back(op);
  pos_ = {x, y};
}

void RecordingCanvas::rectangle(const Rect& r) {
  DrawOp op = base(DrawOp::Rectangle);
  op.rect = r;
  ops_.push_back(op);
}

void RecordingCanvas::fillRect(const Rect& r) {
  DrawOp op = base(DrawOp::FillRect);
  op.rect = r;
  ops_.push_back(op);
}

void RecordingCanvas::polygon(const std::vector<Point>& points) {
  DrawOp op = base(DrawOp::Polygon);
  op.points = points;
  ops_.push_back(op);
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
  DrawOp op = base(DrawOp::Text);
  op.at = {x, y};
  op.text = text;
  ops_.push_back(op);
}

int RecordingCanvas::textWidth(const std::string& text) {
  int codePoints = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++codePoints;
  }
  return codePoints * charWidth_;
}

int RecordingCanvas::textHeight(const std::string&) { return lineHeight_; }

void RecordingCanvas::setPixel(int x, int y, Color c) {
  DrawOp op = base(DrawOp::Pixel);
  op.at = {x, y};
  op.color = c;
  ops_.push_back(op);
  pixels_[{x, y}] = c;
}

Color RecordingCanvas::pixel(int x, int y) const {
  auto it = pixels_.find({x, y});
  return it == pixels_.end() ? brush_.color : it->second;
}

std::vector<DrawOp> RecordingCanvas::ofKind(DrawOp::Kind kind) const {
  std::vector<DrawOp> out;
  for (const DrawOp& op : ops_) {
    if (op.kind == kind) out.push_back(op);
  }
  return out;
}

std::vector<std::string> RecordingCanvas::texts() const {
  std::vector<std::string> out;
  for (const DrawOp& op : ops_) {
    if (op.kind == DrawOp::Text) out.push_back(op.text);
  }
  return out;
}

const DrawOp* RecordingCanvas::findText(const std::string& s) const {
  for (const DrawOp& op : ops_) {
    if (op.kind == DrawOp::Text && op.text == s) return &op;
  }
  return nullptr;
}

}  // namespace gfx
