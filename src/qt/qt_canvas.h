// gfx::Canvas over QPainter: on a QImage (exact pixels, XOR pens) or on a printer page.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <memory>

#include "core/gfx/canvas.h"

namespace qtx {

class QtCanvas : public gfx::Canvas {
 public:
  // Draws on an image; the image must outlive the canvas.
  explicit QtCanvas(QImage& image);
  // Draws with a painter already active on a device (a printer page); w x h is the page.
  QtCanvas(QPainter& painter, int width, int height);
  ~QtCanvas() override;

  int width() const override { return width_; }
  int height() const override { return height_; }
  void setPen(const gfx::Pen& pen) override { pen_ = pen; }
  void setBrush(const gfx::Brush& brush) override { brush_ = brush; }
  void setFont(const gfx::Font& font) override;
  gfx::Pen pen() const override { return pen_; }
  gfx::Brush brush() const override { return brush_; }
  gfx::Font font() const override { return font_; }

  void moveTo(int x, int y) override { pos_ = {x, y}; }
  void lineTo(int x, int y) override;
  void rectangle(const gfx::Rect& r) override;
  void fillRect(const gfx::Rect& r) override;
  void beginFillBatch() override;
  void endFillBatch() override;
  using gfx::Canvas::fillRect;
  void polygon(const std::vector<gfx::Point>& points) override;
  void textOut(int x, int y, const std::string& text) override;
  void textRow(int y, const std::vector<gfx::TextCell>& cells) override;
  int textWidth(const std::string& text) override;
  int textHeight(const std::string& text) override;
  void setClip(std::optional<gfx::Rect> clip) override;
  void setPixel(int x, int y, gfx::Color c) override;
  gfx::Color pixel(int x, int y) const override;

  QPainter& painter() { return *painter_; }

 private:
  void applyPen();
  void applyMode();
  bool inClip(int x, int y) const;
  // A fill written into the image itself: its rows and columns (clipped), its pixel value.
  struct DirectFill {
    int left, top, right, bottom;
    QRgb value;
  };
  bool fillDirect(const gfx::Rect& r);
  void writeFills(const DirectFill* fills, std::size_t count, int top, int bottom) const;
  void flushFills() const;
  const QFontMetrics& metrics();
  const QList<QGlyphRun>& glyphRuns(const QString& text);
  std::optional<QList<QGlyphRun>> monoRuns(const QString& text);
  bool decorated() const { return qfont_.underline() || qfont_.strikeOut() || qfont_.overline(); }

  QImage* image_ = nullptr;
  std::unique_ptr<QPainter> ownPainter_;
  QPainter* painter_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  gfx::Pen pen_;
  gfx::Brush brush_;
  gfx::Font font_;
  QFont qfont_;
  std::unique_ptr<QFontMetrics> metrics_;
  // Laid-out texts of the current font, for rows: a printed table repeats its values.
  QHash<QString, QList<QGlyphRun>> glyphCache_;
  qreal monoAdvance_ = -1;  // of a fixed-pitch font; 0 for a proportional one; -1 not yet known
  gfx::Point pos_;
  std::optional<gfx::Rect> clip_;
  bool batching_ = false;
  mutable std::vector<DirectFill> held_;  // written before anything reads or draws
};

// The QFont for a font of the canvas on a device of the given resolution.
QFont toQFont(const gfx::Font& font);

}  // namespace qtx
