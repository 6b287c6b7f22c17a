// The thickness view (placeholder until the chart and tables are built).
#include "ui/thickness/thickness_controller.h"

#include <QWidget>

#include "ui/shell/main_form.h"

namespace ui {

ThicknessController::ThicknessController(TMainForm& form) : form_(form) { panel_ = new QWidget(); }
ThicknessController::~ThicknessController() = default;
QWidget* ThicknessController::panel() { return panel_; }
void ThicknessController::load() {}
void ThicknessController::setLegendVisible(bool) {}
bool ThicknessController::legendVisible() const { return false; }
void ThicknessController::applyColors() {}

}  // namespace ui
