// QPainter canvas with the platform's drawing rules: excluded line ends, XOR pens on images.
#include "qt/qt_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPolygon>
#include <QTextLayout>
#include <algorithm>
#include <cstdlib>

#include "qt/convert.h"

namespace qtx {

QFont toQFont(const gfx::Font& f) {
  QFont q(QString::fromStdString(f.name));
  if (f.pixelHeight > 0)
    q.setPixelSize(f.pixelHeight);
  else
    q.setPointSize(f.pointSize > 0 ? f.pointSize : 8);
  q.setBold(f.bold);
  q.setItalic(f.italic);
  q.setUnderline(f.underline);
  q.setStyleStrategy(QFont::NoAntialias);
  return q;
}

QtCanvas::QtCanvas(QImage& image) : image_(&image), width_(image.width()), height_(image.height()) {
  ownPainter_ = std::make_unique<QPainter>(&image);
  painter_ = ownPainter_.get();
  setFont(font_);
}

QtCanvas::QtCanvas(QPainter& painter, int width, int height) : painter_(&painter), width_(width), height_(height) {
  setFont(font_);
}

QtCanvas::~QtCanvas() { flushFills(); }

void QtCanvas::setFont(const gfx::Font& font) {
  if (metrics_ && font == font_) return;
  font_ = font;
  qfont_ = toQFont(font);
  metrics_.reset();
  glyphCache_.clear();
  monoAdvance_ = -1;
}

const QFontMetrics& QtCanvas::metrics() {
  // Measuring is the dear part of text output: once per font, not once per text.
  if (!metrics_) metrics_ = std::make_unique<QFontMetrics>(qfont_, painter_->device());
  return *metrics_;
}

void QtCanvas::applyMode() {
  switch (pen_.mode) {
    case gfx::PenMode::Copy:
      painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
      break;
    case gfx::PenMode::Xor:
      painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      break;
    case gfx::PenMode::NotXor:
      painter_->setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
      break;
  }
}

void QtCanvas::applyPen() {
  if (pen_.style == gfx::PenStyle::Clear) {
    painter_->setPen(Qt::NoPen);
    return;
  }
  QPen p(toQColor(pen_.color));
  p.setWidth(pen_.width <= 1 ? 0 : pen_.width);  // 0: the cosmetic one-pixel pen
  switch (pen_.style) {
    case gfx::PenStyle::Dash:
      p.setStyle(Qt::DashLine);
      break;
    case gfx::PenStyle::Dot:
      p.setStyle(Qt::DotLine);
      break;
    case gfx::PenStyle::DashDot:
      p.setStyle(Qt::DashDotLine);
      break;
    default:
      p.setStyle(Qt::SolidLine);
      break;
  }
  painter_->setPen(p);
}

bool QtCanvas::inClip(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  if (clip_ && (x < clip_->left || x >= clip_->right || y < clip_->top || y >= clip_->bottom)) return false;
  return true;
}

void QtCanvas::lineTo(int x, int y) {
  flushFills();
  const gfx::Point from = pos_;
  pos_ = {x, y};
  if (pen_.style == gfx::PenStyle::Clear) return;
  applyPen();
  applyMode();
  if (pen_.width <= 1 && pen_.style == gfx::PenStyle::Solid) {
    // The platform's line: Bresenham without the end pixel, each pixel once, so that
    // an XOR line drawn twice leaves the picture as it was.
    int x0 = from.x, y0 = from.y;
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    if (dx == 0 && dy == 0) return;
    if (dy == 0 || dx == 0) {
      // Straight lines, the most common: one shape, end pixel excluded.
      painter_->drawLine(x0, y0, dx == 0 ? x0 : x - sx, dy == 0 ? y0 : y - sy);
      return;
    }
    if (dx <= 4 * (width_ + height_) && -dy <= 4 * (width_ + height_)) {
      QPolygon points;
      points.reserve(std::max(dx, -dy));
      int err = dx + dy;
      while (!(x0 == x && y0 == y)) {
        points << QPoint(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
          err += dy;
          x0 += sx;
        }
        if (e2 <= dx) {
          err += dx;
          y0 += sy;
        }
      }
      painter_->drawPoints(points);
      return;
    }
  }
  painter_->drawLine(from.x, from.y, x, y);
}

void QtCanvas::rectangle(const gfx::Rect& r) {
  flushFills();
  applyMode();
  if (brush_.style == gfx::BrushStyle::Solid && r.width() > 0 && r.height() > 0 && !fillDirect(r)) {
    painter_->fillRect(QRect(r.left, r.top, r.width(), r.height()), toQColor(brush_.color));
  }
  flushFills();  // the outline goes over the inside
  if (pen_.style != gfx::PenStyle::Clear && r.width() > 0 && r.height() > 0) {
    applyPen();
    painter_->setBrush(Qt::NoBrush);
    if (pen_.width <= 1) {
      painter_->drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
    } else {
      const int h = pen_.width / 2;
      painter_->drawRect(QRect(r.left + h, r.top + h, r.width() - 2 * h - 1, r.height() - 2 * h - 1));
    }
  }
}

// A plain fill of an image canvas written straight into the image's memory: the chart of a
// long run is thousands of column-wide rectangles, and a painter's fill costs a microsecond
// each whatever its size. The pixels are those the painter writes for an opaque colour.
bool QtCanvas::fillDirect(const gfx::Rect& r) {
  if (!image_ || pen_.mode != gfx::PenMode::Copy || !image_->isDetached() || !painter_->transform().isIdentity())
    return false;
  const QImage::Format format = image_->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return false;
  if (painter_->hasClipping() != clip_.has_value()) return false;
  DirectFill f{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width_), std::min(r.bottom, height_), 0};
  if (clip_) {
    f.left = std::max(f.left, clip_->left);
    f.top = std::max(f.top, clip_->top);
    f.right = std::min(f.right, clip_->right);
    f.bottom = std::min(f.bottom, clip_->bottom);
  }
  if (f.left >= f.right || f.top >= f.bottom) return true;
  f.value = 0xFF000000u | (QRgb(gfx::red(brush_.color)) << 16) | (QRgb(gfx::green(brush_.color)) << 8) |
            QRgb(gfx::blue(brush_.color));
  if (batching_) {
    held_.push_back(f);
  } else {
    writeFills(&f, 1, f.top, f.bottom);
  }
  return true;
}

// The rows top..bottom of the given fills, in their order.
void QtCanvas::writeFills(const DirectFill* fills, std::size_t count, int top, int bottom) const {
  // The image is not shared (checked when the fills were taken), so bits() is its own memory.
  uchar* const bits = image_->bits();
  const qsizetype step = image_->bytesPerLine();
  for (std::size_t i = 0; i < count; ++i) {
    const DirectFill& f = fills[i];
    const int y0 = std::max(f.top, top), y1 = std::min(f.bottom, bottom);
    uchar* row = bits + std::ptrdiff_t(y0) * step;
    const int n = f.right - f.left;
    for (int y = y0; y < y1; ++y, row += step) {
      QRgb* line = reinterpret_cast<QRgb*>(row) + f.left;
      if (n == 1)
        *line = f.value;
      else
        std::fill(line, line + n, f.value);
    }
  }
}

// Held fills are written in bands of rows, every fill in its order within each band: the
// same pixels as one after the other, but a tall narrow column no longer walks the whole
// height of a large image at once (a memory page a row) for each of thousands of columns.
void QtCanvas::flushFills() const {
  if (held_.empty()) return;
  int top = height_, bottom = 0;
  for (const DirectFill& f : held_) {
    top = std::min(top, f.top);
    bottom = std::max(bottom, f.bottom);
  }
  constexpr int kBand = 32;
  for (int y = top; y < bottom; y += kBand) writeFills(held_.data(), held_.size(), y, std::min(bottom, y + kBand));
  held_.clear();
}

void QtCanvas::beginFillBatch() { batching_ = true; }

void QtCanvas::endFillBatch() {
  flushFills();
  batching_ = false;
}

void QtCanvas::fillRect(const gfx::Rect& r) {
  if (brush_.style != gfx::BrushStyle::Solid || r.width() <= 0 || r.height() <= 0) return;
  if (fillDirect(r)) return;
  applyMode();
  painter_->fillRect(QRect(r.left, r.top, r.width(), r.height()), toQColor(brush_.color));
}

void QtCanvas::polygon(const std::vector<gfx::Point>& points) {
  flushFills();
  if (points.empty()) return;
  QPolygon poly;
  poly.reserve(int(points.size()));
  for (const auto& p : points) poly << QPoint(p.x, p.y);
  applyMode();
  applyPen();
  if (brush_.style == gfx::BrushStyle::Solid)
    painter_->setBrush(toQColor(brush_.color));
  else
    painter_->setBrush(Qt::NoBrush);
  painter_->drawPolygon(poly);
}

void QtCanvas::textOut(int x, int y, const std::string& text) {
  flushFills();
  const QString s = QString::fromStdString(text);
  painter_->setFont(qfont_);
  const QFontMetrics& fm = metrics();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (brush_.style == gfx::BrushStyle::Solid) {
    painter_->fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), toQColor(brush_.color));
  }
  painter_->setPen(toQColor(font_.color));
  painter_->drawText(QPoint(x, y + fm.ascent()), s);
}

// The glyphs of a text as drawText places them, the left end of the baseline at (0, 0).
const QList<QGlyphRun>& QtCanvas::glyphRuns(const QString& text) {
  auto found = glyphCache_.constFind(text);
  if (found != glyphCache_.constEnd()) return *found;
  if (std::optional<QList<QGlyphRun>> mono = monoRuns(text)) {
    if (glyphCache_.size() >= 4096) glyphCache_.clear();
    return *glyphCache_.insert(text, std::move(*mono));
  }
  // Bounded: a long table has as many different positions as rows.
  if (glyphCache_.size() >= 4096) glyphCache_.clear();
  QTextLayout layout(text, qfont_, painter_->device());
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  QList<QGlyphRun> runs = layout.glyphRuns();
  const qreal baseline = line.isValid() ? line.ascent() : 0;
  for (QGlyphRun& run : runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions) p.ry() -= baseline;
    run.setPositions(positions);
  }
  return *glyphCache_.insert(text, runs);
}

// A text of plain ASCII characters in a fixed-pitch font, put together from its characters'
// glyphs, each one advance further: what the shaper gives for such a text, without shaping
// it (a printed table's position column differs on every row). Nothing when the font is
// proportional or a character does not lay out as one glyph of the same advance.
std::optional<QList<QGlyphRun>> QtCanvas::monoRuns(const QString& text) {
  if (text.size() < 2) return std::nullopt;
  for (QChar ch : text)
    if (ch.unicode() < 0x21 || ch.unicode() > 0x7E) return std::nullopt;
  if (monoAdvance_ < 0) {
    monoAdvance_ = 0;
    if (QFontInfo(qfont_).fixedPitch()) {
      // Equal advances add up exactly: the second glyph's place is the advance.
      const QList<QGlyphRun> pair = glyphRuns(QStringLiteral("00"));
      if (pair.size() == 1 && pair[0].positions().size() == 2)
        monoAdvance_ = pair[0].positions()[1].x() - pair[0].positions()[0].x();
    }
  }
  if (monoAdvance_ <= 0) return std::nullopt;
  QGlyphRun run;
  QList<quint32> indexes;
  QList<QPointF> positions;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QList<QGlyphRun> one = glyphRuns(QString(text[i]));
    if (one.size() != 1 || one[0].glyphIndexes().size() != 1) return std::nullopt;
    if (i == 0) run = one[0];
    if (one[0].rawFont() != run.rawFont()) return std::nullopt;
    indexes.append(one[0].glyphIndexes()[0]);
    const QPointF at = one[0].positions()[0];
    positions.append(QPointF(at.x() + qreal(i) * monoAdvance_, at.y()));
  }
  run.setGlyphIndexes(indexes);
  run.setPositions(positions);
  return QList<QGlyphRun>{run};
}

// One glyph run per font for the whole row: a PDF page then holds one text object per row
// instead of one per cell. Cells that overlap, or an underlined font, go one by one, as the
// order of fills and texts then shows.
void QtCanvas::textRow(int y, const std::vector<gfx::TextCell>& cells) {
  flushFills();
  if (decorated()) return gfx::Canvas::textRow(y, cells);
  painter_->setFont(qfont_);
  const QFontMetrics& fm = metrics();
  std::vector<QString> texts;
  texts.reserve(cells.size());
  QList<QRect> boxes;
  for (const gfx::TextCell& cell : cells) {
    texts.push_back(QString::fromStdString(cell.text));
    const QRect box(cell.x, y, fm.horizontalAdvance(texts.back()), fm.height());
    if (!boxes.empty() && boxes.back().x() + boxes.back().width() > box.x()) return gfx::Canvas::textRow(y, cells);
    boxes.append(box);
  }
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (brush_.style == gfx::BrushStyle::Solid) {
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(toQColor(brush_.color));
    painter_->drawRects(boxes);
  }
  painter_->setPen(toQColor(font_.color));
  const QPointF baseline(0, y + fm.ascent());
  QGlyphRun merged;
  QList<quint32> indexes;
  QList<QPointF> positions;
  const auto flush = [&] {
    if (indexes.isEmpty()) return;
    merged.setGlyphIndexes(indexes);
    merged.setPositions(positions);
    painter_->drawGlyphRun(baseline, merged);
    indexes.clear();
    positions.clear();
  };
  for (std::size_t i = 0; i < cells.size(); ++i) {
    for (const QGlyphRun& run : glyphRuns(texts[i])) {
      if (!indexes.isEmpty() && run.rawFont() != merged.rawFont()) flush();
      if (indexes.isEmpty()) merged.setRawFont(run.rawFont());
      indexes.append(run.glyphIndexes());
      for (const QPointF& p : run.positions()) positions.append(QPointF(p.x() + cells[i].x, p.y()));
    }
  }
  flush();
}

int QtCanvas::textWidth(const std::string& text) { return metrics().horizontalAdvance(QString::fromStdString(text)); }

int QtCanvas::textHeight(const std::string&) { return metrics().height(); }

void QtCanvas::setClip(std::optional<gfx::Rect> clip) {
  clip_ = clip;
  if (clip)
    painter_->setClipRect(QRect(clip->left, clip->top, clip->width(), clip->height()));
  else
    painter_->setClipping(false);
}

void QtCanvas::setPixel(int x, int y, gfx::Color c) {
  flushFills();
  if (!inClip(x, y)) return;
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->setPen(QPen(toQColor(c), 0));
  painter_->drawPoint(x, y);
}

gfx::Color QtCanvas::pixel(int x, int y) const {
  flushFills();
  if (!image_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return fromQColor(QColor(image_->pixel(x, y)));
}

}  // namespace qtx
