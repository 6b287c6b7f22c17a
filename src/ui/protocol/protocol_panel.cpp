// The protocol panel (placeholder until the protocol files are built).
#include "ui/protocol/protocol_panel.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/shell/main_form.h"

namespace ui {

ProtocolPanel::ProtocolPanel(TMainForm& form) : form_(form) {
  ProtEdt = new QLineEdit(this);
  ObjEdt = new QLineEdit(this);
  DefEdt = new QLineEdit(this);
  ZaklMem = new QPlainTextEdit(this);
}
ProtocolPanel::~ProtocolPanel() = default;
void ProtocolPanel::ClearProtocol() {}
bool ProtocolPanel::LoadProtocol(const QString&) { return false; }
bool ProtocolPanel::SaveProtocol(const QString&) { return true; }
bool ProtocolPanel::isModified() const { return false; }
void ProtocolPanel::ResToolBtnClick() {}

}  // namespace ui
