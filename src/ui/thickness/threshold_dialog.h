// TForm2 "Ввод порога толщины": the threshold thickness for the threshold table.
#pragma once

#include <QDialog>
#include <cstdint>

#include "core/text/numfmt.h"

class QLineEdit;
class QPushButton;

namespace ui {

class Dialogs;

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  // The result that lets the threshold table be built (the button, Enter or the close box).
  static constexpr int kAccepted = 2;

  TForm2(Dialogs& dialogs, text::NumberFormat nf, QWidget* parent = nullptr);

  // Binds the dialog to the threshold it shows and writes (ThkThreshold) and the nominal
  // it is checked against, and puts the threshold into the field, as on show.
  void bind(std::uint16_t* threshold, std::uint16_t nominal);

  // The button (and Enter): stores the value, then ends the dialog or keeps it open.
  void Button1Click();

  QLineEdit* PTolshEdt = nullptr;
  QPushButton* Button1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  Dialogs& dialogs_;
  text::NumberFormat nf_;
  std::uint16_t* threshold_ = nullptr;
  std::uint16_t nominal_ = 0;
};

}  // namespace ui
