// The per-user state file (QSettings, INI format) and the views restored through their actions.
#include "ui/shell/window_memory.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>

#include "core/defectmap/defect_map.h"
#include "core/thickness/chart3d.h"
#include "ui/host/view_actions.h"
#include "ui/shell/recent_files.h"

namespace ui {

namespace {

// Far beyond what the zoom limits allow: a larger number in the file is not ours.
constexpr int kMaxZoomSteps = 16;

const char* const kChartNames[] = {"begin", "front", "top"};

ChartPosition chartFromName(const QString& name) {
  for (int i = 0; i < 3; ++i)
    if (name == kChartNames[i]) return ChartPosition(i);
  return ChartPosition::Begin;
}

}  // namespace

QString userStateFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tervview/tervview.ini";
}

RememberedState loadRemembered(const QString& file) {
  RememberedState s;
  if (file.isEmpty() || !QFile::exists(file)) return s;
  QSettings in(file, QSettings::IniFormat);
  if (in.status() != QSettings::NoError) return s;
  s.geometry = in.value("window/geometry").toByteArray();
  s.chart = chartFromName(in.value("views/chart").toString());
  bool ok = false;
  const int steps = in.value("views/mapZoomSteps").toInt(&ok);
  if (ok && std::abs(steps) <= kMaxZoomSteps) s.mapZoomSteps = steps;
  s.recentFiles = RecentFiles::cleaned(in.value("recent/files").toStringList());
  return s;
}

bool saveRemembered(const QString& file, const RememberedState& s) {
  // A broken file is replaced, not merged into.
  QFile::remove(file);
  QSettings out(file, QSettings::IniFormat);
  out.setValue("window/geometry", s.geometry);
  out.setValue("views/chart", kChartNames[int(s.chart)]);
  out.setValue("views/mapZoomSteps", s.mapZoomSteps);
  out.setValue("recent/files", s.recentFiles);
  out.sync();
  return out.status() == QSettings::NoError;
}

ChartPosition chartPositionOf(const thickness::Chart3D& chart) {
  if (!chart.view3D) return ChartPosition::Front;
  if (chart.elevation == 270 && chart.rotation == 360) return ChartPosition::Top;
  return ChartPosition::Begin;
}

std::optional<int> mapZoomStepsOf(const defectmap::DefectMap& map) {
  if (!map.canvas || map.length() <= 0 || !(map.scale > 0.0f)) return std::nullopt;
  const double fitted = std::abs(map.canvas->width() - map.marginLeft) / double(map.length());
  if (!(fitted > 0.0)) return std::nullopt;
  return int(std::lround(std::log2(double(map.scale) / fitted)));
}

WindowMemory::WindowMemory(QString file) : file_(std::move(file)), state_(loadRemembered(file_)) {}

void WindowMemory::restoreView(datafiles::FileKind shown, const ViewActions& a) {
  if (shown == datafiles::FileKind::Dtm && !chartRestored_) {
    chartRestored_ = true;
    if (state_.chart == ChartPosition::Front)
      a.FrPosAction->trigger();  // the pressed front-view button, with its read-out
    else if (state_.chart == ChartPosition::Top)
      a.AUpPos->trigger();
  } else if (shown == datafiles::FileKind::Dau && !mapRestored_) {
    mapRestored_ = true;
    // A zoom control greys at the map's limit: the steps stop there.
    QAction* step = state_.mapZoomSteps > 0 ? a.AIncrease : a.ADecrease;
    for (int i = 0; i < std::abs(state_.mapZoomSteps) && step->isEnabled(); ++i) step->trigger();
  }
}

void WindowMemory::noteView(datafiles::FileKind shown, const thickness::Chart3D& chart,
                            const defectmap::DefectMap& map) {
  if (shown == datafiles::FileKind::Dtm) {
    state_.chart = chartPositionOf(chart);
  } else if (shown == datafiles::FileKind::Dau) {
    if (const std::optional<int> steps = mapZoomStepsOf(map)) state_.mapZoomSteps = *steps;
  }
}

bool WindowMemory::save(const QByteArray& geometry, const QStringList& recentFiles) {
  if (file_.isEmpty()) return true;
  state_.geometry = geometry;
  // Another window of the viewer may have closed since this one started: its recent files follow ours.
  state_.recentFiles = RecentFiles::cleaned(recentFiles + loadRemembered(file_).recentFiles);
  return saveRemembered(file_, state_);
}

}  // namespace ui
