// The four window states (no file, .DTM, .DAU, .DHN/.DHT) as data: what is shown, enabled and pressed.
#pragma once

#include "core/datafiles/loaded_file.h"

namespace ui {

enum class WorkPanel { None, Dtm, Dau, Flaw };
enum class LegendChange { Unchanged, Show, Hide };

struct WindowState {
  bool headerPanel = false;  // Panel1
  WorkPanel work = WorkPanel::None;
  bool protocolPanel = false;      // ResTbCtl (always hidden by a state change)
  bool resButtons = false;         // ResToolBtn, ResMn
  bool zoomAndPrint = false;       // AIncrease, ADecrease, APrnt
  bool fit = false;                // AFit: maps and instrument screens
  bool analysis = false;           // AStats, AExportCsv, ASaveImage enabled: every shown file
  bool view = false;               // AView
  bool showLegend = false;         // AShowLegend
  bool thicknessActions = false;   // AShowTable, AShowGraph, ABeginPosition, AFrPos, AUpPos
  bool separator6 = false;         // ToolButton6
  bool separator16 = false;        // ToolButton16
  bool detailMenuEnabled = false;  // DViewMn
  bool settingsMenu = false;       // SetMn
  bool defectColors = false;       // ADChMn, ADColorBttn
  bool flawColors = false;         // HDChnMn, HDColorBttn
  bool flawBackGraphGate = false;  // "Фон", "График", "Строб" in HDChnMn and HDPopupMenu1
  LegendChange thicknessLegend = LegendChange::Unchanged;  // and LegBttn pressed with it
  LegendChange defectLegend = LegendChange::Unchanged;     // Hide also releases LegBttn
};

// The one place that decides the window state of a kind; FileKind::None is the no-file state.
WindowState StateFor(datafiles::FileKind kind);

}  // namespace ui
