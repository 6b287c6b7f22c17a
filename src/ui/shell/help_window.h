// The short help window: what each view shows and the keyboard use.
#pragma once

#include <QDialog>

namespace ui {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
};

}  // namespace ui
