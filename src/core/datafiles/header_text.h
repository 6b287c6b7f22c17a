// The texts of the header panel for each kind of file, in the panel's order.
#pragma once

#include <string>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/text/numfmt.h"

namespace datafiles {

enum class HeaderLabel {
  Datelb,
  Btimelb,
  Etimelb,
  IDDevlb,
  Bloklb,
  Templb,
  Tolshlb,
  Diamlb,
  Lenlb,
  Shovlb,
  Izdlb,
  Layerslb
};

struct HeaderText {
  HeaderLabel label;
  std::string text;
};

// The labels shown for the file's kind with their texts; labels not listed are hidden.
std::vector<HeaderText> HeaderTexts(const LoadedFile& file, const text::NumberFormat& nf);

// "Температура:" with the sign rule: "+12" above zero, "0" and "-3" as they are.
std::string temperatureText(int temperature);
// "%02d-%02d-20%02d".
std::string dateText(int day, int month, int year);
// "%02d:%02d:%02d".
std::string timeText(int h, int m, int s);

// The kind's name as tervtool prints it.
std::string kindName(FileKind kind);

}  // namespace datafiles
