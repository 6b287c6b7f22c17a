// Starting the unit's data-transfer program, detached, without a shell.
#pragma once

#include <QString>

namespace ui {

// The program's path: "datpump.exe" or "datpump" in the viewer's directory, the current
// directory or PATH; empty when there is none.
QString findDataTransferProgram(const QString& viewerDir);
// Starts it; false only when it was not found.
bool startDataTransfer(const QString& viewerDir);

}  // namespace ui
