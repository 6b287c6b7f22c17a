// tervtool render for .DHN/.DHT records: the instrument screen at zoom 3 with the parameter panel below.
#include <QPainter>

#include "cli/commands.h"
#include "core/flawdetector/flaw_picture.h"
#include "qt/qt_canvas.h"

namespace cli {

QImage renderFlaw(const Context& ctx, const datafiles::LoadedFile& file, QSize size) {
  if (!file.isFlaw()) return {};
  // The parameter panel is taller when the TVG lines follow, as in the viewer.
  const int panelHeight = (file.flaw.Flags & datafiles::kFlagTvgMode) == 1 ? 230 : 160;
  const int pictureHeight = std::max(1, size.height() - panelHeight);
  QImage picture(size.width(), pictureHeight, QImage::Format_RGB32);
  QImage panel(size.width(), panelHeight, QImage::Format_RGB32);
  {
    qtx::QtCanvas pictureCanvas(picture);
    qtx::QtCanvas panelCanvas(panel);
    flaw::HDScreen screen;
    screen.colors = ctx.settings.FlawColors;
    screen.loadInstrumentFont();
    flaw::setRecord(screen, file, ctx.localeId);
    screen.AttachCanvas(&pictureCanvas);
    screen.textCanvas = &panelCanvas;
    screen.textY = screen.topY;
    flaw::BuildScreen(screen);
  }
  QImage out(size.width(), pictureHeight + panelHeight, QImage::Format_RGB32);
  QPainter p(&out);
  p.drawImage(0, 0, picture);
  p.drawImage(0, pictureHeight, panel);
  p.end();
  return out;
}

}  // namespace cli
