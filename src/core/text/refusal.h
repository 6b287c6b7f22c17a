// A refused operation as the user is told it, and the "file cannot be opened" texts every front shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace text {

// The message texts in the order they are shown (none: refused without a word, as a
// cancelled name is) and the caption of their box (empty: the program's own). The ui
// shows each in a message box, tervtool writes them to stderr.
struct Refusal {
  std::vector<std::string> messages;
  std::string title;

  bool operator==(const Refusal&) const = default;
};

// "   Файл: " + name + "\n Открыть невозможно": a file that could not be opened or written.
std::string notOpenText(std::string_view name);

// The closing message of a data file that was not opened: the name on a line of its own,
// beforeNotOpen between it and "Открыть невозможно".
std::string dataFileNotOpenText(std::string_view name, std::string_view beforeNotOpen = {});

}  // namespace text
