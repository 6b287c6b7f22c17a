// Panel1: the header panel with the file's header texts and the chart's coordinate read-out.
#pragma once

#include "core/datafiles/loaded_file.h"
#include "core/text/numfmt.h"
#include "ui/shell/main_form_parts.h"

namespace ui {

// Builds Panel1 and its labels into parts.
void buildHeaderPanel(QWidget* parent, MainFormParts& parts);
// Shows the header texts of a file's kind, each label sized to its text; the others hidden.
void fillHeaderPanel(const MainFormParts& parts, const datafiles::LoadedFile& file, const text::NumberFormat& nf);

}  // namespace ui
