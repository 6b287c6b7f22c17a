// Keeps a plain-text memo within a character limit while the operator types or pastes.
#include "ui/protocol/memo_limit.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace ui {

MemoLimit::MemoLimit(QPlainTextEdit* memo, int limit) : QObject(memo), memo_(memo), limit_(limit) {
  connect(memo->document(), &QTextDocument::contentsChange, this, &MemoLimit::contentsChange);
}

void MemoLimit::contentsChange(int position, int /*charsRemoved*/, int charsAdded) {
  if (suspended_ || cutting_ || charsAdded <= 0) return;
  // characterCount includes the document's closing paragraph mark.
  const int length = memo_->document()->characterCount() - 1;
  const int excess = std::min(length - limit_, charsAdded);
  if (excess <= 0) return;
  cutting_ = true;
  QTextCursor cursor(memo_->document());
  cursor.setPosition(position + charsAdded - excess);
  cursor.setPosition(position + charsAdded, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  cutting_ = false;
}

}  // namespace ui
