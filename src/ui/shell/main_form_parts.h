// The named parts of TMainForm (actions, tool bar, menus, header panel) and the unit that builds them.
#pragma once

#include <array>

#include "ui/host/view_actions.h"

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

namespace ui {

struct MainFormParts : ViewActions {
  // Actions of the shell itself.
  QAction* AFileOpen = nullptr;
  QAction* ACloseFile = nullptr;
  QAction* APrnt = nullptr;
  QAction* APdf = nullptr;
  QAction* ACompare = nullptr;  // the comparison with an earlier run of the shown .DTM
  QAction* AExit = nullptr;
  QAction* AReceive_dat = nullptr;
  QAction* HelpContents1 = nullptr;
  QAction* ResMn = nullptr;
  QAction* ANextFile = nullptr;  // the next and previous entry of FileNameBox
  QAction* APrevFile = nullptr;
  QAction* AMenuKey = nullptr;    // F10: the menu bar takes the keyboard
  QAction* AStats = nullptr;      // the statistics window of the shown file
  QAction* AExportCsv = nullptr;  // the shown file as CSV
  QAction* ASaveImage = nullptr;  // the view on screen as PNG

  // The tool bar; each button shows the state of its action.
  QToolBar* ToolBar = nullptr;
  QToolButton* ToolIncBttn = nullptr;
  QToolButton* ToolDecBttn = nullptr;
  QToolButton* ViewToolBtn = nullptr;
  QToolButton* ResToolBtn = nullptr;
  QToolButton* LegBttn = nullptr;
  QToolButton* FrPosBtn = nullptr;
  QToolButton* HDColorBttn = nullptr;
  QToolButton* ADColorBttn = nullptr;
  QComboBox* FileNameBox = nullptr;
  QAction* HDColorAction = nullptr;  // HDColorBttn with its drop-down HDPopupMenu1
  QAction* ADColorAction = nullptr;  // ADColorBttn with its drop-down ADPopupMenu
  QAction* separator6 = nullptr;     // ToolButton6
  QAction* separator16 = nullptr;    // ToolButton16
  std::array<QAction*, 2> printSeparators{};

  // Menus.
  QMenu* FileMn = nullptr;
  QMenu* SetMn = nullptr;
  QMenu* DViewMn = nullptr;
  QMenu* HDChnMn = nullptr;
  QMenu* ADChMn = nullptr;
  QAction* TablMn = nullptr;

  // Header panel, with the coordinate read-out KoorLb and KYLb.
  QWidget* Panel1 = nullptr;
  QLabel* Datelb = nullptr;
  QLabel* IDDevlb = nullptr;
  QLabel* Bloklb = nullptr;
  QLabel* Templb = nullptr;
  QLabel* Btimelb = nullptr;
  QLabel* Tolshlb = nullptr;
  QLabel* Diamlb = nullptr;
  QLabel* Lenlb = nullptr;
  QLabel* Etimelb = nullptr;
  QLabel* Shovlb = nullptr;
  QLabel* Izdlb = nullptr;
  QLabel* Layerslb = nullptr;
  QLabel* KoorLb = nullptr;
  QLabel* KYLb = nullptr;
};

// Builds the actions, the tool bar and the menus of the window, in that order, into parts.
void buildMainActions(QMainWindow& window, MainFormParts& parts);
void buildMainToolBar(QMainWindow& window, MainFormParts& parts);
void buildMainMenus(QMainWindow& window, MainFormParts& parts);

}  // namespace ui
