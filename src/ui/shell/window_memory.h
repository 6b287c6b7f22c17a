// What the viewer remembers for its user between runs: the window's place and size, the last view of the
// thickness chart and of the defect map, and the files opened last. It lives in a state file of its own under
// the user's config directory; terv.ini stays exactly the unit's file and never holds any of it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/datafiles/loaded_file.h"

namespace thickness {
class Chart3D;
}
namespace defectmap {
class DefectMap;
}

namespace ui {

struct ViewActions;

// The three ways the operator can look at the thickness chart.
enum class ChartPosition { Begin, Front, Top };

struct RememberedState {
  QByteArray geometry;  // QWidget::saveGeometry; empty: the window starts maximized
  ChartPosition chart = ChartPosition::Begin;
  int mapZoomSteps = 0;     // doublings (negative: halvings) of the map's scale from its fitted width
  QStringList recentFiles;  // most recent first
};

// <the user's config directory>/tervview/tervview.ini.
QString userStateFile();
// A missing, unreadable or broken file gives the state of a first start.
RememberedState loadRemembered(const QString& file);
// False when the file could not be written.
bool saveRemembered(const QString& file, const RememberedState& state);

// The position the chart is in now.
ChartPosition chartPositionOf(const thickness::Chart3D& chart);
// The horizontal zoom of the map in steps from its fitted width; nothing when no map is on its canvas.
std::optional<int> mapZoomStepsOf(const defectmap::DefectMap& map);

// The remembered state of one run of the viewer: read at start, the views noted as they are left, written at the end.
class WindowMemory {
 public:
  // An empty file name: nothing is read or written.
  explicit WindowMemory(QString file);

  const RememberedState& state() const { return state_; }

  // The first file of a kind shown in this run gets the view the last run left that kind in,
  // through the actions the operator would have used.
  void restoreView(datafiles::FileKind shown, const ViewActions& actions);
  // The view of the shown kind is about to go: another file, the last one closed, the window closing.
  void noteView(datafiles::FileKind shown, const thickness::Chart3D& chart, const defectmap::DefectMap& map);
  // Writes the state with the window's geometry and the recent files, followed by those another window
  // of the viewer wrote meanwhile; false when that failed.
  bool save(const QByteArray& geometry, const QStringList& recentFiles);

 private:
  QString file_;
  RememberedState state_;
  bool chartRestored_ = false;
  bool mapRestored_ = false;
};

}  // namespace ui
