// The flaw-detector view (placeholder until the picture is built).
#include "ui/flawdetector/flaw_controller.h"

#include <QWidget>

#include "ui/shell/main_form.h"

namespace ui {

FlawController::FlawController(TMainForm& form) : form_(form) { panel_ = new QWidget(); }
FlawController::~FlawController() = default;
QWidget* FlawController::panel() { return panel_; }
void FlawController::load() {}

}  // namespace ui
