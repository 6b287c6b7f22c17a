// The main window: actions, menus, tool bar, panels, window states, opening and closing files.
#include "ui/shell/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/datafiles/header_text.h"
#include "core/datafiles/reader.h"
#include "core/text/messages.h"
#include "qt/convert.h"
#include "ui/defectmap/defect_map_controller.h"
#include "ui/flawdetector/flaw_controller.h"
#include "ui/printing/print_controller.h"
#include "ui/protocol/protocol_panel.h"
#include "ui/shell/data_transfer.h"
#include "ui/shell/help_window.h"
#include "ui/shell/icons.h"
#include "ui/thickness/thickness_controller.h"

namespace ui {

using datafiles::FileKind;
using qtx::qs;
using text::Msg;

namespace {

QString m(Msg id) { return qs(text::msg(id)); }

QAction* makeAction(QObject* parent, const QString& name, const QString& category, const QString& caption,
                    const QString& hint, int image) {
  auto* a = new QAction(caption, parent);
  a->setObjectName(name);
  a->setProperty("category", category);
  if (!hint.isEmpty()) {
    a->setToolTip(hint);
    a->setStatusTip(hint);
  }
  if (image >= 0) a->setIcon(toolIcon(image));
  return a;
}

}  // namespace

TMainForm::TMainForm(const StartUp& startUp, QWidget* parent) : QMainWindow(parent) {
  // FormCreate.
  QApplication::setApplicationName(m(Msg::apptitle));
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

  buildActions();
  buildToolBar();
  // The menus exist before the views, so each view can connect its colour items at once.
  buildMenus();
  buildCentral();
  ApplyChartColors();
  ResetView();
}

TMainForm::~TMainForm() {
  // FormDestroy: settings written once even when the window is destroyed without a close event.
  if (!settingsSaved_) {
    file_ = datafiles::LoadedFile{};
    settings::SaveSettings(settings_, qtx::ss(programPath_));
  }
}

void TMainForm::buildActions() {
  AFileOpen = makeAction(this, "AFileOpen", "File", "Открыть", "Открыть файл", kImgOpen);
  ACloseFile = makeAction(this, "ACloseFile", "File", "Закрыть", "Закрыть файл", kImgClose);
  APrnt = makeAction(this, "APrnt", "File", "Печать", "Печать", kImgPrint);
  APdf = makeAction(this, "APdf", "File", "Сохранить в PDF...", "Сохранить отчет в файл PDF", kImgPrint);
  AExit = makeAction(this, "AExit", "File", "Выход", "", kImgExit);
  AExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
  AReceive_dat = makeAction(this, "AReceive_dat", "Tervik", "Получить данные", "Получить данные", kImgReceive);
  AShowTable = makeAction(this, "AShowTable", "Tervik", "AShowTable", "Таблица  всех значений", kImgTable);
  AShowGraph = makeAction(this, "AShowGraph", "Tervik", "Просмотр диаграммы", "Диаграмма толщинометрии", kImgGraph);
  AShowSech = makeAction(this, "AShowSech", "Tervik", "Сечения по датчикам", "", -1);
  AShowLegend = makeAction(this, "AShowLegend", "Tervik", "Легенда", "Условные обозначения", kImgLegend);
  AShowLegend->setCheckable(true);
  AShowPorog = makeAction(this, "AShowPorog", "Tervik", "AShowPorog", "", -1);
  ABeginPosition =
      makeAction(this, "ABeginPosition", "View", "Начальное положение", "Начальное положение", kImgBeginPos);
  AUpPos = makeAction(this, "AUpPos", "View", "Вид сверху", "Вид сверху", kImgTopView);
  AFrPos = makeAction(this, "AFrPos", "View", "Вид спереди", "Вид спереди", kImgFrontView);
  AIncrease = makeAction(this, "AIncrease", "View", "Увеличить ", "Увеличить", kImgZoomIn);
  ADecrease = makeAction(this, "ADecrease", "View", "Уменьшить", "Уменьшить", kImgZoomOut);
  AView = makeAction(this, "AView", "View", "Предварительный просмотр", "Предварительный просмотр", kImgPreview);
  AView->setCheckable(true);
  HelpContents1 = makeAction(this, "HelpContents1", "Help", "&Содержание", "", -1);
  HelpContents1->setShortcut(QKeySequence::HelpContents);
  ResMn = makeAction(this, "ResMn", "File", "Заполнить отчет", "", -1);
  AFileOpen->setShortcut(QKeySequence::Open);
  for (QAction* a :
       {AFileOpen, ACloseFile, APrnt, APdf, AExit, AReceive_dat, AShowTable, AShowGraph, AShowSech, AShowLegend,
        AShowPorog, ABeginPosition, AUpPos, AFrPos, AIncrease, ADecrease, AView, HelpContents1, ResMn})
    addAction(a);

  connect(AFileOpen, &QAction::triggered, this, [this] { AFileOpenExecute(); });
  connect(ACloseFile, &QAction::triggered, this, [this] { ACloseFileExecute(); });
  connect(AExit, &QAction::triggered, this, [this] { close(); });
  connect(AReceive_dat, &QAction::triggered, this, [this] { AReceive_datExecute(); });
  connect(HelpContents1, &QAction::triggered, this, [this] { showHelp(); });
}

void TMainForm::buildToolBar() {
  ToolBar = addToolBar("ToolBar");
  ToolBar->setObjectName("ToolBar");
  ToolBar->setMovable(false);
  ToolBar->setIconSize(QSize(22, 22));
  ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

  auto button = [this](QAction* a) { return qobject_cast<QToolButton*>(ToolBar->widgetForAction(a)); };
  ToolBar->addAction(AFileOpen);
  ToolBar->addAction(ACloseFile);
  separator6_ = ToolBar->addSeparator();
  ToolBar->addAction(AIncrease);
  ToolIncBttn = button(AIncrease);
  ToolBar->addAction(ADecrease);
  ToolDecBttn = button(ADecrease);
  ToolBar->addAction(AView);
  ViewToolBtn = button(AView);

  resToolBtnAction_ = makeAction(this, "ResToolBtn", "File", "Заполнить отчет", "Заполнить отчет", kImgReport);
  resToolBtnAction_->setCheckable(true);
  ToolBar->addAction(resToolBtnAction_);
  ResToolBtn = button(resToolBtnAction_);
  separator16_ = ToolBar->addSeparator();
  ToolBar->addAction(AShowTable);
  ToolBar->addAction(AShowLegend);
  LegBttn = button(AShowLegend);
  ToolBar->addAction(AShowGraph);
  ToolBar->addAction(ABeginPosition);
  frPosBtnAction_ = makeAction(this, "FrPosBtn", "View", "Вид спереди", "Вид спереди", kImgFrontView);
  frPosBtnAction_->setCheckable(true);
  ToolBar->addAction(frPosBtnAction_);
  FrPosBtn = button(frPosBtnAction_);
  ToolBar->addAction(AUpPos);

  hdColorBttnAction_ = makeAction(this, "HDColorBttn", "View", "Изменение цветов", "Изменение цветов", kImgColors);
  ToolBar->addAction(hdColorBttnAction_);
  HDColorBttn = button(hdColorBttnAction_);
  adColorBttnAction_ = makeAction(this, "ADColorBttn", "View", "Изменение цветов", "Изменение цветов", kImgColors);
  ToolBar->addAction(adColorBttnAction_);
  ADColorBttn = button(adColorBttnAction_);
  ToolBar->addAction(AReceive_dat);
  printSeparators_[0] = ToolBar->addSeparator();
  ToolBar->addAction(APrnt);
  printSeparators_[1] = ToolBar->addSeparator();

  auto* spacer = new QWidget(ToolBar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  ToolBar->addWidget(spacer);
  FileNameBox = new QComboBox(ToolBar);
  FileNameBox->setObjectName("FileNameBox");
  FileNameBox->setEditable(true);
  FileNameBox->setInsertPolicy(QComboBox::NoInsert);
  FileNameBox->setCompleter(nullptr);
  FileNameBox->setFixedWidth(533);
  FileNameBox->lineEdit()->setMaxLength(100);
  QFont boxFont("PROMT Helv Cyr");
  boxFont.setPixelSize(13);
  FileNameBox->setFont(boxFont);
  ToolBar->addWidget(FileNameBox);

  // A name is opened when it is picked from the list or confirmed with Enter, not at every keystroke.
  connect(FileNameBox, qOverload<int>(&QComboBox::activated), this,
          [this](int index) { FileNameBoxChange(FileNameBox->itemText(index)); });
  connect(FileNameBox->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { FileNameBoxChange(FileNameBox->currentText()); });
  connect(resToolBtnAction_, &QAction::triggered, this, [this] {
    if (protocol_) protocol_->ResToolBtnClick();
  });
  connect(ResMn, &QAction::triggered, this, [this] {
    if (protocol_) protocol_->ResToolBtnClick();
  });
}

void TMainForm::buildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu("Файл");
  QAction* openItem = file->addAction(AFileOpen->icon(), "&Открыть...");
  openItem->setShortcut(QKeySequence::Open);
  connect(openItem, &QAction::triggered, AFileOpen, &QAction::trigger);
  connect(AFileOpen, &QAction::changed, openItem, [this, openItem] { openItem->setVisible(AFileOpen->isVisible()); });
  file->addAction(ACloseFile);
  file->addAction(ResMn);
  file->addAction(AView);
  file->addAction(APrnt);
  file->addAction(APdf);
  file->addSeparator();
  file->addAction(AExit);

  QMenu* view = bar->addMenu("Просмотр");
  QAction* rdat = view->addAction(AReceive_dat->icon(), "Получить данные");
  rdat->setObjectName("RDatMn");
  connect(rdat, &QAction::triggered, AReceive_dat, &QAction::trigger);
  DViewMn = view->addMenu("Детальный просмотр");
  dViewMnAction_ = DViewMn->menuAction();
  QMenu* angle = DViewMn->addMenu("Ракурс показа");
  angle->addAction(ABeginPosition);
  angle->addAction(AFrPos);
  angle->addAction(AUpPos);
  TablMn = DViewMn->addAction(AShowTable->icon(), "Таблица значений");
  TablMn->setObjectName("TablMn");
  connect(TablMn, &QAction::triggered, AShowTable, &QAction::trigger);
  DViewMn->addAction(AShowSech);
  DViewMn->addAction(AShowGraph);
  view->addAction(AIncrease);
  view->addAction(ADecrease);
  view->addAction(AShowLegend);

  SetMn = bar->addMenu("Настройки");
  setMnAction_ = SetMn->menuAction();
  ADChMn = SetMn->addMenu("Изменить цвет");
  adChMnAction_ = ADChMn->menuAction();
  const char* defectItems[6] = {"Объемный дефект",     "Объемно-плоскостной", "Плоскостной вдоль",
                                "Плоскостной поперек", "Превышение скорости", "Нарушение контакта"};
  for (int i = 0; i < 6; ++i) ADChItems[i] = ADChMn->addAction(defectItems[i]);
  HDChnMn = SetMn->addMenu("Изменить цвет");
  hdChnMnAction_ = HDChnMn->menuAction();
  const char* flawItems[6] = {"Фон", "Сетка", "График", "Цифры", "Строб", "Текст"};
  for (int i = 0; i < 6; ++i) {
    HDChnItems[i] = HDChnMn->addAction(flawItems[i]);
    HDChnItems[i]->setObjectName(QString("HDChnMn%1").arg(i + 1));
  }

  // The drop-down menus of the two colour buttons.
  auto* hdPopup = new QMenu(this);
  hdPopup->setObjectName("HDPopupMenu1");
  const char* popupNames[6] = {"HDN1", "HDN5", "HDN2", "HDN4", "HDN3", "HDN6"};
  for (int i = 0; i < 6; ++i) {
    HDPopupItems[i] = hdPopup->addAction(flawItems[i]);
    HDPopupItems[i]->setObjectName(popupNames[i]);
  }
  hdColorBttnAction_->setMenu(hdPopup);
  HDColorBttn->setPopupMode(QToolButton::InstantPopup);
  auto* adPopup = new QMenu(this);
  adPopup->setObjectName("ADPopupMenu");
  for (int i = 0; i < 6; ++i) ADPopupItems[i] = adPopup->addAction(defectItems[i]);
  adColorBttnAction_->setMenu(adPopup);
  ADColorBttn->setPopupMode(QToolButton::InstantPopup);

  QMenu* help = bar->addMenu("Помощь");
  help->addAction(HelpContents1);
}

void TMainForm::buildHeaderPanel() {
  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFixedHeight(96);
  QFont italic = font();
  italic.setItalic(true);
  auto label = [this, &italic](const char* name, int x, int y) {
    auto* l = new QLabel(Panel1);
    l->setObjectName(name);
    l->setFont(italic);
    l->move(x, y);
    l->setMinimumWidth(x < 400 ? 200 : 270);
    return l;
  };
  Datelb = label("Datelb", 33, 0);
  IDDevlb = label("IDDevlb", 33, 25);
  Bloklb = label("Bloklb", 33, 50);
  Templb = label("Templb", 33, 76);
  Btimelb = label("Btimelb", 254, 0);
  Tolshlb = label("Tolshlb", 257, 25);
  Diamlb = label("Diamlb", 257, 50);
  Lenlb = label("Lenlb", 257, 76);
  Etimelb = label("Etimelb", 416, 0);
  Shovlb = label("Shovlb", 416, 25);
  Izdlb = label("Izdlb", 416, 50);
  Layerslb = label("Layerslb", 416, 76);
  QFont bold = italic;
  bold.setBold(true);
  KoorLb = label("KoorLb", 696, 25);
  KoorLb->setFont(bold);
  KYLb = label("KYLb", 696, 50);
  KYLb->setFont(bold);
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

  buildHeaderPanel();
  layout->addWidget(Panel1);
  protocol_ = std::make_unique<ProtocolPanel>(*this);
  protocol_->setParent(central);
  layout->addWidget(protocol_.get());
  protocol_->setVisible(false);
  setCentralWidget(central);

  print_ = std::make_unique<PrintController>(*this);
  connect(APrnt, &QAction::triggered, this, [this] { print_->APrntExecute(); });
  connect(APdf, &QAction::triggered, this, [this] { print_->APdfExecute(); });
  connect(AView, &QAction::triggered, this, [this] { print_->AViewExecute(); });
}

void TMainForm::ApplyChartColors() {
  if (thickness_) thickness_->applyColors();
}

void TMainForm::ResetView() {
  applyState(StateFor(FileKind::None));
  // A view's zoom may have disabled the zoom buttons.
  AIncrease->setEnabled(true);
  ADecrease->setEnabled(true);
  ToolIncBttn->setEnabled(true);
  ToolDecBttn->setEnabled(true);
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
  resToolBtnAction_->setChecked(false);
  resToolBtnAction_->setVisible(s.resButtons);
  ResMn->setVisible(s.resButtons);
  AIncrease->setVisible(s.zoomAndPrint);
  ADecrease->setVisible(s.zoomAndPrint);
  APrnt->setVisible(s.zoomAndPrint);
  APdf->setVisible(s.zoomAndPrint);
  for (QAction* sep : printSeparators_) sep->setVisible(s.zoomAndPrint);
  AView->setVisible(s.view);
  AShowLegend->setVisible(s.showLegend);
  for (QAction* a : {AShowTable, AShowGraph, ABeginPosition, AFrPos, AUpPos, frPosBtnAction_})
    a->setVisible(s.thicknessActions);
  TablMn->setVisible(s.thicknessActions);
  AShowSech->setVisible(s.thicknessActions);
  separator6_->setVisible(s.separator6);
  separator16_->setVisible(s.separator16);
  DViewMn->setEnabled(s.detailMenuEnabled);
  setMnAction_->setVisible(s.settingsMenu);
  adChMnAction_->setVisible(s.defectColors);
  adColorBttnAction_->setVisible(s.defectColors);
  hdChnMnAction_->setVisible(s.flawColors);
  hdColorBttnAction_->setVisible(s.flawColors);
  for (int i : {0, 2, 4}) {  // "Фон", "График", "Строб"
    HDChnItems[i]->setVisible(s.flawBackGraphGate);
    HDPopupItems[i]->setVisible(s.flawBackGraphGate);
  }
  KoorLb->setVisible(false);
  KYLb->setVisible(false);

  if (s.thicknessLegend != LegendChange::Unchanged)
    thickness_->setLegendVisible(s.thicknessLegend == LegendChange::Show);
  if (s.defectLegend != LegendChange::Unchanged) defectMap_->setLegendVisible(false);
  if (s.thicknessLegend == LegendChange::Show)
    AShowLegend->setChecked(true);
  else if (s.defectLegend == LegendChange::Hide)
    AShowLegend->setChecked(false);
}

void TMainForm::fillHeaderPanel() {
  using datafiles::HeaderLabel;
  QLabel* labels[12] = {Datelb,  Btimelb, Etimelb, IDDevlb, Bloklb, Templb,
                        Tolshlb, Diamlb,  Lenlb,   Shovlb,  Izdlb,  Layerslb};
  for (QLabel* l : labels) l->setVisible(false);
  for (const auto& t : datafiles::HeaderTexts(file_, numberFormat_)) {
    QLabel* l = labels[int(t.label)];
    l->setText(qs(t.text));
    l->adjustSize();
    l->setVisible(true);
  }
}

void TMainForm::showByKind() {
  // The show operation of each kind: protocol emptied, no-file state, the kind's state,
  // header texts, then the view draws.
  protocol_->ClearProtocol();
  ResetView();
  applyState(StateFor(file_.kind));
  shownKind_ = file_.kind;
  fillHeaderPanel();
  switch (file_.kind) {
    case FileKind::Dtm:
      thickness_->load();
      break;
    case FileKind::Dau:
      defectMap_->load();
      break;
    case FileKind::Dhn:
    case FileKind::Dht:
      flaw_->load();
      break;
    case FileKind::None:
      break;
  }
  emit fileShown();
}

void TMainForm::followDirectory(const QString& name) {
  QString dir = QFileInfo(name).absolutePath();
  while (dir.size() > 1 && dir.endsWith('/')) dir.chop(1);
  if (dir != qs(settings_.dataDir)) {
    QDir::setCurrent(dir);
    settings_.dataDir = qtx::ss(dir);
  }
}

bool TMainForm::loadReporting(const QString& name, const QString& beforeNotOpen, datafiles::OpenResult& r) {
  r = datafiles::loadDataFile(qtx::ss(name));
  if (r.ok) return true;
  // The reader's own message first, then the shell's.
  for (const auto& msg : datafiles::openRefusal(r, qtx::ss(name), qtx::ss(beforeNotOpen)).messages)
    dialogs_->message(qs(msg));
  return false;
}

bool TMainForm::openFile(const QString& name) {
  // An empty name (a cancelled dialog) is refused without a message.
  if (name.isEmpty()) return false;
  datafiles::OpenResult r;
  if (!loadReporting(name, "\n", r)) return false;
  followDirectory(name);
  currentFileName_ = name;
  FileNameBox->blockSignals(true);
  FileNameBox->addItem(name);
  FileNameBox->setCurrentIndex(FileNameBox->count() - 1);
  FileNameBox->blockSignals(false);
  const bool wasThickness = r.file.kind == FileKind::Dtm;
  file_ = std::move(r.file);
  if (wasThickness && AShowLegend->isChecked()) {
    AShowLegend->setChecked(false);
    thickness_->setLegendVisible(false);
  }
  showByKind();
  return true;
}

void TMainForm::AFileOpenExecute() {
  if (protocol_->isOpen() && dialogs_->askYesNo(m(Msg::savezakl), m(Msg::saving))) {
    protocol_->SaveProtocol(currentFileName_);
  }
  const QString filter =
      "Ручной дефектоскоп (*.dhn *.DHN);;Ручной толщиномер (*.dht *.DHT);;"
      "Дефектоскоп-автомат (*.dau *.DAU);;Толщиномер-автомат (*.dtm *.DTM)";
  const QStringList chosen = dialogs_->openFiles("Открыть Файл Данных", filter, qs(settings_.dataDir));
  // A cancelled dialog keeps the current file current, so that closing still works.
  if (chosen.isEmpty()) return;
  openFile(chosen.first());
}

void TMainForm::FileNameBoxChange(const QString& text) {
  protocol_->offerSave(currentFileName_);
  datafiles::OpenResult r;
  if (!loadReporting(text, "", r)) {
    Panel1->setVisible(false);
    if (work_->currentWidget() == thickness_->panel()) work_->setCurrentWidget(emptyPanel_);
    // The box shows the file that is still on screen.
    FileNameBox->setEditText(currentFileName_);
    return;
  }
  currentFileName_ = text;
  followDirectory(text);
  file_ = std::move(r.file);
  showByKind();
}

void TMainForm::ACloseFileExecute() {
  protocol_->offerSave(currentFileName_);
  Panel1->setVisible(false);
  if (currentFileName_.isEmpty()) return;

  int i = -1;
  for (int k = 0; k < FileNameBox->count(); ++k) {
    if (FileNameBox->itemText(k).compare(currentFileName_, Qt::CaseInsensitive) == 0) {
      i = k;
      break;
    }
  }
  if (i < 0) i = FileNameBox->currentIndex();
  FileNameBox->blockSignals(true);
  int next = -1;
  if (i >= 0) {
    if (i == FileNameBox->count() - 1) {
      FileNameBox->removeItem(i);
      next = FileNameBox->count() - 1;
    } else {
      FileNameBox->removeItem(i);
      next = i;  // the entry that followed moves into place i
    }
  }
  FileNameBox->setCurrentIndex(next);
  FileNameBox->setEditText(next >= 0 ? FileNameBox->itemText(next) : QString());
  FileNameBox->blockSignals(false);
  currentFileName_ = FileNameBox->currentText();

  if (currentFileName_.isEmpty()) {
    thickness_->setLegendVisible(false);
    defectMap_->setLegendVisible(false);
    AShowLegend->setChecked(false);
    protocol_->ClearProtocol();
    ResetView();
    return;
  }
  datafiles::OpenResult r;
  if (!loadReporting(currentFileName_, "", r)) return;
  file_ = std::move(r.file);
  showByKind();
}

void TMainForm::AReceive_datExecute() {
  if (!startDataTransfer(QApplication::applicationDirPath())) {
    dialogs_->message("Файл datpump.exe  \n" + m(Msg::notfound));
  }
}

void TMainForm::showHelp() {
  HelpWindow help(this);
  help.exec();
}

void TMainForm::FormClose() {
  protocol_->offerSave(currentFileName_);
  // The body is released and the kind flags cleared before the settings are written.
  file_ = datafiles::LoadedFile{};
  const std::string error = settings::SaveSettings(settings_, qtx::ss(programPath_));
  settingsSaved_ = true;
  if (!error.empty()) dialogs_->message(qs(error));
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

}  // namespace ui
