// The size dialog of "Сохранить изображение...": width and height in pixels, the shown size first.
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include "ui/host/dialogs.h"

namespace ui {

namespace {

// Past this a PNG of the chart takes seconds and hundreds of megabytes.
constexpr int kLargestSide = 10000;

QSpinBox* sideBox(QWidget* parent, int value) {
  auto* box = new QSpinBox(parent);
  box->setRange(16, kLargestSide);
  box->setValue(value);
  box->setSuffix(" пикс.");
  return box;
}

}  // namespace

std::optional<QSize> QtDialogs::imageSize(QSize shown) {
  QDialog dialog(parent());
  dialog.setWindowTitle("Размер изображения");
  auto* form = new QFormLayout(&dialog);
  form->addRow(new QLabel(QString("На экране: %1 × %2").arg(shown.width()).arg(shown.height()), &dialog));
  QSpinBox* width = sideBox(&dialog, shown.width());
  QSpinBox* height = sideBox(&dialog, shown.height());
  form->addRow("&Ширина:", width);
  form->addRow("&Высота:", height);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  width->selectAll();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return QSize(width->value(), height->value());
}

}  // namespace ui
