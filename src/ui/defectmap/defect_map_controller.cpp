// The defect-map view: builds ADPanel, shows a loaded map and serves zoom, scrolling, marker, legend and colours.
#include "ui/defectmap/defect_map_controller.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <cmath>

#include "core/printing/print_file.h"
#include "qt/convert.h"
#include "qt/qt_canvas.h"
#include "ui/defectmap/ad_legend_form.h"
#include "ui/defectmap/map_image.h"
#include "ui/defectmap/scroll_bar_adapter.h"
#include "ui/host/view_host.h"

namespace ui {

namespace {

// The vertical zoom buttons' images: a row drawn tall with arrows out, or low with arrows in.
QIcon rowZoomIcon(bool taller) {
  QPixmap pm(23, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(0xF0, 0xF0, 0xF0));
  const int h = taller ? 12 : 6;
  p.drawRect(4, 11 - h / 2, 14, h);
  p.setBrush(Qt::black);
  const int tip = taller ? 0 : 6;
  const int back = taller ? 3 : 3 - 6;
  p.drawPolygon(QPolygon({QPoint(11, tip), QPoint(8, tip + back), QPoint(14, tip + back)}));
  p.drawPolygon(QPolygon({QPoint(11, 21 - tip), QPoint(8, 21 - tip - back), QPoint(14, 21 - tip - back)}));
  return QIcon(pm);
}

// The slot a colour menu item changes, by its caption; the main menu lists "along" before
// "across" and the drop-down the other way round, so the caption decides.
int slotOfCaption(QString caption, int fallback) {
  caption.remove('&');
  caption = caption.trimmed();
  static const char* kCaptions[6] = {"Объемный дефект",   "Объемно-плоскостной", "Плоскостной поперек",
                                     "Плоскостной вдоль", "Превышение скорости", "Нарушение контакта"};
  for (int k = 0; k < 6; ++k)
    if (caption == QString::fromUtf8(kCaptions[k])) return k;
  return fallback;
}

}  // namespace

DefectMapController::DefectMapController(ViewHost& host) : host_(host) {
  panel_ = new QWidget();
  panel_->setObjectName("ADPanel");
  auto* outer = new QHBoxLayout(panel_);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  ADToolBar2 = new QToolBar(panel_);
  ADToolBar2->setObjectName("ADToolBar2");
  ADToolBar2->setOrientation(Qt::Vertical);
  ADToolBar2->setFixedWidth(32);
  ADToolBar2->setIconSize(QSize(23, 22));
  ADtbVertZoomIn = new QToolButton(ADToolBar2);
  ADtbVertZoomIn->setObjectName("ADtbVertZoomIn");
  ADtbVertZoomIn->setIcon(rowZoomIcon(true));
  ADtbVertZoomIn->setFixedSize(30, 28);
  ADtbVertZoomIn->setAutoRaise(true);
  ADtbVertZoomOut = new QToolButton(ADToolBar2);
  ADtbVertZoomOut->setObjectName("ADtbVertZoomOut");
  ADtbVertZoomOut->setIcon(rowZoomIcon(false));
  ADtbVertZoomOut->setFixedSize(30, 28);
  ADtbVertZoomOut->setAutoRaise(true);
  ADToolBar2->addWidget(ADtbVertZoomIn);
  ADToolBar2->addWidget(ADtbVertZoomOut);
  outer->addWidget(ADToolBar2);

  auto* column = new QVBoxLayout();
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  ToolBar1 = new QToolBar(panel_);
  ToolBar1->setObjectName("ToolBar1");
  tbZoomIn = ToolBar1->addAction(QString());
  tbZoomIn->setToolTip(QStringLiteral("Увеличить по горизонтали"));
  tbZoomOut = ToolBar1->addAction(QString());
  tbZoomOut->setToolTip(QStringLiteral("Уменьшить по горизонтали"));
  ToolBar1->addAction(QString())->setToolTip(QStringLiteral("Открыть файл автоматического дефектоскопа"));
  ToolBar1->addAction(QString())->setToolTip(QStringLiteral("Печать текстовом режиме"));
  ToolBar1->addAction(QString())->setToolTip(QStringLiteral("Печать в графическом режиме"));
  ToolBar1->hide();
  column->addWidget(ToolBar1);

  ADImage = new MapImage(panel_);
  ADImage->setFocusPolicy(Qt::StrongFocus);
  column->addWidget(ADImage, 1);
  ADScrollBar1 = new QScrollBar(Qt::Horizontal, panel_);
  ADScrollBar1->setObjectName("ADScrollBar1");
  ADScrollBar1->setFixedHeight(18);
  ADScrollBar1->setFocusPolicy(Qt::NoFocus);
  ADScrollBar1->setRange(0, 0);
  column->addWidget(ADScrollBar1);
  outer->addLayout(column, 1);

  scrollAdapter_ = std::make_unique<ScrollBarAdapter>(ADScrollBar1);
  map_.setColors(host_.appSettings().DefectColors);
  map_.setNumberFormat(host_.numberFormat());

  ADImage->onResize = [this] { ADPanelResize(); };
  ADImage->onMouseDown = [this](int x) { ADImageMouseDown(x); };
  ADImage->onMouseMove = [this](int x) { ADImageMouseMove(x); };
  ADImage->onMouseUp = [this](int x) { ADImageMouseUp(x); };
  ADImage->onKey = [this](int key) { return scrollByKey(key); };
  ADImage->onWheel = [this](int notches, bool ctrl) {
    if (ctrl)
      (notches > 0 ? host_.viewActions().AIncrease : host_.viewActions().ADecrease)->trigger();
    else
      ADScrollBar1->setValue(ADScrollBar1->value() - notches * 3 * ADScrollBar1->singleStep());
  };
  connect(ADScrollBar1, &QScrollBar::valueChanged, this, [this](int v) { ADScrollBar1Scroll(v); });
  connect(ADtbVertZoomIn, &QToolButton::clicked, this, [this] { ADtbVertZoomInClick(); });
  connect(ADtbVertZoomOut, &QToolButton::clicked, this, [this] { ADtbVertZoomOutClick(); });
  connect(tbZoomIn, &QAction::triggered, this, [this] { tbZoomInClick(); });
  connect(tbZoomOut, &QAction::triggered, this, [this] { tbZoomOutClick(); });

  connectActions();
}

DefectMapController::~DefectMapController() {
  canvas_.reset();
  delete legend_.data();
  delete panel_.data();
}

QWidget* DefectMapController::panel() { return panel_; }

void DefectMapController::connectActions() {
  const ViewActions& a = host_.viewActions();
  connect(a.AFit, &QAction::triggered, this, [this] { fitToWindow(); });
  connect(a.AIncrease, &QAction::triggered, this, [this] { AIncreaseExecute(); });
  connect(a.ADecrease, &QAction::triggered, this, [this] { ADecreaseExecute(); });
  connect(a.AShowLegend, &QAction::triggered, this, [this] { AShowLegendExecute(); });
  for (int k = 0; k < 6; ++k) {
    for (QAction* item : {a.ADChItems[std::size_t(k)], a.ADPopupItems[std::size_t(k)]})
      connect(item, &QAction::triggered, this, [this, item, k] { changeColor(slotOfCaption(item->text(), k)); });
  }
}

// A body released by closing or replacing the file must never be read again.
void DefectMapController::fileShown() {
  if (host_.file().kind != datafiles::FileKind::Dau) follow();
}

QWidget* DefectMapController::focusTarget() { return ADImage; }

void DefectMapController::addPrintSources(printing::PrintSources& s) { s.map = &map_; }

bool DefectMapController::active() const { return host_.file().kind == datafiles::FileKind::Dau && !host_.printing(); }

void DefectMapController::follow() {
  defectmap::bindMap(map_, host_.file(), host_.appSettings().DefectColors, host_.numberFormat());
}

void DefectMapController::repaint() { ADImage->update(); }

void DefectMapController::newPicture() {
  const QSize size = ADImage->size().expandedTo(QSize(1, 1));
  canvas_.reset();
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  ADImage->setPicture(std::move(picture));
  canvas_ = std::make_unique<qtx::QtCanvas>(ADImage->picture());
  map_.SetCanvas(canvas_.get());
}

void DefectMapController::load() {
  if (host_.file().kind != datafiles::FileKind::Dau) return;
  follow();
  {
    const QSignalBlocker block(ADScrollBar1);
    ADScrollBar1->setValue(0);
  }
  map_.SetScrollBar(scrollAdapter_.get());
  // SetCanvas with the picture's canvas fits the map to the picture's width.
  if (!canvas_ || ADImage->picture().size() != ADImage->size().expandedTo(QSize(1, 1)))
    newPicture();
  else
    map_.SetCanvas(canvas_.get());
  map_.ClearCanvas();
  map_.ScrollTo(0);
  map_.Redraw();
  ADtbVertZoomIn->setEnabled(true);
  ADtbVertZoomOut->setEnabled(true);
  repaint();
}

void DefectMapController::ADPanelResize() {
  if (ADImage->width() <= 0 || ADImage->height() <= 0) return;
  follow();
  newPicture();
  map_.Redraw();
  repaint();
}

void DefectMapController::ADScrollBar1Scroll(int position) {
  if (!active()) return;
  follow();
  map_.ScrollTo(position);
  repaint();
}

void DefectMapController::showPosition(int mm) {
  if (!active()) return;
  follow();
  map_.ShowPosition(mm);
  repaint();
  showScale();
}

template <typename Control>
void DefectMapController::zoom(bool (defectmap::DefectMap::*step)(), Control* self, Control* twin) {
  if (!active()) return;
  follow();
  // The control whose step reached the map's limit greys; its twin works again.
  if ((map_.*step)()) self->setEnabled(false);
  twin->setEnabled(true);
  repaint();
  showScale();
}

void DefectMapController::AIncreaseExecute() {
  zoom(&defectmap::DefectMap::ZoomInH, host_.viewActions().AIncrease, host_.viewActions().ADecrease);
}
void DefectMapController::ADecreaseExecute() {
  zoom(&defectmap::DefectMap::ZoomOutH, host_.viewActions().ADecrease, host_.viewActions().AIncrease);
}
void DefectMapController::tbZoomInClick() { zoom(&defectmap::DefectMap::ZoomInH, tbZoomIn, tbZoomOut); }
void DefectMapController::tbZoomOutClick() { zoom(&defectmap::DefectMap::ZoomOutH, tbZoomOut, tbZoomIn); }
void DefectMapController::ADtbVertZoomInClick() {
  zoom(&defectmap::DefectMap::ZoomInV, ADtbVertZoomIn, ADtbVertZoomOut);
}
void DefectMapController::ADtbVertZoomOutClick() {
  zoom(&defectmap::DefectMap::ZoomOutV, ADtbVertZoomOut, ADtbVertZoomIn);
}

void DefectMapController::ADImageMouseDown(int x) {
  if (!active()) return;
  ADImage->Tag = map_.HitMarker(x);
}

bool DefectMapController::scrollByKey(int key) {
  if (!active()) return false;
  QScrollBar* bar = ADScrollBar1;
  switch (key) {
    case Qt::Key_Left:
      bar->setValue(bar->value() - bar->singleStep());
      return true;
    case Qt::Key_Right:
      bar->setValue(bar->value() + bar->singleStep());
      return true;
    case Qt::Key_PageUp:
      bar->setValue(bar->value() - bar->pageStep());
      return true;
    case Qt::Key_PageDown:
      bar->setValue(bar->value() + bar->pageStep());
      return true;
    case Qt::Key_Home:
      bar->setValue(bar->minimum());
      return true;
    case Qt::Key_End:
      bar->setValue(bar->maximum());
      return true;
    default:
      return false;
  }
}

void DefectMapController::fitToWindow() {
  if (!active()) return;
  follow();
  // The whole object across the window, rows at their first height, from the start.
  map_.FitToWidth();
  scrollAdapter_->setPosition(0);
  map_.ClearCanvas();
  map_.ScrollTo(0);
  for (QAction* a : {host_.viewActions().AIncrease, host_.viewActions().ADecrease, tbZoomIn, tbZoomOut})
    a->setEnabled(true);
  ADtbVertZoomIn->setEnabled(true);
  ADtbVertZoomOut->setEnabled(true);
  repaint();
  showScale();
}

void DefectMapController::showScale(int x) {
  const text::NumberFormat& nf = host_.numberFormat();
  QString text;
  if (x >= map_.marginLeft && map_.scale > 0.0f) {
    const double mm = map_.firstMm + double(x - map_.marginLeft) / map_.scale;
    if (mm <= map_.length()) {
      const double fromMarker = std::floor(mm) - map_.markerMm;
      text = "Позиция " + qtx::qs(text::formatDouble(std::trunc(mm), "#,##0", nf)) + " мм   от маркера " +
             qtx::qs(text::formatDouble(fromMarker, "#,##0", nf)) + " мм   ";
    }
  }
  text += "Масштаб " + qtx::qs(text::formatDouble(map_.scale, "#,##0.###", nf)) + " пикс/мм";
  host_.showStatus(text);
}

void DefectMapController::ADImageMouseMove(int x) {
  if (!active()) return;
  follow();
  showScale(x);
  if (ADImage->Tag < 0)
    map_.ShowDistance(x);
  else
    map_.MoveMarker(x - ADImage->Tag);
  repaint();
}

void DefectMapController::ADImageMouseUp(int) {
  if (!active()) return;
  ADImage->Tag = -1;
}

TADLegendForm* DefectMapController::legend() {
  if (!legend_) {
    legend_ = new TADLegendForm(host_.appSettings().DefectColors, host_.hostWindow());
    connect(legend_.data(), &TADLegendForm::closed, this,
            [this] { host_.viewActions().AShowLegend->setChecked(false); });
  }
  return legend_;
}

void DefectMapController::setLegendVisible(bool visible) {
  if (!visible && !legend_) return;
  legend()->setVisible(visible);
}

bool DefectMapController::legendVisible() const { return legend_ && legend_->isVisible(); }

void DefectMapController::AShowLegendExecute() {
  if (!active()) return;
  setLegendVisible(!legendVisible());
  host_.viewActions().AShowLegend->setChecked(legendVisible());
}

void DefectMapController::changeColor(int slot) {
  if (!active() || slot < 0 || slot > 5) return;
  const std::optional<QColor> chosen = host_.dialogs().chooseColor(lastColor_);
  if (!chosen) return;
  lastColor_ = *chosen;
  host_.appSettings().DefectColors[std::size_t(slot)] = qtx::fromQColor(*chosen);
  follow();
  map_.Redraw();
  repaint();
  // Hidden and shown again, the legend repaints its swatches.
  if (legendVisible()) {
    legend_->hide();
    legend_->show();
  }
}

}  // namespace ui
