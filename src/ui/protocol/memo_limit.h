// Keeps a plain-text memo within a character limit while the operator types or pastes.
#pragma once

#include <QObject>

class QPlainTextEdit;

namespace ui {

// Cuts whatever an edit would add beyond the limit, as a length-limited edit control does;
// text already in the memo is never cut. Line breaks count as one character.
class MemoLimit : public QObject {
  Q_OBJECT

 public:
  MemoLimit(QPlainTextEdit* memo, int limit);

  void setLimit(int limit) { limit_ = limit; }
  int limit() const { return limit_; }
  // Changes made while suspended are not cut (text set by the program, not typed).
  void suspend(bool on) { suspended_ = on; }

 private:
  void contentsChange(int position, int charsRemoved, int charsAdded);

  QPlainTextEdit* memo_;
  int limit_;
  bool suspended_ = false;
  bool cutting_ = false;
};

}  // namespace ui
