// The thickness chart (placeholder until Chart3D is built).
#include "ui/thickness/thickness_chart.h"

#include <QWidget>

#include "ui/shell/main_form.h"

namespace ui {

ThicknessChart::ThicknessChart(TMainForm& form) : form_(form) { widget_ = new QWidget(); }
ThicknessChart::~ThicknessChart() = default;
QWidget* ThicknessChart::widget() { return widget_; }
void ThicknessChart::load() {}
void ThicknessChart::setLegendVisible(bool) {}
bool ThicknessChart::legendVisible() const { return false; }
void ThicknessChart::applyColors() {}

}  // namespace ui
