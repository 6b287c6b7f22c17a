// Builds the main window's actions with their captions, hints and categories, the tool bar and the menus.
#include "ui/shell/main_form_parts.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/compare/compare_text.h"
#include "ui/host/icons.h"

namespace ui {

namespace {

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

const char* const kDefectItems[6] = {"Объемный дефект",     "Объемно-плоскостной", "Плоскостной вдоль",
                                     "Плоскостной поперек", "Превышение скорости", "Нарушение контакта"};
const char* const kFlawItems[6] = {"Фон", "Сетка", "График", "Цифры", "Строб", "Текст"};

QComboBox* makeFileNameBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName("FileNameBox");
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  box->setFixedWidth(533);
  box->lineEdit()->setMaxLength(100);
  QFont boxFont("PROMT Helv Cyr");
  boxFont.setPixelSize(13);
  box->setFont(boxFont);
  return box;
}

void buildColorMenus(QMainWindow& w, MainFormParts& p) {
  p.ADChMn = p.SetMn->addMenu("Изменить цвет");
  for (int i = 0; i < 6; ++i) p.ADChItems[i] = p.ADChMn->addAction(kDefectItems[i]);
  p.HDChnMn = p.SetMn->addMenu("Изменить цвет");
  for (int i = 0; i < 6; ++i) {
    p.HDChnItems[i] = p.HDChnMn->addAction(kFlawItems[i]);
    p.HDChnItems[i]->setObjectName(QString("HDChnMn%1").arg(i + 1));
  }

  // The drop-down menus of the two colour buttons.
  auto* hdPopup = new QMenu(&w);
  hdPopup->setObjectName("HDPopupMenu1");
  const char* popupNames[6] = {"HDN1", "HDN5", "HDN2", "HDN4", "HDN3", "HDN6"};
  for (int i = 0; i < 6; ++i) {
    p.HDPopupItems[i] = hdPopup->addAction(kFlawItems[i]);
    p.HDPopupItems[i]->setObjectName(popupNames[i]);
  }
  p.HDColorAction->setMenu(hdPopup);
  p.HDColorBttn->setPopupMode(QToolButton::InstantPopup);
  auto* adPopup = new QMenu(&w);
  adPopup->setObjectName("ADPopupMenu");
  for (int i = 0; i < 6; ++i) p.ADPopupItems[i] = adPopup->addAction(kDefectItems[i]);
  p.ADColorAction->setMenu(adPopup);
  p.ADColorBttn->setPopupMode(QToolButton::InstantPopup);
}

// The keys of a working day; the help window lists them. Each key belongs to one action.
void setKeys(MainFormParts& p) {
  p.AFileOpen->setShortcut(QKeySequence::Open);
  p.ACloseFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  p.APrnt->setShortcut(QKeySequence::Print);
  p.APdf->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  p.AView->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  // Plain + and - zoom too; a text field takes them as characters first.
  p.AIncrease->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)});
  p.ADecrease->setShortcuts({QKeySequence::ZoomOut, QKeySequence(Qt::Key_Minus)});
  p.AFit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  p.HelpContents1->setShortcut(QKeySequence::HelpContents);
  p.AExit->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
  p.ANextFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  p.APrevFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  p.AMenuKey->setShortcut(QKeySequence(Qt::Key_F10));
  p.AStats->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  p.AExportCsv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
}

}  // namespace

void buildMainActions(QMainWindow& w, MainFormParts& p) {
  p.AFileOpen = makeAction(&w, "AFileOpen", "File", "Открыть", "Открыть файл", kImgOpen);
  p.ACloseFile = makeAction(&w, "ACloseFile", "File", "Закрыть", "Закрыть файл", kImgClose);
  p.APrnt = makeAction(&w, "APrnt", "File", "Печать", "Печать", kImgPrint);
  p.APdf = makeAction(&w, "APdf", "File", "Сохранить в PDF...", "Сохранить отчет в файл PDF", kImgPrint);
  p.ACompare = makeAction(&w, "ACompare", "File", compare::caption::kMenuItem, "", -1);
  p.AExit = makeAction(&w, "AExit", "File", "Выход", "", kImgExit);
  p.AReceive_dat = makeAction(&w, "AReceive_dat", "Tervik", "Получить данные", "Получить данные", kImgReceive);
  p.AShowTable = makeAction(&w, "AShowTable", "Tervik", "AShowTable", "Таблица  всех значений", kImgTable);
  p.AShowGraph = makeAction(&w, "AShowGraph", "Tervik", "Просмотр диаграммы", "Диаграмма толщинометрии", kImgGraph);
  p.AShowSech = makeAction(&w, "AShowSech", "Tervik", "Сечения по датчикам", "", -1);
  p.AShowLegend = makeAction(&w, "AShowLegend", "Tervik", "Легенда", "Условные обозначения", kImgLegend);
  p.AShowLegend->setCheckable(true);
  p.AShowPorog = makeAction(&w, "AShowPorog", "Tervik", "AShowPorog", "", -1);
  p.ABeginPosition =
      makeAction(&w, "ABeginPosition", "View", "Начальное положение", "Начальное положение", kImgBeginPos);
  p.AUpPos = makeAction(&w, "AUpPos", "View", "Вид сверху", "Вид сверху", kImgTopView);
  p.AFrPos = makeAction(&w, "AFrPos", "View", "Вид спереди", "Вид спереди", kImgFrontView);
  p.AIncrease = makeAction(&w, "AIncrease", "View", "Увеличить ", "Увеличить", kImgZoomIn);
  p.ADecrease = makeAction(&w, "ADecrease", "View", "Уменьшить", "Уменьшить", kImgZoomOut);
  p.AView = makeAction(&w, "AView", "View", "Предварительный просмотр", "Предварительный просмотр", kImgPreview);
  p.AView->setCheckable(true);
  p.HelpContents1 = makeAction(&w, "HelpContents1", "Help", "&Содержание", "", -1);
  p.ResMn = makeAction(&w, "ResMn", "File", "Заполнить отчет", "", -1);
  p.AFit = makeAction(&w, "AFit", "View", "По размеру окна", "Показать целиком по ширине окна", -1);
  p.ANextFile = makeAction(&w, "ANextFile", "File", "Следующий файл", "Следующий открытый файл", -1);
  p.APrevFile = makeAction(&w, "APrevFile", "File", "Предыдущий файл", "Предыдущий открытый файл", -1);
  p.AMenuKey = makeAction(&w, "AMenuKey", "Help", "Меню", "", -1);
  p.AStats = makeAction(&w, "AStats", "View", "Статистика", "Статистика и тонкие участки", -1);
  p.AExportCsv = makeAction(&w, "AExportCsv", "File", "Экспорт в CSV...", "Сохранить данные файла в таблицу CSV", -1);
  p.ASaveImage =
      makeAction(&w, "ASaveImage", "File", "Сохранить изображение...", "Сохранить показанное изображение в PNG", -1);
  setKeys(p);
  for (QAction* a :
       {p.AFileOpen,  p.ACloseFile, p.APrnt,       p.APdf,       p.AExit,          p.AReceive_dat, p.AShowTable,
        p.AShowGraph, p.AShowSech,  p.AShowLegend, p.AShowPorog, p.ABeginPosition, p.AUpPos,       p.AFrPos,
        p.AIncrease,  p.ADecrease,  p.AFit,        p.AView,      p.HelpContents1,  p.ResMn,        p.ANextFile,
        p.APrevFile,  p.AMenuKey,   p.AStats,      p.AExportCsv, p.ASaveImage})
    w.addAction(a);
  w.addAction(p.ACompare);

  // The tool bar's own buttons without a named action of their own.
  p.ResToolAction = makeAction(&w, "ResToolBtn", "File", "Заполнить отчет", "Заполнить отчет", kImgReport);
  p.ResToolAction->setCheckable(true);
  p.FrPosAction = makeAction(&w, "FrPosBtn", "View", "Вид спереди", "Вид спереди", kImgFrontView);
  p.FrPosAction->setCheckable(true);
  p.HDColorAction = makeAction(&w, "HDColorBttn", "View", "Изменение цветов", "Изменение цветов", kImgColors);
  p.ADColorAction = makeAction(&w, "ADColorBttn", "View", "Изменение цветов", "Изменение цветов", kImgColors);
}

void buildMainToolBar(QMainWindow& w, MainFormParts& p) {
  p.ToolBar = w.addToolBar("ToolBar");
  QToolBar* bar = p.ToolBar;
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  bar->setIconSize(QSize(22, 22));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);

  auto add = [bar](QAction* a) {
    bar->addAction(a);
    return qobject_cast<QToolButton*>(bar->widgetForAction(a));
  };
  add(p.AFileOpen);
  add(p.ACloseFile);
  p.separator6 = bar->addSeparator();
  p.ToolIncBttn = add(p.AIncrease);
  p.ToolDecBttn = add(p.ADecrease);
  p.ViewToolBtn = add(p.AView);
  p.ResToolBtn = add(p.ResToolAction);
  p.separator16 = bar->addSeparator();
  add(p.AShowTable);
  p.LegBttn = add(p.AShowLegend);
  add(p.AShowGraph);
  add(p.ABeginPosition);
  p.FrPosBtn = add(p.FrPosAction);
  add(p.AUpPos);
  p.HDColorBttn = add(p.HDColorAction);
  p.ADColorBttn = add(p.ADColorAction);
  add(p.AReceive_dat);
  p.printSeparators[0] = bar->addSeparator();
  add(p.APrnt);
  p.printSeparators[1] = bar->addSeparator();

  auto* spacer = new QWidget(bar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar->addWidget(spacer);
  p.FileNameBox = makeFileNameBox(bar);
  bar->addWidget(p.FileNameBox);
}

void buildMainMenus(QMainWindow& w, MainFormParts& p) {
  QMenuBar* bar = w.menuBar();
  QMenu* file = p.FileMn = bar->addMenu("&Файл");
  // The menu item names AFileOpen's Ctrl+O but does not carry it: two actions with one
  // shortcut make Qt refuse both as ambiguous.
  QAction* openItem = file->addAction(p.AFileOpen->icon(),
                                      "&Открыть...\t" + p.AFileOpen->shortcut().toString(QKeySequence::NativeText));
  QObject::connect(openItem, &QAction::triggered, p.AFileOpen, &QAction::trigger);
  QObject::connect(p.AFileOpen, &QAction::changed, openItem,
                   [open = p.AFileOpen, openItem] { openItem->setVisible(open->isVisible()); });
  file->addAction(p.ACloseFile);
  file->addAction(p.ResMn);
  file->addAction(p.AView);
  file->addAction(p.APrnt);
  file->addAction(p.APdf);
  file->addAction(p.ACompare);
  file->addSeparator();
  file->addAction(p.AExportCsv);
  file->addAction(p.ASaveImage);
  file->addSeparator();
  file->addAction(p.APrevFile);
  file->addAction(p.ANextFile);
  file->addSeparator();
  file->addAction(p.AExit);

  QMenu* view = bar->addMenu("&Просмотр");
  QAction* rdat = view->addAction(p.AReceive_dat->icon(), "Получить данные");
  rdat->setObjectName("RDatMn");
  QObject::connect(rdat, &QAction::triggered, p.AReceive_dat, &QAction::trigger);
  p.DViewMn = view->addMenu("Детальный просмотр");
  QMenu* angle = p.DViewMn->addMenu("Ракурс показа");
  angle->addAction(p.ABeginPosition);
  angle->addAction(p.AFrPos);
  angle->addAction(p.AUpPos);
  p.TablMn = p.DViewMn->addAction(p.AShowTable->icon(), "Таблица значений");
  p.TablMn->setObjectName("TablMn");
  QObject::connect(p.TablMn, &QAction::triggered, p.AShowTable, &QAction::trigger);
  p.DViewMn->addAction(p.AShowSech);
  p.DViewMn->addAction(p.AShowGraph);
  view->addAction(p.AIncrease);
  view->addAction(p.ADecrease);
  view->addAction(p.AFit);
  view->addAction(p.AShowLegend);
  view->addSeparator();
  view->addAction(p.AStats);

  p.SetMn = bar->addMenu("&Настройки");
  buildColorMenus(w, p);

  QMenu* help = bar->addMenu("По&мощь");
  help->addAction(p.HelpContents1);
}

}  // namespace ui
