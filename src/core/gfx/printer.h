// The printer as the print routines see it: a page in printer pixels and a canvas on it.
#pragma once

#include <string>

#include "core/gfx/canvas.h"

namespace gfx {

class Printer {
 public:
  virtual ~Printer() = default;

  // Page size in printer pixels (the printable area).
  virtual int pageWidth() const = 0;
  virtual int pageHeight() const = 0;
  // Resolution in pixels per inch, for fonts given in points.
  virtual int dpi() const = 0;

  // False when the device could not be opened; nothing is printed then.
  virtual bool beginDoc(const std::string& title) = 0;
  virtual void newPage() = 0;
  // False when the output could not be completed (a full disk, a lost printer).
  virtual bool endDoc() = 0;
  virtual bool printing() const = 0;
  virtual int pageNumber() const = 0;

  // The canvas of the current page; valid between beginDoc and endDoc.
  virtual Canvas& canvas() = 0;
};

}  // namespace gfx
