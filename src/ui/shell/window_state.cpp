// The window state table.
#include "ui/shell/window_state.h"

namespace ui {

WindowState StateFor(datafiles::FileKind kind) {
  using datafiles::FileKind;
  WindowState s;  // the no-file state
  if (kind == FileKind::None) return s;

  s.headerPanel = true;
  s.resButtons = true;
  s.zoomAndPrint = true;
  s.settingsMenu = true;
  s.analysis = true;
  switch (kind) {
    case FileKind::Dtm:
      s.work = WorkPanel::Dtm;
      s.view = true;
      s.showLegend = true;
      s.thicknessActions = true;
      s.separator6 = true;
      s.separator16 = true;
      s.detailMenuEnabled = true;
      s.flawColors = true;
      s.flawBackGraphGate = false;
      s.thicknessLegend = LegendChange::Show;
      s.defectLegend = LegendChange::Hide;
      break;
    case FileKind::Dau:
      s.work = WorkPanel::Dau;
      s.fit = true;
      s.view = true;
      s.showLegend = true;
      s.separator6 = true;
      s.defectColors = true;
      s.thicknessLegend = LegendChange::Hide;
      s.defectLegend = LegendChange::Hide;
      break;
    case FileKind::Dhn:
    case FileKind::Dht:
      s.work = WorkPanel::Flaw;
      s.fit = true;
      s.flawColors = true;
      s.flawBackGraphGate = true;
      s.thicknessLegend = LegendChange::Hide;
      s.defectLegend = LegendChange::Hide;
      break;
    case FileKind::None:
      break;
  }
  return s;
}

}  // namespace ui
