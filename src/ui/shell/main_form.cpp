// The main window: hosts the views, applies the window state of each kind, wires the shell's actions.
#include "ui/shell/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/datafiles/body_extent.h"
#include "core/text/messages.h"
#include "qt/convert.h"
#include "ui/analysis/export_controller.h"
#include "ui/analysis/stats_window.h"
#include "ui/compare/compare_controller.h"
#include "ui/defectmap/defect_map_controller.h"
#include "ui/flawdetector/flaw_controller.h"
#include "ui/printing/print_controller.h"
#include "ui/protocol/protocol_panel.h"
#include "ui/shell/data_transfer.h"
#include "ui/shell/file_drop.h"
#include "ui/shell/file_session.h"
#include "ui/shell/header_panel.h"
#include "ui/shell/help_window.h"
#include "ui/shell/recent_files.h"
#include "ui/shell/window_memory.h"
#include "ui/thickness/thickness_chart.h"
#include "ui/thickness/thickness_controller.h"

namespace ui {

using datafiles::FileKind;
using qtx::qs;
using text::Msg;

TMainForm::TMainForm(const StartUp& startUp, QWidget* parent) : QMainWindow(parent) {
  // FormCreate.
  QApplication::setApplicationName(qs(text::msg(Msg::apptitle)));
  dialogs_ = startUp.dialogs;
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<QtDialogs>();
    dialogs_ = ownDialogs_.get();
  }
  dialogs_->setParent(this);
  numberFormat_ = startUp.numberFormat;
  programPath_ = startUp.programPath;
  settings_ = settings::LoadSettings(qtx::ss(startUp.startDir), qtx::ss(startUp.localeId));

  setWindowTitle("Просмотр результатов контроля");
  setObjectName("TMainForm");
  resize(1044, 800);
  setMinimumSize(812, 508);
  QFont f("Arial");
  f.setPixelSize(11);
  setFont(f);

  // The parts exist before the views, so each view connects the actions it serves at once.
  buildMainActions(*this, *this);
  buildMainToolBar(*this, *this);
  buildMainMenus(*this, *this);
  buildCentral();
  buildStatusLine();
  connectActions();
  memory_ = std::make_unique<WindowMemory>(startUp.stateFile);
  recent_ = new RecentFiles(*FileMn, AExit, [this](const QString& name) { openFiles({name}); });
  recent_->setFiles(memory_->state().recentFiles);
  new FileDrop(*this, [this](const QStringList& names) { openFiles(names); });
  thickness_->applyColors();  // ApplyChartColors
  ResetView();
}

TMainForm::~TMainForm() {
  // FormDestroy: settings written once even when the window is destroyed without a close event.
  if (!settingsSaved_) {
    saveMemory();
    file_ = datafiles::LoadedFile{};
    settings::SaveSettings(settings_, qtx::ss(programPath_));
  }
}

void TMainForm::buildCentral() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  work_ = new QStackedWidget(central);
  work_->setObjectName("WorkArea");
  emptyPanel_ = new QWidget(work_);
  emptyPanel_->setAutoFillBackground(true);
  emptyPanel_->setFocusPolicy(Qt::StrongFocus);
  QPalette pal = emptyPanel_->palette();
  pal.setColor(QPalette::Window, qtx::toQColor(gfx::sys::kAppWorkSpace));
  emptyPanel_->setPalette(pal);
  work_->addWidget(emptyPanel_);

  thickness_ = std::make_unique<ThicknessController>(*this);
  defectMap_ = std::make_unique<DefectMapController>(*this);
  flaw_ = std::make_unique<FlawController>(*this);
  work_->addWidget(thickness_->panel());
  work_->addWidget(defectMap_->panel());
  work_->addWidget(flaw_->panel());
  layout->addWidget(work_, 1);

  buildHeaderPanel(central, *this);
  layout->addWidget(Panel1);
  protocol_ = std::make_unique<ProtocolPanel>(*this);
  protocol_->setParent(central);
  layout->addWidget(protocol_.get());
  protocol_->setVisible(false);
  setCentralWidget(central);

  print_ = std::make_unique<PrintController>(*this);
  exports_ = std::make_unique<ExportController>(*this);
  stats_ = new StatsWindow(*this);
  compare_ = std::make_unique<CompareController>(*this);
  session_ = std::make_unique<FileSession>(
      *FileNameBox, *dialogs_, settings_, *protocol_,
      FileSession::Hooks{[this](datafiles::LoadedFile&& f, bool opened) { showFile(std::move(f), opened); },
                         [this] { showNothing(); },
                         [this] {
                           Panel1->setVisible(false);
                           if (work_->currentWidget() == thickness_->panel()) work_->setCurrentWidget(emptyPanel_);
                         },
                         [this](const QString& name) { recent_->add(name); }});
}

void TMainForm::connectActions() {
  connect(AFileOpen, &QAction::triggered, this, [this] { AFileOpenExecute(); });
  connect(ACloseFile, &QAction::triggered, this, [this] { ACloseFileExecute(); });
  connect(AExit, &QAction::triggered, this, [this] { close(); });
  connect(AReceive_dat, &QAction::triggered, this, [this] { AReceive_datExecute(); });
  connect(HelpContents1, &QAction::triggered, this, [this] { showHelp(); });
  connect(ANextFile, &QAction::triggered, this, [this] { session_->step(+1); });
  connect(APrevFile, &QAction::triggered, this, [this] { session_->step(-1); });
  connect(AMenuKey, &QAction::triggered, this, [this] {
    if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
  });
  connect(ResToolAction, &QAction::triggered, this, [this] { protocol_->ResToolBtnClick(); });
  connect(ResMn, &QAction::triggered, this, [this] { protocol_->ResToolBtnClick(); });
  connect(APrnt, &QAction::triggered, this, [this] { print_->APrntExecute(); });
  connect(APdf, &QAction::triggered, this, [this] { print_->APdfExecute(); });
  connect(AView, &QAction::triggered, this, [this] { print_->AViewExecute(); });
  connect(AExportCsv, &QAction::triggered, this, [this] { exports_->exportCsv(); });
  connect(ASaveImage, &QAction::triggered, this, [this] { exports_->saveImage(); });
  connect(AStats, &QAction::triggered, this, [this] { stats_->showFor(); });
  connect(ACompare, &QAction::triggered, this, [this] { compare_->ACompareExecute(); });
}

QString TMainForm::currentFileName() const { return session_ ? session_->currentFileName() : QString(); }

void TMainForm::setReadoutVisible(bool visible) {
  KoorLb->setVisible(visible);
  KYLb->setVisible(visible);
}

bool TMainForm::readoutVisible() const { return !KYLb->isHidden(); }

void TMainForm::setReadout(const QString& coordinate, const QString& value) {
  KoorLb->setText(coordinate);
  KYLb->setText(value);
}

void TMainForm::buildStatusLine() {
  fileStatus_ = new QLabel(this);
  fileStatus_->setObjectName("FileStatus");
  noteStatus_ = new QLabel(this);
  noteStatus_->setObjectName("NoteStatus");
  QPalette warn = noteStatus_->palette();
  warn.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x00));
  noteStatus_->setPalette(warn);
  readoutStatus_ = new QLabel(this);
  readoutStatus_->setObjectName("ReadoutStatus");
  statusBar()->addWidget(fileStatus_);
  statusBar()->addWidget(noteStatus_);
  statusBar()->addWidget(readoutStatus_, 1);
}

void TMainForm::showStatus(const QString& text) { readoutStatus_->setText(text); }

void TMainForm::showFileStatus() {
  static const char* const kKinds[] = {"", "Толщиномер-автомат", "Дефектоскоп-автомат", "Ручной дефектоскоп",
                                       "Ручной толщиномер"};
  const bool shown = shownKind_ != FileKind::None;
  QString text = shown ? QString::fromUtf8(kKinds[int(file_.kind)]) : QString();
  const int length = file_.DtmOpen() ? file_.thk.Length : file_.DauOpen() ? file_.map.Length : -1;
  if (shown && length >= 0) text += ", длина " + qs(text::formatDouble(length, "#,##0", numberFormat_)) + " мм";
  fileStatus_->setText(text);
  const auto extent = shown ? datafiles::shortBody(file_) : std::nullopt;
  noteStatus_->setText(extent ? qs(datafiles::shortBodyText(*extent, numberFormat_)) : QString());
  noteStatus_->setVisible(bool(extent));
  readoutStatus_->clear();
  // The caption names the file on screen.
  const QString title = "Просмотр результатов контроля";
  setWindowTitle(shown ? QFileInfo(currentFileName()).fileName() + " — " + title : title);
}

View* TMainForm::fileView() {
  switch (file_.kind) {
    case FileKind::Dtm:
      return thickness_.get();
    case FileKind::Dau:
      return defectMap_.get();
    case FileKind::Dhn:
    case FileKind::Dht:
      return flaw_.get();
    case FileKind::None:
      break;
  }
  return nullptr;
}

protocol::ProtocolFields TMainForm::reloadProtocol() {
  protocol_->LoadProtocol(currentFileName());
  return protocol_->fields();
}

void TMainForm::ResetView() {
  applyState(StateFor(FileKind::None));
  // A view's zoom may have disabled the zoom actions.
  AIncrease->setEnabled(true);
  ADecrease->setEnabled(true);
  shownKind_ = FileKind::None;
}

void TMainForm::applyState(const WindowState& s) {
  Panel1->setVisible(s.headerPanel);
  switch (s.work) {
    case WorkPanel::None:
      work_->setCurrentWidget(emptyPanel_);
      break;
    case WorkPanel::Dtm:
      work_->setCurrentWidget(thickness_->panel());
      break;
    case WorkPanel::Dau:
      work_->setCurrentWidget(defectMap_->panel());
      break;
    case WorkPanel::Flaw:
      work_->setCurrentWidget(flaw_->panel());
      break;
  }
  protocol_->setVisible(s.protocolPanel);
  ResToolAction->setChecked(false);
  ResToolAction->setVisible(s.resButtons);
  ResMn->setVisible(s.resButtons);
  for (QAction* a : {AIncrease, ADecrease, APrnt, APdf, printSeparators[0], printSeparators[1]})
    a->setVisible(s.zoomAndPrint);
  AFit->setVisible(s.fit);
  for (QAction* a : {AStats, AExportCsv, ASaveImage}) a->setEnabled(s.analysis);
  AView->setVisible(s.view);
  ACompare->setEnabled(s.thicknessActions);  // a .DTM is shown
  AShowLegend->setVisible(s.showLegend);
  for (QAction* a : {AShowTable, AShowGraph, ABeginPosition, AFrPos, AUpPos, FrPosAction, TablMn, AShowSech})
    a->setVisible(s.thicknessActions);
  separator6->setVisible(s.separator6);
  separator16->setVisible(s.separator16);
  DViewMn->setEnabled(s.detailMenuEnabled);
  SetMn->menuAction()->setVisible(s.settingsMenu);
  ADChMn->menuAction()->setVisible(s.defectColors);
  ADColorAction->setVisible(s.defectColors);
  HDChnMn->menuAction()->setVisible(s.flawColors);
  HDColorAction->setVisible(s.flawColors);
  for (int i : {0, 2, 4}) {  // "Фон", "График", "Строб"
    HDChnItems[i]->setVisible(s.flawBackGraphGate);
    HDPopupItems[i]->setVisible(s.flawBackGraphGate);
  }
  setReadoutVisible(false);

  if (s.thicknessLegend != LegendChange::Unchanged)
    thickness_->setLegendVisible(s.thicknessLegend == LegendChange::Show);
  if (s.defectLegend != LegendChange::Unchanged) defectMap_->setLegendVisible(false);
  if (s.thicknessLegend == LegendChange::Show)
    AShowLegend->setChecked(true);
  else if (s.defectLegend == LegendChange::Hide)
    AShowLegend->setChecked(false);
}

void TMainForm::showByKind() {
  // The show operation of each kind: protocol emptied, no-file state, the kind's state,
  // header texts, then the view draws.
  protocol_->ClearProtocol();
  ResetView();
  applyState(StateFor(file_.kind));
  shownKind_ = file_.kind;
  fillHeaderPanel(*this, file_, numberFormat_);
  showFileStatus();
  if (View* view = fileView()) view->load();
  for (View* view : std::initializer_list<View*>{thickness_.get(), defectMap_.get(), flaw_.get()}) view->fileShown();
  memory_->restoreView(file_.kind, viewActions());
  stats_->fileShown();
  focusWorkArea();
}

void TMainForm::focusWorkArea() {
  View* view = shownKind_ != FileKind::None ? fileView() : nullptr;
  (view ? view->focusTarget() : emptyPanel_)->setFocus();
}

void TMainForm::showFile(datafiles::LoadedFile&& file, bool opened) {
  // A thickness file opened anew starts with its legend closed; the state then shows it.
  if (opened && file.kind == FileKind::Dtm && AShowLegend->isChecked()) {
    AShowLegend->setChecked(false);
    thickness_->setLegendVisible(false);
  }
  noteShownView();
  file_ = std::move(file);
  showByKind();
}

void TMainForm::showNothing() {
  noteShownView();
  thickness_->setLegendVisible(false);
  defectMap_->setLegendVisible(false);
  AShowLegend->setChecked(false);
  protocol_->ClearProtocol();
  ResetView();
  showFileStatus();
  stats_->fileShown();
  focusWorkArea();
}

bool TMainForm::openFile(const QString& name) { return session_->openFile(name); }
int TMainForm::openFiles(const QStringList& names) { return session_->openFiles(names); }

void TMainForm::showRemembered() {
  const QByteArray& geometry = memory_->state().geometry;
  if (geometry.isEmpty() || !restoreGeometry(geometry))
    showMaximized();
  else
    show();
}

void TMainForm::noteShownView() { memory_->noteView(shownKind_, thickness_->chart()->chart(), defectMap_->map()); }

void TMainForm::saveMemory() {
  noteShownView();
  memory_->save(saveGeometry(), recent_->files());
}

void TMainForm::AFileOpenExecute() { session_->openWithDialog(); }
void TMainForm::FileNameBoxChange(const QString& text) { session_->switchTo(text); }

void TMainForm::ACloseFileExecute() {
  protocol_->offerSave(currentFileName());
  Panel1->setVisible(false);
  session_->closeCurrent();
}

void TMainForm::AReceive_datExecute() {
  if (!startDataTransfer(QApplication::applicationDirPath()))
    dialogs_->message("Файл datpump.exe  \n" + qs(text::msg(Msg::notfound)));
}

void TMainForm::showHelp() {
  HelpWindow help(this);
  help.exec();
}

void TMainForm::FormClose() {
  protocol_->offerSave(currentFileName());
  saveMemory();
  // The body is released and the kind flags cleared before the settings are written.
  file_ = datafiles::LoadedFile{};
  const std::string error = settings::SaveSettings(settings_, qtx::ss(programPath_));
  settingsSaved_ = true;
  if (!error.empty()) dialogs_->warning(qs(error));
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

}  // namespace ui
