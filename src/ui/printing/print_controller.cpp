// Printing and preview (placeholder until the print routines are built).
#include "ui/printing/print_controller.h"

#include "ui/shell/main_form.h"

namespace ui {

PrintController::PrintController(TMainForm& form) : form_(form) {}
PrintController::~PrintController() = default;
void PrintController::APrntExecute() {}
void PrintController::APdfExecute() {}
void PrintController::AViewExecute() {}

}  // namespace ui
