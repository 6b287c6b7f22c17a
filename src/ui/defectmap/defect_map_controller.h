// The defect-map view (.DAU): ADPanel with the map image, scroll bar and vertical zoom bar, and its actions.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <memory>

#include "core/defectmap/defect_map.h"

class QScrollBar;
class QToolBar;
class QToolButton;
class QAction;
class QWidget;

namespace qtx {
class QtCanvas;
}

namespace ui {

class TMainForm;
class MapImage;
class ScrollBarAdapter;
class TADLegendForm;

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

  // The view's parts, for the main window's tests and the print command.
  defectmap::DefectMap& map() { return map_; }
  MapImage* image() const { return ADImage; }
  QScrollBar* scrollBar() const { return ADScrollBar1; }
  QToolButton* vertZoomIn() const { return ADtbVertZoomIn; }
  QToolButton* vertZoomOut() const { return ADtbVertZoomOut; }
  TADLegendForm* legend();

  // Handlers; each does nothing unless a map is shown and no print job runs.
  void ADScrollBar1Scroll(int position);
  void AIncreaseExecute();
  void ADecreaseExecute();
  void tbZoomInClick();
  void tbZoomOutClick();
  void ADtbVertZoomInClick();
  void ADtbVertZoomOutClick();
  void ADImageMouseDown(int x);
  void ADImageMouseMove(int x);
  void ADImageMouseUp(int x);
  void ADPanelResize();
  void AShowLegendExecute();
  // The six colour handlers: slot 0..5 of DefectColors.
  void changeColor(int slot);

 private:
  bool active() const;
  // Points the map at the loaded file, or forgets it when the file is not a map.
  void follow();
  void newPicture();
  void repaint();
  void connectColorItems();
  void connectColorItem(QAction* item, int fallbackSlot);

  TMainForm& form_;
  defectmap::DefectMap map_;
  QPointer<QWidget> panel_;
  QToolBar* ADToolBar2 = nullptr;
  QToolButton* ADtbVertZoomIn = nullptr;
  QToolButton* ADtbVertZoomOut = nullptr;
  MapImage* ADImage = nullptr;
  QScrollBar* ADScrollBar1 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QAction* tbZoomIn = nullptr;
  QAction* tbZoomOut = nullptr;
  std::unique_ptr<ScrollBarAdapter> scrollAdapter_;
  std::unique_ptr<qtx::QtCanvas> canvas_;
  QPointer<TADLegendForm> legend_;
  // The shared colour dialog opens with the colour it last returned.
  QColor lastColor_ = Qt::black;
  QSet<QAction*> connectedItems_;
};

}  // namespace ui
