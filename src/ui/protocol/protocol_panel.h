// ResTbCtl: the protocol panel with its four fields, and the protocol file of the current data file.
#pragma once

#include <QString>
#include <QWidget>

#include "core/protocol/protocol_fields.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace ui {

class ViewHost;
class MemoLimit;

class ProtocolPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ProtocolPanel(ViewHost& host);
  ~ProtocolPanel() override;

  // ClearProtocol: empties the four fields (and forgets any change).
  void ClearProtocol();
  // The protocol of a data file into the fields; false when there is none (fields kept).
  bool LoadProtocol(const QString& dataFileName);
  // The fields into the protocol file of a data file; false (message shown) on failure.
  bool SaveProtocol(const QString& dataFileName);
  // True when the operator changed the fields since the last load, save or clear.
  bool isModified() const;
  // ResToolBtnClick: shows or hides the panel, offering to save when it closes.
  void ResToolBtnClick();

  // True while the panel is shown (or would be, once the main window is).
  bool isOpen() const { return !isHidden(); }
  // Asks "Сохранить заключение ?" when the panel is open with changed fields and saves on
  // Yes: what leaving a file must do before the fields are emptied. True when it asked.
  bool offerSave(const QString& dataFileName);

  // The fields as they would be written, and setting them as if loaded.
  protocol::ProtocolFields fields() const;
  void setFields(const protocol::ProtocolFields& fields);

  // Keeps ResToolBtn pressed exactly while the panel is shown, whoever shows or hides it.
  void setVisible(bool visible) override;

  QTabWidget* ResTbCtl = nullptr;
  QLabel* ProtLb = nullptr;
  QLabel* ObjLb = nullptr;
  QLabel* DefLb = nullptr;
  QLabel* ZaklLb = nullptr;
  QLineEdit* ProtEdt = nullptr;
  QLineEdit* ObjEdt = nullptr;
  QLineEdit* DefEdt = nullptr;
  QPlainTextEdit* ZaklMem = nullptr;

 private:
  void resetLimits();
  void syncButton();

  ViewHost& host_;
  MemoLimit* zaklLimit_ = nullptr;
  bool modified_ = false;
  bool loading_ = false;
};

}  // namespace ui
