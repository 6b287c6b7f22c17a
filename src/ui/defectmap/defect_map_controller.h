// The defect-map view (.DAU): ADPanel with the map image, scroll bar and vertical zoom bar, and its actions.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <memory>

#include "core/defectmap/defect_map.h"
#include "ui/host/view.h"

class QScrollBar;
class QToolBar;
class QToolButton;
class QAction;
class QWidget;

namespace qtx {
class QtCanvas;
}

namespace ui {

class ViewHost;
class MapImage;
class ScrollBarAdapter;
class TADLegendForm;

class DefectMapController : public QObject, public View {
  Q_OBJECT

 public:
  explicit DefectMapController(ViewHost& host);
  ~DefectMapController() override;

  // View: ADPanel; the drawing part of ShowDauDat; the map forgets a body another kind
  // replaced; the defect legend window; the map a printout draws.
  QWidget* panel() override;
  void load() override;
  void fileShown() override;
  void setLegendVisible(bool visible) override;
  QWidget* focusTarget() override;
  void addPrintSources(printing::PrintSources& sources) override;

  // The map scrolled to the position with the marker on it.
  void showPosition(int mm) override;
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
  // Arrows, page keys, Home and End scroll the map; false for a key it does not take.
  bool scrollByKey(int key);
  // AFit: the whole object across the window again.
  void fitToWindow();
  // The status line: the position under the mouse (x, or none) and the scale.
  void showScale(int x = -1);
  template <typename Control>
  void zoom(bool (defectmap::DefectMap::*step)(), Control* self, Control* twin);
  void connectActions();

  ViewHost& host_;
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
};

}  // namespace ui
