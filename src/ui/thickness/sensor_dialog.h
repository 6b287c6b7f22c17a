// TForm1 "Выбор датчиков": the sensors whose bands the chart keeps.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {

class TForm1 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kChosen = 1;  // the dialog's result after "Показать"

  explicit TForm1(QWidget* parent = nullptr);

  // SensorChosen: 1 for each sensor ticked at the last "Показать", else 0.
  const std::array<std::int16_t, 4>& SensorChosen() const { return chosen_; }

  // FormShow: all four ticked.
  void tickAll();
  // OKBttnClick.
  void OKBttnClick();

  std::array<QCheckBox*, 4> DatChB{};  // Dat1ChB .. Dat4ChB
  std::array<QLabel*, 4> Labels{};     // Label1 .. Label4
  QPushButton* OKBttn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::array<std::int16_t, 4> chosen_{1, 1, 1, 1};
};

}  // namespace ui
