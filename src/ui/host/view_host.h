// The main window as the views see it: the loaded file, shared settings and dialogs, the actions they
// drive and a place for read-outs. Views include this, never the main window's own header.
#pragma once

#include <QString>

#include "core/datafiles/loaded_file.h"
#include "core/protocol/protocol_fields.h"
#include "core/settings/settings.h"
#include "core/text/numfmt.h"
#include "ui/host/dialogs.h"
#include "ui/host/view_actions.h"

class QWidget;

namespace ui {

class View;

class ViewHost {
 public:
  virtual ~ViewHost() = default;

  // The loaded file (kind None before the first accepted file). It stays loaded after the
  // last one is closed; shownKind tells whether it is on screen.
  virtual const datafiles::LoadedFile& file() const = 0;
  virtual datafiles::FileKind shownKind() const = 0;
  // The full name of the current file: the text of FileNameBox.
  virtual QString currentFileName() const = 0;

  virtual const text::NumberFormat& numberFormat() const = 0;
  virtual settings::Settings& appSettings() = 0;
  virtual Dialogs& dialogs() = 0;
  virtual const ViewActions& viewActions() const = 0;
  // The window that owns the views' tool windows and dialogs.
  virtual QWidget* hostWindow() = 0;

  // True while a print job runs; view handlers do nothing then.
  virtual bool printing() const = 0;
  virtual void setPrinting(bool on) = 0;

  // The coordinate read-out of the header panel (KoorLb and KYLb).
  virtual void setReadoutVisible(bool visible) = 0;
  virtual bool readoutVisible() const = 0;
  virtual void setReadout(const QString& coordinate, const QString& value) = 0;

  // The view's read-out in the status line (position under the mouse, readings, marker, zoom).
  virtual void showStatus(const QString& text) = 0;

  // The view of the loaded file's kind, for printing; null before the first file.
  virtual View* fileView() = 0;
  // The protocol of the current file as a printout shows it: reloaded from its file unless
  // the operator is editing it.
  virtual protocol::ProtocolFields reloadProtocol() = 0;
};

}  // namespace ui
