// TForm4: the print-mode dialog "Режим печати" asking for the graphic or the text printout.
#include "ui/printing/print_mode_dialog.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace ui {

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form4");
  setWindowTitle("Form4");
  setFont(QFont("MS Sans Serif", 8));
  setFixedSize(159, 112);
  setModal(true);

  GroupBox1 = new QGroupBox("Режим печати", this);
  GroupBox1->setObjectName("GroupBox1");
  GroupBox1->setGeometry(8, 4, 143, 68);
  // Clicks inside the group belong to the choice, not to the free area.
  GroupBox1->setAttribute(Qt::WA_NoMousePropagation);

  GrPrnBttn = new QRadioButton(GroupBox1);
  GrPrnBttn->setObjectName("GrPrnBttn");
  GrPrnBttn->setGeometry(12, 20, 17, 17);
  GrPrnBttn->setChecked(true);
  GrLb = new QLabel("Графический", GroupBox1);
  GrLb->setObjectName("GrLb");
  GrLb->setGeometry(32, 20, 100, 17);

  TxtPrnBttn = new QRadioButton(GroupBox1);
  TxtPrnBttn->setObjectName("TxtPrnBttn");
  TxtPrnBttn->setGeometry(12, 42, 17, 17);
  TxtLb = new QLabel("Текстовый", GroupBox1);
  TxtLb->setObjectName("TxtLb");
  TxtLb->setGeometry(32, 42, 100, 17);

  // Each label selects the button it names.
  GrLb->installEventFilter(this);
  TxtLb->installEventFilter(this);

  Button1 = new QPushButton("Напечатать", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(40, 80, 79, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm4::FormShow(bool chartVisible, bool tableVisible) {
  if (chartVisible)
    GrPrnBttn->setChecked(true);
  else if (tableVisible)
    TxtPrnBttn->setChecked(true);
}

void TForm4::Button1Click() {
  if (GrPrnBttn->isChecked())
    done(kGraphic);
  else if (TxtPrnBttn->isChecked())
    done(kText);
}

void TForm4::reject() { done(kGraphic); }

void TForm4::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Button1Click();
  QDialog::mousePressEvent(event);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == GrLb) GrPrnBttn->setChecked(true);
    if (watched == TxtLb) TxtPrnBttn->setChecked(true);
    if (watched == GrLb || watched == TxtLb) return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ui
