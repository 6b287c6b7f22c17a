// The flaw-detector view (.DHN/.DHT): HDefPanel with the instrument screen, parameter panel and zoom.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>

#include "core/datafiles/loaded_file.h"
#include "core/flawdetector/flaw_print.h"
#include "core/flawdetector/hd_screen.h"
#include "ui/host/view.h"

class QLabel;
class QScrollArea;
class QToolBar;
class QWidget;

namespace ui {

class ViewHost;

class FlawController : public QObject, public View {
  Q_OBJECT

 public:
  explicit FlawController(ViewHost& host);
  ~FlawController() override;

  // View: HDefPanel; the drawing part of ShowRdefDat; the picture redrawn after a printout,
  // which draws the record with its own screen object.
  QWidget* panel() override;
  void load() override;
  void printed() override { RedrawScreen(); }
  QWidget* focusTarget() override;

  // Handlers and operations of the view; each does nothing while a print job runs.
  void HDefPanelResize();
  // Rebuilds the raster and repaints picture and parameter text (after colour changes and printing).
  void RedrawScreen();
  // True when the zoom limit (kMaxZoom in, kMinZoom out) has been reached.
  bool ZoomInScreen();
  bool ZoomOutScreen();
  // AFit: the largest zoom at which the whole screen shows in the window.
  void fitToWindow();
  void AIncreaseExecute();
  void ADecreaseExecute();
  // PrintScreen for the print command: the shown record with the protocol fields (further sheets for a long
  // conclusion), then the screen picture redrawn.
  flaw::PrintOutcome printScreen(gfx::Printer& printer, const protocol::ProtocolFields& fields);

  // Colour items in menu order 0..5: "Фон", "Сетка", "График", "Цифры", "Строб", "Текст".
  void changeColor(int item);

  // The view's parts, for tests and the print command.
  const flaw::HDScreen& screen() const { return screen_; }
  QScrollArea* scrollBox() const { return HDScrollBox; }
  QLabel* image() const { return HDImage; }
  QLabel* textPanel() const { return HDLImage; }
  const QImage& pictureImage() const { return picture_; }
  const QImage& textImage() const { return textImage_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool shown() const;
  void connectActions();
  // Enables the zoom actions as the zoom allows, each with its picture.
  void syncZoomActions();
  void syncColors();
  void ensurePictureSize();
  // Runs a drawing step with the canvases of HDImage and HDLImage attached, then shows the bitmaps.
  template <typename F>
  void draw(F&& step);
  void showImages();
  void repaintRaster();
  void scrollToTopLeft();

  ViewHost& host_;
  datafiles::LoadedFile shown_;
  flaw::HDScreen screen_;
  QImage picture_;
  QImage textImage_;
  bool firstResizePending_ = true;

  QPointer<QWidget> HDefPanel;
  QWidget* HDMainPanel = nullptr;
  QToolBar* HDToolBar = nullptr;
  QScrollArea* HDScrollBox = nullptr;
  QLabel* HDImage = nullptr;
  QLabel* HDLImage = nullptr;
};

}  // namespace ui
