// TForm4: the print-mode dialog "Режим печати" asking for the graphic or the text printout.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ui {

class TForm4 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kGraphic = 2;
  static constexpr int kText = 3;

  explicit TForm4(QWidget* parent = nullptr);

  // FormShow: the view on screen decides the preselection; with neither the chart nor the
  // value table visible (a defect map) the previous choice stays.
  void FormShow(bool chartVisible, bool tableVisible);
  // The modal result by the selected button; setting it closes the dialog.
  void Button1Click();
  // The close box (and Escape) give 2, the graphic choice.
  void reject() override;

  QGroupBox* GroupBox1 = nullptr;
  QRadioButton* GrPrnBttn = nullptr;
  QLabel* GrLb = nullptr;
  QRadioButton* TxtPrnBttn = nullptr;
  QLabel* TxtLb = nullptr;
  QPushButton* Button1 = nullptr;

 protected:
  // A click on the dialog's free area acts as the button.
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui
