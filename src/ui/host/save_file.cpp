// Saving on the operator's word through an atomic write, with the warning on failure.
#include "ui/host/save_file.h"

#include "core/io/atomic_file.h"
#include "core/io/staged_stream.h"
#include "core/text/refusal.h"
#include "ui/host/dialogs.h"

namespace ui {

namespace {

bool warnUnlessWritten(Dialogs& dialogs, const QString& name, const io::WriteResult& written) {
  if (!written.ok)
    dialogs.warning(QString::fromStdString(text::notOpenText(name.toStdString()) + "\n" + written.reason));
  return written.ok;
}

}  // namespace

bool saveOrWarn(Dialogs& dialogs, const QString& name, std::string_view bytes) {
  return warnUnlessWritten(dialogs, name, io::writeFileAtomic(name.toStdString(), bytes));
}

bool saveOrWarn(Dialogs& dialogs, const QString& name, const std::function<void(std::ostream&)>& write) {
  io::StagedFile staged(name.toStdString());
  {
    io::StagedStream stream(staged);
    write(stream);
    stream.flush();
  }
  return warnUnlessWritten(dialogs, name, staged.commit(io::Durability::Flush));
}

}  // namespace ui
