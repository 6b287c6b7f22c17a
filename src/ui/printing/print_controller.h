// Printing, PDF export and the text preview of the current file.
#pragma once

#include <QObject>

namespace ui {

class TMainForm;

class PrintController : public QObject {
  Q_OBJECT

 public:
  explicit PrintController(TMainForm& form);
  ~PrintController() override;

  void APrntExecute();
  void APdfExecute();
  void AViewExecute();

 private:
  TMainForm& form_;
};

}  // namespace ui
