// TForm1: four ticks and "Показать".
#include "ui/thickness/sensor_dialog.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace ui {

TForm1::TForm1(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm1");
  setWindowTitle("Выбор датчиков");
  // A dialog frame without any border icon: it ends only through its button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  QFont f("MS Sans Serif");
  f.setPixelSize(14);
  setFont(f);
  static const char* const kCaptions[4] = {"Датчик N1", "Датчик N 2", "Датчик N3", "Датчик N4"};
  static const int kY[4] = {10, 39, 69, 98};
  for (int i = 0; i < 4; ++i) {
    DatChB[i] = new QCheckBox(this);
    DatChB[i]->setObjectName(QString("Dat%1ChB").arg(i + 1));
    DatChB[i]->setGeometry(10, kY[i], 21, 21);
    DatChB[i]->setChecked(true);
    Labels[i] = new QLabel(kCaptions[i], this);
    Labels[i]->setObjectName(QString("Label%1").arg(i + 1));
    Labels[i]->setGeometry(39, kY[i], 100, 21);
    Labels[i]->setBuddy(DatChB[i]);
  }
  OKBttn = new QPushButton("Показать", this);
  OKBttn->setObjectName("OKBttn");
  OKBttn->setGeometry(10, 138, 139, 31);
  OKBttn->setDefault(true);
  connect(OKBttn, &QPushButton::clicked, this, [this] { OKBttnClick(); });
  // Wide and tall enough for the whole button.
  setFixedSize(159, 179);
}

void TForm1::tickAll() {
  for (QCheckBox* b : DatChB) b->setChecked(true);
}

void TForm1::showEvent(QShowEvent* event) {
  tickAll();
  QDialog::showEvent(event);
}

void TForm1::OKBttnClick() {
  for (int i = 0; i < 4; ++i) chosen_[i] = DatChB[i]->isChecked() ? 1 : 0;
  done(kChosen);
}

}  // namespace ui
