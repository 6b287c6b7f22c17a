// The defect-map view (.DAU): ADPanel with the map image, scroll bar and vertical zoom bar, and its actions.
#pragma once

#include <QObject>

class QWidget;

namespace ui {

class TMainForm;

class DefectMapController : public QObject {
  Q_OBJECT

 public:
  explicit DefectMapController(TMainForm& form);
  ~DefectMapController() override;

  // ADPanel, placed by the main window in its work area.
  QWidget* panel();
  // The drawing part of ShowDauDat: the window state and header panel are already set.
  void load();
  // The defect legend window.
  void setLegendVisible(bool visible);
  bool legendVisible() const;

 private:
  TMainForm& form_;
  QWidget* panel_ = nullptr;
};

}  // namespace ui
