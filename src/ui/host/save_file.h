// What the viewer saves on the operator's word: staged and renamed, a failure told with the system's reason.
#pragma once

#include <QString>
#include <functional>
#include <iosfwd>
#include <string_view>

namespace ui {

class Dialogs;

// Writes bytes to name as every file we write (the old file stays whole on failure); on
// failure the operator is warned with the name and the reason, and the answer is false.
bool saveOrWarn(Dialogs& dialogs, const QString& name, std::string_view bytes);
// The same for an output written piece by piece as it is made (a long CSV is never held whole).
bool saveOrWarn(Dialogs& dialogs, const QString& name, const std::function<void(std::ostream&)>& write);

}  // namespace ui
