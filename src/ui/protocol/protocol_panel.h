// ResTbCtl: the protocol panel with its four fields, and the protocol file of the current data file.
#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace ui {

class TMainForm;

class ProtocolPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ProtocolPanel(TMainForm& form);
  ~ProtocolPanel() override;

  // ClearProtocol: empties the four fields (and forgets any change).
  void ClearProtocol();
  // The protocol of a data file into the fields; false when there is none.
  bool LoadProtocol(const QString& dataFileName);
  // The fields into the protocol file of a data file; false (message shown) on failure.
  bool SaveProtocol(const QString& dataFileName);
  // True when the fields changed since the last load, save or clear.
  bool isModified() const;
  // ResToolBtnClick: shows or hides the panel.
  void ResToolBtnClick();

  QLineEdit* ProtEdt = nullptr;
  QLineEdit* ObjEdt = nullptr;
  QLineEdit* DefEdt = nullptr;
  QPlainTextEdit* ZaklMem = nullptr;

 private:
  TMainForm& form_;
};

}  // namespace ui
