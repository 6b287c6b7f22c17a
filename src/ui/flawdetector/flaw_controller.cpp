// The flaw-detector view (.DHN/.DHT): HDefPanel with the instrument screen, parameter panel and zoom.
#include "ui/flawdetector/flaw_controller.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

#include "core/flawdetector/flaw_picture.h"
#include "qt/convert.h"
#include "qt/qt_canvas.h"
#include "ui/host/icons.h"
#include "ui/host/view_host.h"

namespace ui {

namespace {

// HDImage's design size; the bitmap grows beyond it when a zoomed picture needs more room.
constexpr int kImageWidth = 2000;
constexpr int kImageHeight = 994;
// Tool-bar pictures of the zoom buttons: enabled and disabled.
constexpr int kImgZoomOutEnabled = 24;
constexpr int kImgZoomOutDisabled = 25;
constexpr int kImgZoomInEnabled = 26;
constexpr int kImgZoomInDisabled = 27;

// Enables a zoom action with its tool-bar picture. The odd pictures are the greyed twins of the
// even ones; Qt greys a disabled button's picture itself, so the even picture is drawn for both.
void setZoomAction(QAction* action, bool enabled, int enabledImage, int disabledImage) {
  const int image = enabled ? enabledImage : disabledImage;
  action->setEnabled(enabled);
  action->setProperty("imageIndex", image);
  action->setIcon(toolIcon(image & ~1));
}

}  // namespace

FlawController::FlawController(ViewHost& host) : host_(host) {
  HDefPanel = new QWidget();
  HDefPanel->setObjectName("HDefPanel");
  auto* outer = new QVBoxLayout(HDefPanel);
  outer->setContentsMargins(0, 0, 0, 0);
  HDMainPanel = new QWidget(HDefPanel);
  HDMainPanel->setObjectName("HDMainPanel");
  outer->addWidget(HDMainPanel);
  auto* layout = new QVBoxLayout(HDMainPanel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // The view's own zoom bar exists but stays hidden: the main tool bar zooms.
  HDToolBar = new QToolBar(HDMainPanel);
  HDToolBar->setObjectName("HDToolBar");
  HDToolBar->addAction(toolIcon(kImgZoomInEnabled), "Увеличить")->setObjectName("HDToolButton1");
  HDToolBar->addAction(toolIcon(kImgZoomOutEnabled), "Уменьшить")->setObjectName("HDToolButton2");
  HDToolBar->setVisible(false);
  layout->addWidget(HDToolBar);

  HDScrollBox = new QScrollArea(HDMainPanel);
  HDScrollBox->setObjectName("HDScrollBox");
  HDScrollBox->setFrameShape(QFrame::NoFrame);
  HDScrollBox->setWidgetResizable(false);
  HDImage = new QLabel();
  HDImage->setObjectName("HDImage");
  HDImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  HDImage->resize(kImageWidth, kImageHeight);
  HDScrollBox->setWidget(HDImage);
  layout->addWidget(HDScrollBox, 1);

  HDLImage = new QLabel(HDMainPanel);
  HDLImage->setObjectName("HDLImage");
  HDLImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  HDLImage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  HDLImage->setFixedHeight(215);
  layout->addWidget(HDLImage);

  HDefPanel->installEventFilter(this);
  HDMainPanel->installEventFilter(this);
  HDLImage->installEventFilter(this);
  HDScrollBox->viewport()->installEventFilter(this);

  screen_.colors = host_.appSettings().FlawColors;
  screen_.loadInstrumentFont();

  connectActions();
}

void FlawController::connectActions() {
  const ViewActions& a = host_.viewActions();
  connect(a.AIncrease, &QAction::triggered, this, [this] { AIncreaseExecute(); });
  connect(a.ADecrease, &QAction::triggered, this, [this] { ADecreaseExecute(); });
  connect(a.AFit, &QAction::triggered, this, [this] { fitToWindow(); });
  for (int i = 0; i < 6; ++i) {
    for (QAction* item : {a.HDChnItems[std::size_t(i)], a.HDPopupItems[std::size_t(i)]})
      connect(item, &QAction::triggered, this, [this, i] { changeColor(i); });
  }
}

void FlawController::syncZoomActions() {
  const ViewActions& a = host_.viewActions();
  host_.showStatus(QString("Масштаб ×%1").arg(screen_.zoomX));
  setZoomAction(a.AIncrease, screen_.zoomX < flaw::kMaxZoom && screen_.zoomY < flaw::kMaxZoom, kImgZoomInEnabled,
                kImgZoomInDisabled);
  setZoomAction(a.ADecrease, screen_.zoomX > flaw::kMinZoom && screen_.zoomY > flaw::kMinZoom, kImgZoomOutEnabled,
                kImgZoomOutDisabled);
}

FlawController::~FlawController() {
  if (HDefPanel && !HDefPanel->parent()) delete HDefPanel.data();
}

QWidget* FlawController::panel() { return HDefPanel; }

bool FlawController::shown() const {
  return host_.file().isFlaw() &&
         (host_.shownKind() == datafiles::FileKind::Dhn || host_.shownKind() == datafiles::FileKind::Dht);
}

void FlawController::syncColors() { screen_.colors = host_.appSettings().FlawColors; }

void FlawController::ensurePictureSize() {
  const int w = std::max(kImageWidth, screen_.marginX + screen_.width * screen_.zoomX + 20);
  const int h = std::max(kImageHeight, screen_.topY + screen_.height * screen_.zoomY + 20);
  if (picture_.width() == w && picture_.height() == h) return;
  picture_ = QImage(w, h, QImage::Format_RGB32);
  picture_.fill(qtx::toQColor(gfx::sys::kBtnFace));
}

template <typename F>
void FlawController::draw(F&& step) {
  ensurePictureSize();
  if (textImage_.isNull()) {
    textImage_ = QImage(std::max(1, HDLImage->width()), HDLImage->height(), QImage::Format_RGB32);
    textImage_.fill(qtx::toQColor(gfx::sys::kAppWorkSpace));
  }
  {
    qtx::QtCanvas pictureCanvas(picture_);
    qtx::QtCanvas textCanvas(textImage_);
    screen_.AttachCanvas(&pictureCanvas);
    screen_.textCanvas = &textCanvas;
    step();
    screen_.pictureCanvas = nullptr;
    screen_.textCanvas = nullptr;
  }
  showImages();
}

void FlawController::showImages() {
  HDImage->setPixmap(QPixmap::fromImage(picture_));
  HDImage->resize(picture_.size());
  HDLImage->setPixmap(QPixmap::fromImage(textImage_));
}

void FlawController::load() {
  shown_ = host_.file();
  syncColors();
  flaw::setRecord(screen_, shown_, host_.appSettings().localeId);
  // The TVG lines need a taller parameter panel.
  HDLImage->setFixedHeight((shown_.flaw.Flags & datafiles::kFlagTvgMode) == 1 ? 230 : 160);
  textImage_ = QImage(std::max(1, HDLImage->width()), HDLImage->height(), QImage::Format_RGB32);
  textImage_.fill(qtx::toQColor(gfx::sys::kAppWorkSpace));
  screen_.loadInstrumentFont();
  // Zoom is back at 3: both zoom actions work again.
  syncZoomActions();
  bool sweepOk = true;
  draw([&] {
    screen_.textY = screen_.topY;
    screen_.PaintBackground();
    sweepOk = flaw::BuildScreen(screen_);
  });
  // Every record starts at the top left, wherever the last one was scrolled to.
  scrollToTopLeft();
  if (!sweepOk)
    host_.dialogs().message(QString::fromUtf8(flaw::kZeroSweepMessage), QString::fromUtf8(flaw::kZeroSweepCaption));
}

QWidget* FlawController::focusTarget() { return HDScrollBox; }

void FlawController::RedrawScreen() {
  draw([&] {
    screen_.textY = screen_.topY;
    screen_.PaintBackground();
    flaw::BuildScreen(screen_);
  });
}

flaw::PrintOutcome FlawController::printScreen(gfx::Printer& printer, const protocol::ProtocolFields& fields) {
  syncColors();
  const flaw::PrintOutcome outcome =
      flaw::PrintScreen(printer, shown_, fields, screen_.colors, host_.appSettings().localeId);
  if (shown()) RedrawScreen();
  return outcome;
}

void FlawController::HDefPanelResize() {
  if (firstResizePending_) {
    ensurePictureSize();
    picture_.fill(qtx::toQColor(gfx::sys::kBtnFace));
    firstResizePending_ = false;
  }
  textImage_ = QImage(std::max(1, HDLImage->width()), HDLImage->height(), QImage::Format_RGB32);
  textImage_.fill(qtx::toQColor(gfx::sys::kAppWorkSpace));
  RedrawScreen();
}

bool FlawController::eventFilter(QObject* watched, QEvent* event) {
  // Ctrl and the wheel zoom the instrument screen; the plain wheel scrolls it.
  if (watched == HDScrollBox->viewport() && event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if ((wheel->modifiers() & Qt::ControlModifier) && wheel->angleDelta().y() != 0) {
      (wheel->angleDelta().y() > 0 ? host_.viewActions().AIncrease : host_.viewActions().ADecrease)->trigger();
      return true;
    }
  }
  // A hidden panel (another kind on screen) costs nothing; it catches up when shown again.
  const bool ours = watched == HDefPanel.data() || watched == HDMainPanel || watched == HDLImage;
  const bool resized = event->type() == QEvent::Resize && HDefPanel && HDefPanel->isVisible();
  const bool shownAgain = event->type() == QEvent::Show && watched == HDefPanel.data();
  if (ours && (resized || shownAgain) && !host_.printing()) HDefPanelResize();
  return QObject::eventFilter(watched, event);
}

void FlawController::fitToWindow() {
  if (!shown() || host_.printing()) return;
  // The largest zoom at which the whole screen fits the visible box, at least the smallest.
  const QSize box = HDScrollBox->viewport()->size();
  int zoom = flaw::kMinZoom;
  while (zoom < flaw::kMaxZoom && screen_.marginX + screen_.width * (zoom + 1) + 20 <= box.width() &&
         screen_.topY + screen_.height * (zoom + 1) + 20 <= box.height())
    ++zoom;
  screen_.zoomX = screen_.zoomY = zoom;
  repaintRaster();
  scrollToTopLeft();
  syncZoomActions();
}

void FlawController::repaintRaster() {
  // A zoom repaints the raster only: the parameter panel keeps its text.
  screen_.textY = screen_.topY;
  draw([&] {
    screen_.PaintBackground();
    screen_.PaintRaster();
  });
}

void FlawController::scrollToTopLeft() {
  HDScrollBox->horizontalScrollBar()->setValue(0);
  HDScrollBox->verticalScrollBar()->setValue(0);
}

bool FlawController::ZoomInScreen() {
  const bool atLimit = screen_.zoomIn();
  repaintRaster();
  return atLimit;
}

bool FlawController::ZoomOutScreen() {
  const bool atLimit = screen_.zoomOut();
  repaintRaster();
  return atLimit;
}

void FlawController::AIncreaseExecute() {
  if (!shown() || host_.printing()) return;
  ZoomInScreen();
  syncZoomActions();
}

void FlawController::ADecreaseExecute() {
  if (!shown() || host_.printing()) return;
  ZoomOutScreen();
  syncZoomActions();
}

void FlawController::changeColor(int item) {
  if (item < 0 || item >= 6 || host_.printing()) return;
  const datafiles::FileKind kind = host_.file().kind;
  // "График" and "Строб" change the flaw colours with a thickness file too; the other
  // four belong to the thickness chart then.
  const bool graphOrGate = item == settings::kFlawGraph || item == settings::kFlawGate;
  if (!host_.file().isFlaw() && !(graphOrGate && kind == datafiles::FileKind::Dtm)) return;
  auto& colors = host_.appSettings().FlawColors;
  const std::optional<QColor> chosen = host_.dialogs().chooseColor(qtx::toQColor(colors[std::size_t(item)]));
  if (!chosen) return;
  colors[std::size_t(item)] = qtx::fromQColor(*chosen);
  syncColors();
  if (shown()) RedrawScreen();
}

}  // namespace ui
