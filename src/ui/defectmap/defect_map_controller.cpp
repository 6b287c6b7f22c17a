// The defect-map view (placeholder until the map is built).
#include "ui/defectmap/defect_map_controller.h"

#include <QWidget>

#include "ui/shell/main_form.h"

namespace ui {

DefectMapController::DefectMapController(TMainForm& form) : form_(form) { panel_ = new QWidget(); }
DefectMapController::~DefectMapController() = default;
QWidget* DefectMapController::panel() { return panel_; }
void DefectMapController::load() {}
void DefectMapController::setLegendVisible(bool) {}
bool DefectMapController::legendVisible() const { return false; }

}  // namespace ui
