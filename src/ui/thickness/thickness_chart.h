// The thickness chart AutoChrt with its positions, zoom, read-out, sensor choice and legend window.
#pragma once

#include <QObject>

class QWidget;

namespace ui {

class TMainForm;

class ThicknessChart : public QObject {
  Q_OBJECT

 public:
  explicit ThicknessChart(TMainForm& form);
  ~ThicknessChart() override;

  // AutoChrt inside its ScrollBox1; the thickness controller places it in DtmPanel.
  QWidget* widget();
  // Builds the chart of the loaded .DTM file (the chart part of ShowDtmDat).
  void load();
  void setLegendVisible(bool visible);
  bool legendVisible() const;
  // ApplyChartColors.
  void applyColors();

 private:
  TMainForm& form_;
  QWidget* widget_ = nullptr;
};

}  // namespace ui
