// Saving on the operator's word through an atomic write, with the warning on failure.
#include "ui/host/save_file.h"

#include "core/io/atomic_file.h"
#include "core/text/refusal.h"
#include "ui/host/dialogs.h"

namespace ui {

bool saveOrWarn(Dialogs& dialogs, const QString& name, std::string_view bytes) {
  const io::WriteResult written = io::writeFileAtomic(name.toStdString(), bytes);
  if (!written.ok)
    dialogs.warning(QString::fromStdString(text::notOpenText(name.toStdString()) + "\n" + written.reason));
  return written.ok;
}

}  // namespace ui
