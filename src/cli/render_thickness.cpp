// tervtool render for .DTM files: the thickness chart in its start position, as the view first shows it.
#include <QImage>

#include "cli/commands.h"
#include "core/thickness/chart_build.h"
#include "core/thickness/value_table.h"
#include "qt/qt_canvas.h"

namespace cli {

QImage renderThickness(const Context& ctx, const datafiles::LoadedFile& file, QSize size) {
  if (file.kind != datafiles::FileKind::Dtm || size.width() <= 0 || size.height() <= 0) return {};
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  thickness::Chart3D chart;
  thickness::setupThicknessChart(chart);
  // Only the extremes are kept: the table is gone before the chart's points are made.
  const thickness::ThkExtremes extremes = thickness::fillAllValues(file, ctx.nf).extremes;
  thickness::buildThicknessChart(chart, file, extremes, ctx.settings.ThicknessColors, ctx.nf);
  {
    qtx::QtCanvas canvas(picture);
    chart.draw(canvas, gfx::Rect{0, 0, size.width(), size.height()});
  }
  return picture;
}

}  // namespace cli
