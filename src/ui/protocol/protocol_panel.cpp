// ResTbCtl: the protocol panel, its fields and limits, and the protocol file of the shown data file.
#include "ui/protocol/protocol_panel.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/protocol/protocol_file.h"
#include "core/text/messages.h"
#include "ui/host/view_host.h"
#include "ui/protocol/memo_limit.h"

namespace ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

// The memo's text as lines, the way the unit's programs count them: a final line break
// closes the last line rather than opening an empty one, and an empty memo has no lines.
std::vector<std::string> memoLines(QString text) {
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  const QStringList parts = text.split(u'\n');
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i == parts.size() - 1 && parts[i].isEmpty()) break;
    lines.push_back(parts[i].toStdString());
  }
  return lines;
}

// Memo lines (loaded ones end with their own line feed) as the memo's text.
QString memoText(const std::vector<std::string>& lines) {
  QStringList parts;
  for (const auto& line : lines) {
    QString s = qs(line);
    if (s.endsWith(u'\n')) s.chop(1);
    parts << s;
  }
  return parts.join(u'\n');
}

// The limits bind typing only: a longer text from a file or a record is kept whole.
void putText(QLineEdit* edit, const QString& text, int limit) {
  edit->setMaxLength(std::max<int>(limit, static_cast<int>(text.size())));
  edit->setText(text);
}

}  // namespace

ProtocolPanel::ProtocolPanel(ViewHost& host) : host_(host) {
  setObjectName(QStringLiteral("ResTbCtl"));
  setFixedHeight(132);

  ResTbCtl = new QTabWidget(this);
  ResTbCtl->setTabPosition(QTabWidget::South);
  auto* page = new QWidget(ResTbCtl);
  ResTbCtl->addTab(page, QStringLiteral("Отчет"));

  ProtLb = new QLabel(qs(protocol::kProtCaption), page);
  ObjLb = new QLabel(qs(protocol::kObjCaption), page);
  DefLb = new QLabel(qs(protocol::kDefCaption), page);
  ZaklLb = new QLabel(qs(protocol::kZaklCaption), page);
  ProtEdt = new QLineEdit(page);
  ObjEdt = new QLineEdit(page);
  DefEdt = new QLineEdit(page);
  ZaklMem = new QPlainTextEdit(page);
  ZaklMem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ZaklMem->setTabChangesFocus(true);
  zaklLimit_ = new MemoLimit(ZaklMem, protocol::kZaklMaxLength);
  resetLimits();

  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(3);
  grid->addWidget(ProtLb, 0, 0);
  grid->addWidget(ProtEdt, 0, 1);
  grid->addWidget(ObjLb, 1, 0);
  grid->addWidget(ObjEdt, 1, 1);
  grid->addWidget(DefLb, 2, 0);
  grid->addWidget(DefEdt, 2, 1);
  grid->addWidget(ZaklLb, 0, 2, Qt::AlignTop);
  grid->addWidget(ZaklMem, 0, 3, 3, 1);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(3, 3);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(ResTbCtl);

  // Only the operator's own edits count as changes; text set by the program does not.
  for (QLineEdit* edit : {ProtEdt, ObjEdt, DefEdt})
    connect(edit, &QLineEdit::textEdited, this, [this] { modified_ = true; });
  connect(ZaklMem, &QPlainTextEdit::textChanged, this, [this] {
    if (!loading_) modified_ = true;
  });

  QWidget::setVisible(false);
}

ProtocolPanel::~ProtocolPanel() = default;

void ProtocolPanel::resetLimits() {
  ProtEdt->setMaxLength(protocol::kProtMaxLength);
  ObjEdt->setMaxLength(protocol::kObjMaxLength);
  DefEdt->setMaxLength(protocol::kDefMaxLength);
  zaklLimit_->setLimit(protocol::kZaklMaxLength);
}

void ProtocolPanel::ClearProtocol() {
  loading_ = true;
  zaklLimit_->suspend(true);
  ProtEdt->clear();
  ObjEdt->clear();
  DefEdt->clear();
  ZaklMem->clear();
  zaklLimit_->suspend(false);
  loading_ = false;
  resetLimits();
  modified_ = false;
}

protocol::ProtocolFields ProtocolPanel::fields() const {
  protocol::ProtocolFields f;
  f.protocolNumber = ProtEdt->text().toStdString();
  f.objectName = ObjEdt->text().toStdString();
  f.operatorName = DefEdt->text().toStdString();
  f.conclusion = memoLines(ZaklMem->toPlainText());
  return f;
}

void ProtocolPanel::setFields(const protocol::ProtocolFields& f) {
  loading_ = true;
  putText(ProtEdt, qs(f.protocolNumber), protocol::kProtMaxLength);
  putText(ObjEdt, qs(f.objectName), protocol::kObjMaxLength);
  putText(DefEdt, qs(f.operatorName), protocol::kDefMaxLength);
  const QString memo = memoText(f.conclusion);
  zaklLimit_->suspend(true);
  ZaklMem->setPlainText(memo);
  zaklLimit_->suspend(false);
  zaklLimit_->setLimit(std::max<int>(protocol::kZaklMaxLength, static_cast<int>(memo.size())));
  loading_ = false;
}

bool ProtocolPanel::LoadProtocol(const QString& dataFileName) {
  // Printing and preview reload the protocol; with the panel open they must not replace
  // what the operator has typed and not yet saved: that is the protocol on screen.
  if (isOpen() && modified_) return true;
  const auto loaded = protocol::loadProtocolFile(dataFileName.toStdString());
  if (!loaded) return false;
  setFields(*loaded);
  modified_ = false;
  return true;
}

bool ProtocolPanel::SaveProtocol(const QString& dataFileName) {
  const auto outcome = protocol::saveProtocolFile(dataFileName.toStdString(), fields());
  if (!outcome.ok) {
    for (const std::string& m : outcome.refusal.messages) host_.dialogs().warning(qs(m), qs(outcome.refusal.title));
    return false;
  }
  modified_ = false;
  return true;
}

bool ProtocolPanel::isModified() const { return modified_; }

bool ProtocolPanel::offerSave(const QString& dataFileName) {
  if (!isOpen() || !modified_) return false;
  if (host_.dialogs().askYesNo(qs(text::msg(text::Msg::savezakl)), qs(text::msg(text::Msg::saving))))
    SaveProtocol(dataFileName);
  return true;
}

void ProtocolPanel::ResToolBtnClick() {
  const QString name = host_.currentFileName();
  if (isOpen()) {
    // A failed save keeps the panel open, so the typed text is not hidden away unsaved.
    if (host_.dialogs().askYesNo(qs(text::msg(text::Msg::savezakl)), qs(text::msg(text::Msg::saving))) &&
        !SaveProtocol(name)) {
      syncButton();
      return;
    }
  } else {
    LoadProtocol(name);
    const auto& file = host_.file();
    if (file.isFlaw() && ObjEdt->text().isEmpty()) {
      putText(ObjEdt, qs(file.flaw.ObjectName), protocol::kObjMaxLength);
    }
  }
  setVisible(!isOpen());
}

void ProtocolPanel::setVisible(bool visible) {
  QWidget::setVisible(visible);
  syncButton();
}

void ProtocolPanel::syncButton() { host_.viewActions().ResToolAction->setChecked(isOpen()); }

}  // namespace ui
