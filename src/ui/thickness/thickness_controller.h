// The thickness view (.DTM): DtmPanel with the value table SGTab and the chart, and its actions.
#pragma once

#include <QObject>

class QWidget;

namespace ui {

class TMainForm;

class ThicknessController : public QObject {
  Q_OBJECT

 public:
  explicit ThicknessController(TMainForm& form);
  ~ThicknessController() override;

  // DtmPanel, placed by the main window in its work area.
  QWidget* panel();
  // The drawing part of ShowDtmDat: the window state and header panel are already set.
  void load();
  // The thickness legend window.
  void setLegendVisible(bool visible);
  bool legendVisible() const;
  // ApplyChartColors: the chart takes the thickness colours of the settings.
  void applyColors();

 private:
  TMainForm& form_;
  QWidget* panel_ = nullptr;
};

}  // namespace ui
