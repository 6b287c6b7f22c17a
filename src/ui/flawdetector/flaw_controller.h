// The flaw-detector view (.DHN/.DHT): HDefPanel with the instrument screen, parameter panel and zoom.
#pragma once

#include <QObject>

class QWidget;

namespace ui {

class TMainForm;

class FlawController : public QObject {
  Q_OBJECT

 public:
  explicit FlawController(TMainForm& form);
  ~FlawController() override;

  // HDefPanel, placed by the main window in its work area.
  QWidget* panel();
  // The drawing part of ShowRdefDat: the window state and header panel are already set.
  void load();

 private:
  TMainForm& form_;
  QWidget* panel_ = nullptr;
};

}  // namespace ui
