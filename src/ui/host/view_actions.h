// The main window's actions that the views drive: their enabled, checked and visible state lives on the action.
#pragma once

#include <array>

class QAction;

namespace ui {

struct ViewActions {
  QAction* AShowTable = nullptr;
  QAction* AShowGraph = nullptr;
  QAction* AShowSech = nullptr;
  QAction* AShowLegend = nullptr;  // checkable: LegBttn is pressed while it is checked
  QAction* AShowPorog = nullptr;
  QAction* ABeginPosition = nullptr;
  QAction* AUpPos = nullptr;
  QAction* AFrPos = nullptr;
  QAction* FrPosAction = nullptr;  // FrPosBtn, the checkable front-view button of the tool bar
  QAction* AIncrease = nullptr;
  QAction* ADecrease = nullptr;
  QAction* AFit = nullptr;           // the map or the instrument screen fitted to the window
  QAction* AView = nullptr;          // checkable: the preview window is shown
  QAction* ResToolAction = nullptr;  // ResToolBtn, checkable: the protocol panel is shown

  // Colour menu items: index 0..5 = "Фон", "Сетка", "График", "Цифры", "Строб", "Текст"
  // in HDChnMn (HDChnMn1..6) and in HDPopupMenu1 (HDN1, HDN5, HDN2, HDN4, HDN3, HDN6).
  std::array<QAction*, 6> HDChnItems{};
  std::array<QAction*, 6> HDPopupItems{};
  // Defect classes 0..5 = "Объемный дефект", "Объемно-плоскостной", "Плоскостной вдоль",
  // "Плоскостной поперек", "Превышение скорости", "Нарушение контакта", in ADChMn and ADPopupMenu.
  std::array<QAction*, 6> ADChItems{};
  std::array<QAction*, 6> ADPopupItems{};
};

}  // namespace ui
