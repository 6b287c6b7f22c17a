// How a printout ended, the same for every kind of printout and every printer.
#pragma once

namespace printing {

// NotStarted: the printer could not be opened (nothing was printed), or there is nothing
// of that kind to print. WriteFailed: the document was begun but could not be completed.
enum class PrintStatus { Printed, NotStarted, WriteFailed };

// The status of a document that was begun, from the printer's answer at its end.
inline PrintStatus endStatus(bool ended) { return ended ? PrintStatus::Printed : PrintStatus::WriteFailed; }

}  // namespace printing
