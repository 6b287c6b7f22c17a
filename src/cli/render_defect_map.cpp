// tervtool render for .DAU files: the map picture at fit scale, the marker at its start place.
#include <QImage>

#include "cli/commands.h"
#include "core/defectmap/defect_map.h"
#include "qt/qt_canvas.h"

namespace cli {

QImage renderDefectMap(const Context& ctx, const datafiles::LoadedFile& file, QSize size) {
  if (file.kind != datafiles::FileKind::Dau || size.width() <= 0 || size.height() <= 0) return {};
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    qtx::QtCanvas canvas(picture);
    defectmap::DefectMap map;
    defectmap::bindMap(map, file, ctx.settings.DefectColors, ctx.nf);
    // As the view shows a file: fit to the width, clear, scroll to the start, draw.
    map.SetCanvas(&canvas);
    map.ClearCanvas();
    map.ScrollTo(0);
    map.Redraw();
  }
  return picture;
}

}  // namespace cli
